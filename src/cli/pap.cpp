#include "cli/pap.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "calc/berechnung.h"
#include "cli/meldung.h"
#include "lohnsteuer/programm.h"

namespace lst::pap {

const std::array<const char*, 34> kEingaben = {
    "year",   "LZZ",      "RE4",      "STKL", "ZKF",   "R",     "KRV",    "ALTER1", "AJAHR",
    "VBEZ",   "VBEZM",    "VBEZS",    "ZMVB", "VJAHR", "LZZFREIB", "LZZHINZU", "PKV", "PKPV",
    "PVS",    "PVZ",      "af",       "f",    "SONSTB", "VBS",  "VMT",    "VKAPA",  "STERBE",
    "JRE4",   "JVBEZ",    "JFREIB",   "JHINZU", "ENTSCH", "JRE4ENT", "SONSTENT"};

const std::array<const char*, 9> kAusgaben = {"LSTLZZ", "SOLZLZZ", "BK",  "STS", "SOLZS",
                                              "BKS",    "STV",     "SOLZV", "BKV"};

namespace {

std::string_view Gestutzt(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool GanzeZahl(std::string_view s, std::int64_t& wert) {
  s = Gestutzt(s);
  if (s.empty()) {
    wert = 0;
    return true;
  }
  if (s.front() == '+') s.remove_prefix(1);
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), wert);
  return ec == std::errc() && p == s.data() + s.size();
}

bool Dezimalzahl(std::string_view s, double& wert) {
  s = Gestutzt(s);
  if (s.empty()) {
    wert = 0;
    return true;
  }
  if (s.front() == '+') s.remove_prefix(1);
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), wert, std::chars_format::fixed);
  return ec == std::errc() && p == s.data() + s.size() && wert == wert;
}

// Stores one input; returns an empty string or a German message.
std::string Setze(TPapFall& fall, int i, std::string_view text) {
  const std::string name = kEingaben[i];
  if (name == "ZKF" || name == "f") {
    double d = 0;
    if (!Dezimalzahl(text, d)) return "Wert von " + name + " ist keine Zahl: " + cli::Zitat(text);
    // The factor of the factor method lies between 0 and 1.
    if (d < 0 || d > (name == "f" ? 1 : 1000)) return "Wert von " + name + " liegt außerhalb des zulässigen Bereichs";
    (name == "ZKF" ? fall.Var.ZKF : fall.Var.f) = d;
    return {};
  }
  std::int64_t z = 0;
  if (!GanzeZahl(text, z)) return "Wert von " + name + " ist keine ganze Zahl: " + cli::Zitat(text);
  auto bereich = [&](std::int64_t von, std::int64_t bis) -> std::string {
    if (z < von || z > bis) {
      return "Wert von " + name + " muss zwischen " + std::to_string(von) + " und " +
             std::to_string(bis) + " liegen";
    }
    return {};
  };
  // Amounts are limited to ten billion (10^12 cents): far beyond any wage,
  // and every product of the programs stays exact and in range.
  constexpr std::int64_t kMaxBetrag = 1'000'000'000'000;
  auto betrag = [&](std::int64_t& feld) -> std::string {
    std::string f = bereich(-kMaxBetrag, kMaxBetrag);
    if (f.empty()) feld = z;
    return f;
  };
  auto klein = [&](std::uint8_t& feld, int von, int bis) -> std::string {
    std::string f = bereich(von, bis);
    if (f.empty()) feld = static_cast<std::uint8_t>(z);
    return f;
  };
  TLStVariablen& v = fall.Var;
  switch (i) {
    case 0: {
      std::string f = bereich(0, 9999);
      if (f.empty()) fall.Jahr = static_cast<int>(z);
      return f;
    }
    case 1: return klein(v.LZZ, 1, 4);
    case 2: return betrag(v.RE4);
    case 3: return klein(v.STKL, 1, 6);
    case 5: return klein(v.R, 0, 1);
    case 6: return klein(v.KRV, 0, 2);
    case 7: return klein(v.ALTER1, 0, 1);
    case 8: {
      std::string f = bereich(0, 9999);
      if (f.empty()) v.AJAHR = static_cast<std::int32_t>(z);
      return f;
    }
    case 9: return betrag(v.VBEZ);
    case 10: return betrag(v.VBEZM);
    case 11: return betrag(v.VBEZS);
    case 12: return klein(v.ZMVB, 0, 12);
    case 13: {
      std::string f = bereich(0, 9999);
      if (f.empty()) v.VJAHR = static_cast<std::int32_t>(z);
      return f;
    }
    case 14: return betrag(v.LZZFREIB);
    case 15: return betrag(v.LZZHINZU);
    case 16: return klein(v.PKV, 0, 2);
    case 17: return betrag(v.PKPV);
    case 18: return klein(v.PVS, 0, 1);
    case 19: return klein(v.PVZ, 0, 1);
    case 20: return klein(v.af, 0, 1);
    case 22: return betrag(v.SONSTB);
    case 23: return betrag(v.VBS);
    case 24: return betrag(v.VMT);
    case 25: return betrag(v.VKAPA);
    case 26: return betrag(v.STERBE);
    case 27: return betrag(v.JRE4);
    case 28: return betrag(v.JVBEZ);
    case 29: return betrag(v.JFREIB);
    case 30: return betrag(v.JHINZU);
    case 31: return betrag(v.ENTSCH);
    case 32: return betrag(v.JRE4ENT);
    case 33: return betrag(v.SONSTENT);
    default: return {};
  }
}

}  // namespace

std::vector<std::string_view> Felder(std::string_view zeile) {
  std::vector<std::string_view> felder;
  while (true) {
    const auto komma = zeile.find(',');
    felder.push_back(Gestutzt(zeile.substr(0, komma)));
    if (komma == std::string_view::npos) break;
    zeile.remove_prefix(komma + 1);
  }
  return felder;
}

