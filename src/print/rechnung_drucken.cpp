#include "print/rechnung_drucken.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <functional>
#include <vector>

#include "calc/anzeige.h"
#include "geld/geld.h"
#include "calc/jahresregeln.h"
#include "calc/pruefung.h"
#include "calc/sozialversicherung.h"
#include "geld/zahlen.h"
#include "print/gebietsschema.h"

namespace lst::druck {


namespace {

QString JaNein(bool b) { return b ? QStringLiteral("ja") : QStringLiteral("nein"); }

// A rate in percent with two decimals, or three where it has them:
// "2,90 %", "1,345 %".
QString ProzentText(double prozent) {
  QString t = Gebietsschema().toString(prozent, 'f', 3);
  if (t.endsWith(QLatin1Char('0'))) t.chop(1);
  return t + QStringLiteral(" %");
}

// A number field's text as typed; an empty field prints as 0.
QString WieGetippt(const QString& text) {
  const QString t = text.trimmed();
  return t.isEmpty() ? QStringLiteral("0") : t;
}

class TAusdruck {
 public:
  TAusdruck(TDruckMaschine& m, const TDruckAngaben& a, const TAbrechnungsStand& s, int groesse)
      : m_(m), a_(a), s_(s), p_(s.Parameter), e_(AnzeigeErgebnis(s.Parameter, s.Euro, s.Ergebnis)),
        d_(Aufbereiten(s.Parameter, s.Anfrage)), groesse_(groesse) {}

  void Drucken() {
    neueRegeln_ = p_.R().PeriodenNachMonat;
    teile_ = MitLohnteilen(e_);
    Berechnungsdaten();
    Abrechnung();
    if (teile_) m_.Zusammenhalten(m_.Hoehe([&] { Bemessungsgrenzen(); }));
    Bemessungsgrenzen();
  }

 private:
  // An amount of the result, in cents of the display currency.
  QString Geld(std::int64_t anzeigeCent) {
    return GeldText(static_cast<double>(anzeigeCent) / 100, Waehrungszeichen(s_.Euro));
  }
  // An amount of the year's currency (the ceilings), converted for display.
  QString JahresGeld(std::int64_t cent) {
    return GeldText(AnzeigeWert(p_.Jahr, s_.Euro, cent), Waehrungszeichen(s_.Euro));
  }
  // An amount field: its typed number, without currency conversion.
  QString FeldBetrag(const QString& text) {
    return GeldText(FeldZahl(text), Waehrungszeichen(s_.Euro));
  }

  void DruckeZeile(const QString& titel, const QString& wert, bool fett) {
    const int stil = fett ? kFett : kNormal;
    m_.DruckText(groesse_, stil, kLinks, 0, kOhneSchatten, titel);
    m_.DruckText(groesse_, stil, kRechts, spalte_, kOhneSchatten, wert);
    m_.DruckVorschub(0);
  }
  void DruckeBetrag(const QString& titel, bool fett, std::int64_t cent) {
    DruckeZeile(titel, Geld(cent), fett);
  }
  void DruckeANAG(const QString& titel, bool fett, std::int64_t an, std::int64_t ag) {
    const int stil = fett ? kFett : kNormal;
    m_.DruckText(groesse_, stil, kLinks, 0, kOhneSchatten, titel);
    m_.DruckText(groesse_, stil, kRechts, kSpalteAN, kOhneSchatten, Geld(an));
    m_.DruckText(groesse_, stil, kRechts, kSpalteAG, kOhneSchatten, Geld(ag));
    m_.DruckVorschub(0);
  }
  // A rate of the settlement: "7,300 %"; a side that pays nothing of the
  // contribution (a negative rate) "–".
  static QString SatzText(double satz) {
    return satz < 0 ? QStringLiteral("\u2013")
                    : Gebietsschema().toString(satz * 100, 'f', 3) + QStringLiteral(" %");
  }
  void Ueberschrift(const QString& text) {
    m_.DruckText(groesse_ + 2, kFett, kLinks, 0, kOhneSchatten, text);
  }

  struct TZeile {
    QString Titel;
    QString Wert;
  };

  // The value column of a section: its design position, or further right
  // where a label and its value would otherwise run into each other (a wide
  // or large font); at most the right margin.
  double WertSpalte(const std::vector<TZeile>& zeilen, double vorgabe) const {
    double spalte = vorgabe;
    for (const TZeile& z : zeilen) {
      spalte = std::max(spalte, m_.TextBreiteProzent(groesse_, kNormal, z.Titel) + kAbstand +
                                    m_.TextBreiteProzent(groesse_, kNormal, z.Wert));
    }
    return std::min(spalte, 100.0);
  }

