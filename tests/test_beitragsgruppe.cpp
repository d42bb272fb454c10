// Who is insured where: the contribution group decides the contributions of
// the slip and what the wage-tax flowchart is told, so that both describe
// the same person.  Digits, refusals, worked examples to the cent, random
// properties over 2014 to 2026, and the command line's options.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/beitragsgruppe.h"
#include "calc/jahresregeln.h"
#include "cli/eingabe.h"
#include "cli_lauf.h"
#include "ergebnis_sicht.h"
#include "flussplan_lauf.h"

using namespace lst;

namespace {

TBeitragsgruppe G(const char* text) { return *BeitragsgruppeLesen(text); }

// The slip of the command line's options, with what its flowchart is told.
struct Lauf {
  TParameter p;
  TAnfrage a;
  TMonatsErgebnis erg;
  TSVErgebnis sv;  // the contributions of erg by kind
  std::vector<std::string> Warnungen;
  std::string Fehler;
  explicit Lauf(const cli::TEingabe& e) {
    Fehler = cli::Vorbereiten(e, p, a, nullptr, &Warnungen);
    if (!Fehler.empty()) return;
    erg = Abrechnen(p, a);
    sv = Beitraege(erg);
    v_ = FlussplanEingaben(p, a);
  }
  const TLStVariablen& V() const { return v_; }

