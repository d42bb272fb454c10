#include "calc/pruefung.h"

#include <array>
#include <cstdlib>

#include "calc/bundesland.h"
#include "calc/jahresregeln.h"
#include "geld/geld.h"
#include "calc/sozialversicherung.h"
#include "lohnsteuer/versionen.h"

namespace lst {

namespace {

constexpr std::array<const char*, static_cast<int>(TFeld::Anzahl)> kKennung = {
    "Jahr", "Monat", "Zeitraum", "Brutto", "Steuerklasse", "Kinderfreibetraege", "Kirchensteuer", "Faktor",
    "Freibetrag", "Hinzurechnung", "Versorgungsbezug", "VersorgungMonat", "VersorgungSonder", "Versorgungsmonate",
    "Versorgungsbeginn", "Sterbegeld", "Altersentlastung", "BesondereTabelle", "Region", "Sachsen", "Minijob",
    "Haushalt", "Aufstockung", "Pauschsteuer", "Gleitzone", "RVVerzicht", "Privat", "PrivatPV", "AGZuschuss",
    "AGZuschussBetrag", "KVZuschlag", "PVZuschlag", "KVZusatz", "PVAbschlaege", "U1", "U2", "Beitragsgruppe",
    "Kindergeld", "SonstigeAbzuege", "SonstigerBezug", "Jahresarbeitslohn", "BisherigeSonstigeBezuege", "SVTage",
    "SVEntgeltBisherKV", "SVEntgeltBisherRV", "VorjahrSVTage", "VorjahrSVEntgeltKV", "VorjahrSVEntgeltRV",
    "VorjahrKVZusatz", "Abfindung", "Fuenftelregelung", "DienstwagenListenpreis", "DienstwagenKm", "DienstwagenSatz",
    "Sachbezug", "Steuerfrei", "Entgeltumwandlung", "VWLAG", "VWLSparbetrag", "Teilmonat", "Aktivrente", "Bundesland"};

std::string F(TFeld f) { return std::string("{") + FeldKennung(f) + "}"; }
std::string Betrag(std::int64_t cent) { return "{Betrag:" + std::to_string(cent) + "}"; }

// A pay month of the law's tables: "2015" for a January, "Juli 2023" else.
struct TZeitpunkt {
  int Jahr = 0;
  int Monat = 0;
  std::string Text() const {
    return Monat <= 1 ? std::to_string(Jahr) : std::string(Monatsname(Monat)) + " " + std::to_string(Jahr);
  }
};

// The first pay month whose parameters have a property, from the first year
// of the tables.
template <class Bedingung>
TZeitpunkt ErsterMonat(Bedingung b) {
  for (int j = kErstesJahr; j <= kLetztesLStJahr; ++j)
    for (int m = 1; m <= 12; ++m)
      if (b(StandardParameter(j, m))) return {j, m};
  return {};
}

// The last pay month with a property.
template <class Bedingung>
TZeitpunkt LetzterMonat(Bedingung b) {
  for (int j = kLetztesLStJahr; j >= kErstesJahr; --j)
    for (int m = 12; m >= 1; --m)
      if (b(StandardParameter(j, m))) return {j, m};
  return {};
}

// The year or the pay month of the parameters, as the messages name it.
std::string Zeit(const TParameter& p) {
  return p.R().PeriodenNachMonat ? std::string(Monatsname(p.Monat)) + " " + std::to_string(p.Jahr)
                                 : std::to_string(p.Jahr);
}

bool Marginal(const TAnfrage& a) { return a.Beschaeftigung == beGF || a.Beschaeftigung == beHH; }

// Whether the pay month has the zone of reduced bases.
bool ZoneVorhanden(const TParameter& p) {
  return p.R().PeriodenNachMonat ? p.Periode.Zone != zfKeine : p.R().Gleitzone();
}

// The first pay month with the zone (April 2003).
TZeitpunkt ErsteZone() {
  const int jahr = ErstesJahrMit([](const TJahresRegeln& r) { return r.Gleitzone(); });
  return {jahr, JahresRegeln(jahr).GleitzoneAbMonat};
}

// Whether the year has the top-up of the minijob's kind.
std::string AufstockungImJahr(const TParameter& p, const TAnfrage& a) {
  if (p.R().Vorhanden && a.Beschaeftigung == beHH && !p.R().AufstockungHH)
    return "Für " + std::to_string(p.Jahr) + " gibt es keine Aufstockung beim Minijob im Privathaushalt";
  if (a.Beschaeftigung == beGF && p.Saetze[beGF][svRVAuf].AN < 0)
    return "Für " + std::to_string(p.Jahr) + " gibt es keine Aufstockung beim Minijob";
  return {};
}

// Whether the law's tables carry the rules of benefits in kind and of
// deferred compensation for the pay month.
bool MitLohnRegeln(const TParameter& q) { return q.Regeln != nullptr && q.Periode.Lohn.SachbezugFreigrenze >= 0; }

}  // namespace

const char* FeldKennung(TFeld f) {
  const int i = static_cast<int>(f);
  return i >= 0 && i < static_cast<int>(kKennung.size()) ? kKennung[i] : "";
}

std::string NichtVerfuegbar(const TParameter& p, const TAnfrage& eingang, TFeld f) {
  std::optional<TAnfrage> platz;
  const TAnfrage& a = MitGruppe(p, eingang, platz);
  const TJahresRegeln& r = p.R();
  const bool marginal = Marginal(a);
  const bool privat = a.Privat;
  switch (f) {
    case TFeld::KVZusatz:
      if (!r.KVZusatz) {
        return F(f) + " gilt erst ab " + ErsterMonat([](const TParameter& q) { return q.R().KVZusatz; }).Text() +
               ", nicht für " + Zeit(p);
      }
      if (marginal) return F(f) + " gilt nicht für Minijobs (keine Beiträge des Arbeitnehmers zur Krankenversicherung)";
      if (privat) return F(f) + " gilt nicht bei privater Kranken- und Pflegeversicherung";
      return {};
    case TFeld::PVAbschlaege: {
      const auto mitAbschlag = [](const TParameter& q) { return q.R().PeriodenNachMonat && q.Periode.PVAbschlag >= 0; };
      if (!mitAbschlag(p)) return F(f) + " gilt erst ab " + ErsterMonat(mitAbschlag).Text() + ", nicht für " + Zeit(p);
      if (r.Beitragsgruppen) {
        const TBeitragsgruppe g = BeitragsgruppeDerAnfrage(p, a);
        if (g.PV == 0) {
          return F(f) + " gilt nur in der sozialen Pflegeversicherung (Beitragsgruppe " + g.Text() + ": PV 0)";
        }
      }
      return {};
    }
    case TFeld::U1:
    case TFeld::U2:
      if (!r.PeriodenNachMonat) {
        return F(f) + " gilt erst ab " +
               ErsterMonat([](const TParameter& q) { return q.R().PeriodenNachMonat; }).Text() + ", nicht für " +
               Zeit(p);
      }
      return {};
    case TFeld::Beitragsgruppe:
      if (!r.Beitragsgruppen) {
        return F(f) + ": die Beitragsgruppe gilt erst ab " +
               ErsterMonat([](const TParameter& q) { return q.R().Beitragsgruppen; }).Text() + ", nicht für " +
               std::to_string(p.Jahr);
      }
      return {};
    case TFeld::AGZuschussBetrag:
      if (!r.AGZuschussBetrag) {
        return F(f) + " gilt erst ab " +
               ErsterMonat([](const TParameter& q) { return q.R().AGZuschussBetrag; }).Text() + " (vorher: " +
               F(TFeld::AGZuschuss) + ")";
      }
      if (!privat) return F(f) + " gilt nur mit " + F(TFeld::Privat);
      return {};
    case TFeld::RVVerzicht:
      if (r.PeriodenNachMonat && !p.Periode.RVVerzichtMoeglich) {
        return F(f) + ": den Verzicht gibt es nur bis " +
               LetzterMonat([](const TParameter& q) { return q.Periode.RVVerzichtMoeglich; }).Text() +
               ", nicht für " + Zeit(p);
      }
      return {};
    case TFeld::Aufstockung:
      if (!marginal) return F(f) + " gilt nur mit " + F(TFeld::Minijob) + " oder " + F(TFeld::Haushalt);
      return AufstockungImJahr(p, a);
    case TFeld::Pauschsteuer:
      if (!marginal) return F(f) + " gilt nur mit " + F(TFeld::Minijob) + " oder " + F(TFeld::Haushalt);
      return {};
    case TFeld::PrivatPV:
      if (!privat) return F(f) + " gilt nur mit " + F(TFeld::Privat);
      return {};
    case TFeld::AGZuschuss:
      if (!privat) return F(f) + " gilt nur mit " + F(TFeld::Privat) + " oder " + F(TFeld::BesondereTabelle);
      return {};
    case TFeld::Sachsen:
      if (a.Bundesland) return F(f) + " ergibt sich aus dem " + F(TFeld::Bundesland);
      if (a.Region != rgOst) return F(f) + " gilt nur mit " + F(TFeld::Region) + " ost";
      return {};
    case TFeld::Region:
      if (a.Bundesland) return F(f) + " ergibt sich aus dem " + F(TFeld::Bundesland);
      return {};
    case TFeld::Aktivrente: {
      if (r.AktivrenteMonat <= 0) {
        return F(f) + " (steuerfreier Arbeitslohn nach der Regelaltersgrenze, § 3 Nr. 21 EStG) gilt erst ab " +
               std::to_string(ErstesJahrMit([](const TJahresRegeln& q) { return q.AktivrenteMonat > 0; })) +
               ", nicht für " + std::to_string(p.Jahr);
      }
      if (marginal) return F(f) + " gilt nicht für Minijobs (pauschale Beiträge)";
      // The employer pays pension contributions: the employee's insurance
      // (RV 1) or his share alone for a pensioner free of it (RV 3).
      const TBeitragsgruppe g = BeitragsgruppeDerAnfrage(p, a);
      if (r.Beitragsgruppen && g.RV != 1 && g.RV != 3) {
        return F(f) + " setzt Beiträge des Arbeitgebers zur Rentenversicherung voraus (Beitragsgruppe " + g.Text() +
               ": RV " + std::to_string(g.RV) + ")";
      }
      return {};
    }
    case TFeld::Faktor:
      if (a.STKL != 4) return F(f) + " gilt nur in Steuerklasse 4";
      return {};
    case TFeld::Kirchensteuer:
      if (a.Bekenntnislos) return "Ohne Kirchenzugehörigkeit (bekenntnislos) fällt keine " + F(f) + " an";
      return {};
    case TFeld::Freibetrag:
      if (a.Faktor) {
        return "Neben dem " + F(TFeld::Faktor) + " wird kein " + F(f) +
               " als Lohnsteuerabzugsmerkmal gebildet: er ist im Faktor schon berücksichtigt (§ 39f Abs. 1 "
               "Satz 6 EStG)";
      }
      return {};
    case TFeld::Gleitzone:
      if (!ZoneVorhanden(p)) return F(f) + " gilt erst ab " + ErsteZone().Text() + ", nicht für " + Zeit(p);
      return {};
    case TFeld::Kinderfreibetraege:
      if (a.STKL > 4) return "Kinderfreibeträge gibt es nur in den Steuerklassen 1 bis 4";
      return {};
    case TFeld::Kindergeld:
      if (a.STKL > 4) return "Kindergeld wird nur in den Steuerklassen 1 bis 4 erfasst";
      return {};
    case TFeld::Versorgungsmonate:
    case TFeld::Sterbegeld:
      if (a.LZZ != 1) return F(f) + " gilt nur mit " + F(TFeld::Zeitraum) + " jahr";
      return {};
    case TFeld::SonstigerBezug:
    case TFeld::Abfindung:
      if (!r.SonstigeBezuege) {
        return F(f) + " gilt erst ab " + std::to_string(ErstesJahrMit([](const TJahresRegeln& q) { return q.SonstigeBezuege; })) +
               " (dem ersten Programmablaufplan mit sonstigen Bezügen), nicht für " + std::to_string(p.Jahr);
      }
      if (f == TFeld::Abfindung && marginal && a.PauschSatz) {
        return F(f) + " gilt nicht neben " + F(TFeld::Pauschsteuer) +
               ": die Pauschalsteuer erfasst nur das Arbeitsentgelt des Minijobs, eine Abfindung ist nach den "
               "Lohnsteuerabzugsmerkmalen zu versteuern";
      }
      return {};
    case TFeld::Jahresarbeitslohn:
    case TFeld::BisherigeSonstigeBezuege:
      if (std::string g = NichtVerfuegbar(p, a, TFeld::SonstigerBezug); !g.empty()) return F(f) + g.substr(F(TFeld::SonstigerBezug).size());
      if (a.SonstigerBezug == 0 && a.Abfindung == 0) {
        return F(f) + " gilt nur mit " + F(TFeld::SonstigerBezug) + " oder " + F(TFeld::Abfindung);
      }
      return {};
    case TFeld::SVTage:
    case TFeld::SVEntgeltBisherKV:
    case TFeld::SVEntgeltBisherRV:
    case TFeld::VorjahrSVTage:
    case TFeld::VorjahrSVEntgeltKV:
    case TFeld::VorjahrSVEntgeltRV:
    case TFeld::VorjahrKVZusatz:
      if (std::string g = NichtVerfuegbar(p, a, TFeld::SonstigerBezug); !g.empty()) return F(f) + g.substr(F(TFeld::SonstigerBezug).size());
      if (!r.Vorhanden) return F(f) + ": für " + std::to_string(p.Jahr) + " ist die Sozialversicherung nicht hinterlegt";
      if (a.SonstigerBezug == 0) return F(f) + " gilt nur mit " + F(TFeld::SonstigerBezug);
      if (f == TFeld::VorjahrKVZusatz) {
        if (!JahresRegeln(p.Jahr - 1).KVZusatz) {
          return F(f) + " gilt erst ab " +
                 std::to_string(ErstesJahrMit([](const TJahresRegeln& q) { return q.KVZusatz; }) + 1) +
                 " (Zusatzbeitrag des Vorjahres ab " +
                 std::to_string(ErstesJahrMit([](const TJahresRegeln& q) { return q.KVZusatz; })) + ")";
        }
        if (marginal) return F(f) + " gilt nicht für Minijobs (keine Beiträge des Arbeitnehmers zur Krankenversicherung)";
        if (privat) return F(f) + " gilt nicht bei privater Kranken- und Pflegeversicherung";
      }
      return {};
    case TFeld::Fuenftelregelung:
      if (!p.Lohnsteuer() || !kLStVersionen[p.Version].MitVMT) {
        return F(f) + ": die Fünftelregelung im Lohnsteuerabzug gibt es nur von " +
               std::to_string(ErstesJahrMit([](const TJahresRegeln& q) { return q.Fuenftelregelung; })) + " bis " +
               std::to_string(LetztesJahrMit([](const TJahresRegeln& q) { return q.Fuenftelregelung; })) +
               ", nicht für " + std::to_string(p.Jahr) + " (seitdem nur in der Einkommensteuerveranlagung, § 34 EStG)";
      }
      if (a.Abfindung == 0) return F(f) + " gilt nur mit " + F(TFeld::Abfindung);
      return {};
    case TFeld::DienstwagenListenpreis:
    case TFeld::Sachbezug:
    case TFeld::Entgeltumwandlung:
      if (!MitLohnRegeln(p)) {
        return F(f) + " gilt erst ab " + ErsterMonat([](const TParameter& q) { return MitLohnRegeln(q); }).Text() +
               ", nicht für " + Zeit(p);
      }
      return {};
    case TFeld::Teilmonat:
      if (a.LZZ != 2) return F(f) + " gilt nur mit " + F(TFeld::Zeitraum) + " monat";
      return {};
    case TFeld::DienstwagenKm:
    case TFeld::DienstwagenSatz:
      if (!MitLohnRegeln(p)) {
        return F(f) + " gilt erst ab " + ErsterMonat([](const TParameter& q) { return MitLohnRegeln(q); }).Text() +
               ", nicht für " + Zeit(p);
      }
      if (a.DienstwagenListenpreis <= 0) return F(f) + " gilt nur mit " + F(TFeld::DienstwagenListenpreis);
      return {};
    default:
      return {};
  }
}

std::vector<TBefund> Pruefen(const TParameter& p, const TAnfrage& eingang, const TPruefOptionen& o) {
  std::vector<TBefund> fehler, warnungen;
  const auto fehlerDazu = [&](TFeld f, std::string text) { fehler.push_back({f, TSchwere::Fehler, std::move(text)}); };
  const auto warnung = [&](TFeld f, std::string text) { warnungen.push_back({f, TSchwere::Warnung, std::move(text)}); };
  if (!p.Lohnsteuer()) {
    fehlerDazu(TFeld::Jahr, "Keine Lohnsteuer für " + std::to_string(p.Jahr) + " vorhanden.");
    return fehler;
  }
  const TJahresRegeln& r = p.R();
  const auto nichtDa = [&](TFeld f) {
    std::string grund = NichtVerfuegbar(p, eingang, f);
    if (!grund.empty()) fehlerDazu(f, std::move(grund));
  };

  // A contribution group given, and the stated inputs it contradicts.
  if (eingang.Beitragsgruppe) {
    const TBeitragsgruppe& g = *eingang.Beitragsgruppe;
    const std::string name = F(TFeld::Beitragsgruppe) + " " + g.Text();
    if (std::string f = NichtVerfuegbar(p, eingang, TFeld::Beitragsgruppe); !f.empty()) {
      fehlerDazu(TFeld::Beitragsgruppe, name + f.substr(F(TFeld::Beitragsgruppe).size()));
    } else {
      const TVersicherung v = VersicherungDerGruppe(g, eingang.Beschaeftigung);
      if (Marginal(eingang) && v.Beschaeftigung == beNV) {
        fehlerDazu(TFeld::Beitragsgruppe, name + " beschreibt keinen Minijob (" + F(TFeld::Minijob) + ", " +
                                              F(TFeld::Haushalt) + "): ein Minijob hat 6100, 6500, 0100 oder 0500");
      } else if (eingang.Aufstockung && !v.Aufstockung) {
        fehlerDazu(TFeld::Beitragsgruppe, name + " und " + F(TFeld::Aufstockung) +
                                              " widersprechen einander: RV " + std::to_string(g.RV) +
                                              " ist kein Minijob mit Aufstockung (RV 1)");
      } else if (eingang.BesondereTabelle && !v.BesondereTabelle) {
        fehlerDazu(TFeld::Beitragsgruppe, name + " und " + F(TFeld::BesondereTabelle) +
                                              " widersprechen einander: RV 1 ist rentenversichert");
      } else if ((eingang.Privat || eingang.AGZuschuss || eingang.AGZuschussBetrag) && !v.Privat) {
        fehlerDazu(TFeld::Beitragsgruppe, name + " und " + F(TFeld::Privat) + " widersprechen einander: KV " +
                                              std::to_string(g.KV) + " und PV " + std::to_string(g.PV) +
                                              " sind gesetzlich versichert (privat: KV 0 und PV 0)");
      } else if (std::string m = BeitragsgruppePruefen(g, p.Jahr, p.Monat, v.Beschaeftigung, v.Privat); !m.empty()) {
        fehlerDazu(TFeld::Beitragsgruppe, std::move(m));
      }
    }
  }
  std::optional<TAnfrage> platz;
  const TAnfrage& a = MitGruppe(p, eingang, platz);
  // The inputs the year, its period or the person do not have.
  if (a.KVZusatz) nichtDa(TFeld::KVZusatz);
  if (a.PVAbschlaege != 0) nichtDa(TFeld::PVAbschlaege);
  if (a.U1) nichtDa(TFeld::U1);
  if (a.U2) nichtDa(TFeld::U2);
  if (a.AGZuschussBetrag) nichtDa(TFeld::AGZuschussBetrag);
  if (a.RVVerzicht) nichtDa(TFeld::RVVerzicht);
  if (a.Aufstockung && !Marginal(a)) nichtDa(TFeld::Aufstockung);
  if (a.PauschSatz) nichtDa(TFeld::Pauschsteuer);
  // The care part of a premium stated.
  if (eingang.PrivatBeitragPV && (!eingang.Privat || eingang.PrivatBeitrag == 0)) {
    fehlerDazu(TFeld::PrivatPV, F(TFeld::PrivatPV) + " gilt nur mit " + F(TFeld::Privat));
  } else if (eingang.PrivatBeitragPV && *eingang.PrivatBeitragPV > eingang.PrivatBeitrag) {
    fehlerDazu(TFeld::PrivatPV, F(TFeld::PrivatPV) + " " + Betrag(*eingang.PrivatBeitragPV) +
                                    " ist größer als der Beitrag " + F(TFeld::Privat) + " " +
                                    Betrag(eingang.PrivatBeitrag) + ", in dem er enthalten ist");
  }
  if (eingang.Bundesland) {
    // The state decides the region and Saxony: a region or Saxony stated
    // beside it has to be the state's.
    const TBundeslandDaten& land = BundeslandDaten(*eingang.Bundesland);
    const std::string name = F(TFeld::Bundesland) + " " + land.Name;
    if (land.Geteilt && r.Vorhanden && r.RentenOstGrenze) {
      fehlerDazu(TFeld::Bundesland,
                 name + ": für " + std::to_string(p.Jahr) +
                     " gelten in Berlin-West und Berlin-Ost verschiedene Beitragsbemessungsgrenzen; bitte "
                     "Berlin-West oder Berlin-Ost angeben");
    } else if (eingang.Region == rgOst && !land.Ost) {
      fehlerDazu(TFeld::Region, F(TFeld::Region) + " ost und " + name + " widersprechen einander: " + land.Name +
                                    " gehört zur Region West");
    } else if (eingang.Sachsen && !land.Sachsen) {
      fehlerDazu(TFeld::Sachsen, F(TFeld::Sachsen) + " und " + name + " widersprechen einander");
    }
  } else if (a.Sachsen) {
    nichtDa(TFeld::Sachsen);
  }
  if (a.Aktivrente) nichtDa(TFeld::Aktivrente);
  if (a.Faktor) nichtDa(TFeld::Faktor);
  if (a.Faktor && a.Freibetrag != 0) {
    fehlerDazu(TFeld::Faktor, F(TFeld::Faktor) + " und " + F(TFeld::Freibetrag) +
                                  " schließen einander aus: neben dem Faktor wird kein Freibetrag als "
                                  "Lohnsteuerabzugsmerkmal gebildet, er ist im Faktor schon berücksichtigt "
                                  "(§ 39f Abs. 1 Satz 6 EStG)");
  }
  if (a.ZKF > 0) nichtDa(TFeld::Kinderfreibetraege);
  if (a.Kindergeld) nichtDa(TFeld::Kindergeld);
  if (a.AGZuschuss) nichtDa(TFeld::AGZuschuss);
  if (a.ZMVB != 12) nichtDa(TFeld::Versorgungsmonate);
  if (a.STERBE != 0) nichtDa(TFeld::Sterbegeld);
  if (a.Aufstockung && a.Beschaeftigung == beHH) {
    if (std::string f = AufstockungImJahr(p, a); !f.empty()) fehlerDazu(TFeld::Aufstockung, f);
  }
  if (!o.BruttoGesucht && a.VBEZ > a.Brutto) {
    fehlerDazu(TFeld::Versorgungsbezug, F(TFeld::Versorgungsbezug) + " " + Betrag(a.VBEZ) +
                                            " ist größer als der Bruttolohn " + Betrag(a.Brutto) +
                                            ", in dem er enthalten ist");
  }
  if (a.Aufstockung && a.Beschaeftigung == beGF) {
    if (std::string f = AufstockungImJahr(p, a); !f.empty()) fehlerDazu(TFeld::Aufstockung, f);
  }
  // One-off payments, severance, benefits in kind and tax-free pay.
  if (a.SonstigerBezug != 0) nichtDa(TFeld::SonstigerBezug);
  if (a.Abfindung != 0) nichtDa(TFeld::Abfindung);
  if (a.Jahresarbeitslohn) nichtDa(TFeld::Jahresarbeitslohn);
  if (a.BisherigeSonstigeBezuege != 0) nichtDa(TFeld::BisherigeSonstigeBezuege);
  if (a.SVTage) nichtDa(TFeld::SVTage);
  if (a.SVEntgeltBisherKV) nichtDa(TFeld::SVEntgeltBisherKV);
  if (a.SVEntgeltBisherRV) nichtDa(TFeld::SVEntgeltBisherRV);
  if (a.VorjahrSVTage != 360) nichtDa(TFeld::VorjahrSVTage);
  if (a.VorjahrSVEntgeltKV) nichtDa(TFeld::VorjahrSVEntgeltKV);
  if (a.VorjahrSVEntgeltRV) nichtDa(TFeld::VorjahrSVEntgeltRV);
  if (a.VorjahrKVZusatz) nichtDa(TFeld::VorjahrKVZusatz);
  if (a.Fuenftelregelung) nichtDa(TFeld::Fuenftelregelung);
  if (a.DienstwagenListenpreis != 0) nichtDa(TFeld::DienstwagenListenpreis);
  if (a.DienstwagenKm != 0) nichtDa(TFeld::DienstwagenKm);
  if (a.DienstwagenSatz) nichtDa(TFeld::DienstwagenSatz);
  if (a.Sachbezug != 0) nichtDa(TFeld::Sachbezug);
  if (a.Entgeltumwandlung != 0) nichtDa(TFeld::Entgeltumwandlung);
  if (a.SVTage && (*a.SVTage < 1 || *a.SVTage > 360)) {
    fehlerDazu(TFeld::SVTage, F(TFeld::SVTage) + ": " + std::to_string(*a.SVTage) + " sind nicht 1 bis 360 Tage");
  }
  if (a.Teilmonat) nichtDa(TFeld::Teilmonat);
  if (a.Teilmonat && (*a.Teilmonat < 1 || *a.Teilmonat > 30)) {
    fehlerDazu(TFeld::Teilmonat, F(TFeld::Teilmonat) + ": " + std::to_string(*a.Teilmonat) + " sind nicht 1 bis 30 Tage");
  }
  if (a.VorjahrSVTage < 0 || a.VorjahrSVTage > 360) {
    fehlerDazu(TFeld::VorjahrSVTage,
               F(TFeld::VorjahrSVTage) + ": " + std::to_string(a.VorjahrSVTage) + " sind nicht 0 bis 360 Tage");
  }
  if (a.DienstwagenSatz && MitLohnRegeln(p) && a.DienstwagenListenpreis > 0) {
    const TLohnRegeln& lr = p.Periode.Lohn;
    const double satz = *a.DienstwagenSatz;
    const auto text = [](double x) { return x == 1 ? std::string("1") : x == 0.5 ? std::string("0,5") : std::string("0,25"); };
    if (satz != 1 && satz != 0.5 && satz != 0.25) {
      fehlerDazu(TFeld::DienstwagenSatz, F(TFeld::DienstwagenSatz) + " ist 1, 0,5 oder 0,25");
    } else if (satz < lr.DienstwagenMindestSatz) {
      const double gesucht = satz;
      fehlerDazu(TFeld::DienstwagenSatz,
                 F(TFeld::DienstwagenSatz) + " " + text(satz) + " gilt erst ab " +
                     ErsterMonat([gesucht](const TParameter& q) {
                       return MitLohnRegeln(q) && q.Periode.Lohn.DienstwagenMindestSatz <= gesucht;
                     }).Text() +
                     " (Elektro- und Hybridfahrzeuge), nicht für " + Zeit(p));
    } else if (satz == 0.25 && lr.DienstwagenViertelGrenze > 0 && a.DienstwagenListenpreis > lr.DienstwagenViertelGrenze) {
      fehlerDazu(TFeld::DienstwagenSatz, F(TFeld::DienstwagenSatz) + " 0,25 gilt nur für Elektrofahrzeuge mit einem "
                                             "Bruttolistenpreis bis " + Betrag(lr.DienstwagenViertelGrenze) +
                                             "; darüber 0,5");
    }
  }
  if (!o.BruttoGesucht && a.Entgeltumwandlung > a.Brutto) {
    fehlerDazu(TFeld::Entgeltumwandlung, F(TFeld::Entgeltumwandlung) + " " + Betrag(a.Entgeltumwandlung) +
                                             " ist größer als der Bruttolohn " + Betrag(a.Brutto) +
                                             ", aus dem er umgewandelt wird");
  }

  // Computed as asked, but worth a word.
  if (r.Vorhanden && Marginal(a)) {
    const std::int64_t grenze = BBGFuerZeitraum(p.BBG, a.LZZ, a.Region == rgOst ? rgOst : rgWest)[bbgGF];
    if (grenze > 0 && a.Brutto > grenze) {
      warnung(TFeld::Brutto, "Der Bruttolohn " + Betrag(a.Brutto) + " liegt über der Geringfügigkeitsgrenze von " +
                                 Betrag(grenze) + " des Zeitraums; gerechnet wird wie angegeben.");
    } else if (grenze > 0 && a.LZZ == 2 && a.SonstigerBezug > 0 && 12 * a.Brutto + a.SonstigerBezug > 12 * grenze) {
      // A one-off the person is entitled to counts into the regular wage
      // by a twelve-month estimate (section 8 (1) SGB IV).
      warnung(TFeld::SonstigerBezug,
              "Zwölf Monatslöhne und der sonstige Bezug (" + Betrag(12 * a.Brutto + a.SonstigerBezug) +
                  ") übersteigen die Jahresgrenze des Minijobs von " + Betrag(12 * grenze) +
                  ": ist der Bezug zugesagt, ist die Beschäftigung kein Minijob; gerechnet wird wie angegeben.");
    }
  }
  if (o.MinijobHinweis && r.Vorhanden && !Marginal(a) && a.Brutto > 0) {
    const std::int64_t grenze = BBGFuerZeitraum(p.BBG, a.LZZ, a.Region == rgOst ? rgOst : rgWest)[bbgGF];
    if (a.Brutto <= grenze) {
      warnung(TFeld::Brutto, "Der Bruttolohn " + Betrag(a.Brutto) + " liegt nicht über der Geringfügigkeitsgrenze von " +
                                 Betrag(grenze) + " des Zeitraums: ein Minijob (" + F(TFeld::Minijob) + ", " +
                                 F(TFeld::Haushalt) + ")?");
    }
  }
  if (r.Vorhanden && a.Gleitzone) {
    const TGleitzoneGrenzen g = r.PeriodenNachMonat ? GleitzoneGrenzenFuerZeitraum(p.Jahr, p.Monat, a.LZZ)
                                                    : GleitzoneGrenzenFuerZeitraum(p.Jahr, a.LZZ);
    if (!g.Vorhanden) {
      warnung(TFeld::Gleitzone, "Für " + std::to_string(p.Jahr) + " gibt es keine Gleitzone; gerechnet wird ohne sie.");
    } else if (a.Brutto <= g.Untergrenze || a.Brutto > g.Obergrenze) {
      const std::string zone = ZonenName(p.Jahr, p.Monat);
      warnung(TFeld::Gleitzone, "Der Bruttolohn " + Betrag(a.Brutto) + " liegt nicht " +
                                    (zone == "Gleitzone" ? "in der " : "im ") + zone + " (über " +
                                    Betrag(g.Untergrenze) + " bis " + Betrag(g.Obergrenze) +
                                    " im Zeitraum); gerechnet wird wie angegeben.");
    }
  }
  if (a.Altersentlastung && *a.Altersentlastung > p.Jahr) {
    warnung(TFeld::Altersentlastung, "Den Altersentlastungsbetrag gibt es erst ab " +
                                         std::to_string(*a.Altersentlastung) +
                                         " (dem Kalenderjahr nach dem 64. Geburtstag); für " +
                                         std::to_string(p.Jahr) + " wird keiner abgezogen.");
  }
  fehler.insert(fehler.end(), warnungen.begin(), warnungen.end());
  return fehler;
}

std::string BefundText(std::string_view meldung, const std::function<std::string(TFeld)>& name,
                       const std::function<std::string(std::int64_t)>& betrag) {
  std::string text;
  std::size_t pos = 0;
  while (pos < meldung.size()) {
    const std::size_t auf = meldung.find('{', pos);
    const std::size_t zu = auf == std::string_view::npos ? auf : meldung.find('}', auf);
    if (zu == std::string_view::npos) {
      text.append(meldung.substr(pos));
      break;
    }
    text.append(meldung.substr(pos, auf - pos));
    const std::string_view kennung = meldung.substr(auf + 1, zu - auf - 1);
    if (kennung.substr(0, 7) == "Betrag:") {
      text += betrag(std::strtoll(std::string(kennung.substr(7)).c_str(), nullptr, 10));
    } else {
      for (int i = 0; i < static_cast<int>(TFeld::Anzahl); ++i) {
        if (kennung == kKennung[i]) text += name(static_cast<TFeld>(i));
      }
    }
    pos = zu + 1;
  }
  return text;
}

std::string BefundText(const TBefund& b, const std::function<std::string(TFeld)>& name,
                       const std::function<std::string(std::int64_t)>& betrag) {
  return BefundText(b.Meldung, name, betrag);
}

const TBefund* ErsterFehler(const std::vector<TBefund>& befunde) {
  for (const TBefund& b : befunde)
    if (b.Schwere == TSchwere::Fehler) return &b;
  return nullptr;
}

}  // namespace lst