  void Berechnungsdaten() {
    std::vector<TZeile> z;
    z.push_back({QStringLiteral("Lohnzahlungszeitraum"), a_.Lohnzahlungszeitraum.simplified()});
    if (neueRegeln_) {
      // From 2014 the pay month chooses the flowchart and the rules of the
      // social insurance.
      z.push_back({QStringLiteral("Lohnzahlungsmonat"),
                   QString::fromUtf8(Monatsname(p_.Monat)) + QLatin1Char(' ') + QString::number(p_.Jahr)});
      z.push_back({QStringLiteral("Programmablaufplan"), QString::fromStdString(AblaufplanName(p_.Version))});
    }
    z.push_back({QStringLiteral("Lohnsteuerklasse"), a_.Steuerklasse});
    if (a_.Faktorverfahren) {
      z.push_back({QStringLiteral("Faktor Lohnsteuerabzugsverfahren"), WieGetippt(a_.Faktor)});
    }
    if (!a_.Bundesland.isEmpty()) z.push_back({QStringLiteral("Bundesland"), a_.Bundesland});
    z.push_back({QStringLiteral("Kirchensteuer"),
                 a_.Bekenntnislos ? QStringLiteral("bekenntnislos")
                                  : WieGetippt(a_.Kirchensteuer) + QStringLiteral(" %")});
    z.push_back({QStringLiteral("Altersentlastung (\u00a724a EStG)"), JaNein(a_.Altersentlastung)});
    if (a_.AktivrenteSichtbar) z.push_back({QStringLiteral("Aktivrente (\u00a73 Nr.21 EStG)"), JaNein(a_.Aktivrente)});
    // The special table and its best-of test in the law of the year.
    const TJahresRegeln& regeln = p_.R();
    z.push_back({QString::fromStdString(regeln.TextBesondereTabelle), JaNein(a_.TabArt == 1)});
    if (!regeln.TextGuenstigerpruefung.empty()) {
      z.push_back({QString::fromStdString(regeln.TextGuenstigerpruefung), JaNein(a_.TabArt == 2)});
    }
    z.push_back({QStringLiteral("Versorgungsbez\u00fcge"), FeldBetrag(a_.Versorgungsbezuege)});
    z.push_back({QStringLiteral("Vers.bez. im Januar"), FeldBetrag(a_.VersorgungJanuar)});
    z.push_back({QStringLiteral("Sond.zahlg. f\u00fcr Vers.empf\u00e4nger"), FeldBetrag(a_.VersorgungSonder)});
    z.push_back({QStringLiteral("Vers.bez. gezahlt f\u00fcr"),
                 WieGetippt(a_.VersorgungMonate) + QStringLiteral(" Monate")});
    z.push_back({QStringLiteral("Freibetrag"), FeldBetrag(a_.Freibetrag)});
    z.push_back({QStringLiteral("Hinzurechnungsbetrag"), FeldBetrag(a_.Hinzurechnung)});
    z.push_back({QStringLiteral("Abfindg./Kapitalausz./Sterbegeld"), FeldBetrag(a_.Sterbegeld)});
    z.push_back({QStringLiteral("Kinder lt. Lohnsteuerkarte"), WieGetippt(a_.Kinder)});
    z.push_back({QStringLiteral("Sozialversicherung Region"),
                 a_.Region == 0 ? QStringLiteral("Ost") : QStringLiteral("West")});
    if (neueRegeln_) SozialversicherungAb2014(z);
    if (a_.GFSichtbar) {
      z.push_back({QStringLiteral("Geringf\u00fcgig Besch\u00e4ftigt"),
                   a_.GF && a_.Haushalt ? QStringLiteral("ja, im Privathaushalt") : JaNein(a_.GF)});
    }
    if (a_.AufstockungSichtbar) {
      z.push_back({QStringLiteral("AN-Eigenanteil Aufstockung RV *)"),
                   a_.AufstockungAn ? WieGetippt(a_.AufstockungProzent) + QStringLiteral(" %")
                                    : QStringLiteral("nein")});
    }
    LohnteileAngaben(z);

    Ueberschrift(QStringLiteral("Berechnungsdaten:"));
    m_.DruckVorschub(0);
    spalte_ = WertSpalte(z, 50);
    for (const TZeile& zeile : z) DruckeZeile(zeile.Titel, zeile.Wert, false);
    m_.DruckLinie(true, 100, 0);
    m_.DruckVorschub(0);
    m_.DruckVorschub(0);
  }

  // The inputs of pay beside the regular wage, those given alone: a plain
  // slip has none of these rows.
  void LohnteileAngaben(std::vector<TZeile>& z) {
    const auto betrag = [&](const char16_t* titel, const QString& text) {
      if (!text.isEmpty()) z.push_back({QString::fromUtf16(titel), FeldBetrag(text)});
    };
    const auto zahl = [&](const char16_t* titel, const QString& text, const QString& einheit = {}) {
      if (!text.isEmpty()) z.push_back({QString::fromUtf16(titel), text + einheit});
    };
    betrag(u"Sonstiger Bezug", a_.SonstigerBezug);
    betrag(u"Jahresarbeitslohn (ohne Bezug)", a_.Jahresarbeitslohn);
    betrag(u"Bisherige sonstige Bez\u00fcge", a_.BisherigeSonstigeBezuege);
    zahl(u"SV-Tage", a_.SVTage);
    betrag(u"SV-Entgelt bisher KV/PV", a_.SVEntgeltBisherKV);
    betrag(u"SV-Entgelt bisher RV/AV", a_.SVEntgeltBisherRV);
    zahl(u"SV-Tage Vorjahr", a_.VorjahrSVTage);
    betrag(u"SV-Entgelt Vorjahr KV/PV", a_.VorjahrSVEntgeltKV);
    betrag(u"SV-Entgelt Vorjahr RV/AV", a_.VorjahrSVEntgeltRV);
    if (!a_.VorjahrKVZusatz.isEmpty()) {
      z.push_back({QStringLiteral("KV-Zusatzbeitrag Vorjahr"), ProzentText(FeldZahl(a_.VorjahrKVZusatz))});
    }
    betrag(a_.Fuenftelregelung ? u"Abfindung mit F\u00fcnftelregelung" : u"Abfindung", a_.Abfindung);
    betrag(u"Dienstwagen: Listenpreis", a_.DienstwagenListenpreis);
    zahl(u"Dienstwagen: Entfernung", a_.DienstwagenKm, QStringLiteral(" km"));
    zahl(u"Dienstwagen: Anteil", a_.DienstwagenSatz);
    betrag(u"Sachbezug", a_.Sachbezug);
    betrag(u"Steuerfreie Bez\u00fcge", a_.Steuerfrei);
    betrag(u"Entgeltumwandlung", a_.Entgeltumwandlung);
    betrag(u"VWL Arbeitgeber", a_.VWLAG);
    betrag(u"VWL-Sparbetrag", a_.VWLSparbetrag);
  }

