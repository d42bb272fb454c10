#include "cli/pap.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <istream>
#include <ostream>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "calc/berechnung.h"
#include "calc/jahresregeln.h"
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

const std::array<const char*, 5> kNeueEingaben = {"KVZ", "MBV", "PVA", "ALV", "PKPVAGZ"};

const std::array<const char*, 8> kNeueAusgaben = {"VKVLZZ", "VKVSONST", "VFRB",  "VFRBS1",
                                                  "VFRBS2", "WVFRB",    "WVFRBO", "WVFRBM"};

namespace {

// Amounts are limited to ten billion (10^12 cents): far beyond any wage,
// and every product of the programs stays exact and in range.
constexpr std::int64_t kMaxBetrag = 1'000'000'000'000;

std::string_view Gestutzt(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// A whole number with blanks, a sign or more digits than a plain field.
[[gnu::noinline]] bool GanzeZahlLangsam(std::string_view s, std::int64_t& wert) {
  s = Gestutzt(s);
  if (s.empty()) {
    wert = 0;
    return true;
  }
  if (s.front() == '+') {
    s.remove_prefix(1);
    if (!s.empty() && s.front() == '-') return false;  // one sign only
  }
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), wert);
  return ec == std::errc() && p == s.data() + s.size();
}

[[gnu::always_inline]] inline bool GanzeZahl(std::string_view s, std::int64_t& wert) {
  // Most fields are a few plain digits: read without a call.
  if (!s.empty() && s.size() <= 18) [[likely]] {
    std::int64_t z = 0;
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
      const unsigned ziffer = static_cast<unsigned>(s[i]) - '0';
      if (ziffer > 9) break;
      z = z * 10 + ziffer;
    }
    if (i == s.size()) [[likely]] {
      wert = z;
      return true;
    }
  }
  return GanzeZahlLangsam(s, wert);
}

// A decimal number of plain digits with at most one point and at most 15
// digits: their whole number and the power of ten of the point are exact as
// doubles, so one division rounds as reading the text does.  false for
// anything else, which from_chars reads.
[[gnu::always_inline]] inline bool EinfacheDezimalzahl(std::string_view s, double& wert) {
  static constexpr double kZehnHoch[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (s.empty() || s.size() > 16) return false;
  std::int64_t z = 0;
  std::size_t punkt = s.size();
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned ziffer = static_cast<unsigned>(s[i]) - '0';
    if (ziffer <= 9) {
      z = z * 10 + ziffer;
    } else if (s[i] == '.' && punkt == s.size() && i > 0 && i + 1 < s.size()) {
      punkt = i;
    } else {
      return false;
    }
  }
  const std::size_t stellen = s.size() - (punkt == s.size() ? 0 : 1);
  if (stellen > 15) return false;
  const std::size_t nachkomma = punkt == s.size() ? 0 : s.size() - punkt - 1;
  wert = static_cast<double>(z) / kZehnHoch[nachkomma];
  return true;
}

bool Dezimalzahl(std::string_view s, double& wert) {
  if (EinfacheDezimalzahl(s, wert)) [[likely]] return true;
  s = Gestutzt(s);
  if (s.empty()) {
    wert = 0;
    return true;
  }
  if (s.front() == '+') {
    s.remove_prefix(1);
    if (!s.empty() && s.front() == '-') return false;  // one sign only
  }
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), wert, std::chars_format::fixed);
  return ec == std::errc() && p == s.data() + s.size() && wert == wert;
}

// The versions whose key is a plain year, by year (-1 for none).
constexpr int kErsteVersionsJahr = kLStVersionen[0].Jahr;
constexpr auto kVersionDesJahres = [] {
  std::array<int, kLetztesLStJahr - kErsteVersionsJahr + 1> t{};
  t.fill(-1);
  for (int v = 0; v < kAnzahlLStVersionen; ++v) {
    if (kLStVersionen[v].Schluessel[4] == '\0') t[kLStVersionen[v].Jahr - kErsteVersionsJahr] = v;
  }
  return t;
}();

