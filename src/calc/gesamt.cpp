// The whole single calculation and the net-to-gross search.

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/fehler.h"
#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"

#include <algorithm>
#include <string>

#include "geld/zahlen.h"

namespace lst {

namespace {

// The compared amount of the view for one gross wage, as shown.  The search
// steps through the grosses the user can type: cents of the display
// currency where those are coarser than the year's (Euro shown for a DM
// year), otherwise cents of the year.  Either way the step and the shown
// gross convert into each other exactly.
class TSuche {
 public:
  TSuche(int jahr, bool euro) : jahr_(jahr), euro_(euro), umgerechnet_(AnzeigeUmgerechnet(jahr, euro)) {}
  virtual ~TSuche() = default;

  // The stored gross of a step.
  std::int64_t Brutto(std::int64_t x) const { return umgerechnet_ && euro_ ? AusAnzeigeCent(jahr_, euro_, x) : x; }
  // The shown gross of a step.
  std::int64_t Angezeigt(std::int64_t x) const { return umgerechnet_ && euro_ ? x : AnzeigeCent(jahr_, euro_, x); }
  // The shown net wage or wage cost of a step.
  virtual std::int64_t Wert(std::int64_t x) = 0;

  int jahr_;
  bool euro_;
  bool umgerechnet_;
};

std::string Betrag(bool euro, std::int64_t anzeigeCent) {
  return CentAlsText(anzeigeCent) + " " + Waehrungszeichen(euro);
}

[[noreturn]] void Unerreichbar(bool euro, bool arbeitnehmerSicht, std::int64_t wunsch, std::int64_t brutto,
                               std::int64_t wert) {
  const std::string was = arbeitnehmerSicht ? "Der Wunsch-Nettolohn von " + Betrag(euro, wunsch) + " ist"
                                            : "Die gewünschten Lohnkosten von " + Betrag(euro, wunsch) + " sind";
  const std::string ergebnis = (arbeitnehmerSicht ? "einen Nettolohn von " : "Lohnkosten von ") + Betrag(euro, wert);
  const std::string grund = brutto == 0
      ? "schon ein Bruttolohn von " + Betrag(euro, 0) + " ergibt " + ergebnis
      : "auch ein Bruttolohn von " + Betrag(euro, brutto) + " ergibt nur " + ergebnis;
  throw TWunschUnerreichbar(was + " mit keinem Bruttolohn erreichbar: " + grund + ".", brutto == 0);
}

// The search itself over the steps of s.
TWunschErgebnis Suchen(TSuche& s, std::uint8_t lzz, std::int64_t wunsch, bool arbeitnehmerSicht) {
  if (wunsch <= 0) {
    throw TLStFehler(arbeitnehmerSicht ? "Der Wunsch-Nettolohn muss größer als 0 sein."
                                       : "Die gewünschten Lohnkosten müssen größer als 0 sein.");
  }
  const auto treffer = [&](std::int64_t x, std::int64_t wert, bool genau) {
    TWunschErgebnis t;
    t.Brutto = s.Brutto(x);
    t.BruttoAngezeigt = s.Angezeigt(x);
    t.Genau = genau;
    t.Wert = wert;
    return t;
  };
  // The first window, 0.75 to 3 times the wish, holds the answer for every
  // ordinary pay slip.  Large deductions or additions push the answer out of
  // it: then the window moves down to 0 or doubles upwards.
  std::int64_t oben = wunsch > kGroessterWunschBrutto / 3 ? kGroessterWunschBrutto : 3 * wunsch;
  std::int64_t unten = std::min(Runden(3.0 * static_cast<double>(wunsch) / 4), oben);
  std::int64_t wertUnten = s.Wert(unten);
  if (wertUnten > wunsch && unten > 0) {
    oben = unten;
    unten = 0;
    wertUnten = s.Wert(0);
  }
  if (wertUnten > wunsch) Unerreichbar(s.euro_, arbeitnehmerSicht, wunsch, 0, wertUnten);
  if (wertUnten == wunsch) return treffer(unten, wertUnten, true);
  std::int64_t wertOben = s.Wert(oben);
  while (wertOben < wunsch) {
    if (oben >= kGroessterWunschBrutto) {
      Unerreichbar(s.euro_, arbeitnehmerSicht, wunsch, s.Angezeigt(oben), wertOben);
    }
    unten = oben;
    wertUnten = wertOben;
    oben = oben > kGroessterWunschBrutto / 2 ? kGroessterWunschBrutto : 2 * oben;
    wertOben = s.Wert(oben);
  }
  if (wertOben == wunsch) return treffer(oben, wertOben, true);
  // Now wertUnten < wunsch < wertOben: halve until the wish is met or the
  // two ends lie one step apart.
  while (oben - unten > 1) {
    const std::int64_t mitte = unten + (oben - unten) / 2;
    const std::int64_t wert = s.Wert(mitte);
    if (wert == wunsch) return treffer(mitte, wert, true);
    if (wert < wunsch) {
      unten = mitte;
      wertUnten = wert;
    } else {
      oben = mitte;
      wertOben = wert;
    }
  }
  // The amount jumps over the wish here.  It does not rise strictly with the
  // gross (the tax can fall by a cent where a provision allowance rounded up
  // to whole units crosses a unit, and rounded lines move one by one), so a
  // gross close by may still meet the wish: try every step of the
  // neighbourhood, nearest first.
  std::int64_t besterX = wertOben - wunsch < wunsch - wertUnten ? oben : unten;
  std::int64_t besterWert = besterX == oben ? wertOben : wertUnten;
  const auto pruefen = [&](std::int64_t x) {
    const std::int64_t wert = s.Wert(x);
    const std::int64_t abstand = wert > wunsch ? wert - wunsch : wunsch - wert;
    const std::int64_t bester = besterWert > wunsch ? besterWert - wunsch : wunsch - besterWert;
    if (abstand < bester || (abstand == bester && x < besterX)) {
      besterX = x;
      besterWert = wert;
    }
    return wert == wunsch;
  };
  const std::int64_t umgebung = WunschUmgebung(s.jahr_, lzz, s.euro_);
  const std::int64_t von = std::max<std::int64_t>(unten - umgebung, 0);
  const std::int64_t bis = std::min(oben + umgebung, kGroessterWunschBrutto);
  for (std::int64_t d = 1; unten - d >= von || oben + d <= bis; ++d) {
    if (unten - d >= von && pruefen(unten - d)) return treffer(unten - d, wunsch, true);
    if (oben + d <= bis && pruefen(oben + d)) return treffer(oben + d, wunsch, true);
  }
  // No gross of the neighbourhood meets the wish to the cent: the nearest
  // (the lowest of equally near ones).
  TWunschErgebnis t = treffer(besterX, s.Wert(besterX), false);
  t.UmgebungVon = s.Angezeigt(von);
  t.UmgebungBis = s.Angezeigt(bis);
  return t;
}

// The search of a request: its gross wage varies.
class TAnfrageSuche : public TSuche {
 public:
  TAnfrageSuche(const TParameter& p, const TAnfrage& a, bool euro, bool arbeitnehmerSicht)
      : TSuche(p.Jahr, euro), p_(p), a_(a), sicht_(arbeitnehmerSicht) {}
  std::int64_t Wert(std::int64_t x) override {
    a_.Brutto = Brutto(x);
    Ergebnis = Abrechnen(p_, a_);
    if (!umgerechnet_) return sicht_ ? Ergebnis.Netto : Ergebnis.AGGesamt;
    const TMonatsErgebnis m = AnzeigeErgebnis(p_, euro_, Ergebnis);
    return sicht_ ? m.Netto : m.AGGesamt;
  }
  TMonatsErgebnis Ergebnis;

