#include "pap_pruefung.h"

using lst::test::PruefeReferenzdatei;

TEST(Konformitaet2010Bis2012, Programmablaufplan2010) { EXPECT_GT(PruefeReferenzdatei("pap2010.csv"), 900); }
TEST(Konformitaet2010Bis2012, Programmablaufplan2011) { EXPECT_GT(PruefeReferenzdatei("pap2011.csv"), 900); }
TEST(Konformitaet2010Bis2012, Programmablaufplan2012) { EXPECT_GT(PruefeReferenzdatei("pap2012.csv"), 900); }
TEST(Konformitaet2010Bis2012, AmtlichePrueftabellen) {
  EXPECT_GT(PruefeReferenzdatei("bmf_pruef.csv", 2010, 2012), 800);
}