  // The social-insurance inputs of the rules from 2014, as the request
  // states them and the calculation applied them.
  void SozialversicherungAb2014(std::vector<TZeile>& z) {
    const TSVEingabe& sv = d_.SV;
    const TJahresRegeln& regeln = p_.R();
    const TSVPeriode& periode = p_.Periode;
    // The contribution group the contributions follow.
    if (e_.Beitragsgruppe) z.push_back({QStringLiteral("Beitragsgruppe"), QString::fromStdString(e_.Beitragsgruppe->Text())});
    if (regeln.KVZusatz) {
      // The fund's whole add-on rate; from 2019 the employee bears half.
      const TSatzPaar& zb = sv.Saetze[svKV2];
      const double an = zb.AN > 0 ? zb.AN * 100 : 0;
      const double ag = zb.AG > 0 ? zb.AG * 100 : 0;
      QString wert = QStringLiteral("entf\u00e4llt");
      if (an + ag > 0) {
        wert = ProzentText(an + ag);
        if (ag > 0) wert += QStringLiteral(" (AN ") + ProzentText(an) + QLatin1Char(')');
      }
      z.push_back({QStringLiteral("KV-Zusatzbeitrag"), wert});
    }
    if (periode.PVAbschlag > 0) {
      const int abschlaege = sv.PVAbschlaege;
      z.push_back({QStringLiteral("Beitragsabschl\u00e4ge PV"),
                   abschlaege > 0 ? QStringLiteral("%1 (%2 Kinder unter 25)").arg(abschlaege).arg(abschlaege + 1)
                                  : QStringLiteral("keine")});
    }
    if (regeln.Gleitzone()) {
      QString wert = QStringLiteral("nein");
      if (sv.Gleitzone) {
        if (e_.BE == 0 && e_.BE_AN == 0) {
          wert = QStringLiteral("nein (Lohn au\u00dferhalb)");
        } else {
          wert = QStringLiteral("ja");
          if (sv.RVVerzicht && periode.RVVerzichtMoeglich) wert += QStringLiteral(", RV ohne Reduzierung");
        }
      }
      z.push_back({QString::fromUtf8(ZonenName(p_.Jahr, p_.Monat)), wert});
      if (e_.BE != 0) z.push_back({QStringLiteral("Bemessungsentgelt"), Geld(e_.BE)});
      if (e_.BE_AN != 0) z.push_back({QStringLiteral("Bemessungsentgelt Arbeitnehmer"), Geld(e_.BE_AN)});
    }
    QString privat = QStringLiteral("nein");
    if (sv.PKV != 0) privat = sv.PKV == 2 ? QStringLiteral("ja, mit AG-Zuschuss") : QStringLiteral("ja");
    z.push_back({QStringLiteral("Private KV/PV"), privat});
    if (e_.PKVZuschuss_AG != 0) z.push_back({QStringLiteral("AG-Zuschuss private KV/PV"), Geld(e_.PKVZuschuss_AG)});
  }

  // The settlement.  With pay beside the regular wage it runs longer: it
  // then starts on a new page where the rest of the page does not hold it,
  // and where a page does not hold it at all (a large font), each of its
  // parts stays together.
  void Abrechnung() {
    if (teile_) {
      NotizenEinrichten();
      m_.Zusammenhalten(m_.Hoehe([&] { AbrechnungsTeile(); }));
    }
    AbrechnungsTeile();
    m_.DruckVorschub(0);
    m_.DruckVorschub(groesse_);
    m_.DruckVorschub(groesse_);
  }

  void AbrechnungsTeile() {
    const std::function<void()> teile[] = {[&] { Steuern(); }, [&] { Sozialversicherung(); },
                                           [&] { Lohnkosten(); }, [&] { Auszahlung(); }};
    for (const auto& teil : teile) {
      if (teile_) m_.Zusammenhalten(m_.Hoehe(teil));
      teil();
    }
  }

  // The gross wage, the taxes, the wage after taxes.
  void Steuern() {
    const TMonatsErgebnis& s = e_;
    Ueberschrift(QStringLiteral("Abrechnung:"));
    m_.DruckText(groesse_ + 2, kFett | kUnterstrichen, kRechts, 70, kOhneSchatten,
                 QStringLiteral("Arb.nehmer"));
    m_.DruckText(groesse_ + 2, kFett | kUnterstrichen, kRechts, 97, kOhneSchatten,
                 QStringLiteral("Arb.geber"));
    m_.DruckVorschub(0);
    spalte_ = 70;
    if (teile_) {
      Bruttoteile();
    } else {
      DruckeANAG(a_.LTxt1, false, s.RE4, s.RE4);
    }
    DruckeANAG(a_.LLoSt, false, s.LSt, s.LStPausch);
    DavonSonstigerBezug(s.LSt_sonstig);
    DruckeANAG(a_.LTxt3, false, s.KiSt, s.KiStPausch);
    DavonSonstigerBezug(s.KiSt_sonstig);
    DruckeANAG(a_.LTxt4, false, s.Soli, s.SoliPausch);
    DavonSonstigerBezug(s.Soli_sonstig);
    m_.DruckLinie(false, 70, 55);
    DruckeANAG(a_.LTxt5, false, s.SteuerSumme, s.SteuerSummePausch);
    m_.DruckLinie(false, 70, 0);
    DruckeANAG(QStringLiteral("Lohn ") + a_.LTxt6, false, s.BruttoNachSteuer, s.BruttoPlusPausch);
    m_.DruckLinie(true, 70, 0);
    m_.DruckVorschub(4);
  }

