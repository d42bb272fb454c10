#include "common/aufruf.h"

#include <algorithm>
#include <cstdio>

#include "lohnsteuer/versionen.h"
#include "lohnsteuer_version.h"

namespace lst {

std::size_t Zeichen(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

std::string HilfeSpalten(const std::vector<THilfeEintrag>& eintraege, std::size_t spalte, std::size_t breite) {
  if (spalte == 0) {
    for (const THilfeEintrag& e : eintraege) spalte = std::max(spalte, Zeichen(e.Links) + 4);
  }
  std::string text;
  for (const auto& [links, hilfe] : eintraege) {
    std::string zeile = "  " + links;
    if (Zeichen(zeile) + 2 > spalte) {
      text += zeile + '\n';
      zeile.clear();
    }
    zeile.append(spalte - Zeichen(zeile), ' ');
    const std::size_t frei = breite > spalte ? breite - spalte : 1;
    std::string_view rest = hilfe;
    while (!rest.empty()) {
      std::string_view stueck = rest;
      if (Zeichen(rest) > frei) {
        // Cut at the last blank that keeps the line within the width.
        std::size_t schnitt = std::string_view::npos;
        for (std::size_t p = rest.find(' '); p != std::string_view::npos && Zeichen(rest.substr(0, p)) <= frei;
             p = rest.find(' ', p + 1)) {
          schnitt = p;
        }
        if (schnitt != std::string_view::npos) stueck = rest.substr(0, schnitt);
      }
      text += zeile;
      text.append(stueck);
      text += '\n';
      rest.remove_prefix(stueck.size());
      while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
      zeile.assign(spalte, ' ');
    }
  }
  return text;
}

std::string VersionsZeile(std::string_view programm) {
  return std::string(programm) + " " + LOHNSTEUER_VERSION + "\n";
}

const std::vector<TFensterOption>& FensterOptionen() {
  static const std::vector<TFensterOption> optionen = {
      {"--help", "diese Hilfe ausgeben und beenden (auch -h)"},
      {"--version", "die Versionsnummer ausgeben und beenden"},
  };
  return optionen;
}

std::string FensterHilfe() {
  std::string text =
      "Aufruf: lohnsteuer [OPTIONEN]\n"
      "\n"
      "Öffnet das Fenster des Lohnsteuerrechners: Lohnsteuer, Solidaritätszuschlag,\n"
      "Kirchensteuer und Sozialversicherungsbeiträge einer Lohnabrechnung, Steuerjahre\n" +
      std::to_string(kErstesJahr) + " bis " + std::to_string(kLetztesLStJahr) +
      ". Dieselbe Rechnung auf der Befehlszeile: lohnsteuer-cli --help.\n"
      "\n"
      "Optionen:\n";
  std::vector<THilfeEintrag> zeilen;
  for (const TFensterOption& o : FensterOptionen()) zeilen.push_back({o.Name, o.Hilfe});
  text += HilfeSpalten(zeilen);
  text +=
      "\n"
      "Dazu nimmt das Fenster die allgemeinen Optionen von Qt, etwa -platform NAME\n"
      "oder -style NAME.\n";
  return text;
}

std::optional<int> FensterAufrufBeantworten(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(FensterHilfe().c_str(), stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (a == "--version") {
      std::fputs(VersionsZeile("lohnsteuer").c_str(), stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
  }
  return std::nullopt;
}

}  // namespace lst