// The version of a key; a plain year without comparing every key's text.
int VersionDesSchluessels(std::string_view t) {
  if (t.size() == 4 && t[0] >= '0' && t[0] <= '9' && t[1] >= '0' && t[1] <= '9' && t[2] >= '0' &&
      t[2] <= '9' && t[3] >= '0' && t[3] <= '9') {
    const int jahr = (t[0] - '0') * 1000 + (t[1] - '0') * 100 + (t[2] - '0') * 10 + (t[3] - '0');
    if (jahr < kErsteVersionsJahr || jahr > kLetztesLStJahr) return -1;
    return kVersionDesJahres[static_cast<std::size_t>(jahr - kErsteVersionsJahr)];
  }
  return LStVersionNachSchluessel(t);
}

// The message of a value outside [von, bis].
void Bereich(std::string& fehler, const char* name, std::int64_t von, std::int64_t bis) {
  fehler = "Wert von " + std::string(name) + " muss zwischen " + std::to_string(von) + " und " +
           std::to_string(bis) + " liegen";
}

// Stores one of the inputs of the flowcharts from 2015; false with a German
// message.
bool SetzeNeu(TPapFall& fall, int i, std::string_view text, std::string& fehler) {
  const char* const name = kNeueEingaben[i];
  TLStVariablen& v = fall.Var;
  if (i == 0) {
    double d = 0;
    if (!Dezimalzahl(text, d)) {
      fehler = "Wert von KVZ ist keine Zahl: " + cli::Zitat(text);
      return false;
    }
    // The additional contribution rate of a health fund, in percent.
    if (d < 0 || d > 20) {
      fehler = "Wert von KVZ muss zwischen 0 und 20 liegen";
      return false;
    }
    v.KVZ = d;
    return true;
  }
  std::int64_t z = 0;
  if (!GanzeZahl(text, z)) {
    fehler = "Wert von " + std::string(name) + " ist keine ganze Zahl: " + cli::Zitat(text);
    return false;
  }
  switch (i) {
    case 1:
    case 4:
      // Amounts from 0, like every amount of the flowcharts.
      if (z < 0 || z > kMaxBetrag) {
        Bereich(fehler, name, 0, kMaxBetrag);
        return false;
      }
      (i == 1 ? v.MBV : v.PKPVAGZ) = z;
      return true;
    case 2:
      if (z < 0 || z > 4) {
        fehler = "Wert von PVA muss zwischen 0 und 4 liegen";
        return false;
      }
      v.PVA = static_cast<std::uint8_t>(z);
      return true;
    default:
      if (z < 0 || z > 1) {
        fehler = "Wert von ALV muss zwischen 0 und 1 liegen";
        return false;
      }
      v.ALV = static_cast<std::uint8_t>(z);
      return true;
  }
}

