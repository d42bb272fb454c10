#include "ui/calculator/saetze.h"

#include <QCheckBox>
#include <QLocale>
#include <QVariant>

#include <algorithm>

#include "calc/jahresregeln.h"
#include "calc/satzeingabe.h"
#include "calc/sozialversicherung.h"
#include "calc/sv_einstellungen.h"
#include "common/qt/edit_cs.h"
#include "ui/calculator/eingabe_maske.h"
#include "ui/calculator/feld_hinweise.h"

namespace lst {

namespace {

int Typ(const TAnfrage& a) { return a.Beschaeftigung == beGF || a.Beschaeftigung == beHH ? a.Beschaeftigung : beNV; }

// Saxony's care rates stand in the care fields.
bool SachsenAktiv(const TAnfrage& a) { return a.Sachsen && a.Region == rgOst && !a.Privat; }

}  // namespace

TSatzVerwaltung::TSatzVerwaltung(const TDateiNamen& namen, const TEingabeFelder& f) : namen_(namen), f_(f) {}

std::vector<TSatzVerwaltung::TSatzFeld> TSatzVerwaltung::TabellenFelder() const {
  // In the order in which the rates are written into the fields.
  return {{f_.EKVANProz, svKV, true},   {f_.EKVAGProz, svKV, false}, {f_.EKV2ANProz, svKV2, true},
          {f_.ERVANProz, svRV, true},   {f_.ERVAGProz, svRV, false}, {f_.EAVAGProz, svAV, false},
          {f_.EAVANProz, svAV, true},   {f_.EPVAGProz, svPV, false}, {f_.EPVANProz, svPV, true},
          {f_.ePV2ANProz, svPV2, true}, {f_.EAufProz, svRVAuf, true}};
}

std::vector<TEditCS*> TSatzVerwaltung::Felder() const {
  std::vector<TEditCS*> felder;
  for (const TSatzFeld& s : TabellenFelder()) felder.push_back(s.Feld);
  for (TEditCS* e : {f_.EU1Proz, f_.EU2Proz, f_.EPauschSt}) felder.push_back(e);
  return felder;
}

// ---- the stored values ------------------------------------------------------------

void TSatzVerwaltung::Laden(int jahr, QStringList& warnungen) {
  const TIniAbbild abbild = namen_.SaetzeDatei().Abbild();
  TEinstellungsBericht bericht;
  jahr_ = jahr;
  ue_ = UeberschreibungenLaden(abbild, jahr, &bericht);
  geladen_ = ue_;
  for (const TIgnorierterWert& w : bericht) warnungen << QString::fromStdString(w.Meldung);
  unbrauchbar_ = bericht;
  gezeigt_.reset();
}

void TSatzVerwaltung::Speichern(bool allgemeineTabelle, QStringList& fehler) {
  if (!allgemeineTabelle || !ue_.Saetze) return;
  TNewIniFile saetze = namen_.SaetzeDatei();
  const double pausch = ue_.PauschSatz.value_or(PauschStProzentStandard(jahr_) / 100);
  // A stored value the window could not use stays as it stands, unless the
  // user typed into its field.
  bool gut = SVSaetzeSpeichern(saetze, jahr_, *ue_.Saetze, pausch, &unbrauchbar_);
  if (gut && JahresRegeln(jahr_).PeriodenNachMonat) {
    TSVZusatzWerte zusatz;
    zusatz.KVZusatzProzent = ue_.KVZusatzProzent.value_or(DurchschnittsZusatzbeitrag(jahr_, 1));
    zusatz.U1Prozent = ue_.U1Prozent.value_or(-1);
    zusatz.U2Prozent = ue_.U2Prozent.value_or(-1);
    gut = SVZusatzSpeichern(saetze, jahr_, zusatz, &unbrauchbar_);
  }
  if (!gut) {
    const QString datei = QString::fromStdString(saetze.FileName().string());
    if (!fehler.contains(datei)) fehler << datei;
  }
}

// ---- the rate fields ---------------------------------------------------------------

bool TSatzVerwaltung::Zeigen(const TParameter& p, const TAnfrage& anfrage) {
  const TAnfrage a = MitGruppe(p, anfrage);
  const TJahresRegeln& regeln = p.R();
  const int typ = Typ(a);
  const std::string gruppe = regeln.Beitragsgruppen ? BeitragsgruppeDerAnfrage(p, a).Text() : std::string();
  const TSchluessel schluessel{p.Jahr, p.Monat, typ, gruppe, SachsenAktiv(a), a.Privat, a.BesondereTabelle};
  if (gezeigt_ == schluessel) return false;
  gezeigt_ = schluessel;

  const auto& zeile = p.Saetze[typ];
  // From 2014 the contribution group in force says what is levied: a share
  // it does not levy is disabled and empty, a rate of its own (the reduced
  // health rate of KV 3) shown but not typed over.  A kind the year does
  // not know (the surcharges before 2005) stays disabled whatever the
  // settings file holds.
  std::array<TSatzPaar, svAnzahl> inKraft = zeile;
  if (regeln.Beitragsgruppen) SaetzeDerGruppe(BeitragsgruppeDerAnfrage(p, a), p.Jahr, p.Monat, inKraft);
  for (const TSatzFeld& s : TabellenFelder()) {
    TEditCS* e = s.Feld;
    const double wert = s.AN ? inKraft[s.Art].AN : inKraft[s.Art].AG;
    const bool erhoben = wert >= 0 && regeln.ArtVorhanden(typ, static_cast<TSVArt>(s.Art));
    const bool derGruppe = erhoben && wert != (s.AN ? zeile[s.Art].AN : zeile[s.Art].AG);
    e->setEnabled(erhoben && !derGruppe);
    if (erhoben)
      e->SetFraction(wert);
    else
      e->clear();
    // The group's own rate as the law states it ("7,0").
    if (derGruppe && !e->text().contains(QLocale().decimalPoint()))
      e->setText(e->text() + QLocale().decimalPoint() + QLatin1Char('0'));
    if (derGruppe && !e->property("hinweisTabelle").isValid()) {
      e->setProperty("hinweisTabelle", hinweis::Normal(e));
      hinweis::Normal(e, QStringLiteral("ermäßigter Beitragssatz der Beitragsgruppe mit KV 3 (ohne Anspruch auf "
                                        "Krankengeld)"));
    } else if (!derGruppe && e->property("hinweisTabelle").isValid()) {
      hinweis::Normal(e, e->property("hinweisTabelle").toString());
      e->setProperty("hinweisTabelle", QVariant());
    }
  }
  TSatzPaar pv = zeile[svPV];
  if (SachsenAktiv(a) && f_.EPVANProz->isEnabled() && SachsenPVSaetze(p.Jahr, p.Monat, pv)) {
    f_.EPVANProz->SetFraction(pv.AN);
    f_.EPVAGProz->SetFraction(pv.AG);
  }
  if (regeln.KVZusatz && f_.EKV2ANProz->isEnabled()) {
    // The fund's add-on rate: the stored one, else the period's average.
    const double zb = p.KVZusatzEigen >= 0 ? p.KVZusatzEigen : DurchschnittsZusatzbeitrag(p.Jahr, p.Monat);
    f_.EKV2ANProz->setText(TEditCS::ZahlAlsText(zb));
  }
  if (!regeln.Beitragsgruppen) {
    // Private insurance takes out the health and care rates; the special
    // table has no pension and unemployment insurance.
    if (a.Privat)
      for (TEditCS* e : {f_.EKVANProz, f_.EKVAGProz, f_.EKV2ANProz, f_.EPVANProz, f_.EPVAGProz, f_.ePV2ANProz})
        e->setEnabled(false);
    if (a.BesondereTabelle)
      for (TEditCS* e : {f_.ERVANProz, f_.ERVAGProz, f_.EAVANProz, f_.EAVAGProz}) e->setText(QStringLiteral("0"));
  }
  // The levies: the stored ones of normal employment, in a minijob the
  // minijob office's.
  if (regeln.PeriodenNachMonat) {
    const bool nv = typ == beNV;
    f_.EU1Proz->setText(TEditCS::ZahlAlsText(std::max(nv ? p.U1NV : p.Periode.U1GF, 0.0)));
    f_.EU2Proz->setText(TEditCS::ZahlAlsText(std::max(nv ? p.U2NV : p.Periode.U2GF, 0.0)));
  }
  f_.EPauschSt->setText(TEditCS::ZahlAlsText(p.PauschSatz * 100));
  return true;
}

void TSatzVerwaltung::ZuschlagKaestchen(bool kinderlos) const {
  f_.cbKV2->setEnabled(f_.EKV2ANProz->isEnabled());
  f_.cbPV2->setEnabled(f_.ePV2ANProz->isEnabled() && kinderlos);
}

void TSatzVerwaltung::ZuschlaegeDesJahres(const TJahresRegeln& r, bool pvVorgabe) const {
  if (!r.KVZuschlag()) {
    if (!f_.cbKV2->property("ohneJahr").toBool()) {
      f_.cbKV2->setProperty("ohneJahr", true);
      f_.cbKV2->setProperty("gewaehlt", f_.cbKV2->isChecked());
    }
    f_.cbKV2->setChecked(false);
  } else if (f_.cbKV2->property("ohneJahr").toBool()) {
    f_.cbKV2->setProperty("ohneJahr", false);
    f_.cbKV2->setChecked(f_.cbKV2->property("gewaehlt").toBool());
  }
  if (!r.PVZuschlag()) {
    f_.cbPV2->setProperty("ohneJahr", true);
    f_.cbPV2->setChecked(false);
  } else if (f_.cbPV2->property("ohneJahr").toBool()) {
    f_.cbPV2->setProperty("ohneJahr", false);
    f_.cbPV2->setChecked(pvVorgabe);
  }
}

void TSatzVerwaltung::Pruefen(TMeldungen& meldungen) const {
  const TJahresRegeln& regeln = JahresRegeln(jahr_);
  for (TEditCS* e : Felder()) {
    if (!e->isEnabled()) continue;
    TSatzArt art = TSatzArt::Beitrag;
    if (e == f_.EKV2ANProz && regeln.KVZusatz) art = TSatzArt::Zusatzbeitrag;
    if (e == f_.EU1Proz || e == f_.EU2Proz) art = TSatzArt::Umlage;
    if (e == f_.EPauschSt) art = TSatzArt::Pauschsteuer;
    std::string regel;
    if (!SatzLesen(e->text().toStdString(), art, &regel)) meldungen.emplace_back(e, QString::fromStdString(regel));
  }
}

void TSatzVerwaltung::Getippt(QLineEdit* e, const TParameter& p, const TAnfrage& anfrage) {
  const TAnfrage a = MitGruppe(p, anfrage);
  const TJahresRegeln& regeln = p.R();
  const int typ = Typ(a);
  Geaendert(e, typ);
  const std::string text = e->text().toStdString();
  if (e == f_.EPauschSt) {
    const auto satz = SatzLesen(text, TSatzArt::Pauschsteuer);
    ue_.PauschSatz = satz ? std::optional<double>(*satz / 100) : geladen_.PauschSatz;
    return;
  }
  if (e == f_.EU1Proz || e == f_.EU2Proz) {
    // A minijob's levy belongs to the request (anfrage_bindung.h).
    if (typ != beNV || !regeln.PeriodenNachMonat) return;
    const auto satz = SatzLesen(text, TSatzArt::Umlage);
    (e == f_.EU1Proz ? ue_.U1Prozent : ue_.U2Prozent) = satz;
    return;
  }
  if (e == f_.EKV2ANProz && regeln.KVZusatz) {
    // A rate equal to the period's average is no choice of the user's.
    const auto satz = SatzLesen(text, TSatzArt::Zusatzbeitrag);
    if (satz && *satz != DurchschnittsZusatzbeitrag(p.Jahr, p.Monat))
      ue_.KVZusatzProzent = satz;
    else
      ue_.KVZusatzProzent.reset();
    return;
  }
  for (const TSatzFeld& s : TabellenFelder()) {
    if (s.Feld != e) continue;
    // Saxony's care rates are the request's; the special table's zeros are
    // no rates of the year.
    if (s.Art == svPV && SachsenAktiv(a)) return;
    if (!regeln.Beitragsgruppen && a.BesondereTabelle && (s.Art == svRV || s.Art == svAV)) return;
    // A rate the command line would refuse gives the period's default.
    const auto satz = SatzLesen(text, TSatzArt::Beitrag);
    TSVSatzTabelle tabelle = p.Saetze;
    const TSVSatzTabelle vorgabe =
        regeln.PeriodenNachMonat ? SVSaetzeStandard(p.Jahr, p.Monat) : SVSaetzeStandard(p.Jahr);
    double& ziel = s.AN ? tabelle[typ][s.Art].AN : tabelle[typ][s.Art].AG;
    ziel = satz ? *satz / 100 : (s.AN ? vorgabe[typ][s.Art].AN : vorgabe[typ][s.Art].AG);
    if (regeln.PeriodenNachMonat) PeriodeWechseln(p.Jahr, p.Monat, 0, tabelle);
    ue_.Saetze = tabelle;
    return;
  }
}

void TSatzVerwaltung::Geaendert(QLineEdit* e, int typ) {
  if (unbrauchbar_.empty()) return;
  // The keys the field's value is stored under.
  std::vector<std::string> schluessel;
  if (e == f_.EPauschSt) {
    schluessel = {"PauschSt"};
  } else if (e == f_.EU1Proz || e == f_.EU2Proz) {
    if (typ == beNV) schluessel = {e == f_.EU1Proz ? "U1" : "U2"};
  } else if (e == f_.EKV2ANProz && JahresRegeln(jahr_).KVZusatz) {
    schluessel = {"KVZusatz"};
  } else {
    for (const TSatzFeld& s : TabellenFelder())
      if (s.Feld == e) schluessel = {SVSatzSchluessel(typ, s.Art, s.AN)};
  }
  for (const std::string& name : schluessel) {
    std::erase_if(unbrauchbar_, [&](const TIgnorierterWert& w) {
      return QString::fromStdString(w.Schluessel).compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0;
    });
  }
}

}  // namespace lst