  // The contributions, the other deductions, the net wage.
  void Sozialversicherung() {
    const TMonatsErgebnis& s = e_;
    spalte_ = 70;
    if (teile_) SVBrutto();
    Beitraege();
    m_.DruckLinie(false, 97, 55);
    DruckeANAG(a_.LTxt13, false, s.SVSummeAN, s.SVSummeAG);
    m_.DruckLinie(true, 97, 0);
    DruckeZeile(a_.ErgText + QStringLiteral(" ="), a_.ErgZusatz, false);
    if (teile_) {
      // Not paid out: the company car (no cost of wages to the employer
      // either), the benefits in kind, the pay converted into a pension.
      if (s.GWV != 0) DruckeANAG(QStringLiteral("Dienstwagen (GwV) ="), false, -s.GWV, -s.GWV);
      if (s.Sachbezug != 0) DruckeBetrag(QStringLiteral("Sachbezug ="), false, -s.Sachbezug);
      if (s.Entgeltumwandlung != 0) DruckeBetrag(QStringLiteral("Entgeltumwandlung ="), false, -s.Entgeltumwandlung);
      if (s.GWV != 0 || s.Sachbezug != 0 || s.Entgeltumwandlung != 0) m_.DruckLinie(false, 70, 55);
    }
    DruckeBetrag(QStringLiteral("Netto Lohn ="), true, s.Netto);
    m_.DruckLinie(true, 100, 0);
    m_.DruckVorschub(4);
  }

  // The employer's cost, and from 2014 his levies on top.
  void Lohnkosten() {
    const TMonatsErgebnis& s = e_;
    spalte_ = 97;
    // The employer's subsidies to deferred compensation and to a private
    // insurance are part of the cost.
    if (s.BAVZuschuss_AG != 0) DruckeBetrag(QStringLiteral("AG-Zuschuss bAV ="), false, s.BAVZuschuss_AG);
    if (neueRegeln_ && s.PKVZuschuss_AG != 0) {
      DruckeBetrag(QStringLiteral("AG-Zuschuss private KV/PV ="), false, s.PKVZuschuss_AG);
    }
    DruckeBetrag(QStringLiteral("Lohnkosten ="), true, s.AGGesamt);
    if (neueRegeln_) {
      DruckeBetrag(QStringLiteral("Umlage U1 (Krankheit) ="), false, s.U1_AG);
      DruckeBetrag(QStringLiteral("Umlage U2 (Mutterschaft) ="), false, s.U2_AG);
      DruckeBetrag(QStringLiteral("Insolvenzgeldumlage ="), false, s.IGU_AG);
      m_.DruckLinie(false, 97, 55);
      DruckeBetrag(QStringLiteral("Lohnkosten mit Umlagen ="), true, s.AGGesamtUmlagen);
    }
    m_.DruckLinie(true, 100, 0);
  }

  // Whether the slip has pay beside the regular wage: then the settlement
  // shows the parts of the gross, the bases of tax and contributions, what
  // is not paid out and the payout.
  static bool MitLohnteilen(const TMonatsErgebnis& e) {
    return e.SonstigerBezug != 0 || e.Abfindung != 0 || e.GWV != 0 || e.Sachbezug != 0 || e.Steuerfrei != 0 ||
           e.VWL_AG != 0 || e.Entgeltumwandlung != 0 || e.BAVZuschuss_AG != 0 || e.VWLSparbetrag != 0 ||
           e.Aktivrente_steuerfrei != 0;
  }

  // The parts of the gross wage and their sum, each on both sides: the
  // employer grants them all; the taxable gross below.
  void Bruttoteile() {
    const TMonatsErgebnis& s = e_;
    const auto teil = [&](const char16_t* titel, std::int64_t betrag) {
      if (betrag != 0) DruckeANAG(QString::fromUtf16(titel) + QStringLiteral(" ="), false, betrag, betrag);
    };
    teil(u"Laufender Lohn", s.LaufenderLohn);
    teil(u"Sonstiger Bezug", s.SonstigerBezug);
    teil(u"Abfindung", s.Abfindung);
    teil(u"Dienstwagen (GwV)", s.GWV);
    teil(u"Sachbezug", s.Sachbezug);
    teil(u"VWL Arbeitgeber", s.VWL_AG);
    teil(u"Steuerfreie Bez\u00fcge", s.Steuerfrei);
    m_.DruckLinie(false, 97, 55);
    DruckeANAG(QStringLiteral("Gesamtbrutto ="), false, s.Gesamtbrutto, s.Gesamtbrutto);
    if (s.Aktivrente_steuerfrei != 0) Notiz(QStringLiteral("Aktivrente steuerfrei"), s.Aktivrente_steuerfrei);
    Notiz(QStringLiteral("Steuerbrutto"), s.SteuerBrutto);
  }

  // A note beside the settlement's lines, no line of any sum: indented,
  // in italics, its amount left of the employee's amounts (see
  // NotizenEinrichten).
  void Notiz(const QString& titel, std::int64_t betrag, double einzug = kEinzug) {
    m_.DruckText(notizGroesse_, kKursiv, kLinks, einzug, kOhneSchatten, titel);
    if (notizEigeneZeile_) m_.DruckVorschub(0);
    m_.DruckText(notizGroesse_, kKursiv, kRechts, notizSpalte_, kOhneSchatten, Geld(betrag));
    m_.DruckVorschub(0);
  }
  void DavonSonstigerBezug(std::int64_t betrag) {
    if (betrag != 0) Notiz(kDavon, betrag);
  }

  // A note without an amount, over as many lines as the notes' column
  // needs (a word longer than it on a line of its own).
  void NotizText(const QString& text) {
    const double breite = std::max(notizSpalte_, kSpalteNotiz) - kEinzug;
    QString zeile;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const QString laenger = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
      if (!zeile.isEmpty() && m_.TextBreiteProzent(notizGroesse_, kKursiv, laenger) > breite) {
        m_.DruckText(notizGroesse_, kKursiv, kLinks, kEinzug, kOhneSchatten, zeile);
        m_.DruckVorschub(0);
        zeile = wort;
      } else {
        zeile = laenger;
      }
    }
    if (!zeile.isEmpty()) {
      m_.DruckText(notizGroesse_, kKursiv, kLinks, kEinzug, kOhneSchatten, zeile);
      m_.DruckVorschub(0);
    }
  }