bool TPapLeser::Kopf(std::string_view zeile, std::string& fehler) {
  if (zeile.size() >= 3 && zeile.substr(0, 3) == "\xEF\xBB\xBF") zeile.remove_prefix(3);
  namen_.clear();
  for (auto f : Felder(zeile)) namen_.emplace_back(f);
  for (std::size_t i = 0; i < kEingaben.size(); ++i) {
    index_[i] = Spalte(kEingaben[i]);
    if (index_[i] < 0) {
      fehler = std::string("Kopfzeile: Spalte ") + kEingaben[i] + " fehlt";
      return false;
    }
  }
  gfb_ = Spalte("GFB");
  return true;
}

int TPapLeser::Spalte(std::string_view name) const {
  for (std::size_t i = 0; i < namen_.size(); ++i) {
    if (namen_[i] == name) return static_cast<int>(i);
  }
  return -1;
}

bool TPapLeser::Lesen(std::string_view zeile, TPapFall& fall, std::string& fehler) const {
  const auto felder = Felder(zeile);
  fall = TPapFall{};
  if (felder.size() > namen_.size()) {
    fehler = "mehr Spalten als in der Kopfzeile (" + std::to_string(felder.size()) + " statt " +
             std::to_string(namen_.size()) + ")";
    return false;
  }
  for (std::size_t i = 0; i < kEingaben.size(); ++i) {
    if (index_[i] >= static_cast<int>(felder.size())) {
      fehler = "zu wenige Spalten (" + std::to_string(felder.size()) + " statt mindestens " +
               std::to_string(kEingaben.size()) + ")";
      return false;
    }
    fehler = Setze(fall, static_cast<int>(i), felder[index_[i]]);
    if (!fehler.empty()) return false;
  }
  if (fall.Jahr >= kErstesJahr && fall.Var.KRV > HoechsterKRV(fall.Jahr)) {
    fehler = "KRV " + std::to_string(fall.Var.KRV) + " gibt es für " + std::to_string(fall.Jahr) +
             " nicht: bis 2009 ist KRV 0 (rentenversichert) oder 1 (nicht rentenversichert)";
    return false;
  }
  if (gfb_ >= 0 && gfb_ < static_cast<int>(felder.size()) && !felder[gfb_].empty()) {
    std::int64_t gfb = 0;
    if (!GanzeZahl(felder[gfb_], gfb) || (gfb != 8004 && gfb != 8130)) {
      fehler = "Wert von GFB muss 8004 oder 8130 sein";
      return false;
    }
    fall.GFB = gfb;
  }
  return true;
}

std::array<std::int64_t, 9> Berechnen(TRechenKontext& k, const TPapFall& fall) {
  k.LStJahr = static_cast<std::int16_t>(fall.Jahr < 0 || fall.Jahr > 9999 ? 0 : fall.Jahr);
  k.GFB = fall.GFB;
  // The conformance rows carry no settings: the surcharge rate is the year's.
  k.SoliGeladen = SoliSatz(fall.Jahr);
  k.LStVar = fall.Var;
  if (fall.Jahr <= kLetztesJahrMitWFUNDF) {
    // The flowcharts up to 2007 call the pay-period allowance and addition
    // WFUNDF and HINZUR.
    k.LStVar.WFUNDF = fall.Var.LZZFREIB;
    k.LStVar.HINZUR = fall.Var.LZZHINZU;
  }
  if (fall.Jahr < kErstesJahr || fall.Jahr > kLetztesJahr) KeineLohnsteuer(fall.Jahr);
  LohnsteuerBerechnen(k);
  const TLStVariablen& v = k.LStVar;
  return {v.LSTLZZ, v.SOLZLZZ, v.BK, v.STS, v.SOLZS, v.BKS, v.STV, v.SOLZV, v.BKV};
}

int Strom(std::istream& ein, std::ostream& aus, std::ostream& fehler) {
  TRechenKontext k;
  TPapLeser leser;
  std::string zeile;
  std::string meldung;
  std::string puffer;
  long nummer = 0;
  bool kopfGelesen = false;
  bool fehlgeschlagen = false;
  while (std::getline(ein, zeile)) {
    ++nummer;
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    if (Gestutzt(zeile).empty()) continue;
    if (!kopfGelesen) {
      if (!leser.Kopf(zeile, meldung)) {
        fehler << "lohnsteuer-cli: Zeile " << nummer << ": " << meldung << '\n';
        return 2;
      }
      kopfGelesen = true;
      puffer = zeile;
      for (const char* n : kAusgaben) (puffer += ',') += n;
      aus << puffer << '\n';
      continue;
    }
    puffer = zeile;
    TPapFall fall;
    bool ok = leser.Lesen(zeile, fall, meldung);
    if (ok) {
      try {
        for (std::int64_t w : Berechnen(k, fall)) (puffer += ',') += std::to_string(w);
      } catch (const TLStFehler& e) {
        meldung = e.what();
        ok = false;
      }
    }
    if (!ok) {
      fehler << "lohnsteuer-cli: Zeile " << nummer << ": " << meldung << '\n';
      fehlgeschlagen = true;
      puffer = zeile;
      puffer.append(kAusgaben.size(), ',');
    }
    aus << puffer << '\n';
  }
  if (!kopfGelesen) {
    fehler << "lohnsteuer-cli: Keine Kopfzeile gefunden.\n";
    return 2;
  }
  // As in batch: 1 when a row failed, 2 when the input cannot be used.
  return fehlgeschlagen ? 1 : 0;
}

}  // namespace lst::pap
