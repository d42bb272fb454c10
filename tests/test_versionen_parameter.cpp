// The version table (lohnsteuer/versionen.h) says which outputs each
// flowchart has; the programs carry the same facts in their parameter sets,
// and with them the average additional health rate their tables use, which
// the social-insurance table announces too.  These tests run every program
// and hold them to each other.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/sozialversicherung.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"
#include "lohnsteuer/werk.h"

namespace {

using namespace lst;

// A monthly wage of 3.000,00 in class I, statutory insurance, West.
void Grundfall(TLStVariablen& v, int jahr) {
  v = TLStVariablen{};
  v.LZZ = 2;
  v.RE4 = 300000;
  v.STKL = 1;
  v.R = 0;
  v.KRV = 0;
  v.KVZ = DurchschnittlicherZusatzbeitrag(jahr);
}

TEST(VersionenUndParameter, ZusatzbeitragWieInDerSozialversicherung) {
  // Every flowchart's average additional rate is the one of the social
  // insurance in each pay month it is in force; none before 2015.
  for (int version = 0; version < kAnzahlLStVersionen; ++version) {
    const TLStVersion& d = kLStVersionen[version];
    SCOPED_TRACE(d.Schluessel);
    TFlussplanWerk k;
    TLohnsteuerProgramm* p = k.ProgrammVersion(version);
    ASSERT_NE(p, nullptr);
    const double satz = p->DurchschnittlicherZusatzbeitrag();
    for (int monat = 1; monat <= 12; ++monat) {
      if (LStVersionFuerMonat(d.Jahr, monat) != version) continue;
      EXPECT_EQ(DurchschnittlicherZusatzbeitrag(d.Jahr, monat), satz) << monat;
      if (d.Jahr < 2015) {
        EXPECT_EQ(satz, 0.0);
      } else if (SVVorhanden(d.Jahr)) {
        EXPECT_EQ(satz, DurchschnittsZusatzbeitrag(d.Jahr, monat)) << monat;
      }
    }
  }
  EXPECT_EQ(DurchschnittlicherZusatzbeitrag(2026, 1), 2.9);
  EXPECT_EQ(DurchschnittlicherZusatzbeitrag(2015, 12), 0.9);
  EXPECT_EQ(DurchschnittlicherZusatzbeitrag(kLetztesLStJahr + 1), 0.0);
  EXPECT_EQ(DurchschnittlicherZusatzbeitrag(1994), 0.0);
}

TEST(VersionenUndParameter, AusgabenWieInDerVersionstabelle) {
  for (int version = 0; version < kAnzahlLStVersionen; ++version) {
    const TLStVersion& d = kLStVersionen[version];
    SCOPED_TRACE(d.Schluessel);
    TFlussplanWerk k;
    k.LStJahr = d.Jahr;
    TLohnsteuerProgramm* p = k.ProgrammVersion(version);
    ASSERT_NE(p, nullptr) << "kein Programm für " << d.Schluessel;

    // Multi-year pay: taxed as STV only where the flowchart has it.
    Grundfall(k.LStVar, d.Jahr);
    k.LStVar.JRE4 = 3600000;
    k.LStVar.VMT = 2000000;
    p->Lohnsteuer();
    EXPECT_EQ(k.LStVar.STV > 0, d.MitVMT) << "STV " << k.LStVar.STV;

    // The outputs for double-taxation agreements: the allowances used.
    Grundfall(k.LStVar, d.Jahr);
    p->Lohnsteuer();
    EXPECT_EQ(k.LStVar.VFRB > 0, d.MitDBA) << "VFRB " << k.LStVar.VFRB;

    // The deductible private contributions VKVLZZ.
    Grundfall(k.LStVar, d.Jahr);
    k.LStVar.PKV = 1;
    k.LStVar.PKPV = 40000;
    p->Lohnsteuer();
    EXPECT_EQ(k.LStVar.VKVLZZ > 0, d.MitVKV) << "VKVLZZ " << k.LStVar.VKVLZZ;
  }
}

TEST(VersionenUndParameter, TabellenMitDemDurchschnittlichenZusatzbeitrag) {
  // A table row computes with the year's average additional rate: it equals
  // the main routine given that rate, at the top of the bracket.
  for (int version = 0; version < kAnzahlLStVersionen; ++version) {
    const TLStVersion& d = kLStVersionen[version];
    if (d.Jahr < 2015) continue;
    SCOPED_TRACE(d.Schluessel);
    TFlussplanWerk k;
    k.LStJahr = d.Jahr;
    TLohnsteuerProgramm* p = k.ProgrammVersion(version);
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->HatTabelle());
    for (std::int64_t jahreslohn : {1800000, 3600000, 6000000}) {
      TTabellenArgumente a;
      a.LZZ = 1;
      a.STKL = 1;
      a.Lohn = jahreslohn;
      p->Tabelle(a);
      const std::int64_t tabelle = k.LStVar.LSTLZZ;
      Grundfall(k.LStVar, d.Jahr);
      k.LStVar.LZZ = 1;
      k.LStVar.RE4 = a.StufeBis;
      p->Lohnsteuer();
      EXPECT_EQ(tabelle, k.LStVar.LSTLZZ) << "Jahreslohn " << a.StufeBis;
    }
  }
}

}  // namespace

