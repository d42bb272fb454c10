#include "print/rechnung_drucken.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>

#include "calc/sozialversicherung.h"
#include "print/gebietsschema.h"

namespace lst::druck {

QString ZeitraumText(int lzzIndex) {
  switch (lzzIndex) {
    case 0: return QStringLiteral("Jahr     (360 Tage)");
    case 2: return QStringLiteral("Woche (7 Tage)");
    case 3: return QStringLiteral("Tag");
    default: return QStringLiteral("Monat  (30 Tage)");
  }
}

namespace {

QString JaNein(bool b) { return b ? QStringLiteral("ja") : QStringLiteral("nein"); }

// A number field's text as typed; an empty field prints as 0.
QString WieGetippt(const QString& text) {
  const QString t = text.trimmed();
  return t.isEmpty() ? QStringLiteral("0") : t;
}

class TAusdruck {
 public:
  TAusdruck(TDruckMaschine& m, const TDruckAngaben& a, TRechenKontext& k, const TRechnerDaten& d,
            int groesse)
      : m_(m), a_(a), k_(k), d_(d), groesse_(groesse) {}

  void Drucken() {
    Berechnungsdaten();
    Abrechnung();
    Bemessungsgrenzen();
  }

 private:
  QString Geld(std::int64_t cent) { return GeldText(AusCent(k_, cent), k_.Waehrung); }
  // An amount field: its typed number, without currency conversion.
  QString FeldBetrag(const QString& text) {
    AusCent(k_, 0);  // the currency symbol of the year
    return GeldText(FeldZahl(text), k_.Waehrung);
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
    m_.DruckText(groesse_, stil, kRechts, 70, kOhneSchatten, Geld(an));
    m_.DruckText(groesse_, stil, kRechts, 97, kOhneSchatten, Geld(ag));
    m_.DruckVorschub(0);
  }
  void DruckeSatzANAG(const QString& titel, double satzAN, std::int64_t an, std::int64_t ag) {
    // A negative rate marks a contribution that is not levied.
    const QString satz = satzAN < 0 ? QStringLiteral("\u2013")
                                    : Gebietsschema().toString(satzAN * 100, 'f', 3) +
                                          QStringLiteral(" %");
    m_.DruckText(m_.BasisGroesse, kNormal, kRechts, 50, kOhneSchatten, satz);
    DruckeANAG(titel, false, an, ag);
  }
  void Ueberschrift(const QString& text) {
    m_.DruckText(groesse_ + 2, kFett, kLinks, 0, kOhneSchatten, text);
  }

