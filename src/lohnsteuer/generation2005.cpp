#include "lohnsteuer/generation2005.h"

#include "geld/geld.h"
#include "lohnsteuer/versorgung_tabellen.h"

namespace lst {

using namespace versorgung;

void TLStGeneration2005::Zuruecksetzen() {
  TLStAblauf::Zuruecksetzen();
  vorsorge_.Zuruecksetzen();
  VBEZB = HFVB = BMG = RE4LZZ = RE4LZZV = 0;
  LST1 = LST2 = LST3 = 0;
  ZRE4VP1 = 0;
  KENNZ = 0;
  J = K = 1;
}

double TLStGeneration2005::SoliProzent() const {
  return p_.SoliAusEinstellungen ? k_.SoliGeladen : k_.SoliSatz();
}

void TLStGeneration2005::Lohnsteuer() {
  ParameterWaehlen();
  Zuruecksetzen();
  tabellenmodus_ = false;
  MRE4();
  BetraegeLZZ(v_.WFUNDF, v_.HINZUR);
  MRE4JL();
  MBERECH();
  MSONST();
  MVMT();
}

// Pension allowance and age relief in cents of the pay period.
void TLStGeneration2005::MRE4() {
  const bool tabellen = p_.MitVersorgungstabellen;
  if (v_.VBEZ == 0) {
    FVBZ = 0;
    FVB = 0;
  } else {
    J = tabellen ? versorgung::Zeile(v_.VJAHR) : 1;
    if (v_.LZZ == 1) {
      VBEZB = v_.VBEZM * v_.ZMVB + v_.VBEZS;
      // The yearly maximum and supplement in proportion to the months with
      // pension payments, except where capital payments or death benefits
      // come in (2005: the maximum in full, the supplement in proportion).
      const bool anteilig = !tabellen || v_.STERBE + v_.VKAPA == 0;
      HFVB = tabellen && anteilig ? Runden(TAB2[J] / 12.0 * v_.ZMVB * 100) : TAB2[J] * 100;
      FVBZ = anteilig ? Aufrunden(TAB3[J] / 12.0 * v_.ZMVB) : TAB3[J];
    } else {
      VBEZB = v_.VBEZM * 12 + v_.VBEZS;
      HFVB = TAB2[J] * 100;
      FVBZ = TAB3[J];
    }
    // Rounded up to the hundredth of a cent; the pay period's share below
    // to whole cents (the year keeps the hundredths).
    FVB = AufrundenStellen(2, VBEZB * TAB1[J]);
    if (FVB > HFVB) FVB = static_cast<double>(HFVB);
    JW = FVB;
    UPANTEIL2();
    FVB = ANTEIL2;
  }
  if (v_.ALTER1 == 1) {
    K = tabellen ? versorgung::Zeile(v_.AJAHR) : 1;
    BMG = v_.RE4 - v_.VBEZ;
    ALTE = AufrundenStellen(2, BMG * TAB4[K]);
    JW = TAB5[K] * 100.0;
    UPANTEIL2();
    if (ALTE > ANTEIL2) ALTE = static_cast<double>(ANTEIL2);
  } else {
    ALTE = 0;
  }
}

// The pay period's wage less the allowances, in cents.
void TLStGeneration2005::BetraegeLZZ(std::int64_t freibetrag, std::int64_t hinzurechnung) {
  RE4LZZ = v_.RE4 - FVB - ALTE - freibetrag + hinzurechnung;
  RE4LZZV = v_.RE4 - FVB - ALTE;
}

// Pay-period cents to yearly Euro, cut to the cent.
void TLStGeneration2005::MRE4JL() {
  auto jahr = [&](double c) { return Jahresbetrag(c, true); };
  ZRE4 = jahr(RE4LZZ);
  ZRE4VP = jahr(RE4LZZV);
  ZVBEZ = jahr(v_.VBEZ - FVB);
  if (RE4LZZ < 0) ZRE4 = 0;
  if (RE4LZZV < 0) ZRE4VP = 0;
  if (v_.VBEZ - FVB < 0) ZVBEZ = 0;
  // Without pension payments the shift of the conversion would leave a
  // few cents in ZVBEZ (2.01 Euro for a daily wage); 2007 clears them.
  if (p_.ZVBEZOhneVersorgungNull && v_.VBEZ == 0 && FVB == 0) ZVBEZ = 0;
  StufeFuerZeitraum(Abschneiden(jahr(static_cast<double>(v_.RE4)) * 100));
}

void TLStGeneration2005::MLSTJAHR() {
  if (tabellenmodus_) ZRE4VP = TabZRE4;
  // KENNZ is left from the last main routine; a table row has no multi-year pay.
  const bool mitVMT = KENNZ == 1 && !tabellenmodus_;
  VSP = vorsorge_.VSPKlasse(v_.STKL, ZRE4VP, mitVMT ? &ZRE4VP1 : nullptr, v_.KRV, KZTAB,
                            p_.Vorsorge);
  ZVE = static_cast<double>(Abschneiden((tabellenmodus_ ? TabZRE4 : ZRE4) - ZTABFB - VSP));
  UPMLST();
}

void TLStGeneration2005::LaufVorbereiten(bool mitMRE4, bool mitMZTABFB) {
  if (mitMRE4) MRE4();
  BetraegeLZZ(v_.JFREIB, v_.JHINZU);
  MRE4JL();
  if (mitMZTABFB) MZTABFB();
}

std::int64_t TLStGeneration2005::Lauf(bool mitMRE4, bool mitMZTABFB) {
  LaufVorbereiten(mitMRE4, mitMZTABFB);
  MLSTJAHR();
  return ST * 100;
}

// Other (one-off) payments.
void TLStGeneration2005::MSONST() {
  if (v_.SONSTB == 0) {
    v_.STS = 0;
    v_.SOLZS = 0;
    v_.BKS = 0;
    return;
  }
  v_.LZZ = 1;
  v_.VBEZ = v_.JVBEZ;
  v_.RE4 = v_.JRE4;
  LST1 = Lauf(true, true);
  v_.VBEZ = v_.JVBEZ + v_.VBS;
  v_.RE4 = v_.JRE4 + v_.SONSTB;
  if (p_.MitVersorgungstabellen) v_.VBEZS = v_.VBEZS + v_.STERBE;
  LST2 = Lauf(true, p_.JederLaufMitMZTABFB);
  v_.STS = LST2 - LST1;
  if (p_.STSNichtNegativ && v_.SONSTB > 0 && v_.STS < 0) v_.STS = 0;
  v_.SOLZS = Abschneiden(v_.STS * SoliProzent() / 100);
  v_.BKS = v_.R ? v_.STS : 0;
}

// Remuneration for several years (and from 2006 pension capital payments).
void TLStGeneration2005::MVMT() {
  if (p_.VKAPABereinigt && v_.VKAPA < 0) v_.VKAPA = 0;
  const std::int64_t vkapa = p_.MitVersorgungstabellen ? v_.VKAPA : 0;
  const bool jederLauf = p_.JederLaufMitMZTABFB;
  if (v_.VMT + vkapa <= 0) {
    v_.STV = 0;
    v_.SOLZV = 0;
    v_.BKV = 0;
    return;
  }
  v_.LZZ = 1;
  v_.VBEZ = v_.JVBEZ + v_.VBS;
  v_.RE4 = v_.JRE4 + v_.SONSTB;
  LST1 = Lauf(true, true);
  v_.VMT = v_.VMT + vkapa;
  v_.VBEZS = v_.VBEZS + vkapa;
  v_.VBEZ = v_.VBEZ + vkapa;
  v_.RE4 = v_.JRE4 + v_.SONSTB + v_.VMT;
  LaufVorbereiten(true, jederLauf);
  // From here the old-law provision amount is that of the wage with the
  // full multi-year pay, in this run and in the one-fifth run.
  KENNZ = 1;
  ZRE4VP1 = ZRE4VP;
  MLSTJAHR();
  LST3 = ST * 100;
  v_.VBEZ = v_.VBEZ - vkapa;
  if (p_.VKAPABereinigt) v_.VBEZS = v_.VBEZS - vkapa;
  v_.RE4 = v_.JRE4 + v_.SONSTB;
  MRE4();
  if (jederLauf && v_.RE4 - v_.JFREIB + v_.JHINZU < 0) {
    v_.RE4 = v_.RE4 - v_.JFREIB + v_.JHINZU;
    v_.JFREIB = 0;
    v_.JHINZU = 0;
    // A negative ordinary wage: one fifth of the whole, not the negative
    // wage plus one fifth of the multi-year pay.
    v_.RE4 = Abschneiden((v_.RE4 + v_.VMT) / 5.0);
    LST2 = Lauf(false, jederLauf);
    v_.STV = LST2 * 5;
  } else {
    v_.RE4 = Abschneiden(v_.RE4 + v_.VMT / 5.0);
    LST2 = Lauf(false, jederLauf);
    v_.STV = (LST2 - LST1) * 5;
  }
  LST3 = LST3 - LST1;
  if (LST3 < v_.STV) v_.STV = LST3;
  v_.SOLZV = Abschneiden(v_.STV * SoliProzent() / 100);
  v_.BKV = v_.R ? v_.STV : 0;
}

}  // namespace lst
