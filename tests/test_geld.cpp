#include <gtest/gtest.h>

#include "calc/geld.h"

using namespace lst;

TEST(Runden, AbschneidenEntferntDarstellungsfehler) {
  EXPECT_EQ(Abschneiden(28.999999999999996), 29);
  EXPECT_EQ(Abschneiden(0.29 * 100), 29);
  EXPECT_EQ(Abschneiden(-2.7), -2);
  EXPECT_EQ(Abschneiden(2.7), 2);
  EXPECT_EQ(Abschneiden(0.0), 0);
  EXPECT_EQ(Abschneiden(1e-20), 0);
  EXPECT_EQ(Abschneiden(123456789012.999), 123456789012);
  EXPECT_EQ(Abschneiden(123456789012.9999), 123456789013);  // 16th digit rounds up
}
