#include "geld/zahlen.h"

#include <charconv>
#include <cmath>

#include "geld/geld.h"

namespace lst {

namespace {

std::string_view Gestutzt(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n')) {
    s.remove_suffix(1);
  }
  return s;
}

bool EndetMit(std::string_view s, std::string_view ende) {
  return s.size() >= ende.size() && s.substr(s.size() - ende.size()) == ende;
}

bool NurZiffern(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Digits with at most one decimal mark (not the last character) and at most
// 15 digits in all: their whole number and the power of ten of the mark are
// exact as doubles, so one division rounds as reading the text does.
// false for anything else, which the full readers take.
bool EinfacheZahl(std::string_view s, char marke1, char marke2, bool streng, double& wert) {
  static constexpr double kZehnHoch[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (s.empty() || s.size() > 16) return false;
  std::uint64_t zahl = 0;
  std::size_t stellen = 0;
  std::size_t marke = std::string_view::npos;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    const unsigned ziffer = static_cast<unsigned>(c) - '0';
    if (ziffer <= 9) {
      zahl = zahl * 10 + ziffer;
      ++stellen;
    } else if ((c == marke1 || c == marke2) && marke == std::string_view::npos && i + 1 < s.size()) {
      marke = i;
    } else {
      return false;
    }
  }
  if (stellen == 0 || stellen > 15) return false;
  const std::size_t nachkomma = marke == std::string_view::npos ? 0 : s.size() - marke - 1;
  // Amounts are cents: a third decimal is refused by the full reader.
  if (streng && nachkomma > 2) return false;
  wert = static_cast<double>(zahl) / kZehnHoch[nachkomma];
  return true;
}

// Parses [-]digits[.digits] strictly.
std::optional<double> Lesen(const std::string& s) {
  if (s.empty()) return std::nullopt;
  double wert = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), wert, std::chars_format::fixed);
  if (ec != std::errc() || p != s.data() + s.size() || !std::isfinite(wert)) return std::nullopt;
  return wert;
}

// Both readers of amounts; streng: the rules of BetragLesen.
std::optional<double> BetragLesenNach(std::string_view text, bool streng) {
  std::string_view s = Gestutzt(text);
  if (!streng) {
    for (std::string_view einheit : {"€", "EUR", "DM"}) {
      if (EndetMit(s, einheit)) {
        s = Gestutzt(s.substr(0, s.size() - einheit.size()));
        break;
      }
    }
  }
  bool negativ = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negativ = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || s.size() > 40) return std::nullopt;
  if (double wert = 0; EinfacheZahl(s, ',', ',', streng, wert)) return negativ ? -wert : wert;

  std::string_view ganz = s;
  std::string_view bruch;
  const auto komma = s.find(',');
  if (komma != std::string_view::npos) {
    ganz = s.substr(0, komma);
    bruch = s.substr(komma + 1);
    if (!NurZiffern(bruch)) return std::nullopt;
  } else {
    // Only points: thousands separators when every group after a point has
    // exactly three digits and the first group one to three, else a single
    // decimal point.
    const auto erster = s.find('.');
    if (erster != std::string_view::npos) {
      bool tausender = erster >= 1 && erster <= 3;
      for (std::size_t pos = erster; tausender && pos != std::string_view::npos;) {
        const auto naechster = s.find('.', pos + 1);
        const auto gruppe = s.substr(pos + 1, (naechster == std::string_view::npos ? s.size() : naechster) - pos - 1);
        tausender = gruppe.size() == 3 && NurZiffern(gruppe);
        pos = naechster;
      }
      if (!tausender) {
        if (s.find('.', erster + 1) != std::string_view::npos) return std::nullopt;
        ganz = s.substr(0, erster);
        bruch = s.substr(erster + 1);
        if (!NurZiffern(bruch)) return std::nullopt;
      }
    }
  }
  // The whole part: digits, optionally grouped by points.
  std::string ziffern;
  if (ganz.find('.') != std::string_view::npos) {
    const auto erster = ganz.find('.');
    if (erster < 1 || erster > 3) return std::nullopt;
    // "0.500" and "03.000": a leading zero makes the point a decimal point
    // for some, a thousands point for others.
    if (streng && ganz.front() == '0') return std::nullopt;
    std::size_t pos = 0;
    while (pos <= ganz.size()) {
      const auto naechster = ganz.find('.', pos);
      const auto gruppe = ganz.substr(pos, (naechster == std::string_view::npos ? ganz.size() : naechster) - pos);
      if (!NurZiffern(gruppe) || (pos > 0 && gruppe.size() != 3)) return std::nullopt;
      ziffern.append(gruppe);
      if (naechster == std::string_view::npos) break;
      pos = naechster + 1;
    }
  } else {
    if (!ganz.empty() && !NurZiffern(ganz)) return std::nullopt;
    ziffern.assign(ganz);
  }
  if (ziffern.empty() && bruch.empty()) return std::nullopt;
  // Amounts are cents: a third decimal is a typing error, not a rounding.
  if (streng && bruch.size() > 2) return std::nullopt;
  std::string zahl = ziffern.empty() ? "0" : ziffern;
  if (!bruch.empty()) {
    zahl += '.';
    zahl.append(bruch);
  }
  auto wert = Lesen(zahl);
  if (!wert) return std::nullopt;
  return negativ ? -*wert : *wert;
}

}  // namespace

