#include "common/datum.h"

#include <charconv>
#include <cstdio>

namespace lst {

int TageImMonat(int jahr, int monat) {
  static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (monat < 1 || monat > 12) return 0;
  const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
  return kTage[monat - 1] + (monat == 2 && schalt ? 1 : 0);
}

namespace {

// A number of one to four digits, the whole text.
std::optional<int> Zahl(std::string_view text, std::size_t hoechstens) {
  if (text.empty() || text.size() > hoechstens) return std::nullopt;
  int wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size()) return std::nullopt;
  return wert;
}

}  // namespace

std::optional<TDatum> DatumLesen(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  const bool iso = text.find('-') != std::string_view::npos;
  const char trenner = iso ? '-' : '.';
  const std::size_t a = text.find(trenner);
  const std::size_t b = a == std::string_view::npos ? a : text.find(trenner, a + 1);
  if (b == std::string_view::npos || text.find(trenner, b + 1) != std::string_view::npos) return std::nullopt;
  const auto erstes = Zahl(text.substr(0, a), iso ? 4 : 2);
  const auto zweites = Zahl(text.substr(a + 1, b - a - 1), 2);
  const auto drittes = Zahl(text.substr(b + 1), iso ? 2 : 4);
  if (!erstes || !zweites || !drittes) return std::nullopt;
  const TDatum d = iso ? TDatum{*erstes, *zweites, *drittes} : TDatum{*drittes, *zweites, *erstes};
  if (d.Jahr < 1900 || d.Jahr > 2100 || d.Monat < 1 || d.Monat > 12) return std::nullopt;
  if (d.Tag < 1 || d.Tag > TageImMonat(d.Jahr, d.Monat)) return std::nullopt;
  return d;
}

std::string DatumText(const TDatum& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", d.Tag % 100, d.Monat % 100, d.Jahr % 10000);
  return text;
}

}  // namespace lst
