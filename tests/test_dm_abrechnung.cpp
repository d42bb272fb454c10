#include <gtest/gtest.h>

#include "calc/berechnung.h"
#include "calc/sozialversicherung.h"
#include "cli/eingabe.h"

using namespace lst;

// A whole calculation of a DM year: amounts typed in Euro (or DM) are held
// in pfennigs, measured against the year's ceilings and rates, and shown
// again in the display currency.
TEST(DMAbrechnung, Jahr1999InEuroUndDM) {
  TRechenKontext k;
  cli::TEingabe e;
  e.Jahr = 1999;
  e.Brutto = 2000;  // Euro
  e.KiStProzent = 9;
  cli::TRechnung r;
  ASSERT_EQ(cli::Vorbereiten(k, e, r), "");
  EXPECT_EQ(r.LZ.RE4, 391166);  // pfennigs
  EXPECT_DOUBLE_EQ(k.SoliGeladen, 5.5);
  TGesamtErgebnis g;
  GesamtBerechnen(k, 1999, r.LZ, r.LSt, g, r.Zusatz, 0, r.SV);
  EXPECT_EQ(g.SV.AN(svKV), Runden(391166 * 0.0685));
  EXPECT_EQ(g.SV.AN(svRV), Runden(391166 * 0.1015));
  EXPECT_EQ(g.SV.AN(svPV), Runden(391166 * 0.0085));
  EXPECT_EQ(g.SV.AN(svKV2), 0);  // no surcharges before 2005
  EXPECT_EQ(g.Netto, 391166 - g.LSt.SteuerSumme - g.SV.SVSummeAN());
  EXPECT_NEAR(AusCent(k, g.SV.AN(svKV)), 137.00, 0.005);
  EXPECT_EQ(k.Waehrung, "EUR");

  // The same wage typed in DM gives the same pfennigs and the same result.
  TRechenKontext dm;
  e.DM = true;
  e.Brutto = 3911.66;
  ASSERT_EQ(cli::Vorbereiten(dm, e, r), "");
  EXPECT_EQ(r.LZ.RE4, 391166);
  TGesamtErgebnis g2;
  GesamtBerechnen(dm, 1999, r.LZ, r.LSt, g2, r.Zusatz, 0, r.SV);
  EXPECT_EQ(g2.Netto, g.Netto);
  EXPECT_EQ(g2.LSt.LSt, g.LSt.LSt);
  EXPECT_DOUBLE_EQ(AusCent(dm, g2.SV.AN(svKV)), g2.SV.AN(svKV) / 100.0);
  EXPECT_EQ(dm.Waehrung, "DM");

  // Above the ceiling of the year: KV is measured on 6375 DM a month.
  e.Brutto = 9000;
  ASSERT_EQ(cli::Vorbereiten(dm, e, r), "");
  GesamtBerechnen(dm, 1999, r.LZ, r.LSt, g2, r.Zusatz, 0, r.SV);
  EXPECT_EQ(g2.SV.AN(svKV), Runden(637500 * 0.0685));
  EXPECT_EQ(g2.SV.AN(svRV), Runden(850000 * 0.1015));
}

TEST(DMAbrechnung, Soli1995MitSiebenEinhalbProzent) {
  TRechenKontext k;
  cli::TEingabe e;
  e.Jahr = 1995;
  e.Brutto = 5000;
  e.DM = true;
  e.STKL = 1;
  cli::TRechnung r;
  ASSERT_EQ(cli::Vorbereiten(k, e, r), "");
  EXPECT_DOUBLE_EQ(k.SoliGeladen, 7.5);
  TGesamtErgebnis g;
  GesamtBerechnen(k, 1995, r.LZ, r.LSt, g, r.Zusatz, 0, r.SV);
  ASSERT_GT(g.LSt.LSt, 0);
  // 7.5 % of the wage tax, give or take the cut to pfennigs of the yearly amount.
  EXPECT_NEAR(g.LSt.Soli, g.LSt.LSt * 0.075, 2);
}