// Stores one input; false with a German message.  Only a message builds
// text: a row that reads allocates nothing.
bool Setze(TPapFall& fall, int i, std::string_view text, std::string& fehler) {
  const char* const name = kEingaben[i];  // no strlen per field
  if (i == 0) {
    // The column year names a flowchart: a year or a version key ("2015dez").
    const std::string_view t = Gestutzt(text);
    const int version = VersionDesSchluessels(t);
    if (version >= 0) {
      fall.Version = version;
      fall.Jahr = kLStVersionen[version].Jahr;
      return true;
    }
    if (!t.empty() && (t.back() < '0' || t.back() > '9')) {
      fehler = "Unbekannter Programmablaufplan " + cli::Zitat(t);
      return false;
    }
  }
  if (i == 4 || i == 21) {  // ZKF, f
    double d = 0;
    if (!Dezimalzahl(text, d)) {
      fehler = "Wert von " + std::string(name) + " ist keine Zahl: " + cli::Zitat(text);
      return false;
    }
    // The factor of the factor method lies between 0 and 1.
    if (d < 0 || d > (i == 21 ? 1 : 1000)) {
      fehler = "Wert von " + std::string(name) + " liegt außerhalb des zulässigen Bereichs";
      return false;
    }
    (i == 4 ? fall.Var.ZKF : fall.Var.f) = d;
    return true;
  }
  std::int64_t z = 0;
  if (!GanzeZahl(text, z)) [[unlikely]] {
    fehler = "Wert von " + std::string(name) + " ist keine ganze Zahl: " + cli::Zitat(text);
    return false;
  }
  const auto bereich = [&](std::int64_t von, std::int64_t bis) {
    if (z >= von && z <= bis) [[likely]] return true;
    Bereich(fehler, name, von, bis);
    return false;
  };
  // The flowcharts are written for amounts from 0: a negative wage is no
  // case of theirs.
  const auto betrag = [&](std::int64_t& feld) {
    if (!bereich(0, kMaxBetrag)) return false;
    feld = z;
    return true;
  };
  const auto klein = [&](std::uint8_t& feld, int von, int bis) {
    if (!bereich(von, bis)) return false;
    feld = static_cast<std::uint8_t>(z);
    return true;
  };
  const auto jahreszahl = [&](std::int32_t& feld) {
    if (!bereich(0, 9999)) return false;
    feld = static_cast<std::int32_t>(z);
    return true;
  };
  TLStVariablen& v = fall.Var;
  switch (i) {
    case 0:
      if (!bereich(0, 9999)) return false;
      fall.Jahr = static_cast<int>(z);
      fall.Version = LStVersionFuerMonat(fall.Jahr, 12);
      return true;
    case 1: return klein(v.LZZ, 1, 4);
    case 2: return betrag(v.RE4);
    case 3: return klein(v.STKL, 1, 6);
    case 5: return klein(v.R, 0, 1);
    case 6: return klein(v.KRV, 0, 2);
    case 7: return klein(v.ALTER1, 0, 1);
    case 8: return jahreszahl(v.AJAHR);
    case 9: return betrag(v.VBEZ);
    case 10: return betrag(v.VBEZM);
    case 11: return betrag(v.VBEZS);
    case 12: return klein(v.ZMVB, 0, 12);
    case 13: return jahreszahl(v.VJAHR);
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
    default: return true;
  }
}

// The inputs of a row in their order, each read at a place of its own in
// the code (no jump through one switch per field, which the processor
// cannot foresee); false at the first value that does not read, whose
// message Setze then gives.
bool SchnellSetzen(const std::string_view* felder, const std::array<int, 34>& index,
                   TPapFall& fall, std::string& fehler) {
  const auto feld = [&](int i) { return felder[static_cast<std::size_t>(index[static_cast<std::size_t>(i)])]; };
  const auto betrag = [&](int i, std::int64_t& ziel) __attribute__((always_inline)) {
    std::int64_t z = 0;
    if (!GanzeZahl(feld(i), z) || z < 0 || z > kMaxBetrag) return false;
    ziel = z;
    return true;
  };
  const auto klein = [&](int i, std::uint8_t& ziel, int von, int bis) __attribute__((always_inline)) {
    std::int64_t z = 0;
    if (!GanzeZahl(feld(i), z) || z < von || z > bis) return false;
    ziel = static_cast<std::uint8_t>(z);
    return true;
  };
  const auto jahreszahl = [&](int i, std::int32_t& ziel) __attribute__((always_inline)) {
    std::int64_t z = 0;
    if (!GanzeZahl(feld(i), z) || z < 0 || z > 9999) return false;
    ziel = static_cast<std::int32_t>(z);
    return true;
  };
  TLStVariablen& v = fall.Var;
  return Setze(fall, 0, feld(0), fehler) && klein(1, v.LZZ, 1, 4) && betrag(2, v.RE4) && klein(3, v.STKL, 1, 6) &&
         Setze(fall, 4, feld(4), fehler) && klein(5, v.R, 0, 1) && klein(6, v.KRV, 0, 2) &&
         klein(7, v.ALTER1, 0, 1) && jahreszahl(8, v.AJAHR) && betrag(9, v.VBEZ) && betrag(10, v.VBEZM) &&
         betrag(11, v.VBEZS) && klein(12, v.ZMVB, 0, 12) && jahreszahl(13, v.VJAHR) && betrag(14, v.LZZFREIB) &&
         betrag(15, v.LZZHINZU) && klein(16, v.PKV, 0, 2) && betrag(17, v.PKPV) && klein(18, v.PVS, 0, 1) &&
         klein(19, v.PVZ, 0, 1) && klein(20, v.af, 0, 1) && Setze(fall, 21, feld(21), fehler) &&
         betrag(22, v.SONSTB) && betrag(23, v.VBS) && betrag(24, v.VMT) && betrag(25, v.VKAPA) &&
         betrag(26, v.STERBE) && betrag(27, v.JRE4) && betrag(28, v.JVBEZ) && betrag(29, v.JFREIB) &&
         betrag(30, v.JHINZU) && betrag(31, v.ENTSCH) && betrag(32, v.JRE4ENT) && betrag(33, v.SONSTENT);
}

