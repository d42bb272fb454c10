// The settings reader on any file: reading never fails, every number read is
// finite, the parsed image reads as the single reads, and a write that is
// accepted reads back, leaving the file readable.
//
// The input is the file itself; its first three lines, when present, also
// give the section, key and value of the write (so the fuzzer can aim at
// names that occur in the file).

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "common/ini_datei.h"
#include "fuzz_pruefung.h"

namespace {

std::string Zeile(std::string_view& rest) {
  const auto ende = rest.find('\n');
  std::string zeile(rest.substr(0, ende));
  rest.remove_prefix(ende == std::string_view::npos ? rest.size() : ende + 1);
  return zeile;
}

std::string DateiLesen(const std::filesystem::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  std::ostringstream s;
  s << ein.rdbuf();
  return s.str();
}

std::string_view Getrimmt(std::string_view s) {
  const auto leer = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
  while (!s.empty() && leer(s.front())) s.remove_prefix(1);
  while (!s.empty() && leer(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  // In memory where possible: every write is flushed to the disk.
  static const std::filesystem::path ordner =
      std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                : std::filesystem::temp_directory_path();
  static const std::filesystem::path pfad = ordner / ("lohnsteuer_fuzz_" + std::to_string(getpid()) + ".ini");
  static const struct TAufraeumen {
    ~TAufraeumen() {
      std::error_code f;
      std::filesystem::remove(pfad, f);
    }
  } aufraeumen;
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
  {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  std::string_view rest = text;
  const std::string abschnitt = Zeile(rest);
  const std::string schluessel = Zeile(rest);
  const std::string wert = Zeile(rest);

  lst::TNewIniFile ini = lst::TNewIniFile::AusPfad(pfad);
  const double f = ini.ReadFloat(abschnitt, schluessel, 0.5);
  FUZZ_PRUEFEN(std::isfinite(f), "ReadFloat liefert keine endliche Zahl");
  double zahl = 0;
  if (lst::TNewIniFile::TextAlsFloat(wert, zahl)) {
    FUZZ_PRUEFEN(std::isfinite(zahl), "TextAlsFloat liefert keine endliche Zahl");
    double wieder = 0;
    FUZZ_PRUEFEN(lst::TNewIniFile::TextAlsFloat(lst::TNewIniFile::FloatAlsText(zahl), wieder) && wieder == zahl,
                 "FloatAlsText liest sich nicht zurück");
  }
  // The parsed image of the file reads as the single reads do.
  const lst::TIniAbbild abbild = ini.Abbild();
  FUZZ_PRUEFEN(abbild.ReadString(abschnitt, schluessel, "\x01") == ini.ReadString(abschnitt, schluessel, "\x01"),
               "Abbild und Einzellesen uneins (Text)");
  FUZZ_PRUEFEN(abbild.ReadInteger(abschnitt, schluessel, -7) == ini.ReadInteger(abschnitt, schluessel, -7),
               "Abbild und Einzellesen uneins (Ganzzahl)");
  FUZZ_PRUEFEN(abbild.ReadBool(abschnitt, schluessel, true) == ini.ReadBool(abschnitt, schluessel, true),
               "Abbild und Einzellesen uneins (Schalter)");
  FUZZ_PRUEFEN(abbild.ReadFloat(abschnitt, schluessel, 0.5) == f, "Abbild und Einzellesen uneins (Zahl)");
  (void)ini.SectionExists(abschnitt);

  // A write either is refused and leaves the file byte for byte, or reads
  // back as written (without the blanks around it).
  const std::string vorher = DateiLesen(pfad);
  if (ini.WriteString(abschnitt, schluessel, wert)) {
    const std::string gelesen = ini.ReadString(abschnitt, schluessel, "\x01nichts");
    FUZZ_PRUEFEN(gelesen == Getrimmt(wert), "geschriebener Wert liest sich nicht zurück");
    FUZZ_PRUEFEN(ini.ValueExists(abschnitt, schluessel), "geschriebener Schlüssel fehlt");
    // A second write of a fixed key leaves the first one standing.
    std::string klein(Getrimmt(schluessel));
    for (char& c : klein) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (klein != "fuzzzweiter" && ini.WriteString(abschnitt, "FuzzZweiter", "2")) {
      FUZZ_PRUEFEN(ini.ReadString(abschnitt, schluessel, "\x01nichts") == Getrimmt(wert),
                   "zweiter Schlüssel überschreibt den ersten");
    }
  } else {
    FUZZ_PRUEFEN(DateiLesen(pfad) == vorher, "abgewiesener Schreibversuch ändert die Datei");
  }
  return 0;
}
