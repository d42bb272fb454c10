#include "calc/parameter.h"

#include <algorithm>
#include <array>
#include <memory>

#include "geld/geld.h"
#include "lohnsteuer/versionen.h"

namespace lst {

namespace {

TParameter Bauen(int jahr, int monat, const TUeberschreibungen& ue, int version) {
  TParameter p;
  p.Ue = ue;
  p.Regeln = &JahresRegeln(jahr);
  const TJahresRegeln& r = *p.Regeln;
  if (!r.Lohnsteuer) return p;
  p.Jahr = jahr;
  p.Monat = r.PeriodenNachMonat ? std::clamp(monat, 1, 12) : 12;
  p.Version = version >= 0 && version < kAnzahlLStVersionen && kLStVersionen[version].Jahr == jahr
                  ? version
                  : LStVersionFuerMonat(jahr, p.Monat);
  p.Periode = SVPeriode(jahr, p.Monat);
  // The stored row (or the law's), moved to the pay month's period.
  p.BBG = ue.BBG ? *ue.BBG : BBGStandard(jahr);
  p.Saetze = ue.Saetze ? *ue.Saetze : SVSaetzeStandard(jahr);
  if (r.PeriodenNachMonat) PeriodeWechseln(jahr, 0, p.Monat, p.BBG, p.Saetze);
  p.PauschSatz = ue.PauschSatz.value_or(PauschStProzentStandard(jahr) / 100);
  p.SoliProzent = ue.SoliProzent.value_or(SoliSatz(jahr));
  if (r.GrundfreibetragWahl) p.Grundfreibetrag = ue.Grundfreibetrag.value_or(8130) == 8004 ? 8004 : 8130;
  if (r.KVZusatz && ue.KVZusatzProzent && *ue.KVZusatzProzent >= 0 &&
      *ue.KVZusatzProzent != DurchschnittsZusatzbeitrag(jahr, 1)) {
    p.KVZusatzEigen = *ue.KVZusatzProzent;
  }
  if (r.PeriodenNachMonat) {
    // A stored levy of 0 is what normal employment pays without one.
    p.U1NV = ue.U1Prozent && *ue.U1Prozent > 0 ? *ue.U1Prozent : -1;
    p.U2NV = ue.U2Prozent && *ue.U2Prozent > 0 ? *ue.U2Prozent : -1;
  }
  return p;
}

constexpr int kJahre = kLetztesLStJahr - kErstesJahr + 1;

// The parameters of every month of every year without stored values.
struct TTabelle {
  std::array<std::array<TParameter, 12>, kJahre> Monate;
  TParameter Leer;
  TTabelle() {
    for (int i = 0; i < kJahre; ++i)
      for (int m = 1; m <= 12; ++m) Monate[i][m - 1] = Bauen(kErstesJahr + i, m, {}, -1);
    Leer.Regeln = &JahresRegeln(0);
  }
};

const TTabelle& Tabelle() {
  static const std::unique_ptr<TTabelle> t = std::make_unique<TTabelle>();
  return *t;
}

}  // namespace

const TParameter& StandardParameter(int jahr, int monat) {
  const TTabelle& t = Tabelle();
  if (jahr < kErstesJahr || jahr > kLetztesLStJahr) return t.Leer;
  return t.Monate[jahr - kErstesJahr][std::clamp(monat, 1, 12) - 1];
}

TParameter Parameter(int jahr, int monat, const TUeberschreibungen& ueberschreibungen, int version) {
  if (version < 0 && ueberschreibungen == TUeberschreibungen{}) return StandardParameter(jahr, monat);
  return Bauen(jahr, monat, ueberschreibungen, version);
}

int NeuestesJahr() { return kLetztesLStJahr; }

std::string AblaufplanSchluessel(const TParameter& p) {
  return p.Version >= 0 ? kLStVersionen[p.Version].Schluessel : std::to_string(p.Jahr);
}

}  // namespace lst