// The lines of a stream as views into a buffer of its own, read in large
// blocks: what std::getline gives, without a copy or a call per line.  A view
// holds until the next call.
class TZeilenLeser {
 public:
  explicit TZeilenLeser(std::istream& ein) : quelle_(ein.rdbuf()), puffer_(1 << 16) {}

  bool Naechste(std::string_view& zeile) {
    std::size_t gesucht = anfang_;  // where no line end has been found yet
    while (true) {
      const char* const basis = puffer_.data();
      if (const void* ende = std::memchr(basis + gesucht, '\n', ende_ - gesucht)) {
        const std::size_t pos = static_cast<std::size_t>(static_cast<const char*>(ende) - basis);
        zeile = std::string_view(basis + anfang_, pos - anfang_);
        anfang_ = pos + 1;
        return true;
      }
      if (zuEnde_) {
        if (anfang_ == ende_) return false;
        zeile = std::string_view(basis + anfang_, ende_ - anfang_);
        anfang_ = ende_;
        return true;
      }
      // Keep the begun line at the front; a line longer than the buffer
      // doubles it.
      const std::size_t rest = ende_ - anfang_;
      if (anfang_ > 0) std::memmove(puffer_.data(), basis + anfang_, rest);
      anfang_ = 0;
      ende_ = rest;
      gesucht = rest;
      if (ende_ == puffer_.size()) puffer_.resize(puffer_.size() * 2);
      const std::streamsize n =
          quelle_ == nullptr ? 0
                             : quelle_->sgetn(puffer_.data() + ende_, static_cast<std::streamsize>(puffer_.size() - ende_));
      if (n <= 0) {
        zuEnde_ = true;
      } else {
        ende_ += static_cast<std::size_t>(n);
      }
    }
  }

 private:
  std::streambuf* quelle_;
  std::vector<char> puffer_;
  std::size_t anfang_ = 0;
  std::size_t ende_ = 0;
  bool zuEnde_ = false;
};

// Splits a line at commas into at most platz views at ziel and returns the
// number of its fields (also beyond platz); 0 when the line holds a blank,
// a tab or a carriage return, whose fields Felder must trim.  Sixteen
// characters are compared at once: a row's fields are short, and a branch
// per character costs more than the splitting.
std::size_t FelderOhneLeerzeichen(std::string_view zeile, std::string_view* ziel, std::size_t platz) {
  const char* anfang = zeile.data();
  const char* p = anfang;
  const char* const ende = anfang + zeile.size();
  std::size_t anzahl = 0;
  const auto komma = [&](const char* q) __attribute__((always_inline)) {
    if (anzahl < platz) [[likely]] ziel[anzahl] = std::string_view(anfang, static_cast<std::size_t>(q - anfang));
    ++anzahl;
    anfang = q + 1;
  };
#if defined(__SSE2__)
  const __m128i kKomma = _mm_set1_epi8(',');
  const __m128i kLeer = _mm_set1_epi8(' ');
  const __m128i kTab = _mm_set1_epi8('\t');
  const __m128i kWagen = _mm_set1_epi8('\r');
  for (; ende - p >= 16; p += 16) {
    const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i leer =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(w, kLeer), _mm_cmpeq_epi8(w, kTab)), _mm_cmpeq_epi8(w, kWagen));
    if (_mm_movemask_epi8(leer) != 0) [[unlikely]] return 0;
    for (unsigned m = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(w, kKomma))); m != 0; m &= m - 1) {
      komma(p + __builtin_ctz(m));
    }
  }