namespace {

// Every figure of the social insurance that a flowchart carries in its own
// tables equals the social-insurance table in each pay month the flowchart
// is in force for (by default or as the one first published): the ceilings
// of pension, health and care, the employee's pension and unemployment
// rates, the reduced health rate and the employer's health rate of the
// provision allowance, the care rates with Saxony, the surcharge of the
// childless and the discount per child.  A new year typed with a stale
// ceiling fails here.
TEST(VersionenUndParameter, SozialversicherungWieInIhrerTabelle) {
  const auto millionstel = [](double prozent) { return std::llround(prozent * 10000); };
  int geprueft = 0;
  for (int version = LStVersionNachSchluessel("2014"); version < kAnzahlLStVersionen; ++version) {
    const TLStVersion& d = kLStVersionen[version];
    SCOPED_TRACE(d.Schluessel);
    TFlussplanWerk k;
    TLohnsteuerProgramm* programm = k.ProgrammVersion(version);
    ASSERT_NE(programm, nullptr);
    const TFlussplanSVWerte w = programm->SVWerte();
    for (int monat = 1; monat <= 12; ++monat) {
      if (LStVersionFuerMonat(d.Jahr, monat) != version && LStVersionUrspruenglich(d.Jahr, monat) != version) continue;
      SCOPED_TRACE(monat);
      const TSVPeriode& p = SVPeriode(d.Jahr, monat);
      EXPECT_EQ(w.BBGRVWest, 12 * p.RVWest);
      EXPECT_EQ(w.BBGRVOst, 12 * p.RVOst);
      EXPECT_EQ(w.BBGKVPV, 12 * p.KVWest);
      EXPECT_EQ(w.RVSatzAN, millionstel(p.RV));
      // 2014 the employee's health rate held his 0,9 % surcharge.
      EXPECT_EQ(w.KVSatzErm, millionstel(p.KVErm + (p.ZBTeilung == ztKeine ? p.KV2AN : 0)));
      if (w.KVSatzAG >= 0) {
        const double zusatz = p.ZBTeilung == ztHaelftig ? p.ZB / 2 : 0;
        EXPECT_EQ(w.KVSatzAG, millionstel(p.KVErm + zusatz));
      }
      EXPECT_EQ(w.PVSatzAN, millionstel(p.PV));
      if (w.PVSatzAG > 0) EXPECT_EQ(w.PVSatzAG, millionstel(p.PV));
      EXPECT_EQ(w.PVSatzANSachsen, millionstel(p.PV + p.PVSachsen));
      if (w.PVSatzAGSachsen > 0) EXPECT_EQ(w.PVSatzAGSachsen, millionstel(p.PV - p.PVSachsen));
      EXPECT_EQ(w.PVZuschlag, millionstel(p.PV2AN));
      if (w.PVAbschlag >= 0) EXPECT_EQ(w.PVAbschlag, millionstel(p.PVAbschlag));
      if (w.BBGRVALV >= 0) {
        EXPECT_EQ(w.BBGRVALV, 12 * p.RVWest);
        EXPECT_EQ(w.AVSatzAN, millionstel(p.AV));
      }
      ++geprueft;
    }
  }
  EXPECT_GE(geprueft, 12 * 13);
}

}  // namespace