 private:
  const TParameter& p_;
  TAnfrage a_;
  bool sicht_;
};

}  // namespace

std::int64_t WunschUmgebung(int jahr, std::uint8_t lzz, bool euro) {
  // The amounts rise in teeth: up to 2004 the wage steps of the tariff
  // (54 DM, from 2002 36 Euro a year), from 2005 the taxable income in
  // whole Euro.  A wish the amount jumps over at one tooth can be met a
  // few teeth away; the neighbourhood covers three steps, or 24 Euro a year.
  const std::int64_t stufe = JahresRegeln(jahr).Lohnstufe;
  const std::int64_t jahrCent = stufe > 100 ? 3 * stufe : 2400;
  std::int64_t schritte = jahrCent;
  switch (lzz) {
    case 2: schritte = jahrCent / 12; break;
    case 3: schritte = jahrCent * 7 / 360; break;
    case 4: schritte = jahrCent / 360; break;
    default: break;
  }
  // Steps of shown Euro cents for a DM year are coarser than its pfennigs.
  if (euro && DMJahr(jahr)) schritte = static_cast<std::int64_t>(static_cast<double>(schritte) / kDMFaktor);
  return std::max<std::int64_t>(schritte, kWunschUmgebung);
}

TWunschErgebnis WunschBruttoSuchen(const TParameter& p, const TAnfrage& a, bool euro, std::int64_t wunsch,
                                   bool arbeitnehmerSicht, TMonatsErgebnis* ergebnis) {
  TAnfrageSuche s(p, a, euro, arbeitnehmerSicht);
  const TWunschErgebnis t = Suchen(s, a.LZZ, wunsch, arbeitnehmerSicht);
  // The search computes the gross found last.
  if (ergebnis != nullptr) *ergebnis = s.Ergebnis;
  return t;
}

}  // namespace lst