 private:
  TLStVariablen v_;
};

cli::TEingabe Eingabe(int jahr, double brutto, const char* gruppe = nullptr) {
  cli::TEingabe e;
  e.Jahr = jahr;
  e.JahrGesetzt = true;
  e.Brutto = brutto;
  e.Bekenntnislos = true;
  if (gruppe != nullptr) e.Beitragsgruppe = G(gruppe);
  return e;
}

TEST(Beitragsgruppe, ZiffernLesenUndSchreiben) {
  EXPECT_EQ(G("3321").KV, 3);
  EXPECT_EQ(G(" 6500 ").Text(), "6500");
  for (const char* falsch : {"", "111", "11111", "1a11", "-111", "1 11"}) {
    EXPECT_FALSE(BeitragsgruppeLesen(falsch)) << falsch;
  }
}

// The boxes describe a group and a group sets the boxes; the two agree for
// every combination the boxes can express.
TEST(Beitragsgruppe, BoxenUndSchluessel) {
  for (int typ : {beNV, beGF, beHH}) {
    for (bool auf : {false, true}) {
      for (bool privat : {false, true}) {
        for (bool besondere : {false, true}) {
          if (typ == beNV && auf) continue;
          if (typ != beNV && besondere) continue;
          const TVersicherung v{typ, auf, privat, besondere};
          const TBeitragsgruppe g = GruppeDerVersicherung(v);
          const TVersicherung zurueck = VersicherungDerGruppe(g, typ);
          EXPECT_EQ(zurueck.Beschaeftigung, typ) << g.Text();
          EXPECT_EQ(zurueck.Aufstockung, auf) << g.Text();
          EXPECT_EQ(zurueck.Privat, privat) << g.Text();
          EXPECT_EQ(zurueck.BesondereTabelle, besondere) << g.Text();
          EXPECT_EQ(BeitragsgruppePruefen(g, 2026, 1, typ, privat), "") << g.Text();
        }
      }
    }
  }
  EXPECT_EQ(GruppeDerVersicherung({beNV, false, false, false}).Text(), "1111");
  EXPECT_EQ(GruppeDerVersicherung({beGF, true, false, false}).Text(), "6100");
  EXPECT_EQ(GruppeDerVersicherung({beHH, false, false, false}).Text(), "6500");
  EXPECT_EQ(GruppeDerVersicherung({beNV, false, true, false}).Text(), "0110");
  EXPECT_EQ(GruppeDerVersicherung({beNV, false, true, true}).Text(), "0000");
  // A minijob's digits make a minijob; 0100 is one only where a minijob was chosen.
  EXPECT_EQ(VersicherungDerGruppe(G("6500"), beNV).Beschaeftigung, beGF);
  EXPECT_EQ(VersicherungDerGruppe(G("6100"), beHH).Beschaeftigung, beHH);
  EXPECT_EQ(VersicherungDerGruppe(G("0100"), beNV).Beschaeftigung, beNV);
  EXPECT_EQ(VersicherungDerGruppe(G("0100"), beGF).Beschaeftigung, beGF);
  EXPECT_TRUE(VersicherungDerGruppe(G("3321"), beNV).BesondereTabelle);
  EXPECT_FALSE(VersicherungDerGruppe(G("3321"), beNV).Privat);
}

TEST(Beitragsgruppe, AbgewieseneSchluessel) {
  struct TFall {
    const char* Gruppe;
    int Jahr;
    int Typ;
    const char* Meldung;
  };
  const TFall faelle[] = {
      {"1111", 2013, beNV, "erst ab 2014"},
      {"2111", 2026, beNV, "KV 2 (erhöhter Beitragssatz) gab es nur bis 2008"},
      {"4111", 2026, beNV, "landwirtschaftliche Krankenversicherung"},
      {"7111", 2026, beNV, "Krankenversicherung ist 0, 1, 3, 6 oder 9"},
      {"1211", 2026, beNV, "Rentenversicherung ist 0, 1, 3 oder 5"},
      {"1131", 2026, beNV, "Arbeitslosenversicherung ist 0, 1 oder 2"},
      {"1112", 2026, beNV, "PV 2 (halber Beitrag"},
      {"1110", 2026, beNV, "auch in der sozialen Pflegeversicherung"},
      {"1111", 2026, beGF, "ein Minijob hat die Beitragsgruppe 6100"},
      {"6110", 2026, beGF, "ein Minijob hat die Beitragsgruppe 6100"},
      {"3321", 2019, beNV, "AV 2) gab es von 2017 bis 2021 nicht"},
  };
  for (const TFall& f : faelle) {
    const std::string m = BeitragsgruppePruefen(G(f.Gruppe), f.Jahr, 12, f.Typ, false);
    EXPECT_NE(m.find(f.Meldung), std::string::npos) << f.Gruppe << " " << f.Jahr << ": " << m;
    EXPECT_EQ(m.rfind("Beitragsgruppe " + std::string(f.Gruppe) + ": ", 0), 0u) << m;
  }
  for (const char* gut : {"1111", "3111", "9111", "0111", "0110", "0100", "0000", "1121", "3121", "3321", "1001"}) {
    EXPECT_EQ(BeitragsgruppePruefen(G(gut), 2026, 12, beNV, false), "") << gut;
  }
  EXPECT_EQ(BeitragsgruppePruefen(G("3301"), 2019, 12, beNV, false), "");
  EXPECT_NE(BeitragsgruppePruefen(G("1111"), 2026, 12, beNV, true), "");  // private beside KV 1
  EXPECT_NE(BeitragsgruppePruefen(G("6100"), 2026, 12, beGF, true), "");  // private minijob: KV 0
  EXPECT_EQ(BeitragsgruppePruefen(G("0500"), 2026, 12, beGF, true), "");
}

// Worked examples, recomputed from the law (rates and ceilings of the year;
// sections 249b SGB V, 168 and 172 SGB VI, 346 SGB III, 243 SGB V).
TEST(Beitragsgruppe, BeispieleAufDenCent) {
  // Minijob 2024 at the limit of 538 EUR with top-up (the minijob office's
  // example): employer 13 % health 69,94 and 15 % pension 80,70; the
  // employee tops up to 18,6 %: Runden(538 x 18,6 %) = 100,07 less 80,70 =
  // 19,37.  The wage tax is told: in the pension insurance (KRV 0).
  {
    cli::TEingabe e = Eingabe(2024, 538, "6100");
    Lauf l(e);
    ASSERT_EQ(l.Fehler, "");
    EXPECT_EQ(l.sv.AG(svKV), 6994);
    EXPECT_EQ(l.sv.AG(svRV), 8070);
    EXPECT_EQ(l.sv.AN(svRV), 1937);
    EXPECT_EQ(l.sv.SVSummeAN(), 1937);
    EXPECT_EQ(l.V().KRV, 0);
  }
  // 2026, 603 EUR without top-up (6500): the employer's 78,39 and 90,45,
  // nothing of the employee's; the flowchart is told: not in the pension
  // and not in the unemployment insurance (KRV 1, ALV 1) — in class V the
  // wage tax rises by the missing unemployment part.
  {
    cli::TEingabe e = Eingabe(2026, 603, "6500");
    e.STKL = 5;
    Lauf ohne(e);
    ASSERT_EQ(ohne.Fehler, "");
    EXPECT_EQ(ohne.sv.AG(svKV), 7839);
    EXPECT_EQ(ohne.sv.AG(svRV), 9045);
    EXPECT_EQ(ohne.sv.SVSummeAN(), 0);
    EXPECT_EQ(ohne.V().KRV, 1);
    EXPECT_EQ(ohne.V().ALV, 1);
    e.Beitragsgruppe = G("6100");
    Lauf mit(e);
    EXPECT_EQ(mit.sv.AN(svRV), 2171);  // Runden(603 x 18,6 %) = 112,16 less 90,45
    EXPECT_EQ(mit.V().KRV, 0);
    EXPECT_EQ(mit.V().ALV, 1);
    EXPECT_GT(ohne.erg.LSt, 0);
  }
  // 2026, 3.000 EUR, a full old-age pensioner past the retirement age
  // (3321): reduced health rate 7,0 % each (210,00) and the add-on rate
  // 2,9 % half each (43,50); the employer's pension half alone (279,00) and
  // his unemployment half alone (39,00); care 1,8 % each and the childless
  // 0,6 % (54,00, 54,00, 18,00).  The wage tax: KRV 1, ALV 1, PKV 0.
  {
    Lauf l(Eingabe(2026, 3000, "3321"));
    ASSERT_EQ(l.Fehler, "");
    const TSVErgebnis& s = l.sv;
    EXPECT_EQ(s.AN(svKV), 21000);
    EXPECT_EQ(s.AG(svKV), 21000);
    EXPECT_EQ(s.AN(svKV2), 4350);
    EXPECT_EQ(s.AN(svRV), 0);
    EXPECT_EQ(s.AG(svRV), 27900);
    EXPECT_EQ(s.AN(svAV), 0);
    EXPECT_EQ(s.AG(svAV), 3900);
    EXPECT_EQ(s.AN(svPV), 5400);
    EXPECT_EQ(s.AN(svPV2), 1800);
    EXPECT_EQ(s.SVSummeAN(), 21000 + 4350 + 5400 + 1800);
    EXPECT_EQ(s.SVSummeAG(), 21000 + 4350 + 27900 + 3900 + 5400);
    EXPECT_EQ(l.V().KRV, 1);
    EXPECT_EQ(l.V().ALV, 1);
    EXPECT_EQ(l.V().PKV, 0);
    // The same person as a regular employee pays less wage tax: the
    // flowchart counts his pension and unemployment shares.
    Lauf normal(Eingabe(2026, 3000, "1111"));
    EXPECT_GT(l.erg.LSt, normal.erg.LSt);
  }
  // 2019: the employer's isolated unemployment share was suspended; the
  // same pensioner is 3301 and nobody pays unemployment insurance.
  {
    Lauf l(Eingabe(2019, 3000, "3301"));
    ASSERT_EQ(l.Fehler, "");
    EXPECT_EQ(l.sv.AG(svAV), 0);
    EXPECT_EQ(l.sv.AG(svRV), 27900);
    EXPECT_EQ(l.V().KRV, 2);  // not insured, up to 2024
    EXPECT_NE(Lauf(Eingabe(2019, 3000, "3321")).Fehler, "");
  }
  // A working student (0100), 2026, 1.500 EUR: pension 9,3 % each (139,50)
  // and nothing else; the flowchart: in the pension insurance, not in the
  // unemployment insurance, no statutory health insurance through the job.
  {
    Lauf l(Eingabe(2026, 1500, "0100"));
    ASSERT_EQ(l.Fehler, "");
    EXPECT_EQ(l.sv.AN(svRV), 13950);
    EXPECT_EQ(l.sv.SVSummeAN(), 13950);
    EXPECT_EQ(l.sv.SVSummeAG(), 13950);
    EXPECT_EQ(l.V().KRV, 0);
    EXPECT_EQ(l.V().ALV, 1);
    EXPECT_EQ(l.V().PKV, 1);
  }
  // In statutory health insurance and outside the pension insurance (1001):
  // expressible now, without implying private insurance.
  {
    Lauf l(Eingabe(2024, 4000, "1001"));
    ASSERT_EQ(l.Fehler, "");
    EXPECT_EQ(l.sv.AN(svKV), 29200);
    EXPECT_EQ(l.sv.AN(svRV) + l.sv.AG(svRV) + l.sv.AN(svAV) + l.sv.AG(svAV), 0);
    EXPECT_EQ(l.V().KRV, 2);
    EXPECT_EQ(l.V().PKV, 0);
  }
  // A voluntary member paying his own health contribution (0111): care on
  // the slip, no health contribution and no add-on; the wage tax counts
  // his statutory insurance with the fund's add-on rate.
  {
    Lauf l(Eingabe(2026, 7000, "0111"));
    ASSERT_EQ(l.Fehler, "");
    EXPECT_EQ(l.sv.AN(svKV) + l.sv.AN(svKV2) + l.sv.AG(svKV) + l.sv.AG(svKV2), 0);
    EXPECT_EQ(l.sv.AN(svPV), 10463);  // 5.812,50 x 1,8 %
    EXPECT_EQ(l.V().PKV, 0);
    EXPECT_DOUBLE_EQ(l.V().KVZ, 2.9);
    // 9111 remits the same contributions as 1111.
    Lauf firma(Eingabe(2026, 7000, "9111"));
    Lauf normal(Eingabe(2026, 7000, "1111"));
    EXPECT_EQ(firma.sv.Betrag, normal.sv.Betrag);
    EXPECT_EQ(firma.erg.LSt, normal.erg.LSt);
  }
}

// The flat-rate tax of a minijob takes the place of the wage tax by class
// (section 40a (2) EStG): class V at 538 EUR in 2024 withholds nothing from
// the employee while the employer pays 2 % (10,76).
TEST(Beitragsgruppe, PauschsteuerErsetztDieLohnsteuer) {
  cli::TEingabe e = Eingabe(2024, 538, "6100");
  e.Bekenntnislos = false;
  e.STKL = 5;
  e.PauschProzent = 2;
  Lauf l(e);
  ASSERT_EQ(l.Fehler, "");
  EXPECT_EQ(l.erg.LSt, 0);
  EXPECT_EQ(l.erg.Soli, 0);
  EXPECT_EQ(l.erg.KiSt, 0);
  EXPECT_EQ(l.erg.LStPausch, 1076);
  EXPECT_EQ(l.erg.Netto, 53800 - l.sv.SVSummeAN());
  e.PauschProzent.reset();
  Lauf klasse(e);
  EXPECT_EQ(klasse.erg.LSt, 4441);  // taxed by class instead
}

// Random slips of 2014 to 2026 in every class, pay period, employment and
// contribution group: what the slip charges and what the flowchart is told
// describe the same person.
TEST(Beitragsgruppe, BeitraegeUndAblaufplanBeschreibenDieselbePerson) {
  std::mt19937 z(20261209);
  const auto wuerfel = [&](int n) { return static_cast<int>(z() % static_cast<unsigned>(n)); };
  const char* const normal[] = {"1111", "3111", "9111", "0111", "0110", "0100", "0000", "1121",
                                "3121", "3321", "3301", "1001", "1011", "3111"};
  const char* const minijob[] = {"6100", "6500", "0100", "0500"};
  int gerechnet = 0;
  for (int i = 0; i < 3000; ++i) {
    const int jahr = 2014 + wuerfel(13);
    cli::TEingabe e;
    e.Jahr = jahr;
    e.JahrGesetzt = true;
    e.Monat = 1 + wuerfel(12);
    e.LZZ = static_cast<std::uint8_t>(1 + wuerfel(4));
    e.STKL = static_cast<std::uint8_t>(1 + wuerfel(6));
    e.Bekenntnislos = wuerfel(2) == 0;
    e.Region = static_cast<std::uint8_t>(wuerfel(2));
    const bool mini = wuerfel(4) == 0;
    if (mini) {
      e.Minijob = wuerfel(2) == 0;
      e.Haushalt = !e.Minijob;
      e.Beitragsgruppe = G(minijob[wuerfel(4)]);
      if (!e.Beitragsgruppe->KVGesetzlich()) e.PrivatBeitrag = 100 + wuerfel(400);
      if (wuerfel(2) == 0) e.PauschProzent = 2;
    } else {
      e.Beitragsgruppe = G(normal[wuerfel(static_cast<int>(std::size(normal)))]);
      if (!e.Beitragsgruppe->KVGesetzlich()) {
        e.PrivatBeitrag = 200 + wuerfel(800);
        e.AGZuschuss = wuerfel(2) == 0;
      }
    }
    static const double kFaktor[] = {0, 12, 1, 7.0 / 30, 1.0 / 30};
    const double monat = mini ? 100 + wuerfel(50000) / 100.0 : 300 + wuerfel(900000) / 100.0;
    e.Brutto = static_cast<double>(static_cast<std::int64_t>(monat * kFaktor[e.LZZ] * 100)) / 100;
    if (e.STKL <= 4 && wuerfel(3) == 0) e.ZKF = wuerfel(4);
    Lauf l(e);
    const std::string was = "Jahr " + std::to_string(jahr) + "/" + std::to_string(e.Monat) + " Gruppe " +
                            e.Beitragsgruppe->Text() + " LZZ " + std::to_string(e.LZZ) + " STKL " +
                            std::to_string(e.STKL);
    if (!l.Fehler.empty()) {
      // Only the suspended employer's unemployment share may be refused.
      EXPECT_TRUE(e.Beitragsgruppe->AV == 2 && jahr >= 2017 && jahr <= 2021) << was << ": " << l.Fehler;
      continue;
    }
    ++gerechnet;
    const TBeitragsgruppe& g = *e.Beitragsgruppe;
    const TSVErgebnis& s = l.sv;
    const TLStVariablen& v = l.V();
    const TJahresRegeln& regeln = JahresRegeln(jahr);
    // Pension: the flowchart hears "not insured" exactly where the employee
    // pays no pension share of his own.
    const bool rvFrei = v.KRV == regeln.KRV(true, e.Region);
    EXPECT_EQ(rvFrei, g.RV != 1) << was;
    if (rvFrei) {
      EXPECT_EQ(s.AN(svRV), 0) << was;
    }
    if (g.RV == 1 && !mini && l.a.Brutto > 200000) {
      EXPECT_GT(s.AN(svRV), 0) << was;
    }
    // Unemployment (an input from 2026).
    if (regeln.AGZuschussBetrag) {
      EXPECT_EQ(v.ALV, g.AV != 1 ? 1 : 0) << was;
    }
    if (g.AV != 1) {
      EXPECT_EQ(s.AN(svAV), 0) << was;
    }
    if (g.AV == 0) {
      EXPECT_EQ(s.AG(svAV), 0) << was;
    }
    // Health and care: private or none through the job means no statutory
    // contributions and PKV for the flowchart.
    if (!g.KVGesetzlich()) {
      EXPECT_NE(v.PKV, 0) << was;
      EXPECT_EQ(s.AN(svKV) + s.AG(svKV) + s.AN(svPV) + s.AG(svPV) + s.AN(svKV2) + s.AG(svKV2) + s.AN(svPV2), 0)
          << was;
    } else {
      EXPECT_EQ(v.PKV, 0) << was;
    }
    if (g.PV == 0) {
      EXPECT_EQ(s.AN(svPV) + s.AG(svPV) + s.AN(svPV2), 0) << was;
    }
    if (g.KV == 0) {
      EXPECT_EQ(s.AN(svKV) + s.AG(svKV), 0) << was;
    }
    // The flat-rate tax leaves no tax by class.
    if (e.PauschProzent) {
      EXPECT_EQ(l.erg.LSt + l.erg.Soli + l.erg.KiSt, 0) << was;
    }
    // The sums are the sums of the lines.
    std::int64_t an = 0, ag = 0;
    for (int art : {svKV, svPV, svRV, svAV, svKV2, svPV2}) {
      an += s.AN(art);
      ag += s.AG(art);
    }
    EXPECT_EQ(s.SVSummeAN(), an) << was;
    EXPECT_EQ(s.SVSummeAG(), ag) << was;
    EXPECT_EQ(l.erg.AGGesamt, l.erg.BruttoPlusPausch + ag + s.PKVZuschuss_AG) << was;
  }
  EXPECT_GT(gerechnet, 2500);
}

// The care discounts depend on the children under 25 alone (section 55 (3)
// SGB XI): every class, without child allowances; such a person is not
// childless.
TEST(Beitragsgruppe, PVAbschlaegeOhneKinderfreibetraege) {
  for (int stkl : {1, 5, 6}) {
    cli::TEingabe e = Eingabe(2026, 3000);
    e.STKL = static_cast<std::uint8_t>(stkl);
    e.PVAbschlaege = 2;
    Lauf mit(e);
    ASSERT_EQ(mit.Fehler, "") << stkl;
    // 1,8 % less two discounts of 0,25 %: 1,3 % of 3.000 EUR, no surcharge.
    EXPECT_EQ(mit.sv.AN(svPV), 3900) << stkl;
    EXPECT_EQ(mit.sv.AN(svPV2), 0) << stkl;
    EXPECT_EQ(mit.V().PVA, 2) << stkl;
    EXPECT_EQ(mit.V().PVZ, 0) << stkl;
  }
}

// The age relief from the year after the 64th birthday only.
TEST(Beitragsgruppe, AltersentlastungErstAbIhremJahr) {
  cli::TEingabe e = Eingabe(2026, 4000);
  e.Altersentlastung = 2027;
  Lauf spaeter(e);
  ASSERT_EQ(spaeter.Fehler, "");
  EXPECT_EQ(spaeter.V().ALTER1, 0);
  EXPECT_EQ(spaeter.erg.LSt, Lauf(Eingabe(2026, 4000)).erg.LSt);
  const std::vector<std::string>& w = spaeter.Warnungen;
  ASSERT_EQ(w.size(), 1u);
  EXPECT_NE(w[0].find("erst ab 2027"), std::string::npos) << w[0];
  e.Altersentlastung = 2026;
  Lauf jetzt(e);
  EXPECT_EQ(jetzt.V().ALTER1, 1);
  EXPECT_LT(jetzt.erg.LSt, spaeter.erg.LSt);
}

TEST(BeitragsgruppeCli, OptionUndWidersprueche) {
  struct TFall {
    const char* Argumente;
    const char* Meldung;
  };
  const TFall faelle[] = {
      {"--jahr 2013 --beitragsgruppe 1111", "die Beitragsgruppe gilt erst ab 2014, nicht für 2013"},
      {"--beitragsgruppe 11x1", "--beitragsgruppe: \"11x1\" sind nicht vier Ziffern"},
      {"--beitragsgruppe 1111 --minijob", "beschreibt keinen Minijob"},
      {"--beitragsgruppe 6500 --aufstockung", "und --aufstockung widersprechen einander"},
      {"--beitragsgruppe 1111 --besondere-tabelle", "und --besondere-tabelle widersprechen einander"},
      {"--beitragsgruppe 1111 --privat 500", "und --privat widersprechen einander"},
      {"--beitragsgruppe 1112", "PV 2 (halber Beitrag"},
      {"--beitragsgruppe 0110 --pv-abschlaege 1", "--pv-abschlaege gilt nur in der sozialen Pflegeversicherung"},
      {"--faktor 0,9 --steuerklasse 4 --freibetrag 100", "§ 39f Abs. 1 Satz 6 EStG"},
      {"--privat 500 --privat-pv 600", "--privat-pv 600,00 EUR ist größer als der Beitrag --privat 500,00 EUR"},
      {"--privat-pv 60", "--privat-pv gilt nur mit --privat"},
  };
  for (const TFall& f : faelle) {
    const TCliLauf l = CliStarten(std::string("berechnen --brutto 3000 ") + f.Argumente);
    EXPECT_EQ(l.Status, 2) << f.Argumente << "\n" << l.Ausgabe;
    EXPECT_NE(l.Ausgabe.find(f.Meldung), std::string::npos) << f.Argumente << "\n" << l.Ausgabe;
  }
  // A minijob's key alone makes the minijob; the options that agree with it
  // may stand beside it.
  const TCliLauf a = CliStarten("berechnen --json --jahr 2026 --brutto 603 --beitragsgruppe 6100");
  const TCliLauf b = CliStarten("berechnen --json --jahr 2026 --brutto 603 --minijob --aufstockung");
  const TCliLauf c = CliStarten("berechnen --json --jahr 2026 --brutto 603 --minijob --aufstockung --beitragsgruppe 6100");
  ASSERT_EQ(a.Status, 0) << a.Ausgabe;
  EXPECT_EQ(a.Ausgabe, b.Ausgabe);
  EXPECT_EQ(a.Ausgabe, c.Ausgabe);
  // The special table is 0000 with private insurance.
  EXPECT_EQ(CliStarten("berechnen --json --brutto 3000 --besondere-tabelle").Ausgabe,
            CliStarten("berechnen --json --brutto 3000 --beitragsgruppe 0000").Ausgabe);
}

// A batch column of the same name; each row equals berechnen.
TEST(BeitragsgruppeCli, BatchSpalte) {
  const TCliLauf b = CliStarten("batch --jahr 2026", "brutto;beitragsgruppe\n3000;3321\n603;6500\n3000;1111\n3000;2111\n",
                                false);
  EXPECT_EQ(b.Status, 1) << b.Fehler;
  std::vector<std::string> zeilen;
  std::string z;
  for (char ch : b.Ausgabe) {
    if (ch == '\n') {
      zeilen.push_back(z);
      z.clear();
    } else {
      z += ch;
    }
  }
  ASSERT_EQ(zeilen.size(), 5u) << b.Ausgabe;
  const auto spalte = [&](const std::string& name) {
    std::size_t i = 0, pos = 0;
    while (pos != std::string::npos) {
      const std::size_t ende = zeilen[0].find(';', pos);
      if (zeilen[0].substr(pos, ende == std::string::npos ? std::string::npos : ende - pos) == name) return i;
      pos = ende == std::string::npos ? ende : ende + 1;
      ++i;
    }
    return static_cast<std::size_t>(-1);
  };
  const auto zelle = [&](int zeile, std::size_t i) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < i; ++n) pos = zeilen[zeile].find(';', pos) + 1;
    return zeilen[zeile].substr(pos, zeilen[zeile].find(';', pos) - pos);
  };
  const std::size_t lst = spalte("LSt");
  const std::size_t rv = spalte("RV_AN");
  ASSERT_NE(lst, static_cast<std::size_t>(-1));
  const TCliLauf einzeln = CliStarten("berechnen --json --jahr 2026 --brutto 3000 --beitragsgruppe 3321");
  EXPECT_EQ(zelle(1, rv), "0,00");
  const std::string cent = JsonFeld(einzeln.Ausgabe, "LSt");
  EXPECT_EQ(zelle(1, lst), cent.substr(0, cent.size() - 2) + "," + cent.substr(cent.size() - 2));
  EXPECT_NE(zeilen[4].find("KV 2 (erhöhter Beitragssatz)"), std::string::npos) << zeilen[4];
}

}  // namespace
