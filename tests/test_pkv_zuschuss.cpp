// The employer's subsidy to a private health and care insurance, 2014 to
// 2026: the maxima of the years, half the premium up to them, the pay
// periods, the payout and the employer's cost, the amount the wage tax of
// 2026 takes, and the command line's output.  Amounts in cents.
//
// Published monthly maxima (health + care, West): 2014 295,65 + 41,51;
// 2015 301,13 + 48,47; 2019 351,66 + 69,20; 2023 from July care 84,79;
// 2024 421,76 + 87,98 (Saxony care 62,10); 2025 471,32 + 99,23;
// 2026 508,59 + 104,63 EUR.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "geld/geld.h"
#include "calc/sozialversicherung.h"
#include "cli_lauf.h"

using namespace lst;

namespace {

TEST(PKVZuschuss, HoechstbetraegeDerJahre) {
  struct TFall {
    int Jahr, Monat;
    bool Sachsen;
    std::int64_t KV, PV;
  };
  const TFall faelle[] = {
      {2014, 1, false, 29565, 4151},  {2015, 1, false, 30113, 4847},  {2018, 1, false, 32303, 5642},
      {2019, 1, false, 35166, 6920},  {2023, 1, false, 40399, 7606},  {2023, 7, false, 40399, 8479},
      {2024, 1, false, 42176, 8798},  {2024, 1, true, 42176, 6210},   {2025, 1, false, 47132, 9923},
      {2026, 1, false, 50859, 10463}, {2026, 12, true, 50859, 7556},
  };
  for (const TFall& f : faelle) {
    const TPKVHoechstzuschuss h = PKVHoechstzuschuss(f.Jahr, f.Monat, f.Sachsen);
    EXPECT_EQ(h.KV, f.KV) << f.Jahr << "/" << f.Monat << (f.Sachsen ? " Sachsen" : "");
    EXPECT_EQ(h.PV, f.PV) << f.Jahr << "/" << f.Monat << (f.Sachsen ? " Sachsen" : "");
  }
  // No subsidy in the core before 2014 and after the last year.
  for (int jahr : {1995, 2013, kLetztesLStJahr + 1}) EXPECT_EQ(PKVHoechstzuschuss(jahr, 1, false).Summe(), 0) << jahr;
}

TSVEingabe Privat(int jahr, std::int64_t beitrag, int monat = 1) {
  TSVEingabe sv;
  sv.Saetze = SVSaetzeStandard(jahr, monat)[beNV];
  sv.Monat = static_cast<std::uint8_t>(monat);
  sv.PKV = 2;
  sv.PKPV = beitrag;
  return sv;
}

// The subsidy for a wage at or above the health ceiling.
std::int64_t AnDerGrenze(int jahr, const TSVEingabe& sv) {
  return PKVZuschussMonat(jahr, sv, SVPeriode(jahr, sv.Monat).KVWest);
}

TEST(PKVZuschuss, HalberBeitragBisZumHoechstbetrag) {
  const std::int64_t hoechst = 50859 + 10463;
  EXPECT_EQ(AnDerGrenze(2026, Privat(2026, 50000)), 25000);
  EXPECT_EQ(AnDerGrenze(2026, Privat(2026, 50001)), 25001);  // an odd cent up
  EXPECT_EQ(AnDerGrenze(2026, Privat(2026, 2 * hoechst - 2)), hoechst - 1);
  EXPECT_EQ(AnDerGrenze(2026, Privat(2026, 2 * hoechst)), hoechst);
  EXPECT_EQ(AnDerGrenze(2026, Privat(2026, 2 * hoechst + 1)), hoechst);
  EXPECT_EQ(AnDerGrenze(2026, Privat(2026, 200000)), hoechst);
  EXPECT_EQ(AnDerGrenze(2024, Privat(2024, 200000)), 42176 + 8798);
  // Saxony's lower care share lowers the maximum.
  TSVEingabe sachsen = Privat(2024, 200000);
  sachsen.Region = rgOst;
  sachsen.PVS = true;
  EXPECT_EQ(AnDerGrenze(2024, sachsen), 42176 + 6210);
  // No subsidy: statutory, private without subsidy, no or a negative
  // premium, marginal employment, a year before 2014.
  TSVEingabe ohne = Privat(2026, 50000);
  ohne.PKV = 1;
  EXPECT_EQ(AnDerGrenze(2026, ohne), 0);
  ohne.PKV = 0;
  EXPECT_EQ(AnDerGrenze(2026, ohne), 0);
  EXPECT_EQ(AnDerGrenze(2026, Privat(2026, 0)), 0);
  EXPECT_EQ(AnDerGrenze(2026, Privat(2026, -50000)), 0);
  TSVEingabe mini = Privat(2026, 50000);
  mini.Beschaeftigung = beGF;
  EXPECT_EQ(AnDerGrenze(2026, mini), 0);
  EXPECT_EQ(PKVZuschussMonat(2013, Privat(2013, 50000), 393750), 0);
}

// Below the ceiling the maximum is what the employer would pay for a
// statutory insured employee of that wage (section 257 (2) SGB V, section
// 61 (2) SGB XI): 2026, 4.000 EUR: health 4.000 x (7,3 + 2,9 / 2) % = 350,00,
// care 4.000 x 1,8 % = 72,00.  Premiums given apart are capped each on its
// own: a care premium of 200 EUR gives at most 72,00 even where half the
// health premium stays far below its maximum.
TEST(PKVZuschuss, AmLohnBegrenztUndJeZweig) {
  EXPECT_EQ(PKVZuschussMonat(2026, Privat(2026, 150000), 400000), 35000 + 7200);
  EXPECT_EQ(PKVZuschussMonat(2026, Privat(2026, 60000), 400000), 30000);
  EXPECT_EQ(PKVZuschussMonat(2026, Privat(2026, 150000), 0), 0);
  TSVEingabe getrennt = Privat(2026, 60000);
  getrennt.PKPVPflege = 20000;
  EXPECT_EQ(PKVZuschussMonat(2026, getrennt, 400000), 20000 + 7200);
  EXPECT_EQ(AnDerGrenze(2026, getrennt), 20000 + 10000);
  // Given as paid, the subsidy is the one paid, whatever the premium.
  TSVEingabe gezahlt = Privat(2026, 60000);
  gezahlt.AGZuschuss = 12345;
  EXPECT_EQ(PKVZuschussMonat(2026, gezahlt, 400000), 12345);
  // The wage of the pay period is liable up to the table's health ceiling.
  const TBBGTabelle bbg = BBGStandard(2026, 1);
  EXPECT_EQ(PKVZuschussMonat(2026, Privat(2026, 150000), bbg, TLohnZeitraum{2, 400000}), 35000 + 7200);
  EXPECT_EQ(PKVZuschussMonat(2026, Privat(2026, 150000), bbg, TLohnZeitraum{1, 4800000}), 35000 + 7200);
  EXPECT_EQ(PKVZuschussMonat(2026, Privat(2026, 150000), bbg, TLohnZeitraum{2, 900000}), 50859 + 10463);
}

// The subsidy of a pay period is the monthly one converted as the ceilings
// are; it raises the employer's cost and the payout, not the net wage or
// the contribution sums.
TEST(PKVZuschuss, ZeitraumAuszahlungUndLohnkosten) {
  struct TFall {
    std::uint8_t LZZ;
    std::int64_t Brutto, Zuschuss;
  };
  // 2025, 500 EUR premium: 250 EUR a month; 1.500 EUR: the maximum 570,55.
  for (const auto& [beitrag, monat] : {std::pair<std::int64_t, std::int64_t>{50000, 25000},
                                       std::pair<std::int64_t, std::int64_t>{150000, 47132 + 9923}}) {
    const TFall faelle[] = {
        {1, 7200000, monat * 12}, {2, 600000, monat}, {3, 140000, Runden(monat / 30.0) * 7}, {4, 20000, Runden(monat / 30.0)}};
    for (const TFall& f : faelle) {
      const TParameter& p = StandardParameter(2025, 1);
      TAnfrage a;
      a.LZZ = f.LZZ;
      a.Brutto = f.Brutto;
      a.Bekenntnislos = true;
      a.Privat = true;
      a.AGZuschuss = true;
      a.PrivatBeitrag = beitrag;
      a.Kindergeld = 1234;
      const TMonatsErgebnis erg = Abrechnen(p, a);
      const std::string was = "LZZ " + std::to_string(f.LZZ) + ", Beitrag " + std::to_string(beitrag);
      EXPECT_EQ(erg.PKVZuschuss_AG, f.Zuschuss) << was;
      EXPECT_EQ(erg.KV.AG + erg.PV.AG + erg.KV.AN + erg.PV.AN, 0) << was;
      EXPECT_EQ(erg.Netto, erg.BruttoNachSteuer - erg.SVSummeAN) << was;
      EXPECT_EQ(erg.Auszahlung, erg.Netto + 1234 + f.Zuschuss) << was;
      EXPECT_EQ(erg.AGGesamt, erg.BruttoPlusPausch + erg.SVSummeAG + f.Zuschuss) << was;
      EXPECT_EQ(erg.AGGesamtUmlagen, erg.AGGesamt + erg.U1_AG + erg.U2_AG + erg.IGU_AG) << was;
    }
  }
  // The rule period of the pay month: care from July 2023 at 1,7 %.
  const TBBGTabelle bbg = BBGStandard(2023, 7);
  TSVErgebnis juni, juli;
  SVRechnen(2023, SVPeriode(2023, 6), bbg, TLohnZeitraum{2, 600000}, Privat(2023, 200000, 6), juni);
  SVRechnen(2023, SVPeriode(2023, 7), bbg, TLohnZeitraum{2, 600000}, Privat(2023, 200000, 7), juli);
  EXPECT_EQ(juni.PKVZuschuss_AG, 40399 + 7606);
  EXPECT_EQ(juli.PKVZuschuss_AG, 40399 + 8479);
}

// Up to 2013 the private insurance with subsidy computes as before: no
// subsidy entry, the sums as ever.
TEST(PKVZuschuss, Bis2013Unveraendert) {
  for (int jahr = 1995; jahr <= 2013; ++jahr) {
    TAnfrage a;
    a.Brutto = 600000;
    a.Bekenntnislos = true;
    a.Privat = true;
    a.AGZuschuss = true;
    a.PrivatBeitrag = 50000;
    const TMonatsErgebnis erg = Abrechnen(StandardParameter(jahr, 12), a);
    EXPECT_EQ(erg.PKVZuschuss_AG, 0) << jahr;
    EXPECT_EQ(erg.AGGesamt, erg.BruttoPlusPausch + erg.SVSummeAG) << jahr;
    EXPECT_EQ(erg.Auszahlung, erg.Netto) << jahr;
  }
}

// ---- command line --------------------------------------------------------------

std::int64_t Wert(const TCliLauf& l, const std::string& name) {
  const std::string w = JsonFeld(l.Ausgabe, name);
  if (w == "?") {
    ADD_FAILURE() << name << " fehlt in " << l.Ausgabe;
    return INT64_MIN;
  }
  return std::stoll(w);
}

TCliLauf Starte(const std::string& argumente, const std::string& eingabe = "") {
  return CliStarten(argumente, eingabe, false);
}

// 2026: --ag-zuschuss computes the subsidy, and the wage tax takes it as
// PKPVAGZ exactly as if it had been given with --ag-zuschuss-betrag.
TEST(PKVZuschussCli, Zuschuss2026InDieLohnsteuer) {
  struct TFall {
    const char* Optionen;
    std::int64_t Zuschuss;
    const char* Betrag;  // the same monthly subsidy typed
  };
  const TFall faelle[] = {
      {"--brutto 6000 --privat 600", 30000, "300"},
      {"--brutto 6000 --privat 1500", 61322, "613,22"},
      {"--brutto 9000 --privat 1500 --steuerklasse 3", 61322, "613,22"},
      {"--brutto 1400 --zeitraum woche --privat 700", 8169, "350"},
      // 4.000 EUR lie below the ceiling: health 350,00, Saxon care 4.000 x 1,3 % = 52,00.
      {"--brutto 4000 --privat 1500 --region ost --sachsen", 35000 + 5200, "402"},
  };
  for (const TFall& f : faelle) {
    const std::string basis = std::string("berechnen --json --jahr 2026 --bekenntnislos ") + f.Optionen;
    const TCliLauf mit = Starte(basis + " --ag-zuschuss");
    ASSERT_EQ(mit.Status, 0) << f.Optionen << "\n" << mit.Fehler;
    EXPECT_EQ(Wert(mit, "PKVZuschuss_AG"), f.Zuschuss) << f.Optionen;
    const TCliLauf betrag = Starte(basis + " --ag-zuschuss-betrag " + f.Betrag);
    ASSERT_EQ(betrag.Status, 0) << f.Optionen << "\n" << betrag.Fehler;
    EXPECT_EQ(Wert(mit, "LSt"), Wert(betrag, "LSt")) << f.Optionen;
    EXPECT_EQ(Wert(mit, "Soli"), Wert(betrag, "Soli")) << f.Optionen;
    // Without the subsidy the provision allowance is larger: less tax.
    const TCliLauf ohne = Starte(basis);
    EXPECT_LT(Wert(ohne, "LSt"), Wert(mit, "LSt")) << f.Optionen;
    EXPECT_EQ(Wert(ohne, "PKVZuschuss_AG"), 0) << f.Optionen;
    EXPECT_EQ(Wert(mit, "Auszahlung"), Wert(mit, "Netto") + f.Zuschuss) << f.Optionen;
    EXPECT_EQ(Wert(mit, "AGGesamt"), Wert(mit, "BruttoPlusPausch") + Wert(mit, "SVSummeAG") + f.Zuschuss)
        << f.Optionen;
  }
  // The flowchart of 2026 itself with PKPVAGZ = the computed subsidy gives
  // the same wage tax (6.000 EUR a month, class I, premium 1.500 EUR).
  const TCliLauf voll = Starte("berechnen --json --jahr 2026 --brutto 6000 --privat 1500 --ag-zuschuss");
  const std::string kopf =
      "year,LZZ,RE4,STKL,ZKF,R,KRV,ALTER1,AJAHR,VBEZ,VBEZM,VBEZS,ZMVB,VJAHR,LZZFREIB,LZZHINZU,PKV,PKPV,PVS,"
      "PVZ,af,f,SONSTB,VBS,VMT,VKAPA,STERBE,JRE4,JVBEZ,JFREIB,JHINZU,ENTSCH,JRE4ENT,SONSTENT,KVZ,MBV,PVA,ALV,"
      "PKPVAGZ\n";
  const std::string zeile = "2026,2,600000,1,0,1,0,0,0,0,0,0,0,0,0,0,1,150000,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,2.9,0,0,0,";
  const TCliLauf pap = Starte("pap", kopf + zeile + std::to_string(Wert(voll, "PKVZuschuss_AG")) + "\n");
  ASSERT_EQ(pap.Status, 0) << pap.Fehler;
  EXPECT_NE(pap.Ausgabe.find(zeile + "61322," + std::to_string(Wert(voll, "LSt")) + ","), std::string::npos)
      << pap.Ausgabe << voll.Ausgabe;

  // A typed amount wins over the computed one, in the wage tax and on the
  // slip alike: paid out, in the employer's cost.
  const TCliLauf beide = Starte("berechnen --json --jahr 2026 --brutto 6000 --privat 600 --ag-zuschuss --ag-zuschuss-betrag 100");
  const TCliLauf hundert = Starte("berechnen --json --jahr 2026 --brutto 6000 --privat 600 --ag-zuschuss-betrag 100");
  ASSERT_EQ(beide.Status, 0) << beide.Fehler;
  ASSERT_EQ(hundert.Status, 0) << hundert.Fehler;
  EXPECT_EQ(Wert(beide, "LSt"), Wert(hundert, "LSt"));
  for (const TCliLauf* l : {&beide, &hundert}) {
    EXPECT_EQ(Wert(*l, "PKVZuschuss_AG"), 10000);
    EXPECT_EQ(Wert(*l, "Auszahlung"), Wert(*l, "Netto") + 10000);
    EXPECT_EQ(Wert(*l, "AGGesamt"), Wert(*l, "BruttoPlusPausch") + Wert(*l, "SVSummeAG") + 10000);
  }
  const TCliLauf paphundert = Starte("pap", kopf + zeile.substr(0, zeile.rfind("1,150000")) + "1,60000" +
                                                zeile.substr(zeile.rfind("1,150000") + 8) + "10000\n");
  ASSERT_EQ(paphundert.Status, 0) << paphundert.Fehler;
  EXPECT_NE(paphundert.Ausgabe.find("," + std::to_string(Wert(hundert, "LSt")) + ","), std::string::npos)
      << paphundert.Ausgabe << hundert.Ausgabe;
}

TEST(PKVZuschussCli, TextzeileUndBatchspalte) {
  const TCliLauf t = Starte("berechnen --jahr 2024 --brutto 6000 --privat 1200 --ag-zuschuss");
  ASSERT_EQ(t.Status, 0) << t.Fehler;
  EXPECT_NE(t.Ausgabe.find("\nAG-Zuschuss PKV/PV                                509,74 EUR\nLohnkosten "),
            std::string::npos)
      << t.Ausgabe;
  // Without the subsidy the text is as before.
  const TCliLauf o = Starte("berechnen --jahr 2024 --brutto 6000 --privat 1200");
  EXPECT_EQ(o.Ausgabe.find("Zuschuss"), std::string::npos) << o.Ausgabe;
  const TCliLauf alt = Starte("berechnen --jahr 2013 --brutto 6000 --privat 1200 --ag-zuschuss --json");
  ASSERT_EQ(alt.Status, 0) << alt.Fehler;
  EXPECT_EQ(Wert(alt, "PKVZuschuss_AG"), 0);

  const TCliLauf b = Starte("batch --bekenntnislos",
                            "jahr;brutto;privat;ag-zuschuss\n2026;6000;600;ja\n2026;6000;600;\n");
  ASSERT_EQ(b.Status, 0) << b.Fehler << b.Ausgabe;
  std::istringstream zeilen(b.Ausgabe);
  std::vector<std::vector<std::string>> tabelle;
  for (std::string z; std::getline(zeilen, z);) {
    std::vector<std::string> w;
    std::istringstream s(z);
    for (std::string f; std::getline(s, f, ';');) w.push_back(f);
    tabelle.push_back(w);
  }
  ASSERT_EQ(tabelle.size(), 3u) << b.Ausgabe;
  std::size_t i = 0;
  while (i < tabelle[0].size() && tabelle[0][i] != "PKVZuschuss_AG") ++i;
  ASSERT_LT(i, tabelle[0].size()) << b.Ausgabe;
  ASSERT_LT(i, tabelle[2].size()) << b.Ausgabe;
  EXPECT_EQ(tabelle[1][i], "300,00");
  EXPECT_EQ(tabelle[2][i], "0,00");
}

}  // namespace
