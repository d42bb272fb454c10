#include <gtest/gtest.h>

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "geld/geld.h"
#include "calc/sozialversicherung.h"
#include "cli/eingabe.h"

using namespace lst;

// A whole calculation of a DM year: amounts typed in Euro (or DM) are held
// in pfennigs, measured against the year's ceilings and rates, and shown
// again in the display currency.
TEST(DMAbrechnung, Jahr1999InEuroUndDM) {
  cli::TEingabe e;
  e.Jahr = 1999;
  e.Brutto = 2000;  // Euro
  e.KiStProzent = 9;
  TParameter p;
  TAnfrage a;
  ASSERT_EQ(cli::Vorbereiten(e, p, a), "");
  EXPECT_EQ(a.Brutto, 391166);  // pfennigs
  EXPECT_DOUBLE_EQ(p.SoliProzent, 5.5);
  const TMonatsErgebnis g = Abrechnen(p, a);
  EXPECT_EQ(g.RE4, 391166);
  EXPECT_EQ(g.KV.AN, Runden(391166 * 0.0685));
  EXPECT_EQ(g.RV.AN, Runden(391166 * 0.1015));
  EXPECT_EQ(g.PV.AN, Runden(391166 * 0.0085));
  EXPECT_EQ(g.KV2.AN, 0);  // no surcharges before 2005
  EXPECT_EQ(g.Netto, 391166 - g.SteuerSumme - g.SVSummeAN);
  EXPECT_NEAR(AnzeigeWert(p.Jahr, !e.DM, g.KV.AN), 137.00, 0.005);
  EXPECT_STREQ(Waehrungszeichen(!e.DM), "EUR");

  // The same wage typed in DM gives the same pfennigs and the same result.
  e.DM = true;
  e.Brutto = 3911.66;
  ASSERT_EQ(cli::Vorbereiten(e, p, a), "");
  EXPECT_EQ(a.Brutto, 391166);
  TMonatsErgebnis g2 = Abrechnen(p, a);
  EXPECT_EQ(g2.Netto, g.Netto);
  EXPECT_EQ(g2.LSt, g.LSt);
  EXPECT_DOUBLE_EQ(AnzeigeWert(p.Jahr, !e.DM, g2.KV.AN), g2.KV.AN / 100.0);
  EXPECT_STREQ(Waehrungszeichen(!e.DM), "DM");

  // Above the ceiling of the year: KV is measured on 6375 DM a month.
  e.Brutto = 9000;
  ASSERT_EQ(cli::Vorbereiten(e, p, a), "");
  g2 = Abrechnen(p, a);
  EXPECT_EQ(g2.KV.AN, Runden(637500 * 0.0685));
  EXPECT_EQ(g2.RV.AN, Runden(850000 * 0.1015));
}

TEST(DMAbrechnung, Soli1995MitSiebenEinhalbProzent) {
  cli::TEingabe e;
  e.Jahr = 1995;
  e.Brutto = 5000;
  e.DM = true;
  e.STKL = 1;
  TParameter p;
  TAnfrage a;
  ASSERT_EQ(cli::Vorbereiten(e, p, a), "");
  EXPECT_DOUBLE_EQ(p.SoliProzent, 7.5);
  const TMonatsErgebnis g = Abrechnen(p, a);
  ASSERT_GT(g.LSt, 0);
  // 7.5 % of the wage tax, give or take the cut to pfennigs of the yearly amount.
  EXPECT_NEAR(g.Soli, g.LSt * 0.075, 2);
}