  struct TNotiz {
    QString Titel;
    std::int64_t Betrag = 0;
    double Einzug = kEinzug;
  };

  // The wage liable to the social insurance: per branch where the two
  // differ; of a one-off the liable part and the pro-rated yearly ceilings
  // it was measured against (section 23a SGB IV).
  std::vector<TNotiz> SVNotizen() const {
    const TMonatsErgebnis& s = e_;
    std::vector<TNotiz> n;
    if (!p_.R().Vorhanden) return n;
    const bool einmal = s.SonstigerBezug != 0;
    if (s.SVBrutto_KV == s.SVBrutto_RV && s.Einmalzahlung_KV == s.Einmalzahlung_RV) {
      n.push_back({QStringLiteral("SV-Brutto"), s.SVBrutto_KV});
      if (einmal) n.push_back({kDavon, s.Einmalzahlung_KV, 2 * kEinzug});
    } else {
      n.push_back({QStringLiteral("SV-Brutto KV/PV"), s.SVBrutto_KV});
      if (einmal) n.push_back({kDavon, s.Einmalzahlung_KV, 2 * kEinzug});
      n.push_back({QStringLiteral("SV-Brutto RV/AV"), s.SVBrutto_RV});
      if (einmal) n.push_back({kDavon, s.Einmalzahlung_RV, 2 * kEinzug});
    }
    if (s.AnteiligeBBG_KV != 0 || s.AnteiligeBBG_RV != 0) {
      n.push_back({s.Maerzklausel ? kBBGVorjahrKV : kBBGKV, s.AnteiligeBBG_KV});
      n.push_back({s.Maerzklausel ? kBBGVorjahrRV : kBBGRV, s.AnteiligeBBG_RV});
    }
    return n;
  }

  // Above the contributions: the notes of the social insurance and where
  // the March clause put a one-off.
  void SVBrutto() {
    if (!p_.R().Vorhanden) return;
    for (const TNotiz& n : SVNotizen()) Notiz(n.Titel, n.Betrag, n.Einzug);
    if (e_.Maerzklausel) {
      NotizText(QStringLiteral("M\u00e4rzklausel (\u00a7 23a Abs. 4 SGB IV): dem letzten "
                               "Abrechnungszeitraum des Vorjahres zugeordnet"));
    }
    m_.DruckVorschub(4);
  }

  // The notes' size and where their amounts end: left of the employee's
  // amounts, in a smaller size where a large font leaves no room there
  // (as the rates of the contributions take), and where even the smallest
  // does not fit beside its caption, each amount on a line of its own
  // below it.
  void NotizenEinrichten() {
    const TMonatsErgebnis& s = e_;
    std::vector<TNotiz> notizen = SVNotizen();
    notizen.push_back({QStringLiteral("Steuerbrutto"), s.SteuerBrutto});
    for (std::int64_t davon : {s.LSt_sonstig, s.KiSt_sonstig, s.Soli_sonstig}) notizen.push_back({kDavon, davon});
    const auto spalteFuer = [&](int groesse, bool eigeneZeile) {
      double spalte = 0;
      for (const TNotiz& n : notizen) {
        const double betrag = m_.TextBreiteProzent(groesse, kKursiv, Geld(n.Betrag));
        const double titel = eigeneZeile ? 0 : m_.TextBreiteProzent(groesse, kKursiv, n.Titel) + kAbstand;
        spalte = std::max(spalte, n.Einzug + titel + betrag);
      }
      return spalte;
    };
    // The employee's amounts of the settlement's lines start here.
    double betragAN = 0;
    for (std::int64_t b : {s.Gesamtbrutto, s.BruttoNachSteuer, s.SVSummeAN, s.Netto}) {
      betragAN = std::max(betragAN, m_.TextBreiteProzent(groesse_, kNormal, Geld(b)));
    }
    const double frei = kSpalteAN - kAbstand - betragAN;
    const int kleinste = std::max(kKleinsteSatzGroesse, groesse_ * 3 / 4);
    notizGroesse_ = groesse_;
    while (notizGroesse_ > kleinste && spalteFuer(notizGroesse_, false) > frei) --notizGroesse_;
    notizEigeneZeile_ = spalteFuer(notizGroesse_, false) > frei;
    // On lines of their own the notes need not be smaller than the rest.
    if (notizEigeneZeile_) notizGroesse_ = groesse_;
    notizSpalte_ = std::max(spalteFuer(notizGroesse_, notizEigeneZeile_), std::min(kSpalteNotiz, frei));
  }

  // Below the employer's cost: what of the net wage is paid out, with the
  // child benefit and the employer's subsidy to a private insurance, less
  // the savings amount of the employee's contract.
  void Auszahlung() {
    if (!teile_) return;
    const TMonatsErgebnis& s = e_;
    m_.DruckVorschub(4);
    spalte_ = 70;
    bool zeilen = false;
    const auto zeile = [&](const char16_t* titel, std::int64_t betrag) {
      if (betrag == 0) return;
      DruckeBetrag(QString::fromUtf16(titel), false, betrag);
      zeilen = true;
    };
    zeile(u"Kindergeld =", s.Kindergeld);
    zeile(u"AG-Zuschuss private KV/PV =", s.PKVZuschuss_AG);
    zeile(u"VWL-Sparbetrag =", -s.VWLSparbetrag);
    if (zeilen) m_.DruckLinie(false, 70, 55);
    DruckeBetrag(QStringLiteral("Auszahlungsbetrag ="), true, s.Auszahlung);
    m_.DruckLinie(true, 100, 0);
  }