std::optional<double> BetragLesen(std::string_view text) { return BetragLesenNach(text, true); }

std::optional<double> FeldBetragLesen(std::string_view text) { return BetragLesenNach(text, false); }

std::optional<double> ZahlLesen(std::string_view text) {
  {
    std::string_view t = Gestutzt(text);
    const bool negativ = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) t.remove_prefix(1);
    if (double wert = 0; EinfacheZahl(t, ',', '.', false, wert)) return negativ ? -wert : wert;
  }
  std::string s(Gestutzt(text));
  bool negativ = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negativ = s.front() == '-';
    s.erase(0, 1);
  }
  // One sign only: "--5" and "+-0,5" are no numbers.
  if (s.size() > 40 || (!s.empty() && (s.front() == '-' || s.front() == '+'))) return std::nullopt;
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  if (!s.empty() && s.front() == '.') s.insert(s.begin(), '0');
  auto wert = Lesen(s);
  if (!wert) return std::nullopt;
  return negativ ? -*wert : *wert;
}

int Nachkommastellen(std::string_view text) {
  std::string_view t = Gestutzt(text);
  const std::size_t trenner = t.find_last_of(",.");
  if (trenner == std::string_view::npos) return 0;
  std::string_view stellen = t.substr(trenner + 1);
  while (!stellen.empty() && stellen.back() == '0') stellen.remove_suffix(1);
  return static_cast<int>(stellen.size());
}

std::optional<std::int64_t> GanzzahlLesen(std::string_view text) {
  std::string_view s = Gestutzt(text);
  const bool plus = !s.empty() && s.front() == '+';
  if (plus) s.remove_prefix(1);
  // One sign only, followed by a digit.
  const std::size_t ziffer = !plus && !s.empty() && s.front() == '-' ? 1 : 0;
  if (s.size() <= ziffer || s[ziffer] < '0' || s[ziffer] > '9') return std::nullopt;
  std::int64_t wert = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), wert);
  if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
  return wert;
}

std::string CentAlsText(std::int64_t cent) {
  const bool negativ = cent < 0;
  // Work on the magnitude without overflowing at INT64_MIN.
  const std::uint64_t betrag = negativ ? 0 - static_cast<std::uint64_t>(cent) : static_cast<std::uint64_t>(cent);
  std::string ganz = std::to_string(betrag / 100);
  std::string text;
  for (std::size_t i = 0; i < ganz.size(); ++i) {
    if (i > 0 && (ganz.size() - i) % 3 == 0) text += '.';
    text += ganz[i];
  }
  const unsigned rest = static_cast<unsigned>(betrag % 100);
  text += ',';
  text += static_cast<char>('0' + rest / 10);
  text += static_cast<char>('0' + rest % 10);
  if (negativ) text.insert(text.begin(), '-');
  return text;
}

std::string BetragAlsText(double betrag) {
  if (!std::isfinite(betrag)) return "-";
  return CentAlsText(Runden(betrag * 100));
}

}  // namespace lst
