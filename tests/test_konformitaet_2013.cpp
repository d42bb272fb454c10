#include "pap_pruefung.h"

using lst::test::PruefeReferenzdatei;

TEST(Konformitaet2013, ErsterProgrammablaufplanGfb8004) {
  EXPECT_GT(PruefeReferenzdatei("pap2013_gfb8004.csv"), 900);
}

TEST(Konformitaet2013, GeaenderterProgrammablaufplanGfb8130) {
  EXPECT_GT(PruefeReferenzdatei("pap2013_gfb8130.csv"), 900);
}

TEST(Konformitaet2013, Fallstricke) {
  EXPECT_GT(PruefeReferenzdatei("pap2013_traps.csv"), 10);
}

TEST(Konformitaet2013, AmtlichePrueftabellen) {
  EXPECT_GT(PruefeReferenzdatei("bmf_pruef.csv", 2013, 2013), 10);
}