#endif
  for (; p != ende; ++p) {
    const char c = *p;
    if (c == ',') {
      komma(p);
    } else if (c == ' ' || c == '\t' || c == '\r') [[unlikely]] {
      return 0;
    }
  }
  komma(ende);
  return anzahl;
}

}  // namespace

void Felder(std::string_view zeile, std::vector<std::string_view>& felder) {
  felder.clear();
  // One pass over the line: fields are short, a search per field costs more.
  const char* anfang = zeile.data();
  const char* const ende = anfang + zeile.size();
  for (const char* p = anfang; p != ende; ++p) {
    if (*p == ',') {
      felder.push_back(Gestutzt(std::string_view(anfang, static_cast<std::size_t>(p - anfang))));
      anfang = p + 1;
    }
  }
  felder.push_back(Gestutzt(std::string_view(anfang, static_cast<std::size_t>(ende - anfang))));
}

std::vector<std::string_view> Felder(std::string_view zeile) {
  std::vector<std::string_view> felder;
  Felder(zeile, felder);
  return felder;
}

bool TPapLeser::Kopf(std::string_view zeile, std::string& fehler) {
  if (zeile.size() >= 3 && zeile.substr(0, 3) == "\xEF\xBB\xBF") zeile.remove_prefix(3);
  namen_.clear();
  for (auto f : Felder(zeile)) namen_.emplace_back(f);
  // An input named twice would leave open which of its columns counts.
  const auto doppelt = [&](const char* name) {
    if (std::count(namen_.begin(), namen_.end(), name) < 2) return false;
    fehler = std::string("Kopfzeile: Spalte ") + name + " ist mehr als einmal angegeben";
    return true;
  };
  for (std::size_t i = 0; i < kEingaben.size(); ++i) {
    index_[i] = Spalte(kEingaben[i]);
    if (index_[i] < 0) {
      fehler = std::string("Kopfzeile: Spalte ") + kEingaben[i] + " fehlt";
      return false;
    }
    if (doppelt(kEingaben[i])) return false;
  }
  for (const char* n : kNeueEingaben) {
    if (doppelt(n)) return false;
  }
  if (doppelt("GFB")) return false;
  for (std::size_t i = 0; i < kNeueEingaben.size(); ++i) neuIndex_[i] = Spalte(kNeueEingaben[i]);
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
  // Room for the fields of the head: a row with more is refused below.
  if (felder_.size() < namen_.size()) felder_.resize(namen_.size());
  std::size_t anzahl = FelderOhneLeerzeichen(zeile, felder_.data(), namen_.size());
  if (anzahl == 0) [[unlikely]] {
    Felder(zeile, felder_);
    anzahl = felder_.size();
  }
  const std::string_view* const felder = felder_.data();
  fall = TPapFall{};
  // A row of another width has lost or gained a field somewhere: its values
  // would be read from the neighbouring columns.
  if (anzahl != namen_.size()) [[unlikely]] {
    fehler = std::string(anzahl > namen_.size() ? "mehr" : "weniger") + " Spalten als in der Kopfzeile (" +
             std::to_string(anzahl) + " statt " + std::to_string(namen_.size()) + ")";
    return false;
  }
  if (!SchnellSetzen(felder, index_, fall, fehler)) [[unlikely]] {
    // The same fields once more, one by one, for the message of the first
    // that does not read.
    fall = TPapFall{};
    for (std::size_t i = 0; i < kEingaben.size(); ++i) {
      if (!Setze(fall, static_cast<int>(i), felder[index_[i]], fehler)) return false;
    }
  }
  for (std::size_t i = 0; i < kNeueEingaben.size(); ++i) {
    const int s = neuIndex_[i];
    if (s < 0) continue;
    if (!SetzeNeu(fall, static_cast<int>(i), felder[s], fehler)) return false;
  }
  if (fall.Jahr >= kErstesJahr && fall.Var.KRV > HoechsterKRV(fall.Jahr)) {
    fehler = "KRV " + std::to_string(fall.Var.KRV) + " gibt es für " + std::to_string(fall.Jahr) +
             (JahresRegeln(fall.Jahr).RentenOstGrenze ? " nicht: bis 2009 ist KRV 0 (rentenversichert) oder 1 (nicht rentenversichert)"
                               : " nicht: ab 2025 ist KRV 0 (rentenversichert) oder 1 (nicht rentenversichert)");
    return false;
  }
  if (JahresRegeln(fall.Jahr).AGZuschussBetrag && fall.Var.PKV > 1) {
    fehler = "PKV " + std::to_string(fall.Var.PKV) + " gibt es für " + std::to_string(fall.Jahr) +
             " nicht: PKV ist 0 (gesetzlich) oder 1 (privat), der Zuschuss steht in PKPVAGZ";
    return false;
  }
  if (gfb_ >= 0 && !felder[gfb_].empty()) {
    std::int64_t gfb = 0;
    if (!GanzeZahl(felder[gfb_], gfb) || (gfb != 8004 && gfb != 8130)) {
      fehler = "Wert von GFB muss 8004 oder 8130 sein";
      return false;
    }
    fall.GFB = gfb;
  }
  return true;
}