  // The contribution lines, each side's amount with the rate it was
  // computed with (the minijob's employer his flat rates, the employee his
  // top-up; "–" for a side that pays nothing).  Each rate stands just
  // left of its side's amounts; where a large font leaves no room there,
  // the rates take a smaller size, and where even the smallest does not
  // fit, each goes on a line of its own below its amount.
  void Beitraege() {
    const std::array<TSatzPaar, svAnzahl>& saetze = e_.Saetze;
    const auto AN = [&](int art) { return e_.Beitrag(static_cast<TSVArt>(art)).AN; };
    const auto AG = [&](int art) { return e_.Beitrag(static_cast<TSVArt>(art)).AG; };
    struct TBeitrag {
      const char16_t* Titel;
      int Art;
    };
    std::vector<TBeitrag> zeilen = {{u"Krankenversicherungsbeitrag", svKV}};
    if (AN(svKV2) + AG(svKV2) != 0) zeilen.push_back({u"Zusatzbetrag zur KV", svKV2});
    zeilen.push_back({u"Rentenversicherungsbeitrag *)", svRV});
    zeilen.push_back({u"Arbeitslosenversicherungsbeitrag", svAV});
    zeilen.push_back({u"Pflegeversicherungsbeitrag", svPV});
    if (AN(svPV2) + AG(svPV2) != 0) zeilen.push_back({u"Zusatzbetrag zur PV", svPV2});

    double titel = 0, betragAN = 0, betragAG = 0;
    for (const TBeitrag& z : zeilen) {
      titel = std::max(titel, m_.TextBreiteProzent(groesse_, kNormal, QString::fromUtf16(z.Titel)));
      betragAN = std::max(betragAN, m_.TextBreiteProzent(groesse_, kNormal, Geld(AN(z.Art))));
      betragAG = std::max(betragAG, m_.TextBreiteProzent(groesse_, kNormal, Geld(AG(z.Art))));
    }
    const double rechtsAN = kSpalteAN - betragAN - kAbstand;
    const double rechtsAG = kSpalteAG - betragAG - kAbstand;
    const auto passt = [&](int groesse) {
      double satzAN = 0, satzAG = 0;
      for (const TBeitrag& z : zeilen) {
        satzAN = std::max(satzAN, m_.TextBreiteProzent(groesse, kNormal, SatzText(saetze[z.Art].AN)));
        satzAG = std::max(satzAG, m_.TextBreiteProzent(groesse, kNormal, SatzText(saetze[z.Art].AG)));
      }
      return rechtsAN - satzAN >= titel + kAbstand && rechtsAG - satzAG >= kSpalteAN + kAbstand;
    };
    // No rate larger than the amounts beside it, nor much smaller.
    const int satzVorgabe = std::min(m_.BasisGroesse, groesse_);
    const int kleinste = std::max(kKleinsteSatzGroesse, groesse_ * 3 / 4);
    int satzGroesse = satzVorgabe;
    while (satzGroesse > kleinste && !passt(satzGroesse)) --satzGroesse;
    const bool eigeneZeile = !passt(satzGroesse);
    if (eigeneZeile) satzGroesse = satzVorgabe;

    for (const TBeitrag& z : zeilen) {
      const QString an = SatzText(saetze[z.Art].AN);
      const QString ag = SatzText(saetze[z.Art].AG);
      if (eigeneZeile) {
        DruckeANAG(QString::fromUtf16(z.Titel), false, AN(z.Art), AG(z.Art));
        m_.DruckText(satzGroesse, kNormal, kRechts, kSpalteAN, kOhneSchatten, an);
        m_.DruckText(satzGroesse, kNormal, kRechts, kSpalteAG, kOhneSchatten, ag);
        m_.DruckVorschub(0);
        continue;
      }
      m_.DruckText(satzGroesse, kNormal, kRechts, rechtsAN, kOhneSchatten, an);
      m_.DruckText(satzGroesse, kNormal, kRechts, rechtsAG, kOhneSchatten, ag);
      DruckeANAG(QString::fromUtf16(z.Titel), false, AN(z.Art), AG(z.Art));
    }
  }

  void Bemessungsgrenzen() {
    Ueberschrift(QStringLiteral("Beitragsbemessungsgrenzen:"));
    m_.DruckVorschub(0);
    m_.DruckVorschub(3);
    const auto region = static_cast<std::uint8_t>(a_.Region == 0 ? rgOst : rgWest);
    const int lzzIndex = a_.LZZIndex >= 0 && a_.LZZIndex <= 3 ? a_.LZZIndex : 1;
    const TBBGZeitraum monat = BBGFuerZeitraum(p_.BBG, 2, region);
    const TBBGZeitraum zeitraum = BBGFuerZeitraum(p_.BBG, static_cast<std::uint8_t>(lzzIndex + 1), region);
    // The blanks that align the item texts in the list mean nothing on paper.
    const QString proZeitraum = QStringLiteral(" pro ") + a_.Lohnzahlungszeitraum.simplified();
    const struct {
      TBBGArt Art;
      const char16_t* Titel;
    } arten[] = {{bbgKV, u"Pflegevers. / Krankenvers."},
                 {bbgRV, u"Rentenversicherung"},
                 {bbgAV, u"Arbeitslosenversicherung"},
                 {bbgGF, u"Geringf\u00fcgig Besch."}};
    std::vector<TZeile> z;
    std::vector<QString> umgerechnet;
    for (const auto& art : arten) {
      z.push_back({QString::fromUtf16(art.Titel), JahresGeld(monat[art.Art]) + QStringLiteral(" pro Monat")});
      umgerechnet.push_back(JahresGeld(zeitraum[art.Art]) + proZeitraum);
    }
    TZeile privat{QStringLiteral("Basistarif KV/PV"), FeldBetrag(a_.PrivatBetrag)};
    std::vector<TZeile> alle = z;
    if (a_.Privat) alle.push_back(privat);
    spalte_ = WertSpalte(alle, 60);
    // The amounts of the pay period end together at 90 %, or further right
    // when the widest would run into the monthly amounts.  When they do not
    // fit beside them at all (a large font), each goes on a line of its own
    // below its monthly amount.
    double ende = 90;
    for (const QString& text : umgerechnet) {
      ende = std::max(ende, spalte_ + kAbstand + m_.TextBreiteProzent(groesse_, kNormal, text));
    }
    const bool eigeneZeile = ende > 100;
    for (std::size_t i = 0; i < z.size(); ++i) {
      if (lzzIndex != 1 && !eigeneZeile) {
        m_.DruckText(groesse_, kNormal, kRechts, ende, kOhneSchatten, umgerechnet[i]);
      }
      DruckeZeile(z[i].Titel, z[i].Wert, false);
      if (lzzIndex != 1 && eigeneZeile) {
        m_.DruckText(groesse_, kNormal, kRechts, spalte_, kOhneSchatten, umgerechnet[i]);
        m_.DruckVorschub(0);
      }
    }
    if (a_.Privat) {
      m_.DruckVorschub(0);
      DruckeZeile(privat.Titel, privat.Wert, false);
    }
  }