  void Berechnungsdaten() {
    spalte_ = 50;
    Ueberschrift(QStringLiteral("Berechnungsdaten:"));
    m_.DruckVorschub(0);
    DruckeZeile(QStringLiteral("Lohnzahlungszeitraum"), a_.Lohnzahlungszeitraum.simplified(), false);
    DruckeZeile(QStringLiteral("Lohnsteuerklasse"), a_.Steuerklasse, false);
    if (a_.Faktorverfahren) {
      DruckeZeile(QStringLiteral("Faktor Lohnsteuerabzugsverfahren"), WieGetippt(a_.Faktor), false);
    }
    DruckeZeile(QStringLiteral("Kirchensteuer"),
                a_.Bekenntnislos ? QStringLiteral("bekenntnislos")
                                 : WieGetippt(a_.Kirchensteuer) + QStringLiteral(" %"),
                false);
    DruckeZeile(QStringLiteral("Altersentlastung (\u00a724a EStG)"), JaNein(a_.Altersentlastung),
                false);
    DruckeZeile(QStringLiteral("versicherungsfrei (\u00a710c Abs.3 EStG)"), JaNein(a_.TabArt == 1),
                false);
    if (k_.LStJahr >= 2008) {
      DruckeZeile(QStringLiteral("vers.frei, G\u00fcnstprfg. nach \u00a710c Abs.2 EStG"),
                  JaNein(a_.TabArt == 2), false);
    }
    DruckeZeile(QStringLiteral("Versorgungsbez\u00fcge"), FeldBetrag(a_.Versorgungsbezuege), false);
    DruckeZeile(QStringLiteral("Vers.bez. im Januar"), FeldBetrag(a_.VersorgungJanuar), false);
    DruckeZeile(QStringLiteral("Sond.zahlg. f\u00fcr Vers.empf\u00e4nger"),
                FeldBetrag(a_.VersorgungSonder), false);
    DruckeZeile(QStringLiteral("Vers.bez. gezahlt f\u00fcr"),
                WieGetippt(a_.VersorgungMonate) + QStringLiteral(" Monate"), false);
    DruckeZeile(QStringLiteral("Freibetrag"), FeldBetrag(a_.Freibetrag), false);
    DruckeZeile(QStringLiteral("Hinzurechnungsbetrag"), FeldBetrag(a_.Hinzurechnung), false);
    DruckeZeile(QStringLiteral("Abfindg./Kapitalausz./Sterbegeld"), FeldBetrag(a_.Sterbegeld),
                false);
    DruckeZeile(QStringLiteral("Kinder lt. Lohnsteuerkarte"), WieGetippt(a_.Kinder), false);
    DruckeZeile(QStringLiteral("Sozialversicherung Region"),
                a_.Region == 0 ? QStringLiteral("Ost") : QStringLiteral("West"), false);
    if (a_.GFSichtbar) {
      DruckeZeile(QStringLiteral("Geringf\u00fcgig Besch\u00e4ftigt"), JaNein(a_.GF), false);
    }
    if (a_.AufstockungSichtbar) {
      DruckeZeile(QStringLiteral("AN-Eigenanteil Aufstockung RV *)"),
                  a_.AufstockungAn ? WieGetippt(a_.AufstockungProzent) + QStringLiteral(" %")
                                   : QStringLiteral("nein"),
                  false);
    }
    m_.DruckLinie(true, 100, 0);
    m_.DruckVorschub(0);
    m_.DruckVorschub(0);
  }

  void Abrechnung() {
    const TGesamtErgebnis& e = d_.Ergebnis;
    const TLStErgebnis& s = e.LSt;
    Ueberschrift(QStringLiteral("Abrechnung:"));
    m_.DruckText(groesse_ + 2, kFett | kUnterstrichen, kRechts, 70, kOhneSchatten,
                 QStringLiteral("Arb.nehmer"));
    m_.DruckText(groesse_ + 2, kFett | kUnterstrichen, kRechts, 97, kOhneSchatten,
                 QStringLiteral("Arb.geber"));
    m_.DruckVorschub(0);
    spalte_ = 70;
    const std::int64_t re4 = d_.LohnZeitraum.RE4;
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

    const auto& satz = d_.SVEingabe.Saetze;
    const TSVErgebnis& sv = e.SV;
    DruckeSatzANAG(QStringLiteral("Krankenversicherungsbeitrag"), satz[svKV].AN, sv.AN(svKV),
                   sv.AG(svKV));
    if (sv.AN(svKV2) + sv.AG(svKV2) != 0) {
      DruckeSatzANAG(QStringLiteral("Zusatzbetrag zur KV"), satz[svKV2].AN, sv.AN(svKV2),
                     sv.AG(svKV2));
    }
    DruckeSatzANAG(QStringLiteral("Rentenversicherungsbeitrag *)"), satz[svRV].AN, sv.AN(svRV),
                   sv.AG(svRV));
    DruckeSatzANAG(QStringLiteral("Arbeitslosenversicherungsbeitrag"), satz[svAV].AN,
                   sv.AN(svAV), sv.AG(svAV));
    DruckeSatzANAG(QStringLiteral("Pflegeversicherungsbeitrag"), satz[svPV].AN, sv.AN(svPV),
                   sv.AG(svPV));
    if (sv.AN(svPV2) + sv.AG(svPV2) != 0) {
      DruckeSatzANAG(QStringLiteral("Zusatzbetrag zur PV"), satz[svPV2].AN, sv.AN(svPV2),
                     sv.AG(svPV2));
    }
    m_.DruckLinie(false, 97, 55);
    DruckeANAG(a_.LTxt13, false, sv.SVSummeAN(), sv.SVSummeAG());
    m_.DruckLinie(true, 97, 0);
    DruckeZeile(a_.ErgText + QStringLiteral(" ="), a_.ErgZusatz, false);
    DruckeBetrag(QStringLiteral("Netto Lohn ="), true, e.Netto);
    m_.DruckLinie(true, 100, 0);
    m_.DruckVorschub(4);
    spalte_ = 97;
    DruckeBetrag(QStringLiteral("Lohnkosten ="), true, e.AGGesamt);
    m_.DruckLinie(true, 100, 0);
    m_.DruckVorschub(0);
    m_.DruckVorschub(groesse_);
    m_.DruckVorschub(groesse_);
  }