std::array<std::int64_t, 9> Berechnen(TFlussplanWerk& k, const TPapFall& fall) {
  std::array<bool, kAlleAusgaben> vorhanden{};
  const auto alle = BerechnenAlle(k, fall, vorhanden);
  std::array<std::int64_t, 9> neun{};
  for (std::size_t i = 0; i < neun.size(); ++i) neun[i] = alle[i];
  return neun;
}

std::array<std::int64_t, kAlleAusgaben> BerechnenAlle(TFlussplanWerk& k, const TPapFall& fall,
                                                      std::array<bool, kAlleAusgaben>& vorhanden) {
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
  if (fall.Jahr < kErstesJahr || fall.Jahr > kLetztesLStJahr) KeineLohnsteuer(fall.Jahr);
  if (fall.Version >= 0 && k.ProgrammVersion(fall.Version) == nullptr) {
    throw TLStFehler(std::string("Kein Programm für den Programmablaufplan ") +
                     kLStVersionen[fall.Version].Schluessel + " vorhanden.");
  }
  // A year names the flowchart of its December.
  TLohnsteuerProgramm* programm =
      fall.Version >= 0 ? k.ProgrammVersion(fall.Version) : k.ProgrammFuerMonat(fall.Jahr, 12);
  if (programm == nullptr) KeineLohnsteuer(fall.Jahr);
  programm->Lohnsteuer();
  const TLStVariablen& v = k.LStVar;
  const TLStVersion* d = fall.Version >= 0 ? &kLStVersionen[fall.Version] : nullptr;
  vorhanden.fill(true);
  for (int i : {6, 7, 8}) vorhanden[i] = d == nullptr || d->MitVMT;
  for (int i : {9, 10}) vorhanden[i] = d != nullptr && d->MitVKV;
  for (int i = 11; i < 17; ++i) vorhanden[i] = d != nullptr && d->MitDBA;
  return {v.LSTLZZ, v.SOLZLZZ, v.BK,     v.STS,    v.SOLZS,  v.BKS,   v.STV,    v.SOLZV,  v.BKV,
          v.VKVLZZ, v.VKVSONST, v.VFRB,  v.VFRBS1, v.VFRBS2, v.WVFRB, v.WVFRBO, v.WVFRBM};
}