  // Least space between a label and its value, in percent of the width.
  static constexpr double kAbstand = 2;
  // The notes of the settlement: their indent and where their amounts end.
  static constexpr double kEinzug = 3;
  static constexpr double kSpalteNotiz = 55;
  static inline const QString kDavon = QStringLiteral("davon sonstiger Bezug");
  // The pro-rated yearly ceilings of a one-off (section 23a (3) SGB IV).
  static inline const QString kBBGKV = QStringLiteral("anteilige BBG KV/PV");
  static inline const QString kBBGRV = QStringLiteral("anteilige BBG RV/AV");
  static inline const QString kBBGVorjahrKV = QStringLiteral("anteilige BBG KV/PV Vorjahr");
  static inline const QString kBBGVorjahrRV = QStringLiteral("anteilige BBG RV/AV Vorjahr");
  // Where the amounts of the settlement end: the employee's, the employer's.
  static constexpr double kSpalteAN = 70;
  static constexpr double kSpalteAG = 97;
  // The smallest size the rates of the contributions take in a large font
  // (and at least three quarters of the amounts' size).
  static constexpr int kKleinsteSatzGroesse = 7;

  TDruckMaschine& m_;
  const TDruckAngaben& a_;
  const TAbrechnungsStand& s_;
  const TParameter& p_;
  // The result in the display currency, every sum formed from its shown
  // lines.
  const TMonatsErgebnis e_;
  // The records the calculation made of the request.
  const TDatensaetze d_;
  const int groesse_;
  double spalte_ = 50;
  double notizSpalte_ = kSpalteNotiz;
  int notizGroesse_ = 10;
  bool notizEigeneZeile_ = false;
  // The slip has pay beside the regular wage.
  bool teile_ = false;
  // The rules from 2014: pay month, flowchart, levies.
  bool neueRegeln_ = false;
};

}  // namespace

namespace {

// A number as a German user types it: "8", "8,5", "0,955".
QString Zahl(double wert) { return Gebietsschema().toString(wert, 'g', 10); }

// The inputs of pay beside the regular wage that the request gives and
// the calculation applies.
void LohnteileAngeben(const TAbrechnungsStand& s, TDruckAngaben& a) {
  const TParameter& p = s.Parameter;
  const TAnfrage& r = s.Anfrage;
  const auto gilt = [&](TFeld f) { return NichtVerfuegbar(p, r, f).empty(); };
  const auto text = [&](std::int64_t cent) {
    return QString::fromStdString(BetragAlsText(AnzeigeWert(p.Jahr, s.Euro, cent)));
  };
  // An amount given where not 0; an optional one given even as 0 (no
  // liable wage before, say).
  const auto betrag = [&](TFeld f, std::int64_t cent) { return cent != 0 && gilt(f) ? text(cent) : QString(); };
  const auto wahlweise = [&](TFeld f, const std::optional<std::int64_t>& cent) {
    return cent && gilt(f) ? text(*cent) : QString();
  };
  a.SonstigerBezug = betrag(TFeld::SonstigerBezug, r.SonstigerBezug);
  a.Jahresarbeitslohn = wahlweise(TFeld::Jahresarbeitslohn, r.Jahresarbeitslohn);
  a.BisherigeSonstigeBezuege = betrag(TFeld::BisherigeSonstigeBezuege, r.BisherigeSonstigeBezuege);
  if (r.SVTage && gilt(TFeld::SVTage)) a.SVTage = QString::number(*r.SVTage);
  a.SVEntgeltBisherKV = wahlweise(TFeld::SVEntgeltBisherKV, r.SVEntgeltBisherKV);
  a.SVEntgeltBisherRV = wahlweise(TFeld::SVEntgeltBisherRV, r.SVEntgeltBisherRV);
  // A full previous year is what the calculation assumes unless told.
  if (r.VorjahrSVTage != TAnfrage{}.VorjahrSVTage && gilt(TFeld::VorjahrSVTage)) {
    a.VorjahrSVTage = QString::number(r.VorjahrSVTage);
  }
  a.VorjahrSVEntgeltKV = wahlweise(TFeld::VorjahrSVEntgeltKV, r.VorjahrSVEntgeltKV);
  a.VorjahrSVEntgeltRV = wahlweise(TFeld::VorjahrSVEntgeltRV, r.VorjahrSVEntgeltRV);
  if (r.VorjahrKVZusatz && gilt(TFeld::VorjahrKVZusatz)) a.VorjahrKVZusatz = Zahl(*r.VorjahrKVZusatz);
  a.Abfindung = betrag(TFeld::Abfindung, r.Abfindung);
  a.Fuenftelregelung = !a.Abfindung.isEmpty() && r.Fuenftelregelung && gilt(TFeld::Fuenftelregelung);
  a.DienstwagenListenpreis = betrag(TFeld::DienstwagenListenpreis, r.DienstwagenListenpreis);
  if (!a.DienstwagenListenpreis.isEmpty()) {
    if (r.DienstwagenKm != 0 && gilt(TFeld::DienstwagenKm)) a.DienstwagenKm = Zahl(r.DienstwagenKm);
    if (r.DienstwagenSatz && gilt(TFeld::DienstwagenSatz)) a.DienstwagenSatz = Zahl(*r.DienstwagenSatz);
  }
  a.Sachbezug = betrag(TFeld::Sachbezug, r.Sachbezug);
  a.Steuerfrei = betrag(TFeld::Steuerfrei, r.Steuerfrei);
  a.Entgeltumwandlung = betrag(TFeld::Entgeltumwandlung, r.Entgeltumwandlung);
  a.VWLAG = betrag(TFeld::VWLAG, r.VWLAG);
  a.VWLSparbetrag = betrag(TFeld::VWLSparbetrag, r.VWLSparbetrag);
}

}  // namespace

