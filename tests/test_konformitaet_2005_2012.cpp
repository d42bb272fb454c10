#include "pap_pruefung.h"

#include "lohnsteuer/programm.h"

using lst::test::PruefeReferenzdatei;

TEST(Konformitaet2006Und2007, Programmablaufplan2006) { EXPECT_GT(PruefeReferenzdatei("pap2006.csv"), 900); }
TEST(Konformitaet2006Und2007, Programmablaufplan2007) { EXPECT_GT(PruefeReferenzdatei("pap2007.csv"), 900); }
TEST(Konformitaet2006Und2007, AmtlichePrueftabellen) {
  EXPECT_GT(PruefeReferenzdatei("bmf_pruef.csv", 2006, 2007), 500);
}

TEST(Konformitaet2010Bis2012, Programmablaufplan2010) { EXPECT_GT(PruefeReferenzdatei("pap2010.csv"), 900); }
TEST(Konformitaet2010Bis2012, Programmablaufplan2011) { EXPECT_GT(PruefeReferenzdatei("pap2011.csv"), 900); }
TEST(Konformitaet2010Bis2012, Programmablaufplan2012) { EXPECT_GT(PruefeReferenzdatei("pap2012.csv"), 900); }
TEST(Konformitaet2010Bis2012, AmtlichePrueftabellen) {
  EXPECT_GT(PruefeReferenzdatei("bmf_pruef.csv", 2010, 2012), 800);
}

TEST(Konformitaet2008Und2009, Programmablaufplan2008) { EXPECT_GT(PruefeReferenzdatei("pap2008.csv"), 850); }
TEST(Konformitaet2008Und2009, Programmablaufplan2009) { EXPECT_GT(PruefeReferenzdatei("pap2009.csv"), 850); }
TEST(Konformitaet2008Und2009, AmtlichePrueftabellen) {
  EXPECT_GT(PruefeReferenzdatei("bmf_pruef.csv", 2008, 2009), 500);
}

// The income-tax routines against the tariff of the law (tarif.csv:
// year, GFB, KZTAB, zvE, ESt).  Splitting is asked for with tax class III.
TEST(Konformitaet2005Bis2012, EinkommensteuerNachTarif) {
  const std::string pfad = std::string(LOHNSTEUER_VECTORS_DIR) + "/tarif.csv";
  std::ifstream ein(pfad);
  ASSERT_TRUE(ein) << "Referenzdatei fehlt: " << pfad;
  lst::TFlussplanWerk k;
  std::string zeile;
  std::getline(ein, zeile);
  std::array<int, 2013> proJahr{};
  int abweichend = 0;
  while (std::getline(ein, zeile)) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    const auto f = lst::pap::Felder(zeile);
    ASSERT_EQ(f.size(), 5u) << zeile;
    const int jahr = std::stoi(std::string(f[0]));
    if (jahr < 2005 || jahr > 2012) continue;
    const int kztab = std::stoi(std::string(f[2]));
    const std::int64_t zve = std::stoll(std::string(f[3]));
    const std::int64_t erwartet = std::stoll(std::string(f[4]));
    k.LStJahr = static_cast<std::int16_t>(jahr);
    lst::TLohnsteuerProgramm* p = k.ProgrammFuerMonat(jahr);
    ASSERT_NE(p, nullptr) << jahr;
    ASSERT_TRUE(p->HatEinkommensteuer());
    const std::int64_t ist = p->Einkommensteuer(kztab == 2 ? 3 : 1, static_cast<std::uint8_t>(kztab), zve);
    ++proJahr[jahr];
    if (ist != erwartet && ++abweichend <= 20) {
      ADD_FAILURE() << zeile << ": ist " << ist;
    }
  }
  EXPECT_EQ(abweichend, 0);
  for (int jahr = 2005; jahr <= 2012; ++jahr) EXPECT_GT(proJahr[jahr], 150) << jahr;
}
