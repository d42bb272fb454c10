#include "cli/ausgabe.h"

#include "common/zahlen.h"

namespace lst::cli {

namespace {
const char* const kSteuer[] = {"LSt",  "LStPausch",  "Soli",        "SoliPausch",
                               "BK",   "BKPausch",   "KiSt",        "KiStPausch",
                               "SteuerSumme", "SteuerSummePausch", "BruttoNachSteuer",
                               "BruttoPlusPausch"};
}  // namespace

std::vector<std::pair<std::string, std::int64_t>> SteuerFelder(std::int64_t re4, const TLStErgebnis& erg) {
  std::vector<std::pair<std::string, std::int64_t>> felder;
  felder.emplace_back("RE4", re4);
  for (int i = 0; i < 12; ++i) felder.emplace_back(kSteuer[i], erg[i]);
  return felder;
}

std::vector<std::pair<std::string, std::int64_t>> ErgebnisFelder(std::int64_t re4,
                                                                 const TGesamtErgebnis& erg) {
  static const char* const kSV[] = {"KV", "PV", "RV", "AV", "RVAuf", "KV2", "PV2"};
  std::vector<std::pair<std::string, std::int64_t>> felder = SteuerFelder(re4, erg.LSt);
  for (int art = 0; art < svAnzahl; ++art) {
    felder.emplace_back(std::string(kSV[art]) + "_AN", erg.SV.AN(art));
    felder.emplace_back(std::string(kSV[art]) + "_AG", erg.SV.AG(art));
  }
  felder.emplace_back("SVSummeAN", erg.SV.SVSummeAN());
  felder.emplace_back("SVSummeAG", erg.SV.SVSummeAG());
  felder.emplace_back("Netto", erg.Netto);
  felder.emplace_back("AGGesamt", erg.AGGesamt);
  felder.emplace_back("Auszahlung", erg.Auszahlung);
  felder.emplace_back("AGGesamtPlus", erg.AGGesamtPlus);
  return felder;
}

std::string AlsJson(std::int64_t re4, const TGesamtErgebnis& erg) {
  std::string json = "{";
  bool erstes = true;
  for (const auto& [name, wert] : ErgebnisFelder(re4, erg)) {
    if (!erstes) json += ", ";
    erstes = false;
    json += "\"" + name + "\": " + std::to_string(wert);
  }
  return json + "}";
}

namespace {

// The key of the flowchart that ran for k.LStJahr.
std::string Programmablaufplan(const TRechenKontext& k) {
  const int v = k.VersionFuer(k.LStJahr);
  return v >= 0 ? kLStVersionen[v].Schluessel : std::to_string(k.LStJahr);
}

}  // namespace

std::string AlsJsonNurSteuer(const TRechenKontext& k, std::int64_t re4, const TLStErgebnis& erg) {
  std::string json = "{\"Programmablaufplan\": \"" + Programmablaufplan(k) + "\"";
  for (const auto& [name, wert] : SteuerFelder(re4, erg)) {
    json += ", \"" + name + "\": " + std::to_string(wert);
  }
  return json + "}";
}

std::string AlsTextNurSteuer(TRechenKontext& k, std::int64_t re4, const TLStErgebnis& erg) {
  std::string text;
  const auto zeile = [&](const std::string& titel, std::int64_t cent) {
    const std::string wert = BetragAlsText(AusCent(k, cent)) + " " + k.Waehrung;
    std::size_t breite = 0;
    for (unsigned char c : titel) breite += (c & 0xC0) != 0x80;
    text += titel + std::string(breite < 20 ? 20 - breite : 1, ' ');
    text += std::string(wert.size() < 20 ? 20 - wert.size() : 1, ' ') + wert + '\n';
  };
  text += "Programmablaufplan  " + Programmablaufplan(k) + "\n";
  zeile("Bruttolohn", re4);
  zeile("Lohnsteuer", erg.LSt);
  zeile("Kirchensteuer", erg.KiSt);
  zeile("Solidaritätsz.", erg.Soli);
  zeile("Steuern gesamt", erg.SteuerSumme);
  zeile("nach Steuern", erg.BruttoNachSteuer);
  text += "\nFür " + std::to_string(k.LStJahr) +
          " ist die Sozialversicherung noch nicht hinterlegt: Beiträge, Nettolohn und\n"
          "Lohnkosten werden nicht berechnet.\n";
  return text;
}

std::string AlsText(TRechenKontext& k, std::int64_t re4, const TGesamtErgebnis& erg,
                    std::int64_t sonstigeAbzuege, std::int64_t kindergeld, bool pauschsteuer) {
  const auto betrag = [&](std::int64_t cent) {
    const double wert = AusCent(k, cent);
    return BetragAlsText(wert) + " " + k.Waehrung;
  };
  std::string text;
  // Columns padded by characters, not bytes: "ä" and "€" take more than one byte.
  const auto breite = [](const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
  };
  const auto aus = [&](const std::string& titel, const std::string& an, const std::string& ag) {
    text += titel + std::string(titel.size() < 20 ? 20 - breite(titel) : 1, ' ');
    text += std::string(breite(an) < 20 ? 20 - breite(an) : 1, ' ') + an;
    text += std::string(breite(ag) < 20 ? 20 - breite(ag) : 1, ' ') + ag;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    text += '\n';
  };
  aus("", "Arbeitnehmer", "Arbeitgeber");
  aus("Bruttolohn", betrag(re4), betrag(re4));
  aus(pauschsteuer ? "Lohnst./Pauschalst." : "Lohnsteuer", betrag(erg.LSt.LSt), betrag(erg.LSt.LStPausch));
  aus("Kirchensteuer", betrag(erg.LSt.KiSt), betrag(erg.LSt.KiStPausch));
  aus("Solidaritätsz.", betrag(erg.LSt.Soli), betrag(erg.LSt.SoliPausch));
  aus("Steuern gesamt", betrag(erg.LSt.SteuerSumme), betrag(erg.LSt.SteuerSummePausch));
  aus("nach Steuern", betrag(erg.LSt.BruttoNachSteuer), betrag(erg.LSt.BruttoPlusPausch));
  aus("KV Beitrag", betrag(erg.SV.AN(svKV)), betrag(erg.SV.AG(svKV)));
  aus("KV Zus.Beitrag", betrag(erg.SV.AN(svKV2)), betrag(erg.SV.AG(svKV2)));
  aus("RV Beitrag", betrag(erg.SV.AN(svRV)), betrag(erg.SV.AG(svRV)));
  aus("ALoV Beitrag", betrag(erg.SV.AN(svAV)), betrag(erg.SV.AG(svAV)));
  aus("PV Beitrag", betrag(erg.SV.AN(svPV)), betrag(erg.SV.AG(svPV)));
  aus("PV Zus.Beitrag", betrag(erg.SV.AN(svPV2)), betrag(erg.SV.AG(svPV2)));
  if (erg.SV.AN(svRVAuf) != 0 || erg.SV.AG(svRVAuf) != 0) {
    aus("RV Aufstockung", betrag(erg.SV.AN(svRVAuf)), betrag(erg.SV.AG(svRVAuf)));
  }
  aus("Soz.vers. gesamt", betrag(erg.SV.SVSummeAN()), betrag(erg.SV.SVSummeAG()));
  aus("Sonstiges", betrag(sonstigeAbzuege), "");
  aus("Netto Lohn", betrag(erg.Netto), "");
  aus("Lohnkosten", "", betrag(erg.AGGesamt));
  if (kindergeld != 0) {
    aus("Kindergeld", betrag(kindergeld), "");
    aus("Endsumme", betrag(erg.Auszahlung), "");
  }
  return text;
}

}  // namespace lst::cli
