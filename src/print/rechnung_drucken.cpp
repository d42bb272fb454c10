#include "print/rechnung_drucken.h"

#include <QPageLayout>
#include <QPageSize>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <vector>

#include "calc/anzeige.h"
#include "calc/geld.h"
#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"
#include "common/zahlen.h"
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
      : m_(m), a_(a), s_(s), p_(s.Parameter), e_(s.Ergebnis), d_(Aufbereiten(s.Parameter, s.Anfrage)),
        groesse_(groesse) {}

  void Drucken() {
    neueRegeln_ = p_.R().PeriodenNachMonat;
    Berechnungsdaten();
    Abrechnung();
    Bemessungsgrenzen();
  }

 private:
  QString Geld(std::int64_t cent) {
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
    z.push_back({QStringLiteral("Kirchensteuer"),
                 a_.Bekenntnislos ? QStringLiteral("bekenntnislos")
                                  : WieGetippt(a_.Kirchensteuer) + QStringLiteral(" %")});
    z.push_back({QStringLiteral("Altersentlastung (\u00a724a EStG)"), JaNein(a_.Altersentlastung)});
    z.push_back({QStringLiteral("versicherungsfrei (\u00a710c Abs.3 EStG)"), JaNein(a_.TabArt == 1)});
    if (p_.R().Guenstigerpruefung) {
      z.push_back({QStringLiteral("vers.frei, G\u00fcnstprfg. nach \u00a710c Abs.2 EStG"),
                   JaNein(a_.TabArt == 2)});
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

    Ueberschrift(QStringLiteral("Berechnungsdaten:"));
    m_.DruckVorschub(0);
    spalte_ = WertSpalte(z, 50);
    for (const TZeile& zeile : z) DruckeZeile(zeile.Titel, zeile.Wert, false);
    m_.DruckLinie(true, 100, 0);
    m_.DruckVorschub(0);
    m_.DruckVorschub(0);
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

  void Abrechnung() {
    const TMonatsErgebnis& s = e_;
    Ueberschrift(QStringLiteral("Abrechnung:"));
    m_.DruckText(groesse_ + 2, kFett | kUnterstrichen, kRechts, 70, kOhneSchatten,
                 QStringLiteral("Arb.nehmer"));
    m_.DruckText(groesse_ + 2, kFett | kUnterstrichen, kRechts, 97, kOhneSchatten,
                 QStringLiteral("Arb.geber"));
    m_.DruckVorschub(0);
    spalte_ = 70;
    const std::int64_t re4 = e_.RE4;
    DruckeANAG(a_.LTxt1, false, re4, re4);
    DruckeANAG(a_.LLoSt, false, s.LSt, s.LStPausch);
    DruckeANAG(a_.LTxt3, false, s.KiSt, s.KiStPausch);
    DruckeANAG(a_.LTxt4, false, s.Soli, s.SoliPausch);
    m_.DruckLinie(false, 70, 55);
    DruckeANAG(a_.LTxt5, false, s.SteuerSumme, s.SteuerSummePausch);
    m_.DruckLinie(false, 70, 0);
    DruckeANAG(QStringLiteral("Lohn ") + a_.LTxt6, false, s.BruttoNachSteuer, s.BruttoPlusPausch);
    m_.DruckLinie(true, 70, 0);
    m_.DruckVorschub(4);

    Beitraege();
    m_.DruckLinie(false, 97, 55);
    DruckeANAG(a_.LTxt13, false, e_.SVSummeAN, e_.SVSummeAG);
    m_.DruckLinie(true, 97, 0);
    DruckeZeile(a_.ErgText + QStringLiteral(" ="), a_.ErgZusatz, false);
    DruckeBetrag(QStringLiteral("Netto Lohn ="), true, e_.Netto);
    m_.DruckLinie(true, 100, 0);
    m_.DruckVorschub(4);
    spalte_ = 97;
    // The employer's subsidy to a private insurance is part of the cost.
    if (neueRegeln_ && e_.PKVZuschuss_AG != 0) {
      DruckeBetrag(QStringLiteral("AG-Zuschuss private KV/PV ="), false, e_.PKVZuschuss_AG);
    }
    DruckeBetrag(QStringLiteral("Lohnkosten ="), true, e_.AGGesamt);
    if (neueRegeln_) {
      // The employer's levies from 2014, on top of the cost.
      DruckeBetrag(QStringLiteral("Umlage U1 (Krankheit) ="), false, e_.U1_AG);
      DruckeBetrag(QStringLiteral("Umlage U2 (Mutterschaft) ="), false, e_.U2_AG);
      DruckeBetrag(QStringLiteral("Insolvenzgeldumlage ="), false, e_.IGU_AG);
      m_.DruckLinie(false, 97, 55);
      DruckeBetrag(QStringLiteral("Lohnkosten mit Umlagen ="), true, e_.AGGesamtUmlagen);
    }
    m_.DruckLinie(true, 100, 0);
    m_.DruckVorschub(0);
    m_.DruckVorschub(groesse_);
    m_.DruckVorschub(groesse_);
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
      z.push_back({QString::fromUtf16(art.Titel), Geld(monat[art.Art]) + QStringLiteral(" pro Monat")});
      umgerechnet.push_back(Geld(zeitraum[art.Art]) + proZeitraum);
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
  const TMonatsErgebnis& e_;
  // The records the calculation made of the request.
  const TDatensaetze d_;
  const int groesse_;
  double spalte_ = 50;
  // The rules from 2014: pay month, flowchart, levies.
  bool neueRegeln_ = false;
};

}  // namespace

namespace {

// A number as a German user types it: "8", "8,5", "0,955".
QString Zahl(double wert) { return Gebietsschema().toString(wert, 'g', 10); }

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
  const auto fehler = [&](const QString& text) {
    if (grund != nullptr) *grund = text;
    return false;
  };
  // A half-written PDF never takes the place of a good one: the pages go
  // into a temporary file beside the target, renamed over it at the end.
  // A device or a pipe cannot be replaced (and would be written in place).
  const QFileInfo info(datei);
  if (info.exists() && !info.isFile()) {
    return fehler(QStringLiteral("Das Ziel ist keine gewöhnliche Datei."));
  }
  QSaveFile ziel(datei);
  if (!ziel.open(QIODevice::WriteOnly)) {
    return fehler(QStringLiteral("Sie kann dort nicht angelegt werden (der Ordner fehlt oder ist nicht "
                                 "beschreibbar, oder das Ziel ist keine gewöhnliche Datei)."));
  }
  bool gedruckt = false;
  {
    QPdfWriter pdf(&ziel);
    pdf.setResolution(600);
    pdf.setCreator(QStringLiteral("Lohnsteuer"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    gedruckt = RechnungDrucken(maschine, pdf, a, s, druckGroesse);
  }
  // A write that failed (a full disk, a size limit) leaves its mark on the
  // file; the temporary file is then removed and the target stays as it was.
  const bool schreibfehler = !ziel.flush() || ziel.error() != QFileDevice::NoError;
  if (!gedruckt || schreibfehler) {
    ziel.cancelWriting();
    return fehler(schreibfehler ? QStringLiteral("Schreibfehler, etwa weil der Datenträger voll ist; eine "
                                                 "vorhandene Datei bleibt unverändert.")
                                : QStringLiteral("Der Ausdruck konnte nicht erzeugt werden; eine vorhandene "
                                                 "Datei bleibt unverändert."));
  }
  if (!ziel.commit()) {
    return fehler(QStringLiteral("Sie konnte nicht vollständig geschrieben oder nicht an ihre Stelle gesetzt "
                                 "werden; eine vorhandene Datei bleibt unverändert."));
  }
  return true;
}

}  // namespace lst::druck