TDruckAngaben DruckAngabenFuer(const TAbrechnungsStand& s) {
  const TParameter& p = s.Parameter;
  const TDatensaetze d = Aufbereiten(p, s.Anfrage);
  const TLStEingabe& l = d.LSt;
  // An amount of the year's currency in the display currency; empty for 0.
  const auto Betrag = [&](std::int64_t cent) {
    return cent == 0 ? QString() : QString::fromStdString(BetragAlsText(AnzeigeWert(p.Jahr, s.Euro, cent)));
  };
  TDruckAngaben a;
  a.Titel = QStringLiteral("Lohnsteuerberechnung %1").arg(p.Jahr);
  a.LZZIndex = std::clamp<int>(d.LZ.LZZ, 1, 4) - 1;
  a.Lohnzahlungszeitraum = ZeitraumText(a.LZZIndex);
  a.Steuerklasse = SteuerklassenText(l.STKL);
  a.Faktorverfahren = l.af && l.STKL == 4;
  a.Faktor = Zahl(a.Faktorverfahren ? l.f : 1.0);
  a.Bekenntnislos = l.Bekenntnislos;
  a.Kirchensteuer = Zahl(Dezimal15(l.KiStSatz * 100));
  a.Altersentlastung = l.ALTER1;
  a.AktivrenteSichtbar = p.R().AktivrenteMonat > 0;
  a.Aktivrente = s.Anfrage.Aktivrente && NichtVerfuegbar(p, s.Anfrage, TFeld::Aktivrente).empty();
  if (s.Anfrage.Bundesland) a.Bundesland = QString::fromUtf8(BundeslandDaten(*s.Anfrage.Bundesland).Name);
  a.TabArt = l.TabArt;
  a.Versorgungsbezuege = Betrag(l.VBEZ);
  a.VersorgungJanuar = Betrag(l.VBEZM);
  a.VersorgungSonder = Betrag(l.VBEZS);
  a.VersorgungMonate = QString::number(l.ZMVB);
  a.Freibetrag = Betrag(l.Freibetrag);
  a.Hinzurechnung = Betrag(l.Hinzurechnung);
  a.Sterbegeld = Betrag(l.STERBE);
  a.Kinder = l.ZKF == 0 ? QString() : Zahl(l.ZKF);
  a.Region = d.SV.Region == 0 ? 0 : 1;
  const TAnfrage mitGruppe = MitGruppe(p, s.Anfrage);
  const int beschaeftigung = std::clamp(mitGruppe.Beschaeftigung, 0, beAnzahl - 1);
  a.GF = beschaeftigung == beGF || beschaeftigung == beHH;
  a.Haushalt = beschaeftigung == beHH;
  a.AufstockungAn = d.SV.Aufstockung;
  const double auf = p.Saetze[beschaeftigung][svRVAuf].AN;
  a.AufstockungProzent = auf >= 0 ? Zahl(Dezimal15(auf * 100)) : QStringLiteral("0");
  a.Privat = d.SV.PKV != 0;
  a.PrivatBetrag = QString::fromStdString(BetragAlsText(static_cast<double>(mitGruppe.PrivatBeitrag) / 100));
  LohnteileAngeben(s, a);
  a.ErgText = QString::fromStdString(s.Anfrage.SonstigeBezeichnung);
  if (s.ArbeitnehmerSicht) {
    a.ErgZusatz = GeldText(AnzeigeWert(p.Jahr, s.Euro, d.SonstigeAbzuege), Waehrungszeichen(s.Euro));
  } else {
    // The employer's view names the flat-rate tax and has no deductions.
    if (l.PauschSatzAG > 0) a.LLoSt = QStringLiteral("Pauschalsteuer =");
    a.ErgZusatz.clear();
  }
  return a;
}

bool RechnungDrucken(TDruckMaschine& maschine, QPagedPaintDevice& geraet, const TDruckAngaben& a,
                     const TAbrechnungsStand& s, int druckGroesse) {
  if (!maschine.DruckBeginn(geraet, kAusrichtungBehalten, a.Titel)) return false;
  TAusdruck(maschine, a, s, druckGroesse > 0 ? druckGroesse : maschine.BasisGroesse).Drucken();
  return maschine.DruckEnde();
}

bool RechnungAlsPdf(TDruckMaschine& maschine, const QString& datei, const TDruckAngaben& a,
                    const TAbrechnungsStand& s, int druckGroesse, QString* grund) {
  return PdfSicherSchreiben(
      datei, QPageLayout::Portrait, [&](QPdfWriter& pdf) { return RechnungDrucken(maschine, pdf, a, s, druckGroesse); },
      QStringLiteral("Sie kann dort nicht angelegt werden (der Ordner fehlt oder ist nicht beschreibbar, oder das "
                     "Ziel ist keine gewöhnliche Datei)."),
      grund);
}

}  // namespace lst::druck
