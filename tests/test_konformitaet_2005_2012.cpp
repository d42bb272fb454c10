#include "pap_pruefung.h"

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
