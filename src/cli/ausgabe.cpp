#include "cli/ausgabe.h"

#include <tuple>
#include <type_traits>

#include "calc/anzeige.h"
#include "geld/geld.h"
#include "calc/jahresregeln.h"
#include "geld/zahlen.h"

namespace lst::cli {

const std::array<const char*, kErgebnisAnzahl>& ErgebnisNamen() {
  static const std::array<const char*, kErgebnisAnzahl> namen = [] {
    static_assert(std::tuple_size_v<std::remove_cvref_t<decltype(lst::ErgebnisFelder())>> == kErgebnisAnzahl);
    std::array<const char*, kErgebnisAnzahl> n{};
    for (std::size_t i = 0; i < kErgebnisAnzahl; ++i) n[i] = lst::ErgebnisFelder()[i].Name;
    return n;
  }();
  return namen;
}

void ErgebnisWerte(const TMonatsErgebnis& m, TErgebnisWerte& werte) {
  const auto& felder = lst::ErgebnisFelder();
  for (std::size_t i = 0; i < kErgebnisAnzahl; ++i) werte[i] = felder[i].Lesen(m);
}

std::vector<std::pair<std::string, std::int64_t>> ErgebnisFelder(const TMonatsErgebnis& m) {
  std::vector<std::pair<std::string, std::int64_t>> felder;
  felder.reserve(kErgebnisAnzahl);
  for (const TErgebnisFeld& f : lst::ErgebnisFelder()) felder.emplace_back(f.Name, f.Lesen(m));
  return felder;
}

std::int64_t TAnzeige::Wert(std::string_view name) const {
  for (const auto& [n, w] : Felder) {
    if (n == name) return w;
  }
  return 0;
}

const std::array<const char*, kTextAnzahl>& TextNamen() {
  static const std::array<const char*, kTextAnzahl> namen = {"Waehrung", "Programmablaufplan", "Beitragsgruppe",
                                                                     "Maerzklausel"};
  return namen;
}

std::string Programmablaufplan(const TParameter& p) { return AblaufplanSchluessel(p); }

namespace {

// The texts one after the other, each as a view that lives while the call
// does; an empty one where the year has none.
template <class F>
void TexteDurchgehen(const TAbrechnungsStand& s, F&& text) {
  text(std::string_view(Waehrungszeichen(s.Euro)));
  // The pay month chooses the flowchart from 2014.
  const TParameter& p = s.Parameter;
  if (p.Regeln != nullptr && p.R().PeriodenNachMonat) {
    if (p.Version >= 0) {
      text(std::string_view(kLStVersionen[p.Version].Schluessel));
    } else {
      const std::string jahr = std::to_string(p.Jahr);
      text(std::string_view(jahr));
    }
  } else {
    text(std::string_view());
  }
  // The contribution group, from 2014 as well.
  if (s.Ergebnis.Beitragsgruppe) {
    const std::array<char, 4> gruppe = s.Ergebnis.Beitragsgruppe->Ziffern();
    text(std::string_view(gruppe.data(), gruppe.size()));
  } else {
    text(std::string_view());
  }
  if (p.Regeln != nullptr && p.R().Vorhanden) {
    text(std::string_view(s.Ergebnis.Maerzklausel ? "ja" : "nein"));
  } else {
    text(std::string_view());
  }
}

}  // namespace

// The amounts the user typed, as typed: at most two decimals; converted to
// the year's currency and back they could come out a cent off.
TGetippteBetraege GetippteBetraege(const TEingabe* getippt) {
  TGetippteBetraege typ;
  if (getippt != nullptr) {
    typ.Brutto = Runden(getippt->Brutto * 100);
    typ.SonstigeAbzuege = Runden(getippt->SonstigeAbzuege * 100);
    if (getippt->Kindergeld) typ.Kindergeld = Runden(*getippt->Kindergeld * 100);
  }
  return typ;
}

void TextWerte(const TAbrechnungsStand& s, TTextWerte& werte) {
  std::size_t i = 0;
  TexteDurchgehen(s, [&](std::string_view t) { werte[i++].assign(t); });
}

void TexteAnhaengen(std::string& zeile, char trenner, const TAbrechnungsStand& s) {
  TexteDurchgehen(s, [&](std::string_view t) { (zeile += trenner).append(t); });
}

void AnzeigeWerte(const TAbrechnungsStand& s, const TEingabe* getippt, TErgebnisWerte& werte) {
  ErgebnisWerte(AnzeigeErgebnis(s.Parameter, s.Euro, s.Ergebnis, GetippteBetraege(getippt)), werte);
}

TAnzeige Anzeigen(const TAbrechnungsStand& s, const TEingabe* getippt) {
  const TMonatsErgebnis e = AnzeigeErgebnis(s.Parameter, s.Euro, s.Ergebnis, GetippteBetraege(getippt));
  TAnzeige a;
  a.Felder = ErgebnisFelder(e);
  a.Umlagen = s.Parameter.R().PeriodenNachMonat;
  a.Zone = ZonenName(s.Parameter.Jahr, s.Parameter.Monat);
  TTextWerte texte;
  TextWerte(s, texte);
  a.Waehrung = std::move(texte[0]);
  a.Programmablaufplan = std::move(texte[1]);
  a.Beitragsgruppe = std::move(texte[2]);
  a.Maerzklausel = e.Maerzklausel;
  a.SonstigeAbzuege = e.SonstigeAbzuege;
  a.Kindergeld = e.Kindergeld;
  return a;
}

std::string AlsJson(const TAnzeige& a, const std::string& zusatz) {
  std::string json = "{\"Waehrung\": \"" + a.Waehrung + "\"";
  if (!a.Programmablaufplan.empty()) json += ", \"Programmablaufplan\": \"" + a.Programmablaufplan + "\"";
  if (!a.Beitragsgruppe.empty()) json += ", \"Beitragsgruppe\": \"" + a.Beitragsgruppe + "\"";
  for (const auto& [name, wert] : a.Felder) json += ", \"" + name + "\": " + std::to_string(wert);
  json += a.Maerzklausel ? ", \"Maerzklausel\": true" : ", \"Maerzklausel\": false";
  if (!zusatz.empty()) json += ", " + zusatz;
  return json + "}";
}

std::string AlsJsonNurSteuer(const TAbrechnungsStand& s) {
  const TMonatsErgebnis e = AnzeigeErgebnis(s.Parameter, s.Euro, s.Ergebnis);
  std::string json = std::string("{\"Waehrung\": \"") + Waehrungszeichen(s.Euro) + "\", \"Programmablaufplan\": \"" +
                     Programmablaufplan(s.Parameter) + "\"";
  const auto& felder = lst::ErgebnisFelder();
  // RE4 and the tax fields.
  for (std::size_t i = 0; i < 13; ++i) json += std::string(", \"") + felder[i].Name + "\": " + std::to_string(felder[i].Lesen(e));
  return json + "}";
}

std::string AlsTextNurSteuer(const TAbrechnungsStand& s) {
  const TMonatsErgebnis e = AnzeigeErgebnis(s.Parameter, s.Euro, s.Ergebnis);
  std::string text;
  const std::string waehrung = Waehrungszeichen(s.Euro);
  const auto zeile = [&](const std::string& titel, std::int64_t cent) {
    const std::string wert = CentAlsText(cent) + " " + waehrung;
    std::size_t breite = 0;
    for (unsigned char c : titel) breite += (c & 0xC0) != 0x80;
    text += titel + std::string(breite < 20 ? 20 - breite : 1, ' ');
    text += std::string(wert.size() < 20 ? 20 - wert.size() : 1, ' ') + wert + '\n';
  };
  text += "Programmablaufplan  " + Programmablaufplan(s.Parameter) + "\n";
  zeile("Bruttolohn", e.RE4);
  zeile("Lohnsteuer", e.LSt);
  zeile("Kirchensteuer", e.KiSt);
  zeile("Solidaritätsz.", e.Soli);
  zeile("Steuern gesamt", e.SteuerSumme);
  zeile("nach Steuern", e.BruttoNachSteuer);
  text += "\nFür " + std::to_string(s.Parameter.Jahr) +
          " ist die Sozialversicherung noch nicht hinterlegt: Beiträge, Nettolohn und\n"
          "Lohnkosten werden nicht berechnet.\n";
  return text;
}

bool HatLohnteile(const TAnzeige& a) {
  for (const char* name : {"SonstigerBezug", "Abfindung", "GWV", "Sachbezug", "Steuerfrei", "VWL_AG",
                           "Entgeltumwandlung", "BAVZuschuss_AG", "VWLSparbetrag", "Aktivrente_steuerfrei"}) {
    if (a.Wert(name) != 0) return true;
  }
  return false;
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
  // Pay beside the regular wage: its parts above the gross, the one-off's
  // taxes below each tax, what is not paid out below the contributions.
  const bool teile = HatLohnteile(a);
  const auto minus = [&](std::string_view name) { return betrag(-a.Wert(name)); };
  const auto teil = [&](const std::string& titel, std::string_view name) {
    if (a.Wert(name) != 0) aus(titel, feld(name), "");
  };
  aus("", "Arbeitnehmer", "Arbeitgeber");
  if (teile) {
    teil("Laufender Lohn", "LaufenderLohn");
    teil("Sonstiger Bezug", "SonstigerBezug");
    teil("Abfindung", "Abfindung");
    teil("Dienstwagen (GwV)", "GWV");
    teil("Sachbezug", "Sachbezug");
    teil("VWL Arbeitgeber", "VWL_AG");
    teil("Steuerfreie Bezüge", "Steuerfrei");
    aus("Gesamtbrutto", feld("Gesamtbrutto"), feld("Gesamtbrutto"));
    // The Aktivrente: paid and liable, but not taxed.
    teil("Aktivrente stfrei", "Aktivrente_steuerfrei");
    aus("Steuerbrutto", feld("SteuerBrutto"), "");
    if (a.Umlagen || a.Wert("SVBrutto_RV") != 0) {
      if (a.Wert("SVBrutto_KV") == a.Wert("SVBrutto_RV")) {
        aus("SV-Brutto", feld("SVBrutto_KV"), "");
      } else {
        aus("SV-Brutto KV/PV", feld("SVBrutto_KV"), "");
        aus("SV-Brutto RV/AV", feld("SVBrutto_RV"), "");
      }
    }
  } else {
    aus("Bruttolohn", feld("RE4"), feld("RE4"));
  }
  const auto davon = [&](std::string_view name) {
    if (a.Wert(name) != 0) aus("  davon sonst. Bez.", feld(name), "");
  };
  aus(pauschsteuer ? "Lohnst./Pauschalst." : "Lohnsteuer", feld("LSt"), feld("LStPausch"));
  davon("LSt_sonstig");
  aus("Kirchensteuer", feld("KiSt"), feld("KiStPausch"));
  davon("KiSt_sonstig");
  aus("Solidaritätsz.", feld("Soli"), feld("SoliPausch"));
  davon("Soli_sonstig");
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
  if (teile) {
    // Not paid out: the company car (and no cost of wages to the
    // employer), benefits in kind, pay converted into a pension.
    if (a.Wert("GWV") != 0) aus("Dienstwagen (GwV)", minus("GWV"), minus("GWV"));
    if (a.Wert("Sachbezug") != 0) aus("Sachbezug", minus("Sachbezug"), "");
    if (a.Wert("Entgeltumwandlung") != 0) aus("Entgeltumwandlung", minus("Entgeltumwandlung"), "");
  }
  aus("Netto Lohn", feld("Netto"), "");
  if (a.Wert("BAVZuschuss_AG") != 0) aus("AG-Zuschuss bAV", "", feld("BAVZuschuss_AG"));
  // The employer's subsidy to a private insurance, part of the cost below
  // (and, with the parts of the pay shown, of the payout).
  if (a.Wert("PKVZuschuss_AG") != 0) {
    aus("AG-Zuschuss PKV/PV", teile ? feld("PKVZuschuss_AG") : "", feld("PKVZuschuss_AG"));
  }
  aus("Lohnkosten", "", feld("AGGesamt"));
  if (a.Umlagen) {
    aus("Umlage U1", "", feld("U1_AG"));
    aus("Umlage U2", "", feld("U2_AG"));
    aus("Insolvenzgeldumlage", "", feld("IGU_AG"));
    aus("Lohnk. mit Umlagen", "", feld("AGGesamtUmlagen"));
  }
  if (teile) {
    if (a.Wert("VWLSparbetrag") != 0) aus("VWL-Sparbetrag", minus("VWLSparbetrag"), "");
    if (a.Kindergeld != 0) aus("Kindergeld", betrag(a.Kindergeld), "");
    aus("Auszahlungsbetrag", feld("Auszahlung"), "");
  } else if (a.Kindergeld != 0) {
    aus("Kindergeld", betrag(a.Kindergeld), "");
    aus("Endsumme", feld("Auszahlung"), "");
  }
  if (a.Maerzklausel) {
    text += "\nMärzklausel: der sonstige Bezug gehört beitragsrechtlich zum letzten Lohnzahlungszeitraum\n"
            "des Vorjahres; seine Beiträge (mit Grenzen und Sätzen des Vorjahres) sind in den Zeilen enthalten.\n";
  }
  return text;
}

}  // namespace lst::cli
