#include "calc/werkzeuge.h"

#include <algorithm>
#include <cmath>

#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/fehler.h"
#include "geld/geld.h"
#include "calc/jahresregeln.h"
#include "calc/rechenwerk.h"
#include "calc/sozialversicherung.h"
#include "geld/zahlen.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"

namespace lst {

// --- Tax-class comparison ----------------------------------------------------

const char* KombinationText(TKombination k) {
  switch (k) {
    case TKombination::K35: return "3/5";
    case TKombination::K44: return "4/4";
    default: return "5/3";
  }
}

TKombination GuenstigsteKombination(std::int64_t s35, std::int64_t s44, std::int64_t s53) {
  if (s35 < s44 && s35 < s53) return TKombination::K35;
  if (s44 < s35 && s44 < s53) return TKombination::K44;
  if (s53 < s35 && s53 < s44) return TKombination::K53;
  if (s35 == s44 && s44 == s53) return TKombination::K53;
  // Two share the smallest sum.
  if (s44 <= s35 && s44 <= s53) return TKombination::K44;
  return TKombination::K53;
}

// --- Wage-tax table ------------------------------------------------------------

std::int64_t TabellenStartlohn(std::int64_t lohn, std::uint8_t lzz) {
  return JahresStartlohn(lohn <= 100000 ? 0 : lohn - 100000, lzz);
}

std::int64_t JahresStartlohn(std::int64_t start, std::uint8_t lzz) { return JahrAusZeitraum(start, lzz); }

// --- Income-tax table and display ---------------------------------------------

std::int64_t EStTabellenStart(double x) {
  const std::int64_t ganz = std::isfinite(x) ? Abschneiden(x) : 0;
  return ganz <= 1000 ? 0 : ganz - 1000;
}

namespace {

std::vector<TEStTabellenZeile> EinkommensteuerTabelleRechnen(TLStZustand& z, TLohnsteuerProgramm* programm,
                                                             std::uint8_t stkl, double kiStSatz, std::int64_t start,
                                                             int zeilen) {
  std::vector<TEStTabellenZeile> tabelle;
  if (EinkommensteuerProgramm(programm) == nullptr || zeilen <= 0) return tabelle;
  tabelle.reserve(static_cast<std::size_t>(zeilen));
  TLStErgebnis erg;
  const auto steuer = [&](std::int64_t e, int tarif) {
    return EinkommensteuerRechnen(z, programm, stkl, static_cast<std::uint8_t>(tarif + 1), erg, e, kiStSatz);
  };
  // Whether both taxes at e are those of the row r.
  const auto gleich = [&](std::int64_t e, const TEStTabellenZeile& r) {
    return steuer(e, 0) == r.ESt[0] && steuer(e, 1) == r.ESt[1];
  };
  std::array<std::int64_t, 2> letzte{0, 0};
  bool neueZeile = true;
  // The tax rises at least every few units above the basic allowance; the
  // bound only keeps a broken tariff from running forever.
  const std::int64_t ende = start + 100000000;
  std::int64_t e = start;
  while (e < ende) {
    TEStTabellenZeile z;
    z.Von = e;
    for (int t = 0; t < 2; ++t) {
      z.ESt[t] = steuer(e, t);
      z.KiSt[t] = erg.KiSt;
      z.Soli[t] = erg.Soli;
      if (z.ESt[t] != letzte[t]) {
        neueZeile = true;
        letzte[t] = z.ESt[t];
      }
    }
    if (neueZeile) {
      if (static_cast<int>(tabelle.size()) == zeilen) break;
      tabelle.push_back(z);
      neueZeile = false;
      ++e;
      continue;
    }
    TEStTabellenZeile& zeile = tabelle.back();
    zeile.Bis = e;
    ++e;
    // A row longer than a few incomes (the tax-free range, a plateau of one
    // tariff): both taxes never fall as the income rises, so the row ends
    // before the first income with another tax; find it by doubling steps
    // and halving.
    if (e - zeile.Von >= 16) {
      std::int64_t gut = e - 1;   // last income known to belong to the row
      std::int64_t schritt = 16;
      while (gut + schritt < ende && gleich(gut + schritt, zeile)) {
        gut += schritt;
        schritt *= 2;
      }
      std::int64_t schlecht = std::min(gut + schritt, ende);
      while (schlecht - gut > 1) {
        const std::int64_t mitte = gut + (schlecht - gut) / 2;
        if (gleich(mitte, zeile)) {
          gut = mitte;
        } else {
          schlecht = mitte;
        }
      }
      zeile.Bis = gut;
      e = gut + 1;
    }
  }
  return tabelle;
}

}  // namespace

std::string GanzzahlAlsText(std::int64_t zahl) {
  const bool negativ = zahl < 0;
  const std::uint64_t betrag =
      negativ ? 0 - static_cast<std::uint64_t>(zahl) : static_cast<std::uint64_t>(zahl);
  const std::string ziffern = std::to_string(betrag);
  std::string text = negativ ? "-" : "";
  for (std::size_t i = 0; i < ziffern.size(); ++i) {
    if (i > 0 && (ziffern.size() - i) % 3 == 0) text += '.';
    text += ziffern[i];
  }
  return text;
}

std::array<std::string, 8> ZellenTexte(const TEStTabellenZeile& z) {
  return {GanzzahlAlsText(z.Von),   z.Bis < 0 ? std::string() : GanzzahlAlsText(z.Bis),
          GanzzahlAlsText(z.ESt[0]), CentAlsText(z.KiSt[0]),
          CentAlsText(z.Soli[0]),    GanzzahlAlsText(z.ESt[1]),
          CentAlsText(z.KiSt[1]),    CentAlsText(z.Soli[1])};
}

std::string KopierText(const std::vector<std::vector<std::string>>& zeilen) {
  std::string text;
  for (std::size_t r = 0; r < zeilen.size(); ++r) {
    if (r > 0) text += "\r\n";
    for (std::size_t c = 0; c < zeilen[r].size(); ++c) {
      if (c > 0) text += '\t';
      text += zeilen[r][c];
    }
  }
  return text;
}

// --- Gross/net curve -------------------------------------------------------------

void TPlottAnsicht::Flaeche(int breite, int hoehe) {
  Breite = std::max(breite - 67, 1);
  Hoehe = std::max(hoehe - 40, 1);
  Skalen();
}

void TPlottAnsicht::Zuruecksetzen() {
  XMin = 0;
  XMax = 10000;
  YMin = 0;
  YMax = 10000;
  Skalen();
}

void TPlottAnsicht::Skalen() {
  XProPixel = (XMax - XMin) / Breite;
  YProPixel = (YMax - YMin) / Hoehe;
}

std::int64_t TPlottAnsicht::Spalte(double x) const {
  const double s = kLinks + (x - XMin) / XProPixel;
  return Runden(std::clamp(s, -1e9, 1e9));
}

std::int64_t TPlottAnsicht::Zeile(double y) const {
  const double z = kOben + (YMax - y) / YProPixel;
  return Runden(std::clamp(z, -1e9, 1e9));
}

// Widens a range narrower than a cent per pixel around its middle,
// starting at 0 at the latest.
void TPlottAnsicht::Mindestbreite(double& min, double& max, int pixel) const {
  const double mindest = kKleinsterSchritt * pixel;
  if (max - min >= mindest) return;
  const double mitte = (min + max) / 2;
  min = std::max(mitte - mindest / 2, 0.0);
  max = min + mindest;
}

void TPlottAnsicht::ZoomIn() {
  const double w = (XMax - XMin) / 4;
  const double h = (YMax - YMin) / 4;
  double xmin = XMin + w, xmax = XMax - w, ymin = YMin + h, ymax = YMax - h;
  Mindestbreite(xmin, xmax, Breite);
  Mindestbreite(ymin, ymax, Hoehe);
  // At the smallest range a click keeps the view.
  if (xmax - xmin < XMax - XMin) {
    XMin = xmin;
    XMax = xmax;
  }
  if (ymax - ymin < YMax - YMin) {
    YMin = ymin;
    YMax = ymax;
  }
  Skalen();
}

void TPlottAnsicht::ZoomOut() {
  const auto doppelt = [](double& min, double& max) {
    const double h = (max - min) / 2;
    if (max + 2 * h > kGroessterWert) return;
    min -= h;
    max += h;
    if (min < 0) {
      min = 0;
      max += h;
    }
  };
  doppelt(XMin, XMax);
  doppelt(YMin, YMax);
  Skalen();
}

bool TPlottAnsicht::ZoomRechteck(int x1, int y1, int x2, int y2) {
  const int links = std::min(x1, x2), rechts = std::max(x1, x2);
  const int oben = std::min(y1, y2), unten = std::max(y1, y2);
  if (rechts - links <= 9 || unten - oben <= 9) return false;
  double xmin = XWert(links), xmax = XWert(rechts);
  double ymin = YWert(unten), ymax = YWert(oben);
  if (xmin < 0) {
    xmin = 0;
    if (xmax < 0) xmax = XProPixel;
  }
  if (ymin < 0) {
    ymin = 0;
    if (ymax < 0) ymax = YProPixel;
  }
  Mindestbreite(xmin, xmax, Breite);
  Mindestbreite(ymin, ymax, Hoehe);
  XMin = xmin;
  XMax = std::min(xmax, kGroessterWert);
  YMin = ymin;
  YMax = std::min(ymax, kGroessterWert);
  Mindestbreite(XMin, XMax, Breite);
  Mindestbreite(YMin, YMax, Hoehe);
  Skalen();
  return true;
}

namespace {

void Schieben(double& min, double& max, bool hoch) {
  const double s = (max - min) / 10;
  if (hoch) {
    if (max + s > TPlottAnsicht::kGroessterWert) return;
    min += s;
    max += s;
  } else if (min > 0) {
    min -= s;
    max -= s;
    if (min < 0) {
      min = 0;
      max = 10 * s;
    }
  }
}

}  // namespace

void TPlottAnsicht::ScrollX(int richtung) {
  if (richtung == 0) return;
  Schieben(XMin, XMax, richtung > 0);
  Skalen();
}

void TPlottAnsicht::ScrollY(int richtung) {
  if (richtung == 0) return;
  Schieben(YMin, YMax, richtung < 0);
  Skalen();
}

// --- Wage conversion -------------------------------------------------------------

std::int64_t AufJahr(std::int64_t betrag, int zeitraumIndex) {
  switch (zeitraumIndex) {
    case 0: return betrag;
    case 1: return betrag * 12;
    case 2: return betrag * 52;
    case 3: return betrag * 365;
    default: return 0;
  }
}

TLohnUmrechnung LohnUmrechnen(std::int64_t betrag, int zeitraumIndex,
                              std::optional<double> wochenstunden) {
  TLohnUmrechnung u;
  u.Jahr = AufJahr(betrag, zeitraumIndex);
  u.Monat = static_cast<double>(u.Jahr) / 12;
  if (wochenstunden && std::isfinite(*wochenstunden) && *wochenstunden > 0) {
    const double stunde = static_cast<double>(u.Jahr) / 52 / *wochenstunden;
    if (std::isfinite(stunde) && stunde < 1e15) u.Stunde = stunde;
  }
  return u;
}

// ---- the tools as functions of the parameters and the request ------------------

namespace {

// The spouse's inputs (EhegattenEingaben) for the parameters' year.
TLStVariablen EhegattenEingaben(const TParameter& p, const TLStVariablen& an) {
  TLStVariablen v = an;
  v.VBEZM = v.VBEZS = 0;
  v.LZZHINZU = v.HINZUR = 0;
  v.PKPV = 0;
  v.SONSTB = v.VBS = v.VMT = v.VKAPA = v.STERBE = 0;
  v.JRE4 = v.JVBEZ = v.JFREIB = v.JHINZU = 0;
  v.ENTSCH = v.JRE4ENT = v.SONSTENT = 0;
  v.MBV = 0;
  v.PKPVAGZ = 0;
  v.VJAHR = 0;
  v.ZMVB = 12;
  v.PKV = 0;
  v.PVA = 0;
  v.ALV = 0;
  if (p.R().EingabenAusSV) {
    v.KVZ = DurchschnittlicherZusatzbeitrag(p.Jahr);
    v.PVZ = 1;
  } else {
    v.KVZ = 0;
    v.PVZ = p.Saetze[beNV][svPV2].AN > 0 && p.R().ArtVorhanden(beNV, svPV2) ? 1 : 0;
  }
  return v;
}

void PersonSetzen(TLStVariablen& v, int jahr, const TVergleichEingabe& e, const TVergleichPerson& p,
                  const TLStVariablen& basis) {
  v = basis;
  v.ALTER1 = e.Altersentlastung ? 1 : 0;
  v.R = e.Bekenntnislos ? 0 : 1;
  v.LZZ = e.LZZ;
  const TJahresRegeln& regeln = JahresRegeln(jahr);
  v.KRV = regeln.KRV(p.Versicherungsfrei, e.Region);
  v.RE4 = p.Brutto;
  v.VBEZ = p.Versorgungsbezug;
  if (regeln.FreibetragAlsWFUNDF) {
    v.WFUNDF = p.Freibetrag;
  } else {
    v.LZZFREIB = p.Freibetrag;
  }
  v.ZKF = p.Kinder;
  // Children end the surcharge of the childless; discounts for further
  // children need children.
  if (p.Kinder > 0) {
    v.PVZ = 0;
  } else {
    v.PVA = 0;
  }
  if (p.Versicherungsfrei) {
    // The special table: neither statutory pension nor statutory health
    // insurance; a private contribution the calculation gave stays.
    v.PVZ = 0;
    if (v.PKV == 0) {
      v.PKV = 1;
      v.PKPV = 0;
    }
  }
}

// The flowchart's inputs of the request in the working space.
TFlussplan MitEingaben(const TParameter& p, const TAnfrage& a, TDatensaetze& d) {
  d = Aufbereiten(p, a);
  TFlussplan f = Flussplan(p);
  EingabenUebernehmen(f.Zustand, p.BBG, d.LZ, d.LSt, d.SV);
  return f;
}

}  // namespace

TVergleichErgebnis SteuerklassenVergleichen(const TParameter& p, const TAnfrage& a, const TVergleichEingabe& e) {
  // The calculation in a class of the comparison: the calculator's class
  // (II, say, without the surcharge of the childless) is none of the couple's.
  TAnfrage vier = a;
  vier.STKL = 4;
  const TDatensaetze d = Aufbereiten(p, vier);
  TFlussplan f = Flussplan(p);
  if (f.Programm == nullptr) KeineLohnsteuer(p.Jahr);
  TLStErgebnis steuer;
  SteuerRechnen(f.Zustand, f.Programm, p.BBG, d.LZ, d.LSt, steuer, d.SV);
  TLStVariablen& v = f.Zustand.LStVar;
  const TLStVariablen an = v;
  const TLStVariablen eg = EhegattenEingaben(p, an);
  TVergleichErgebnis erg;
  struct TFall {
    std::uint8_t STKL;
    bool Arbeitnehmer;
    std::int64_t* Ziel;
  };
  const TFall faelle[] = {{3, true, &erg.AN3},  {4, true, &erg.AN4},  {5, true, &erg.AN5},
                          {5, false, &erg.EG5}, {4, false, &erg.EG4}, {3, false, &erg.EG3}};
  for (const TFall& fall : faelle) {
    PersonSetzen(v, p.Jahr, e, fall.Arbeitnehmer ? e.AN : e.EG, fall.Arbeitnehmer ? an : eg);
    v.STKL = fall.STKL;
    v.af = fall.STKL == 4 ? an.af : 0;
    v.f = an.f;
    f.Programm->Lohnsteuer();
    *fall.Ziel = v.LSTLZZ;
  }
  erg.Guenstigste = GuenstigsteKombination(erg.Summe35(), erg.Summe44(), erg.Summe53());
  return erg;
}

TVergleichErgebnis AnzeigeVergleich(int jahr, bool euro, const TVergleichErgebnis& e) {
  TVergleichErgebnis a;
  const auto c = [&](std::int64_t cent) { return AnzeigeCent(jahr, euro, cent); };
  a.AN3 = c(e.AN3);
  a.AN4 = c(e.AN4);
  a.AN5 = c(e.AN5);
  a.EG5 = c(e.EG5);
  a.EG4 = c(e.EG4);
  a.EG3 = c(e.EG3);
  a.Guenstigste = AnzeigeUmgerechnet(jahr, euro) ? GuenstigsteKombination(a.Summe35(), a.Summe44(), a.Summe53())
                                                 : e.Guenstigste;
  return a;
}

std::vector<TLStTabellenZeile> LohnsteuerTabelle(const TParameter& p, const TAnfrage& a, bool euro, int zeilen) {
  std::vector<TLStTabellenZeile> tabelle;
  tabelle.reserve(static_cast<std::size_t>(std::max(zeilen, 0)));
  TDatensaetze d;
  TFlussplan f = MitEingaben(p, a, d);
  // 1000.00 below the wage in the display currency.
  const std::int64_t angezeigt = AnzeigeCent(p.Jahr, euro, a.Brutto);
  const std::int64_t start = angezeigt <= 100000 ? 0 : AusAnzeigeCent(p.Jahr, euro, angezeigt - 100000);
  std::int64_t aktuell = JahresStartlohn(start, a.LZZ);
  TLohnZeitraum lz{a.LZZ, 0};
  TLStErgebnis erg;
  for (int i = 0; i < zeilen; ++i) {
    lz.RE4 = aktuell;
    std::int64_t bis = 0;
    std::int64_t von = 0;
    aktuell = TabelleRechnen(f.Zustand, f.Programm, p.BBG, euro, lz, d.LSt, d.SV, erg, bis, von);
    if (i == 0 && von > start && lz.RE4 >= 100) {
      // The table routines place a wage in the last half Euro of a bracket
      // into the next one: the first row shall hold the start wage.
      lz.RE4 -= 100;
      aktuell = TabelleRechnen(f.Zustand, f.Programm, p.BBG, euro, lz, d.LSt, d.SV, erg, bis, von);
    }
    // The rows follow each other without gap or overlap.
    if (!tabelle.empty()) von = tabelle.back().OG + 1;
    tabelle.push_back({von, bis, erg.LSt, erg.KiSt, erg.Soli});
  }
  return tabelle;
}

TLStTabellenZeile AnzeigeZeile(int jahr, bool euro, const TLStTabellenZeile& z) {
  return {AnzeigeUntergrenze(jahr, euro, z.UG), AnzeigeObergrenze(jahr, euro, z.OG), AnzeigeCent(jahr, euro, z.LSt),
          AnzeigeCent(jahr, euro, z.KiSt), AnzeigeCent(jahr, euro, z.Soli)};
}

std::array<std::string, 5> ZellenTexte(int jahr, bool euro, const TLStTabellenZeile& z) {
  const TLStTabellenZeile a = AnzeigeZeile(jahr, euro, z);
  return {CentAlsText(a.UG), CentAlsText(a.OG), CentAlsText(a.LSt), CentAlsText(a.KiSt), CentAlsText(a.Soli)};
}

bool EinkommensteuerVorhanden(const TParameter& p) {
  return p.Lohnsteuer() && EinkommensteuerProgramm(Flussplan(p).Programm) != nullptr;
}

TEinkommensteuer EinkommensteuerJahr(const TParameter& p, const TAnfrage& a, std::uint8_t stkl, std::uint8_t kztab,
                                     std::int64_t einkommen, std::int64_t abfindung) {
  TDatensaetze d;
  TFlussplan f = MitEingaben(p, a, d);
  f.Zustand.LStVar.LZZ = 1;
  TEinkommensteuer e;
  if (abfindung > 0) {
    std::int64_t ohne = 0;
    e.Steuer = EinkommensteuerFuenftelRechnen(f.Zustand, f.Programm, stkl, kztab, e.Ergebnis, einkommen, abfindung,
                                              a.KiStSatz, ohne);
    e.SteuerAbfindung = e.Steuer - ohne;
  } else {
    e.Steuer = EinkommensteuerRechnen(f.Zustand, f.Programm, stkl, kztab, e.Ergebnis, einkommen, a.KiStSatz);
  }
  return e;
}

TEStAnzeige AnzeigeEinkommensteuer(int jahr, bool euro, std::int64_t einkommen, const TEinkommensteuer& e) {
  TEStAnzeige a;
  a.Einkommen = AnzeigeCent(jahr, euro, einkommen * 100);
  a.Steuer = AnzeigeCent(jahr, euro, e.Steuer * 100);
  a.SteuerAbfindung = AnzeigeCent(jahr, euro, e.SteuerAbfindung * 100);
  a.Soli = AnzeigeCent(jahr, euro, e.Ergebnis.Soli);
  a.KiSt = AnzeigeCent(jahr, euro, e.Ergebnis.KiSt);
  a.Gesamt = a.Steuer + a.Soli + a.KiSt;
  a.NachSteuern = a.Einkommen - a.Gesamt;
  return a;
}

std::vector<TEStTabellenZeile> EinkommensteuerTabelle(const TParameter& p, const TAnfrage& a, std::uint8_t stkl,
                                                      std::int64_t start, int zeilen) {
  std::vector<TEStTabellenZeile> tabelle;
  if (!EinkommensteuerVorhanden(p) || zeilen <= 0) return tabelle;
  TDatensaetze d;
  TFlussplan f = MitEingaben(p, a, d);
  f.Zustand.LStVar.LZZ = 1;
  return EinkommensteuerTabelleRechnen(f.Zustand, f.Programm, stkl, a.KiStSatz, start, zeilen);
}

TEStAnzeigeZeile AnzeigeZeile(int jahr, bool euro, const TEStTabellenZeile& z) {
  TEStAnzeigeZeile a;
  // The incomes in whole units of the year's currency that the row covers,
  // as the amounts typed in the display currency that fall on them.
  a.Von = AnzeigeUntergrenze(jahr, euro, z.Von * 100);
  if (AnzeigeUmgerechnet(jahr, euro)) {
    a.Bis = AnzeigeObergrenze(jahr, euro, (z.Bis < 0 ? z.Von : z.Bis) * 100 + 99);
  } else {
    a.Bis = z.Bis < 0 ? -1 : z.Bis * 100;
  }
  for (int t = 0; t < 2; ++t) {
    a.ESt[t] = AnzeigeCent(jahr, euro, z.ESt[t] * 100);
    a.KiSt[t] = AnzeigeCent(jahr, euro, z.KiSt[t]);
    a.Soli[t] = AnzeigeCent(jahr, euro, z.Soli[t]);
  }
  return a;
}

std::array<std::string, 8> ZellenTexte(int jahr, bool euro, const TEStTabellenZeile& z) {
  if (!AnzeigeUmgerechnet(jahr, euro)) return ZellenTexte(z);
  const TEStAnzeigeZeile a = AnzeigeZeile(jahr, euro, z);
  return {CentAlsText(a.Von),     a.Bis < 0 ? std::string() : CentAlsText(a.Bis),
          CentAlsText(a.ESt[0]),  CentAlsText(a.KiSt[0]),
          CentAlsText(a.Soli[0]), CentAlsText(a.ESt[1]),
          CentAlsText(a.KiSt[1]), CentAlsText(a.Soli[1])};
}

double Kurvenwert(const TParameter& p, const TAnfrage& a, bool euro, bool arbeitnehmerSicht, double x) {
  TAnfrage b = a;
  b.Brutto = InCent(p.Jahr, euro, x);
  const TMonatsErgebnis m = Abrechnen(p, b);
  // The amount the result panel would show: formed from the shown lines.
  const TMonatsErgebnis angezeigt = AnzeigeErgebnis(p, euro, m);
  if (!AnzeigeUmgerechnet(p.Jahr, euro)) {
    const double betrag = static_cast<double>(arbeitnehmerSicht ? m.Netto : m.AGGesamt);
    return betrag / 100;
  }
  return static_cast<double>(arbeitnehmerSicht ? angezeigt.Netto : angezeigt.AGGesamt) / 100;
}

void Kurve(const TParameter& p, const TAnfrage& a, bool euro, bool arbeitnehmerSicht, const TPlottAnsicht& ansicht,
           std::vector<double>& werte, int schritt) {
  schritt = std::max(schritt, 1);
  werte.clear();
  werte.reserve(static_cast<std::size_t>(ansicht.Breite / schritt + 1));
  for (int x = 0; x <= ansicht.Breite; x += schritt) {
    werte.push_back(Kurvenwert(p, a, euro, arbeitnehmerSicht, x * ansicht.XProPixel + ansicht.XMin));
  }
}

}  // namespace lst
