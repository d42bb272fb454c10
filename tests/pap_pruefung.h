#pragma once
// Runs the reference rows of a vectors file through the conformance mode's
// code path and reports every row that differs.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calc/fehler.h"
#include "cli/pap.h"

namespace lst::test {

// Which rows of a file to check: those whose year lies in [VonJahr, BisJahr]
// and, with Version >= 0, whose flowchart is that version.
struct TZeilenAuswahl {
  int VonJahr = 0;
  int BisJahr = 9999;
  int Version = -1;
};

// Checks every chosen row of the file, all outputs the file gives (an empty
// expected cell is not checked).  Returns the number of rows checked.
inline int PruefeReferenzdatei(const std::string& datei, TZeilenAuswahl auswahl);

inline int PruefeReferenzdatei(const std::string& datei, int vonJahr = 0, int bisJahr = 9999) {
  return PruefeReferenzdatei(datei, TZeilenAuswahl{vonJahr, bisJahr, -1});
}

inline int PruefeReferenzdatei(const std::string& datei, TZeilenAuswahl auswahl) {
  const std::string pfad = std::string(LOHNSTEUER_VECTORS_DIR) + "/" + datei;
  std::ifstream ein(pfad);
  if (!ein) {
    ADD_FAILURE() << "Referenzdatei fehlt: " << pfad;
    return 0;
  }
  std::string zeile;
  std::getline(ein, zeile);
  if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
  pap::TPapLeser leser;
  std::string fehler;
  if (!leser.Kopf(zeile, fehler)) {
    ADD_FAILURE() << datei << ": " << fehler;
    return 0;
  }
  std::array<int, pap::kAlleAusgaben> erwartetSpalte{};
  std::array<const char*, pap::kAlleAusgaben> namen{};
  for (std::size_t i = 0; i < pap::kAlleAusgaben; ++i) {
    namen[i] = i < 9 ? pap::kAusgaben[i] : pap::kNeueAusgaben[i - 9];
    erwartetSpalte[i] = leser.Spalte(namen[i]);
  }
  TFlussplanWerk k;
  int geprueft = 0;
  int abweichend = 0;
  long nummer = 1;
  while (std::getline(ein, zeile)) {
    ++nummer;
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    if (zeile.empty()) continue;
    pap::TPapFall fall;
    if (!leser.Lesen(zeile, fall, fehler)) {
      ADD_FAILURE() << datei << ":" << nummer << ": " << fehler;
      continue;
    }
    if (fall.Jahr < auswahl.VonJahr || fall.Jahr > auswahl.BisJahr) continue;
    if (auswahl.Version >= 0 && fall.Version != auswahl.Version) continue;
    std::array<std::int64_t, pap::kAlleAusgaben> ist{};
    std::array<bool, pap::kAlleAusgaben> vorhanden{};
    try {
      ist = pap::BerechnenAlle(k, fall, vorhanden);
    } catch (const TLStFehler& e) {
      ADD_FAILURE() << datei << ":" << nummer << ": " << e.what();
      continue;
    }
    const auto felder = pap::Felder(zeile);
    std::ostringstream diff;
    for (std::size_t i = 0; i < ist.size(); ++i) {
      const int s = erwartetSpalte[i];
      if (s < 0 || s >= static_cast<int>(felder.size()) || felder[s].empty()) continue;
      const std::string erwartet(felder[s]);
      if (!vorhanden[i]) {
        diff << ' ' << namen[i] << " erwartet " << erwartet << ", fehlt im Programm;";
      } else if (erwartet != std::to_string(ist[i])) {
        diff << ' ' << namen[i] << " erwartet " << erwartet << ", ist " << ist[i] << ';';
      }
    }
    ++geprueft;
    if (!diff.str().empty()) {
      ++abweichend;
      if (abweichend <= 25) ADD_FAILURE() << datei << ":" << nummer << ": " << zeile << "\n ->" << diff.str();
    }
  }
  EXPECT_EQ(abweichend, 0) << datei << ": " << abweichend << " von " << geprueft << " Zeilen weichen ab";
  return geprueft;
}

}  // namespace lst::test
