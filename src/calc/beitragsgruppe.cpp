#include "calc/beitragsgruppe.h"

#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"

namespace lst {

std::array<char, 4> TBeitragsgruppe::Ziffern() const {
  return {static_cast<char>('0' + KV % 10), static_cast<char>('0' + RV % 10), static_cast<char>('0' + AV % 10),
          static_cast<char>('0' + PV % 10)};
}

std::string TBeitragsgruppe::Text() const {
  const std::array<char, 4> z = Ziffern();
  return std::string(z.data(), z.size());
}

std::optional<TBeitragsgruppe> BeitragsgruppeLesen(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  if (text.size() != 4) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  return TBeitragsgruppe{static_cast<std::uint8_t>(text[0] - '0'), static_cast<std::uint8_t>(text[1] - '0'),
                         static_cast<std::uint8_t>(text[2] - '0'), static_cast<std::uint8_t>(text[3] - '0')};
}

TBeitragsgruppe GruppeDerVersicherung(const TVersicherung& v) {
  TBeitragsgruppe g;
  if (v.Beschaeftigung == beGF || v.Beschaeftigung == beHH) {
    g.KV = v.Privat ? 0 : 6;
    g.RV = v.Aufstockung ? 1 : 5;
    g.AV = 0;
    g.PV = 0;
    return g;
  }
  g.KV = v.Privat ? 0 : 1;
  g.PV = v.Privat ? 0 : 1;
  // The special table: neither pension nor unemployment insurance.
  g.RV = v.BesondereTabelle ? 0 : 1;
  g.AV = v.BesondereTabelle ? 0 : 1;
  return g;
}

namespace {
// 0100: a privately insured minijob with the top-up, or a working student
// insured in the pension alone; which one, the employment type says.
bool PrivaterMinijobMoeglich(const TBeitragsgruppe& g) {
  return g.KV == 0 && g.RV == 1 && g.AV == 0 && g.PV == 0;
}
}  // namespace

TVersicherung VersicherungDerGruppe(const TBeitragsgruppe& g, int beschaeftigung) {
  TVersicherung v;
  const bool minijob = beschaeftigung == beGF || beschaeftigung == beHH;
  if (g.Minijob() || (minijob && PrivaterMinijobMoeglich(g))) {
    v.Beschaeftigung = beschaeftigung == beHH ? beHH : beGF;
    v.Aufstockung = g.RV == 1;
    v.Privat = g.KV == 0;
    return v;
  }
  v.Beschaeftigung = beNV;
  v.Privat = !g.KVGesetzlich();
  v.BesondereTabelle = !g.RVVersichert();
  return v;
}

namespace {

std::string Ziffer(const char* zweig, int z) {
  return std::string(zweig) + " " + std::to_string(z);
}

// The digits the calculation knows, each on its own.
std::string ZiffernPruefen(const TBeitragsgruppe& g) {
  const std::string s = "Beitragsgruppe " + g.Text() + ": ";
  switch (g.KV) {
    case 0: case 1: case 3: case 6: case 9: break;
    case 2: return s + "KV 2 (erhöhter Beitragssatz) gab es nur bis 2008";
    case 4: case 5:
      return s + Ziffer("KV", g.KV) + " (landwirtschaftliche Krankenversicherung) rechnet das Programm nicht";
    default: return s + "die Ziffer der Krankenversicherung ist 0, 1, 3, 6 oder 9, nicht " + std::to_string(g.KV);
  }
  switch (g.RV) {
    case 0: case 1: case 3: case 5: break;
    default: return s + "die Ziffer der Rentenversicherung ist 0, 1, 3 oder 5, nicht " + std::to_string(g.RV);
  }
  if (g.AV > 2) return s + "die Ziffer der Arbeitslosenversicherung ist 0, 1 oder 2, nicht " + std::to_string(g.AV);
  if (g.PV == 2) {
    return s + "PV 2 (halber Beitrag bei Anspruch auf Beihilfe) rechnet das Programm nicht";
  }
  if (g.PV > 1) return s + "die Ziffer der Pflegeversicherung ist 0 oder 1, nicht " + std::to_string(g.PV);
  return {};
}

}  // namespace

std::string BeitragsgruppePruefen(const TBeitragsgruppe& g, int jahr, int monat, int beschaeftigung,
                                  bool privat) {
  const std::string s = "Beitragsgruppe " + g.Text() + ": ";
  if (!JahresRegeln(jahr).Beitragsgruppen) {
    return s + "die Beitragsgruppe gibt es in der Berechnung erst ab 2014, nicht für " + std::to_string(jahr);
  }
  std::string f = ZiffernPruefen(g);
  if (!f.empty()) return f;
  const bool minijob = beschaeftigung == beGF || beschaeftigung == beHH;
  if (minijob != g.Minijob() && !(minijob && PrivaterMinijobMoeglich(g))) {
    return minijob ? s + "ein Minijob hat die Beitragsgruppe 6100 (mit Aufstockung der Rentenversicherung) "
                         "oder 6500 (ohne), privat krankenversichert 0100 oder 0500"
                   : s + "KV 6 und RV 5 gibt es nur im Minijob";
  }
  if (minijob) {
    if (g.AV != 0 || g.PV != 0 || (g.KV != 0 && g.KV != 6) || (g.RV != 1 && g.RV != 5)) {
      return s + "ein Minijob hat die Beitragsgruppe 6100 (mit Aufstockung der Rentenversicherung) "
                 "oder 6500 (ohne), privat krankenversichert 0100 oder 0500";
    }
    if (privat && g.KV != 0) {
      return s + "mit privater Krankenversicherung zahlt der Arbeitgeber keinen Pauschalbeitrag zur "
                 "Krankenversicherung (KV 0)";
    }
    return {};
  }
  if (g.KV != 0 && g.PV == 0) {
    return s + "wer gesetzlich krankenversichert ist, ist auch in der sozialen Pflegeversicherung "
               "versichert (PV 1)";
  }
  if (privat && g.KVGesetzlich()) {
    return s + "bei privater Kranken- und Pflegeversicherung sind die Ziffern der Kranken- und der "
               "Pflegeversicherung 0";
  }
  if (g.AV == 2 && !SVPeriode(jahr, monat).AVArbeitgeberAllein) {
    return s + "den Arbeitgeberanteil zur Arbeitslosenversicherung allein (AV 2) gab es von 2017 bis "
               "2021 nicht (§ 346 Abs. 3 SGB III); dann AV 0";
  }
  return {};
}

}  // namespace lst
