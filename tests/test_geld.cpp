#include <gtest/gtest.h>

#include <cmath>

#include "calc/anzeige.h"
#include "geld/geld.h"

using namespace lst;

TEST(Runden, AbschneidenEntferntDarstellungsfehler) {
  EXPECT_EQ(Abschneiden(28.999999999999996), 29);
  EXPECT_EQ(Abschneiden(0.29 * 100), 29);
  EXPECT_EQ(Abschneiden(1.1 * 3 * 100), 330);  // 330.00000000000006
  EXPECT_EQ(Abschneiden(-2.7), -2);
  EXPECT_EQ(Abschneiden(2.7), 2);
  EXPECT_EQ(Abschneiden(0.0), 0);
  EXPECT_EQ(Abschneiden(1e-20), 0);
  EXPECT_EQ(Abschneiden(-0.9999), 0);
  EXPECT_EQ(Abschneiden(123456789012.999), 123456789012);
  EXPECT_EQ(Abschneiden(123456789012.9999), 123456789013);  // 16th digit rounds up
  EXPECT_EQ(Abschneiden(1e16 + 2), 10000000000000000);  // 15 digits kept
}

TEST(Runden, RundenHalbVonNullWeg) {
  EXPECT_EQ(Runden(2.5), 3);
  EXPECT_EQ(Runden(-2.5), -3);
  EXPECT_EQ(Runden(2.4999), 2);
  EXPECT_EQ(Runden(-2.4999), -2);
  EXPECT_EQ(Runden(1.005 * 1000), 1005);
  EXPECT_DOUBLE_EQ(RundenStellen(2, 1.005), 1.01);
  EXPECT_DOUBLE_EQ(RundenStellen(2, -1.005), -1.01);
  EXPECT_DOUBLE_EQ(RundenStellen(2, 2.344), 2.34);
}

TEST(Runden, AufrundenVonNullWeg) {
  EXPECT_EQ(Aufrunden(2.0), 2);
  EXPECT_EQ(Aufrunden(2.01), 3);
  EXPECT_EQ(Aufrunden(0.0000001), 1);
  EXPECT_EQ(Aufrunden(-2.5), -3);
  EXPECT_EQ(Aufrunden(-2.0), -2);
  // 0.1 * 3 is 0.30000000000000004: no fraction beyond 15 digits.
  EXPECT_EQ(Aufrunden(0.1 * 3 * 10), 3);
  EXPECT_DOUBLE_EQ(AufrundenStellen(2, 1769.041), 1769.05);
  EXPECT_DOUBLE_EQ(AufrundenStellen(2, 0.29), 0.29);
}

TEST(Runden, StellenSchneidenAufCent) {
  EXPECT_DOUBLE_EQ(AbschneidenStellen(2, 36000 * 0.52 * 0.0945), 1769.04);
  EXPECT_DOUBLE_EQ(AbschneidenStellen(2, -1.239), -1.23);
  EXPECT_DOUBLE_EQ(AbschneidenStellen(0, 7.9), 7.0);
}

// Values just beside the 15-digit half step go through the exact text path;
// the fast path must agree with it everywhere.
TEST(Runden, SchnellerWegStimmtMitTextUeberein) {
  for (double basis : {0.5, 1.0, 7.0, 99.0, 12345.0, 987654321.0, 123456789012.0}) {
    for (double rel : {1e-17, 3e-16, 4.9e-16, 5.1e-16, 1e-15, 4.9e-15, 5.1e-15, 2e-14}) {
      for (double x : {basis * (1 + rel), basis * (1 - rel), -basis * (1 + rel)}) {
        const double y = Dezimal15(x);
        const double t = y < 0 ? -std::floor(-y) : std::floor(y);
        EXPECT_EQ(Abschneiden(x), static_cast<std::int64_t>(t)) << x;
        const std::int64_t auf = y == t ? static_cast<std::int64_t>(t)
                                        : static_cast<std::int64_t>(y > 0 ? t + 1 : t - 1);
        EXPECT_EQ(Aufrunden(x), auf) << x;
      }
    }
  }
}

TEST(Waehrung, InCentUndAnzeigeWert) {
  EXPECT_EQ(InCent(2001, true, 100), 19558);  // Euro shown, pfennigs stored
  EXPECT_NEAR(AnzeigeWert(2001, true, 19558), 99.9984, 1e-4);
  EXPECT_STREQ(Waehrungszeichen(true), "EUR");
  EXPECT_EQ(InCent(2013, true, 100), 10000);
  EXPECT_EQ(InCent(2013, true, 0.29), 29);
  EXPECT_DOUBLE_EQ(AnzeigeWert(2013, true, 12345), 123.45);
  EXPECT_EQ(InCent(2013, false, 195.583), 10000);  // DM shown, cents stored
  EXPECT_DOUBLE_EQ(AnzeigeWert(2013, false, 10000), 195.583);
  EXPECT_STREQ(Waehrungszeichen(false), "DM");
  EXPECT_EQ(InCent(1999, false, 12.34), 1234);
}

TEST(Waehrung, SoliSatzNachJahr) {
  EXPECT_DOUBLE_EQ(SoliSatz(1995), 7.5);
  EXPECT_DOUBLE_EQ(SoliSatz(1997), 7.5);
  EXPECT_DOUBLE_EQ(SoliSatz(1998), 5.5);
  EXPECT_DOUBLE_EQ(SoliSatz(2013), 5.5);
}
