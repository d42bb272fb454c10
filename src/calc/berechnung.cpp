#include "calc/berechnung.h"

#include <algorithm>
#include <cmath>

#include "calc/anzeige.h"
#include "calc/fehler.h"
#include "calc/jahresregeln.h"
#include "lohnsteuer/programm.h"

namespace lst {

[[noreturn]] void KeineLohnsteuer(int jahr) {
  throw TLStFehler("Keine Lohnsteuer für " + std::to_string(jahr) + " vorhanden.");
}

[[noreturn]] void KeineSozialversicherung(int jahr) {
  throw TLStFehler("Für " + std::to_string(jahr) +
                   " ist die Sozialversicherung noch nicht hinterlegt: berechnet werden nur "
                   "Lohnsteuer, Solidaritätszuschlag und Kirchensteuer.");
}

void EingabenUebernehmen(TLStZustand& k, const TBBGTabelle& bbg, const TLohnZeitraum& lz, const TLStEingabe& e,
                         const TSVEingabe& sv) {
  TLStVariablen& v = k.LStVar;
  v.LZZ = lz.LZZ;
  v.RE4 = lz.RE4;
  v.ALTER1 = e.ALTER1 ? 1 : 0;
  v.R = e.Bekenntnislos ? 0 : 1;
  v.STKL = e.STKL;
  if (e.af && e.STKL == 4) {
    v.af = 1;
    v.f = e.f;
  } else {
    v.af = 0;
  }
  v.ZKF = e.ZKF;
  // From 2014 the contribution group tells whether the employee is insured
  // in the pension and unemployment insurance; before, the special table
  // stands for an employee outside the pension insurance.
  const TJahresRegeln& regeln = JahresRegeln(k.LStJahr);
  const bool neu = regeln.EingabenAusSV;
  const bool rvFrei = sv.MitGruppe ? !sv.Gruppe.RVVersichert() : e.TabArt != 0 || (neu && sv.Saetze[svRV].AN < 0);
  v.KRV = regeln.KRV(rvFrei, sv.Region);
  if (neu) {
    // The flowcharts' inputs from the social-insurance record: the whole
    // add-on rate in percent (the KV2 pair from 2015; the flowcharts from
    // 2019 halve it themselves), the care surcharge of the childless, the
    // child discounts (an input from 2024), the unemployment insurance
    // (an input from 2026) and the employer's subsidy to a private
    // insurance, the one the slip pays.
    double kvz = 0;
    if (regeln.KVZusatz) {
      const TSatzPaar& zb = sv.Saetze[svKV2];
      kvz = std::round(((zb.AN > 0 ? zb.AN : 0) + (zb.AG > 0 ? zb.AG : 0)) * 10000) / 100;
    }
    v.KVZ = kvz;
    v.PVZ = sv.Saetze[svPV2].AN > 0 ? 1 : 0;
    v.PVA = regeln.PVAbschlaege ? std::min<std::uint8_t>(sv.PVAbschlaege, 4) : 0;
    v.PKPVAGZ = regeln.AGZuschussBetrag ? PKVZuschussMonat(k.LStJahr, sv, bbg, lz) : 0;
    const bool avFrei = sv.MitGruppe ? !sv.Gruppe.AVVersichert() : sv.Saetze[svAV].AN < 0;
    v.ALV = regeln.AGZuschussBetrag && avFrei ? 1 : 0;
    v.MBV = 0;
  } else {
    v.PVZ = sv.Saetze[svPV2].AN > 0 ? 1 : 0;
  }
  v.PKPV = sv.PKPV;
  // From 2026 the flowchart knows private insurance only as such (1); the
  // employer's subsidy comes as the amount PKPVAGZ.
  v.PKV = regeln.AGZuschussBetrag && sv.PKV > 1 ? 1 : sv.PKV;
  v.PVS = sv.PVS ? 1 : 0;
  FreibetragSetzen(v, regeln, e.Freibetrag, e.Hinzurechnung);
  v.VBEZ = e.VBEZ;
  v.VBEZM = e.VBEZM;
  v.VBEZS = e.VBEZS;
  v.ZMVB = e.ZMVB;
  v.AJAHR = e.AJAHR;
  v.VJAHR = e.VJAHR;
  v.VKAPA = e.VKAPA;
  v.VMT = e.VMT;
  v.SONSTB = e.SONSTB;
  v.VBS = e.VBS;
  v.STERBE = e.STERBE;
  v.JRE4 = e.JRE4;
  v.JVBEZ = e.JVBEZ;
  v.JFREIB = e.JFREIB;
  v.JHINZU = e.JHINZU;
  v.ENTSCH = e.ENTSCH;
  v.SONSTENT = e.SONSTENT;
  v.JRE4ENT = e.JRE4ENT;
}

void SteuerRechnen(TLStZustand& z, TLohnsteuerProgramm* programm, const TBBGTabelle& bbg, const TLohnZeitraum& lz,
                   const TLStEingabe& e, TLStErgebnis& erg, const TSVEingabe& sv) {
  erg = TLStErgebnis{};
  EingabenUebernehmen(z, bbg, lz, e, sv);
  // Column 1: the employer's flat-rate tax of a minijob.
  if (e.PauschSatzAG > 0) erg.LStPausch = Runden(e.PauschSatzAG * lz.RE4);
  // Column 0: the employee's wage tax.  A flat rate replacing it, or the
  // employer's flat-rate tax of a marginal employment, which takes the place
  // of the wage tax by class (section 40a (2) EStG): the employee pays none.
  if (e.PauschSatzLSt > 0) {
    erg.LSt = Runden(e.PauschSatzLSt * lz.RE4);
  } else if (!(e.PauschSatzAG > 0)) {
    if (programm == nullptr) KeineLohnsteuer(z.LStJahr);
    programm->Lohnsteuer();
    erg.LSt = z.LStVar.LSTLZZ;
    erg.Soli = z.LStVar.SOLZLZZ;
    erg.BK = z.LStVar.BK;
    erg.KiSt = Abschneiden(erg.BK * e.KiStSatz);
  }
  erg.SteuerSumme = erg.LSt + erg.KiSt + erg.Soli;
  erg.SteuerSummePausch = erg.LStPausch + erg.KiStPausch + erg.SoliPausch;
  erg.BruttoNachSteuer = lz.RE4 - erg.SteuerSumme;
  erg.BruttoPlusPausch = lz.RE4 + erg.SteuerSummePausch;
}

std::int64_t ZeitraumAusJahr(std::int64_t jahr, std::uint8_t lzz) {
  switch (lzz) {
    case 2: return (jahr + 6) / 12;
    case 3: return (jahr * 7 + 180) / 360;
    case 4: return (jahr + 180) / 360;
    default: return jahr;
  }
}

std::int64_t JahrAusZeitraum(std::int64_t lohn, std::uint8_t lzz) {
  switch (lzz) {
    case 2: return lohn * 12;
    case 3: return (lohn * 360 + 3) / 7;
    case 4: return lohn * 360;
    default: return lohn;
  }
}

std::int64_t TabelleRechnen(TLStZustand& z, TLohnsteuerProgramm* programm, const TBBGTabelle& bbg, bool euro,
                           const TLohnZeitraum& lz, const TLStEingabe& e, const TSVEingabe& sv, TLStErgebnis& erg,
                           std::int64_t& stufeBis, std::int64_t& stufeVon) {
  erg = TLStErgebnis{};
  const int jahr = z.LStJahr;
  if (programm == nullptr) return 0;

  std::int64_t naechster = 0;
  if (programm->HatTabelle()) {
    // The table routine places the wage in its bracket.
    if (JahresRegeln(jahr).TabelleOhneFaktor) z.LStVar.af = 0;
    TTabellenArgumente a;
    a.AllgemeineTabelle = e.TabArt == 0;
    a.Region = sv.Region;
    a.LZZ = lz.LZZ;
    a.PKV = sv.PKV;
    a.PVS = sv.PVS ? 1 : 0;
    a.ZKF = e.ZKF;
    a.STKL = e.STKL;
    a.Lohn = lz.RE4;
    naechster = programm->Tabelle(a);
    stufeBis = a.StufeBis;
    stufeVon = a.StufeVon;
  } else {
    // The early years have no table routine: the main routine places the
    // wage of the pay period on its wage step.  The step is that of the
    // gross wage itself, without the allowances that reduce it.
    const std::int64_t lohn = ZeitraumAusJahr(lz.RE4, lz.LZZ);
    TLohnZeitraum zeitraum{lz.LZZ, lohn};
    TLStEingabe brutto = e;
    brutto.ALTER1 = false;
    brutto.Freibetrag = 0;
    brutto.Hinzurechnung = 0;
    brutto.VBEZ = 0;
    brutto.PauschSatzLSt = 0;
    brutto.PauschSatzAG = 0;
    SteuerRechnen(z, programm, bbg, zeitraum, brutto, erg, sv);
    stufeVon = std::min(z.LStVar.TabStufeVon, lohn);
    stufeBis = std::max(z.LStVar.TabStufeBis, lohn);
    naechster = JahrAusZeitraum(stufeBis + 1, lz.LZZ);
  }
  // The row's taxes are those of a single calculation with the bracket's
  // top and the same inputs; a table knows no factor.  Shown in the other
  // currency, the top is the highest amount the user can type there.
  std::int64_t top = stufeBis;
  if (AnzeigeUmgerechnet(jahr, euro)) {
    top = std::max(AusAnzeigeCent(jahr, euro, AnzeigeObergrenze(jahr, euro, stufeBis)), stufeVon);
  }
  TLohnZeitraum oben{lz.LZZ, top};
  // A row is the wage tax by class, also where a flat-rate tax replaces it.
  TLStEingabe ohneFaktor = e;
  ohneFaktor.af = false;
  ohneFaktor.PauschSatzLSt = 0;
  ohneFaktor.PauschSatzAG = 0;
  SteuerRechnen(z, programm, bbg, oben, ohneFaktor, erg, sv);
  return naechster;
}

TLohnsteuerProgramm* EinkommensteuerProgramm(TLohnsteuerProgramm* programm) {
  if (programm == nullptr) return nullptr;
  // The years without an income-tax routine (1995 to 2001) compute the
  // tariff through the flowchart's own tariff step (UPMLST, MSOLZ), which
  // every program of the shared flow has.
  if (programm->HatEinkommensteuer() || programm->HatTarifschritt()) return programm;
  return nullptr;
}

std::int64_t EinkommensteuerRechnen(TLStZustand& z, TLohnsteuerProgramm* programm, std::uint8_t stkl,
                                    std::uint8_t kztab, TLStErgebnis& erg, std::int64_t einkommen, double kiStSatz) {
  erg = TLStErgebnis{};
  std::int64_t steuer = 0;
  programm = EinkommensteuerProgramm(programm);
  if (programm != nullptr) {
    steuer = programm->Einkommensteuer(stkl, kztab, einkommen);
    erg.LSt = steuer * 100;
    erg.BK = z.LStVar.BK;
    if (!programm->HatEinkommensteuer()) {
      // Without a routine of its own the church-tax base is the tariff tax's
      // share of the pay period (1995 would otherwise reduce the base of
      // the last wage-tax run by its child amounts).
      const double jahr = static_cast<double>(steuer) * 100;
      switch (z.LStVar.LZZ) {
        case 2: erg.BK = Abschneiden(jahr / 12); break;
        case 3: erg.BK = Abschneiden(jahr * 7 / 360); break;
        case 4: erg.BK = Abschneiden(jahr / 360); break;
        default: erg.BK = static_cast<std::int64_t>(jahr); break;
      }
      if (!z.LStVar.R) erg.BK = 0;
    }
    erg.KiSt = Abschneiden(erg.BK * kiStSatz);
    erg.Soli = z.LStVar.SOLZLZZ;
  }
  erg.SteuerSumme = erg.LSt + erg.KiSt + erg.Soli;
  erg.BruttoNachSteuer = einkommen * 100 - erg.SteuerSumme;
  return steuer;
}

std::int64_t EinkommensteuerFuenftelRechnen(TLStZustand& z, TLohnsteuerProgramm* programm, std::uint8_t stkl,
                                            std::uint8_t kztab, TLStErgebnis& erg, std::int64_t einkommen,
                                            std::int64_t ausserordentlich, double kiStSatz, std::int64_t& ohne) {
  programm = EinkommensteuerProgramm(programm);
  if (ausserordentlich <= 0 || programm == nullptr || !programm->HatEinkommensteuer()) {
    ohne = EinkommensteuerRechnen(z, programm, stkl, kztab, erg, einkommen, kiStSatz);
    return ohne;
  }
  erg = TLStErgebnis{};
  const std::int64_t rest = einkommen - ausserordentlich;
  std::int64_t steuer = 0;
  if (rest >= 0) {
    ohne = programm->Einkommensteuer(stkl, kztab, rest);
    const std::int64_t mitFuenftel = programm->Einkommensteuer(stkl, kztab, rest + ausserordentlich / 5);
    steuer = ohne + 5 * (mitFuenftel - ohne);
  } else {
    ohne = 0;
    steuer = 5 * programm->Einkommensteuer(stkl, kztab, einkommen / 5);
  }
  programm->Zuschlaege(kztab, steuer);
  erg.LSt = steuer * 100;
  erg.BK = z.LStVar.BK;
  erg.KiSt = Abschneiden(erg.BK * kiStSatz);
  erg.Soli = z.LStVar.SOLZLZZ;
  erg.SteuerSumme = erg.LSt + erg.KiSt + erg.Soli;
  erg.BruttoNachSteuer = einkommen * 100 - erg.SteuerSumme;
  return steuer;
}

}  // namespace lst