int Strom(std::istream& ein, std::ostream& aus, std::ostream& fehler) {
  TFlussplanWerk k;
  TPapLeser leser;
  TZeilenLeser zeilen(ein);
  std::string_view zeile;
  std::string meldung;
  // The output goes out in large blocks, written into the buffer by pointer:
  // a row checks its room once.
  constexpr std::size_t kBlock = 1 << 16;
  // A value's longest text (a sign and 19 digits) and its comma.
  constexpr std::size_t kWertPlatz = 21;
  std::vector<char> puffer(kBlock + 4096);
  std::size_t belegt = 0;
  const auto schreiben = [&] {
    aus.write(puffer.data(), static_cast<std::streamsize>(belegt));
    belegt = 0;
  };
  // Room for n more characters; returns where they go.
  const auto platz = [&](std::size_t n) {
    if (puffer.size() - belegt < n) {
      if (belegt > 0) schreiben();
      if (puffer.size() < n) puffer.resize(n);
    }
    return puffer.data() + belegt;
  };
  long nummer = 0;
  bool kopfGelesen = false;
  bool neuesFormat = false;
  bool fehlgeschlagen = false;
  std::size_t spalten = kAusgaben.size();
  TPapFall fall;
  while (zeilen.Naechste(zeile)) {
    ++nummer;
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    if (Gestutzt(zeile).empty()) continue;
    if (!kopfGelesen) {
      if (!leser.Kopf(zeile, meldung)) {
        fehler << "lohnsteuer-cli: Zeile " << nummer << ": " << meldung << '\n';
        return 2;
      }
      kopfGelesen = true;
      for (const char* n : kNeueEingaben) neuesFormat = neuesFormat || leser.Spalte(n) >= 0;
      spalten = neuesFormat ? kAlleAusgaben : kAusgaben.size();
      std::string kopf(zeile);
      for (const char* n : kAusgaben) (kopf += ',') += n;
      if (neuesFormat) {
        for (const char* n : kNeueAusgaben) (kopf += ',') += n;
      }
      kopf += '\n';
      std::memcpy(platz(kopf.size()), kopf.data(), kopf.size());
      belegt += kopf.size();
      continue;
    }
    // The row repeats its input and appends the outputs (all empty when it
    // fails).
    char* p = platz(zeile.size() + spalten * kWertPlatz + 1);
    std::memcpy(p, zeile.data(), zeile.size());
    p += zeile.size();
    bool ok = leser.Lesen(zeile, fall, meldung);
    if (ok) [[likely]] {
      try {
        std::array<bool, kAlleAusgaben> vorhanden{};
        const auto werte = BerechnenAlle(k, fall, vorhanden);
        for (std::size_t i = 0; i < spalten; ++i) {
          *p++ = ',';
          if (!vorhanden[i]) continue;
          if (werte[i] == 0) {
            *p++ = '0';  // the most frequent value
          } else {
            p = std::to_chars(p, p + kWertPlatz, werte[i]).ptr;
          }
        }
      } catch (const TLStFehler& e) {
        meldung = e.what();
        ok = false;
      }
    }
    if (!ok) {
      fehler << "lohnsteuer-cli: Zeile " << nummer << ": " << meldung << '\n';
      fehlgeschlagen = true;
      p = puffer.data() + belegt + zeile.size();
      std::memset(p, ',', spalten);
      p += spalten;
    }
    *p++ = '\n';
    belegt = static_cast<std::size_t>(p - puffer.data());
    if (belegt >= kBlock) schreiben();
  }
  if (!kopfGelesen) {
    fehler << "lohnsteuer-cli: Keine Kopfzeile gefunden.\n";
    return 2;
  }
  schreiben();
  aus.flush();
  // As in batch: 1 when a row failed, 2 when the input cannot be used.
  return fehlgeschlagen ? 1 : 0;
}

}  // namespace lst::pap