  void Bemessungsgrenzen() {
    Ueberschrift(QStringLiteral("Beitragsbemessungsgrenzen:"));
    m_.DruckVorschub(0);
    m_.DruckVorschub(3);
    spalte_ = 60;
    const auto region = static_cast<std::uint8_t>(a_.Region == 0 ? rgOst : rgWest);
    const int lzzIndex = a_.LZZIndex >= 0 && a_.LZZIndex <= 3 ? a_.LZZIndex : 1;
    const TBBGZeitraum monat = BBGFuerZeitraum(k_.BBGTabelle, 2, region);
    const TBBGZeitraum zeitraum =
        BBGFuerZeitraum(k_.BBGTabelle, static_cast<std::uint8_t>(lzzIndex + 1), region);
    const struct {
      TBBGArt Art;
      const char16_t* Titel;
    } zeilen[] = {{bbgKV, u"Pflegevers. / Krankenvers."},
                  {bbgRV, u"Rentenversicherung"},
                  {bbgAV, u"Arbeitslosenversicherung"},
                  {bbgGF, u"Geringf\u00fcgig Besch."}};
    // The blanks that align the item texts in the list mean nothing on paper.
    const QString proZeitraum = QStringLiteral(" pro ") + a_.Lohnzahlungszeitraum.simplified();
    // The amounts of the pay period end at 90 %, or further right when the
    // widest would run into the monthly amounts (a wide font).
    double ende = 90;
    for (const auto& z : zeilen) {
      const double breite =
          m_.TextBreiteProzent(groesse_, kNormal, Geld(zeitraum[z.Art]) + proZeitraum);
      ende = std::min(100.0, std::max(ende, spalte_ + 3 + breite));
    }
    for (const auto& z : zeilen) {
      if (lzzIndex != 1) {
        m_.DruckText(groesse_, kNormal, kRechts, ende, kOhneSchatten,
                     Geld(zeitraum[z.Art]) + proZeitraum);
      }
      DruckeZeile(QString::fromUtf16(z.Titel), Geld(monat[z.Art]) + QStringLiteral(" pro Monat"),
                  false);
    }
    if (a_.Privat) {
      m_.DruckVorschub(0);
      DruckeZeile(QStringLiteral("Basistarif KV/PV"), FeldBetrag(a_.PrivatBetrag), false);
    }
  }

  TDruckMaschine& m_;
  const TDruckAngaben& a_;
  TRechenKontext& k_;
  const TRechnerDaten& d_;
  const int groesse_;
  double spalte_ = 50;
};

}  // namespace

bool RechnungDrucken(TDruckMaschine& maschine, QPagedPaintDevice& geraet, const TDruckAngaben& a,
                     TRechenKontext& k, const TRechnerDaten& d, int druckGroesse) {
  if (!maschine.DruckBeginn(geraet, kAusrichtungBehalten, a.Titel)) return false;
  TAusdruck(maschine, a, k, d, druckGroesse > 0 ? druckGroesse : maschine.BasisGroesse).Drucken();
  return maschine.DruckEnde();
}

bool RechnungAlsPdf(TDruckMaschine& maschine, const QString& datei, const TDruckAngaben& a,
                    TRechenKontext& k, const TRechnerDaten& d, int druckGroesse) {
  QPdfWriter pdf(datei);
  pdf.setResolution(600);
  pdf.setCreator(QStringLiteral("Lohnsteuer"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  return RechnungDrucken(maschine, pdf, a, k, d, druckGroesse);
}

}  // namespace lst::druck
