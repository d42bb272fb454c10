#include "cli/ausgabe.h"

#include "calc/anzeige.h"
#include "calc/geld.h"
#include "calc/jahresregeln.h"
#include "common/zahlen.h"

namespace lst::cli {

namespace {
const char* const kSteuer[] = {"LSt",  "LStPausch",  "Soli",        "SoliPausch",
                               "BK",   "BKPausch",   "KiSt",        "KiStPausch",
                               "SteuerSumme", "SteuerSummePausch", "BruttoNachSteuer",
                               "BruttoPlusPausch"};
}  // namespace

const std::array<const char*, kErgebnisAnzahl>& ErgebnisNamen() {
  static const std::array<const char*, kErgebnisAnzahl> namen = {
      "RE4",    "LSt",    "LStPausch", "Soli",      "SoliPausch", "BK",         "BKPausch",
      "KiSt",   "KiStPausch", "SteuerSumme", "SteuerSummePausch", "BruttoNachSteuer", "BruttoPlusPausch",
      "KV_AN",  "KV_AG",  "PV_AN",     "PV_AG",     "RV_AN",      "RV_AG",      "AV_AN",
      "AV_AG",  "RVAuf_AN", "RVAuf_AG", "KV2_AN",   "KV2_AG",     "PV2_AN",     "PV2_AG",
      "SVSummeAN", "SVSummeAG", "Netto", "AGGesamt", "Auszahlung", "AGGesamtPlus", "BE",
      "BE_AN",  "U1_AG",  "U2_AG",     "IGU_AG",    "AGGesamtUmlagen", "PKVZuschuss_AG"};
  return namen;
}

namespace {
void SteuerWerte(std::int64_t re4, const TLStErgebnis& erg, std::int64_t* werte) {
  werte[0] = re4;
  for (int i = 0; i < 12; ++i) werte[1 + i] = erg[i];
}
}  // namespace

void ErgebnisWerte(std::int64_t re4, const TGesamtErgebnis& erg, TErgebnisWerte& werte) {
  SteuerWerte(re4, erg.LSt, werte.data());
  std::size_t i = kSteuerAnzahl;
  for (int art = 0; art < svAnzahl; ++art) {
    werte[i++] = erg.SV.AN(art);
    werte[i++] = erg.SV.AG(art);
  }
  werte[i++] = erg.SV.SVSummeAN();
  werte[i++] = erg.SV.SVSummeAG();
  werte[i++] = erg.Netto;
  werte[i++] = erg.AGGesamt;
  werte[i++] = erg.Auszahlung;
  werte[i++] = erg.AGGesamtPlus;
  werte[i++] = erg.SV.BE;
  werte[i++] = erg.SV.BE_AN;
  werte[i++] = erg.SV.U1_AG;
  werte[i++] = erg.SV.U2_AG;
  werte[i++] = erg.SV.IGU_AG;
  werte[i++] = erg.AGGesamtUmlagen;
  werte[i++] = erg.SV.PKVZuschuss_AG;
}

std::vector<std::pair<std::string, std::int64_t>> SteuerFelder(std::int64_t re4, const TLStErgebnis& erg) {
  std::int64_t werte[kSteuerAnzahl];
  SteuerWerte(re4, erg, werte);
  std::vector<std::pair<std::string, std::int64_t>> felder;
  felder.reserve(kSteuerAnzahl);
  for (std::size_t i = 0; i < kSteuerAnzahl; ++i) felder.emplace_back(ErgebnisNamen()[i], werte[i]);
  return felder;
}

namespace {
std::vector<std::pair<std::string, std::int64_t>> MitNamen(const TErgebnisWerte& werte) {
  std::vector<std::pair<std::string, std::int64_t>> felder;
  felder.reserve(kErgebnisAnzahl);
  for (std::size_t i = 0; i < kErgebnisAnzahl; ++i) felder.emplace_back(ErgebnisNamen()[i], werte[i]);
  return felder;
}
}  // namespace

std::vector<std::pair<std::string, std::int64_t>> ErgebnisFelder(std::int64_t re4,
                                                                 const TGesamtErgebnis& erg) {
  TErgebnisWerte werte;
  ErgebnisWerte(re4, erg, werte);
  return MitNamen(werte);
}

std::int64_t TAnzeige::Wert(std::string_view name) const {
  for (const auto& [n, w] : Felder) {
    if (n == name) return w;
  }
  return 0;
}

const std::array<const char*, kTextAnzahl>& TextNamen() {
  static const std::array<const char*, kTextAnzahl> namen = {"Waehrung", "Programmablaufplan", "Beitragsgruppe"};
  return namen;
}

std::string Programmablaufplan(const TRechenKontext& k) {
  const int v = k.VersionFuer(k.LStJahr);
  return v >= 0 ? kLStVersionen[v].Schluessel : std::to_string(k.LStJahr);
}

namespace {

// The texts one after the other, each as a view that lives while the call
// does; an empty one where the year has none.
template <class F>
void TexteDurchgehen(const TRechenKontext& k, const TRechnung& r, F&& text) {
  text(std::string_view(k.Waehrung));
  // The pay month chooses the flowchart from 2014.
  if (JahresRegeln(r.Jahr).PeriodenNachMonat) {
    const int v = k.VersionFuer(k.LStJahr);
    if (v >= 0) {
      text(std::string_view(kLStVersionen[v].Schluessel));
    } else {
      const std::string jahr = std::to_string(k.LStJahr);
      text(std::string_view(jahr));
    }
  } else {
    text(std::string_view());
  }
  // The contribution group, from 2014 as well.
  const std::array<char, 4> gruppe = r.SV.Gruppe.Ziffern();
  text(r.SV.MitGruppe ? std::string_view(gruppe.data(), gruppe.size()) : std::string_view());
}

}  // namespace

void TextWerte(const TRechenKontext& k, const TRechnung& r, TTextWerte& werte) {
  std::size_t i = 0;
  TexteDurchgehen(k, r, [&](std::string_view t) { werte[i++].assign(t); });
}

void TexteAnhaengen(std::string& zeile, char trenner, const TRechenKontext& k, const TRechnung& r) {
  TexteDurchgehen(k, r, [&](std::string_view t) { (zeile += trenner).append(t); });
}

namespace {
// The result converted to the display currency.
TAnzeigeErgebnis Umgerechnet(TRechenKontext& k, const TRechnung& r, const TGesamtErgebnis& erg,
                             const TEingabe* getippt) {
  TGetippteBetraege typ;
  if (getippt != nullptr) {
    // Typed amounts carry at most two decimals; converted to the year's
    // currency and back they could come out a cent off.
    typ.Brutto = Runden(getippt->Brutto * 100);
    typ.SonstigeAbzuege = Runden(getippt->SonstigeAbzuege * 100);
    if (getippt->Kindergeld) typ.Kindergeld = Runden(*getippt->Kindergeld * 100);
  }
  TAnzeigeErgebnis e = AnzeigeErgebnis(k, r.LZ.RE4, erg, r.SonstigeAbzuege, r.Zusatz, typ);
  if (AnzeigeUmgerechnet(k)) {
    // The bases and levies in the display currency; the cost with levies
    // from the shown cost, as the other sums.
    TSVErgebnis& sv = e.Ergebnis.SV;
    sv.BE = AnzeigeCent(k, erg.SV.BE);
    sv.BE_AN = AnzeigeCent(k, erg.SV.BE_AN);
    sv.U1_AG = AnzeigeCent(k, erg.SV.U1_AG);
    sv.U2_AG = AnzeigeCent(k, erg.SV.U2_AG);
    sv.IGU_AG = AnzeigeCent(k, erg.SV.IGU_AG);
    e.Ergebnis.AGGesamtUmlagen = e.Ergebnis.AGGesamt + sv.UmlagenAG();
  }
  return e;
}
}  // namespace

void AnzeigeWerte(TRechenKontext& k, const TRechnung& r, const TGesamtErgebnis& erg, const TEingabe* getippt,
                  TErgebnisWerte& werte) {
  const TAnzeigeErgebnis e = Umgerechnet(k, r, erg, getippt);
  ErgebnisWerte(e.RE4, e.Ergebnis, werte);
}

TAnzeige Anzeigen(TRechenKontext& k, const TRechnung& r, const TGesamtErgebnis& erg,
                  const TEingabe* getippt) {
  const TAnzeigeErgebnis e = Umgerechnet(k, r, erg, getippt);
  TAnzeige a;
  a.Felder = ErgebnisFelder(e.RE4, e.Ergebnis);
  a.Umlagen = JahresRegeln(r.Jahr).PeriodenNachMonat;
  a.Zone = ZonenName(r.Jahr, r.Monat);
  TTextWerte texte;
  TextWerte(k, r, texte);
  a.Waehrung = std::move(texte[0]);
  a.Programmablaufplan = std::move(texte[1]);
  a.Beitragsgruppe = std::move(texte[2]);
  a.SonstigeAbzuege = e.SonstigeAbzuege;
  a.Kindergeld = e.Kindergeld;
  return a;
}

std::string AlsJson(const TAnzeige& a, const std::string& zusatz) {
  std::string json = "{\"Waehrung\": \"" + a.Waehrung + "\"";
  if (!a.Programmablaufplan.empty()) json += ", \"Programmablaufplan\": \"" + a.Programmablaufplan + "\"";
  if (!a.Beitragsgruppe.empty()) json += ", \"Beitragsgruppe\": \"" + a.Beitragsgruppe + "\"";
  for (const auto& [name, wert] : a.Felder) json += ", \"" + name + "\": " + std::to_string(wert);
  if (!zusatz.empty()) json += ", " + zusatz;
  return json + "}";
}

std::string AlsJsonNurSteuer(TRechenKontext& k, std::int64_t re4, const TLStErgebnis& erg) {
  const std::int64_t brutto = AnzeigeCent(k, re4);
  const TLStErgebnis angezeigt = AnzeigeSteuer(k, brutto, erg);
  std::string json = "{\"Waehrung\": \"" + k.Waehrung + "\", \"Programmablaufplan\": \"" +
                     Programmablaufplan(k) + "\"";
  for (const auto& [name, wert] : SteuerFelder(brutto, angezeigt)) {
    json += ", \"" + name + "\": " + std::to_string(wert);
  }
  return json + "}";
}

std::string AlsTextNurSteuer(TRechenKontext& k, std::int64_t re4, const TLStErgebnis& erg) {
  const std::int64_t brutto = AnzeigeCent(k, re4);
  const TLStErgebnis s = AnzeigeSteuer(k, brutto, erg);
  std::string text;
  const auto zeile = [&](const std::string& titel, std::int64_t cent) {
    const std::string wert = CentAlsText(cent) + " " + k.Waehrung;
    std::size_t breite = 0;
    for (unsigned char c : titel) breite += (c & 0xC0) != 0x80;
    text += titel + std::string(breite < 20 ? 20 - breite : 1, ' ');
    text += std::string(wert.size() < 20 ? 20 - wert.size() : 1, ' ') + wert + '\n';
  };
  text += "Programmablaufplan  " + Programmablaufplan(k) + "\n";
  zeile("Bruttolohn", brutto);
  zeile("Lohnsteuer", s.LSt);
  zeile("Kirchensteuer", s.KiSt);
  zeile("Solidaritätsz.", s.Soli);
  zeile("Steuern gesamt", s.SteuerSumme);
  zeile("nach Steuern", s.BruttoNachSteuer);
  text += "\nFür " + std::to_string(k.LStJahr) +
          " ist die Sozialversicherung noch nicht hinterlegt: Beiträge, Nettolohn und\n"
          "Lohnkosten werden nicht berechnet.\n";
  return text;
}

std::string AlsText(const TAnzeige& a, bool pauschsteuer) {
  const auto betrag = [&](std::int64_t cent) { return CentAlsText(cent) + " " + a.Waehrung; };
  const auto feld = [&](std::string_view name) { return betrag(a.Wert(name)); };
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
  if (!a.Programmablaufplan.empty()) text += "Programmablaufplan  " + a.Programmablaufplan + "\n";
  if (!a.Beitragsgruppe.empty()) text += "Beitragsgruppe      " + a.Beitragsgruppe + "\n";
  aus("", "Arbeitnehmer", "Arbeitgeber");
  aus("Bruttolohn", feld("RE4"), feld("RE4"));
  aus(pauschsteuer ? "Lohnst./Pauschalst." : "Lohnsteuer", feld("LSt"), feld("LStPausch"));
  aus("Kirchensteuer", feld("KiSt"), feld("KiStPausch"));
  aus("Solidaritätsz.", feld("Soli"), feld("SoliPausch"));
  aus("Steuern gesamt", feld("SteuerSumme"), feld("SteuerSummePausch"));
  aus("nach Steuern", feld("BruttoNachSteuer"), feld("BruttoPlusPausch"));
  if (a.Umlagen && (a.Wert("BE") != 0 || a.Wert("BE_AN") != 0)) {
    // The reduced bases: the employee's own from October 2022, else the
    // one of the whole contribution.
    aus("BE " + a.Zone, feld(a.Wert("BE_AN") != 0 ? "BE_AN" : "BE"), feld("BE"));
  }
  aus("KV Beitrag", feld("KV_AN"), feld("KV_AG"));
  aus("KV Zus.Beitrag", feld("KV2_AN"), feld("KV2_AG"));
  aus("RV Beitrag", feld("RV_AN"), feld("RV_AG"));
  // The top-up is contained in the pension line above (the employee's whole
  // share there): a note, not a line of the sum.
  if (a.Wert("RVAuf_AN") != 0) aus("  davon Aufstockung", feld("RVAuf_AN"), "");
  aus("ALoV Beitrag", feld("AV_AN"), feld("AV_AG"));
  aus("PV Beitrag", feld("PV_AN"), feld("PV_AG"));
  aus("PV Zus.Beitrag", feld("PV2_AN"), feld("PV2_AG"));
  aus("Soz.vers. gesamt", feld("SVSummeAN"), feld("SVSummeAG"));
  aus("Sonstiges", betrag(a.SonstigeAbzuege), "");
  aus("Netto Lohn", feld("Netto"), "");
  // The employer's subsidy to a private insurance, part of the cost below.
  if (a.Wert("PKVZuschuss_AG") != 0) aus("AG-Zuschuss PKV/PV", "", feld("PKVZuschuss_AG"));
  aus("Lohnkosten", "", feld("AGGesamt"));
  if (a.Umlagen) {
    aus("Umlage U1", "", feld("U1_AG"));
    aus("Umlage U2", "", feld("U2_AG"));
    aus("Insolvenzgeldumlage", "", feld("IGU_AG"));
    aus("Lohnk. mit Umlagen", "", feld("AGGesamtUmlagen"));
  }
  if (a.Kindergeld != 0) {
    aus("Kindergeld", betrag(a.Kindergeld), "");
    aus("Endsumme", feld("Auszahlung"), "");
  }
  return text;
}

}  // namespace lst::cli
