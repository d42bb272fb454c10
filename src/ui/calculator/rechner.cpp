#include "ui/calculator/rechner.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QGuiApplication>
#include <QMenuBar>
#include <QVBoxLayout>

#include <QDate>

#include <algorithm>
#include <cmath>
#include <exception>

#include "calc/berechnung.h"
#include "calc/beitragsgruppe.h"
#include "calc/jahresregeln.h"
#include "calc/rechnung.h"
#include "calc/satzeingabe.h"
#include "calc/sozialversicherung.h"
#include "calc/sv_einstellungen.h"
#include "lohnsteuer/versionen.h"
#include "common/qt/edit_cs.h"
#include "common/qt/platzierung.h"

namespace lst {

namespace {

// Controls that belong to a rate of the table: edit, contribution kind, share.
struct TSatzFeld {
  TEditCS* TFRechner::*Feld;
  int Art;
  bool AN;
};

// The order in which the rates are written into the edits.
constexpr TSatzFeld kSatzFelderAnzeige[] = {
    {&TFRechner::EKVANProz, svKV, true},   {&TFRechner::EKVAGProz, svKV, false},
    {&TFRechner::EKV2ANProz, svKV2, true}, {&TFRechner::ERVANProz, svRV, true},
    {&TFRechner::ERVAGProz, svRV, false},  {&TFRechner::EAVAGProz, svAV, false},
    {&TFRechner::EAVANProz, svAV, true},   {&TFRechner::EPVAGProz, svPV, false},
    {&TFRechner::EPVANProz, svPV, true},   {&TFRechner::ePV2ANProz, svPV2, true},
    {&TFRechner::EAufProz, svRVAuf, true}};

}  // namespace

TFRechner::TFRechner(TRechenKontext& kontext, TAbrechnung& daten, const TDateiNamen& namen,
                     QWidget* eltern)
    : QMainWindow(eltern), k_(kontext), d_(daten), namen_(namen) {
  // The section of the stored placement is named after the window.
  setObjectName(QStringLiteral("FRechner"));
  titel_ = QStringLiteral("Lohnsteuerberechnung");
  k_.LStJahr = static_cast<std::int16_t>(NeuestesJahr());
  k_.LStMonat = static_cast<std::uint8_t>(StandardMonat(k_.LStJahr));
  setWindowTitle(QStringLiteral("%1 %2").arg(titel_).arg(k_.LStJahr));
  titel_ = windowTitle();

  rechnenAktiv_ = false;
  klickSperre_ = true;
  k_.EuroAnzeige = true;
  k_.DMFaktor = 1.95583;

  auto* zentrum = new QWidget(this);
  auto* reihe = new QHBoxLayout(zentrum);
  reihe->addWidget(LinkesPanelBauen(), 0);
  reihe->addWidget(ErgebnisPanelBauen(), 1);
  auto* rollen = new QScrollArea(this);
  rollen->setWidget(zentrum);
  rollen->setWidgetResizable(true);
  rollen->setFrameShape(QFrame::NoFrame);
  rollen->setFocusPolicy(Qt::NoFocus);
  setCentralWidget(rollen);
  MenueBauen();

  CBLZZ->setCurrentIndex(1);
  CBStKl->setCurrentIndex(0);
  lzzAlt_ = 1;

  SignaleVerbinden();
  EinstellungenLaden();
  CBKRVClick(false);
  JahrAnzeigen();

  // Key preview: the window sees the keys of every control first.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

  // Designed size: the whole form, at most the free area of the screen (the
  // form scrolls on a small screen).
  QSize groesse = zentrum->sizeHint() + QSize(4, menuBar()->sizeHint().height() + 4);
  if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
    const QSize frei = schirm->availableGeometry().size() - QSize(16, 48);
    // Room for the vertical scroll bar when the form is higher than the screen.
    if (groesse.height() > frei.height()) groesse.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    groesse = groesse.boundedTo(frei);
  }
  resize(groesse);
  RestorePlacement(this, namen_.EinstellungsDatei(), kPlatzPosition);
}

TFRechner::~TFRechner() {
  // The controls and the windows that follow the calculation are children and
  // go after this object's members (a focused field still finishes editing):
  // they must not report back any more.
  for (QObject* kind : findChildren<QObject*>()) {
    kind->removeEventFilter(this);
    disconnect(kind, nullptr, this, nullptr);
  }
  anzeigen_.clear();
}

// ---- the cycle -------------------------------------------------------------------

void TFRechner::DoIt() {
  if (rechnenAktiv_) Rechnen();
}

void TFRechner::Neuberechnen() { Rechnen(); }

void TFRechner::Rechnen() {
  EingabenSammeln();
  TGesamtErgebnis erg;
  try {
    GesamtBerechnen(k_, d_.Rechnung, erg);
  } catch (const std::exception& e) {
    // The results of the last good calculation stay on screen.
    Fehler(QString::fromStdString(e.what()));
    return;
  }
  d_.Ergebnis = erg;
  ErgebnisseZeigen();
}

void TFRechner::Fehler(const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Lohnsteuer"), text, QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

std::int64_t TFRechner::Betrag(const TEditCS* e) const {
  // Amounts of the pay are never negative; pasted text with a sign reads 0.
  const double x = e->AsFloat();
  return x > 0 ? InCent(k_, x) : 0;
}

int TFRechner::Beschaeftigung() const {
  if (CBGF->isChecked()) return beGF;
  if (CBprivHH->isChecked()) return beHH;
  return beNV;
}

TWerkzeugAktionen TFRechner::Aktionen() {
  TWerkzeugAktionen a;
  a.Steuerklassenvgl1 = Steuerklassenvgl1;
  a.Tabelle1 = Tabelle1;
  a.Grafik1 = Grafik1;
  a.EinkStTabelle1 = EinkStTabelle1;
  a.EinkommensteuerAnzeige1 = EinkommensteuerAnzeige1;
  a.LohnUmrAnz1 = LohnUmrAnz1;
  return a;
}

void TFRechner::EingabenSammeln() {
  // The controls state what the user chose; the year's rules make the
  // calculation's records of it (RegelnAnwenden), as for the command line.
  TRechnung& r = d_.Rechnung;
  r.Jahr = k_.LStJahr;
  r.Monat = k_.LStMonat;
  r.Version = k_.LStVersion;
  r.EuroAnzeige = k_.EuroAnzeige;
  r.ArbeitnehmerSicht = k_.ArbeitnehmerSicht;
  r.Grundfreibetrag = Grundfreibetrag8004->isChecked() ? 8004 : 8130;

  TLohnZeitraum& lz = r.LZ;
  lz.LZZ = static_cast<std::uint8_t>(std::max(CBLZZ->currentIndex(), 0) + 1);
  lz.RE4 = Betrag(ELohn);

  TLStEingabe& l = r.LSt;
  l = TLStEingabe{};
  l.ALTER1 = CBAlter->isChecked();
  l.Bekenntnislos = CBR->isChecked();
  l.TabArt = static_cast<std::uint8_t>(std::max(cbTabArt->currentIndex(), 0));
  l.STKL = static_cast<std::uint8_t>(std::max(CBStKl->currentIndex(), 0) + 1);
  l.af = cbAF->isEnabled() && cbAF->isChecked();
  l.f = edFaktor->AsFloat();
  l.ZKF = static_cast<float>(E_ZKF->AsFloat());
  if (!(l.ZKF >= 0 && l.ZKF <= 99)) l.ZKF = 0;
  l.Freibetrag = Betrag(EFreibetrag);
  l.Hinzurechnung = Betrag(EHinzuR);
  l.VBEZ = Betrag(EVersBez);
  l.VBEZM = Betrag(EVBezM);
  l.VBEZS = Betrag(EVBezS);
  l.ZMVB = static_cast<std::uint8_t>(std::clamp(EZMVB->AsInteger(), 0, 99));
  // A church-tax rate the command line would refuse turns the field red; the
  // usual rate applies.
  if (cbKirchenSt->isEnabled()) {
    l.KiStSatz = SatzDesFelds(cbKirchenSt->lineEdit(), TSatzArt::Kirchensteuer).value_or(kKirchensteuerVorgabe) / 100;
  } else {
    Hinweis(cbKirchenSt->lineEdit(), {});
    l.KiStSatz = kKirchensteuerVorgabe / 100;
  }
  l.AJAHR = std::clamp(edAJahr->AsInteger(), 0, 9999);
  l.VJAHR = std::clamp(edVJahr->AsInteger(), 0, 9999);
  l.STERBE = Betrag(edSterbe);
  const double pausch = PauschSatz();
  l.PauschSatzAG = CBPauschSt->isEnabled() && CBPauschSt->isChecked() ? pausch : 0;

  // The enabled rate edits go into the table row of the employment type,
  // which the rules read.
  const int typ = Beschaeftigung();
  const TJahresRegeln& regeln = JahresRegeln(k_.LStJahr);
  auto& zeile = k_.SVSatzTabelle[typ];
  const bool sachsen = cbSachsen->isEnabled() && cbSachsen->isChecked();
  // A rate the command line would refuse (out of range, more than three
  // decimals) turns its field red; the period's default applies.
  std::optional<TSVSatzTabelle> vorgabe;
  auto schreiben = [&](TEditCS* e, int art, bool an) {
    if (!e->isEnabled()) {
      Hinweis(e, {});
      return;
    }
    double& satz = an ? zeile[art].AN : zeile[art].AG;
    if (const auto p = SatzDesFelds(e, TSatzArt::Beitrag)) {
      satz = *p / 100;
      return;
    }
    if (!vorgabe) vorgabe = SVMonat() > 0 ? SVSaetzeStandard(k_.LStJahr, SVMonat()) : SVSaetzeStandard(k_.LStJahr);
    satz = an ? (*vorgabe)[typ][art].AN : (*vorgabe)[typ][art].AG;
  };
  schreiben(EKVANProz, svKV, true);
  // From 2015 the field holds the fund's add-on rate, not a rate of the table.
  r.KVZusatz.reset();
  if (!regeln.KVZusatz) {
    schreiben(EKV2ANProz, svKV2, true);
  } else if (EKV2ANProz->isEnabled()) {
    // A rate equal to the period's average is no choice of the user's; one
    // the command line refuses turns the field red and the average applies.
    const auto zb = SatzDesFelds(EKV2ANProz, TSatzArt::Zusatzbeitrag);
    kvZusatz_ = zb && *zb != DurchschnittsZusatzbeitrag(k_.LStJahr, k_.LStMonat) ? *zb : -1;
    if (kvZusatz_ >= 0) r.KVZusatz = kvZusatz_;
  } else {
    Hinweis(EKV2ANProz, {});
  }
  schreiben(EKVAGProz, svKV, false);
  schreiben(ERVANProz, svRV, true);
  schreiben(ERVAGProz, svRV, false);
  schreiben(EAVANProz, svAV, true);
  schreiben(EAVAGProz, svAV, false);
  if (!sachsen) {
    schreiben(EPVANProz, svPV, true);
    schreiben(EPVAGProz, svPV, false);
  }
  schreiben(ePV2ANProz, svPV2, true);
  schreiben(EAufProz, svRVAuf, true);

  r.Beschaeftigung = typ;
  r.Region = static_cast<std::uint8_t>(std::max(RGOstWestGruppe->checkedId(), 0));
  r.Sachsen = cbSachsen->isChecked();
  r.SachsenPV.reset();
  if (sachsen && EPVANProz->isEnabled()) {
    // The care rates of Saxony as typed; a refused one gives the period's.
    const auto an = SatzDesFelds(EPVANProz, TSatzArt::Beitrag);
    const auto ag = SatzDesFelds(EPVAGProz, TSatzArt::Beitrag);
    if (an && ag) r.SachsenPV = TSatzPaar{*an / 100, *ag / 100};
  }
  r.Aufstockung = CBAufst->isChecked();
  r.Gleitzone = CBGleitZ->isChecked();
  r.RVVerzicht = CBRV_Verzicht->isChecked();
  r.KVZuschlag = cbKV2->isChecked();
  r.PVZuschlag = cbPV2->isChecked();
  r.PVAbschlaege = PVAbschlaege();
  // The levies: a rate other than the default of the employment type.
  r.U1 = r.U2 = -1;
  if (regeln.PeriodenNachMonat) {
    const TSVPeriode& periode = SVPeriode(k_.LStJahr, k_.LStMonat);
    // A rate the command line refuses turns its field red; the default applies.
    auto umlage = [&](TEditCS* e, double gf, double& nv, double& satz) {
      if (!e->isEnabled()) return;
      const auto wert = SatzDesFelds(e, TSatzArt::Umlage);
      if (!wert) return;
      const double p = *wert;
      if (typ == beNV) {
        nv = p;
        if (p != 0) satz = p / 100;
      } else if (p != std::max(gf, 0.0)) {
        satz = p / 100;
      }
    };
    umlage(EU1Proz, periode.U1GF, u1NV_, r.U1);
    umlage(EU2Proz, periode.U2GF, u2NV_, r.U2);
  } else {
    Hinweis(EU1Proz, {});
    Hinweis(EU2Proz, {});
  }
  r.Privat = 0;
  r.PrivatBeitrag = 0;
  r.PrivatBeitragPV.reset();
  if (cbPriv->isChecked()) {
    r.Privat = RGprivTypGruppe->checkedId() == 0 ? 2 : 1;
    r.PrivatBeitrag = std::max<std::int64_t>(EPVWert->AsCents(), 0);
    if (!EPVWertPV->text().trimmed().isEmpty()) r.PrivatBeitragPV = std::max<std::int64_t>(EPVWertPV->AsCents(), 0);
  }
  // From 2014 a typed contribution group stays in force beside the boxes it
  // has set: it says what they cannot (KV 3, KV 9, RV 3, AV 2, KV 0 with PV 1).
  r.Beitragsgruppe.reset();
  if (regeln.Beitragsgruppen) r.Beitragsgruppe = gruppe_;
  r.Kindergeld = Betrag(EKindergeld);
  r.AGZusatz = 0;
  r.SonstigeAbzuege = Betrag(EZusBetrag);
  r.SonstigeBezeichnung = EZusText->text().toStdString();
  RegelnAnwenden(k_, r);

  WarnfarbenSetzen();
  HinweiseSetzen();
  BeitragsgruppeZeigen();
  wunschBetrag_ = Betrag(ENettoLohn);
}

std::optional<double> TFRechner::SatzDesFelds(QLineEdit* feld, TSatzArt art) {
  std::string regel;
  const auto wert = SatzLesen(feld->text().toStdString(), art, &regel);
  Hinweis(feld, wert ? QString() : QString::fromStdString(regel));
  return wert;
}

void TFRechner::Hinweis(QWidget* w, const QString& warnung) {
  // The usual tooltip is kept while the field warns, and comes back after.
  const bool rot = !warnung.isEmpty();
  const bool warRot = w->property("warnung").toBool();
  if (rot && !warRot) w->setProperty("hinweis", w->toolTip());
  if (!rot && warRot) w->setToolTip(w->property("hinweis").toString());
  Warnen(w, rot);
  if (rot) w->setToolTip(warnung);
}

double TFRechner::PauschSatz() {
  // The field keeps the year's rate outside a minijob too; it warns where
  // it is in use.
  std::string regel;
  const auto p = SatzLesen(EPauschSt->text().toStdString(), TSatzArt::Pauschsteuer, &regel);
  Hinweis(EPauschSt, p || !EPauschSt->isEnabled() ? QString() : QString::fromStdString(regel));
  return p ? *p / 100 : k_.PauschSatz;
}

void TFRechner::HinweiseSetzen() {
  const TRechnung& r = d_.Rechnung;
  // The age relief ticked for a year before the one after the 64th
  // birthday: the rules granted none.
  if (CBAlter->isChecked() && !r.LSt.ALTER1) {
    Hinweis(edAJahr, QStringLiteral("Den Altersentlastungsbetrag gibt es erst ab %1 (dem Kalenderjahr nach dem "
                                    "64. Geburtstag); für %2 wird keiner abgezogen.")
                         .arg(r.LSt.AJAHR)
                         .arg(r.Jahr));
  } else {
    Hinweis(edAJahr, {});
  }
  // A care part above the premium it belongs to: the rules took the premium.
  const bool pflegeZuHoch = r.PrivatBeitragPV && r.SV.PKPVPflege >= 0 && r.SV.PKPVPflege != *r.PrivatBeitragPV;
  Hinweis(EPVWertPV, pflegeZuHoch ? QStringLiteral("Der Beitrag zur Pflegeversicherung ist größer als der "
                                                   "Monatsbeitrag KV+PV, in dem er enthalten ist; gerechnet "
                                                   "wird mit dem Monatsbeitrag.")
                                  : QString());
}

void TFRechner::Warnen(QWidget* w, bool rot) {
  if (w->property("warnung").toBool() == rot && w->autoFillBackground() == rot) return;
  w->setProperty("warnung", rot);
  QPalette p = w->palette();
  if (rot) {
    // Buttons paint their background with the button role.
    p.setColor(QPalette::Window, QColor(255, 0, 0));
    p.setColor(QPalette::Button, QColor(255, 0, 0));
    // An edit paints its field with the base role.
    if (qobject_cast<QLineEdit*>(w) != nullptr) p.setColor(QPalette::Base, QColor(255, 0, 0));
  } else {
    p = QApplication::palette(w);
  }
  w->setPalette(p);
  w->setAutoFillBackground(rot);
}

void TFRechner::WarnfarbenSetzen() {
  const std::int64_t re4 = d_.Rechnung.LZ.RE4;
  const bool leer = ELohn->text().isEmpty();
  const std::int64_t grenze =
      BBGFuerZeitraum(k_.BBGTabelle, d_.Rechnung.LZ.LZZ, d_.Rechnung.SV.Region)[bbgGF];
  bool rot;
  if (CBGF->isChecked() || CBprivHH->isChecked())
    rot = re4 > grenze && !leer;
  else
    rot = re4 <= grenze && !leer;
  Warnen(CBGF, rot);
  Warnen(CBprivHH, rot);

  // The bounds of the sliding zone converted to the pay period, as the
  // ceilings are.
  const TGleitzoneGrenzen zone = SVMonat() > 0
                                     ? GleitzoneGrenzenFuerZeitraum(k_.LStJahr, k_.LStMonat, d_.Rechnung.LZ.LZZ)
                                     : GleitzoneGrenzenFuerZeitraum(k_.LStJahr, d_.Rechnung.LZ.LZZ);
  const bool drin = zone.Vorhanden && zone.Untergrenze < re4 && re4 <= zone.Obergrenze;
  Warnen(CBGleitZ, CBGleitZ->isChecked() && CBGleitZ->isEnabled() && !drin);
}

// ---- rates ------------------------------------------------------------------------

void TFRechner::SaetzeInEdits() {
  rechnenAktiv_ = false;
  const int typ = Beschaeftigung();
  const auto& zeile = k_.SVSatzTabelle[typ];
  // A kind the year does not know (the surcharges before 2005) stays
  // disabled whatever the settings file holds.
  const TJahresRegeln& regeln = JahresRegeln(k_.LStJahr);
  // From 2014 the contribution group in force says what is levied: a share
  // it does not levy is disabled and empty, a rate of its own (the reduced
  // health rate of KV 3) shown but not typed over.
  std::array<TSatzPaar, svAnzahl> inKraft = zeile;
  if (regeln.Beitragsgruppen) SaetzeDerGruppe(GruppeInKraft(), k_.LStJahr, k_.LStMonat, inKraft);
  for (const auto& f : kSatzFelderAnzeige) {
    TEditCS* e = this->*f.Feld;
    // The rate written now is one in force: no warning of a typed one stays.
    Hinweis(e, {});
    const double wert = f.AN ? inKraft[f.Art].AN : inKraft[f.Art].AG;
    const bool erhoben = wert >= 0 && regeln.ArtVorhanden(typ, static_cast<TSVArt>(f.Art));
    const bool derGruppe = erhoben && wert != (f.AN ? zeile[f.Art].AN : zeile[f.Art].AG);
    e->setEnabled(erhoben && !derGruppe);
    if (erhoben)
      e->SetFraction(wert);
    else
      e->clear();
    // The group's own rate as the law states it ("7,0").
    if (derGruppe && !e->text().contains(QLocale().decimalPoint())) e->setText(e->text() + QLocale().decimalPoint() + QLatin1Char('0'));
    if (derGruppe && !e->property("hinweisTabelle").isValid()) {
      e->setProperty("hinweisTabelle", e->toolTip());
      e->setToolTip(QStringLiteral("ermäßigter Beitragssatz der Beitragsgruppe mit KV 3 (ohne Anspruch auf "
                                   "Krankengeld)"));
    } else if (!derGruppe && e->property("hinweisTabelle").isValid()) {
      e->setToolTip(e->property("hinweisTabelle").toString());
      e->setProperty("hinweisTabelle", QVariant());
    }
  }
  TSatzPaar pv = zeile[svPV];
  if (cbSachsen->isEnabled() && cbSachsen->isChecked() && EPVANProz->isEnabled() &&
      SachsenPVSaetze(k_.LStJahr, k_.LStMonat, pv)) {
    EPVANProz->SetFraction(pv.AN);
    EPVAGProz->SetFraction(pv.AG);
  }
  if (regeln.KVZusatz && EKV2ANProz->isEnabled()) {
    // The fund's add-on rate: the stored one, else the period's average.
    const double zb = kvZusatz_ >= 0 ? kvZusatz_ : DurchschnittsZusatzbeitrag(k_.LStJahr, k_.LStMonat);
    EKV2ANProz->setText(TEditCS::ZahlAlsText(zb));
  }
  cbKV2->setEnabled(EKV2ANProz->isEnabled());
  cbPV2->setEnabled(ePV2ANProz->isEnabled() && Kinderlos());
  UmlagenInEdits();
  if (d_.Rechnung.LSt.PauschSatzAG > 0)
    EPauschSt->setText(TEditCS::ZahlAlsText(d_.Rechnung.LSt.PauschSatzAG * 100));
  PrivatFelderFreigeben();
  rechnenAktiv_ = true;
}

void TFRechner::SaetzeNeuLaden() {
  const TNewIniFile ini = namen_.SaetzeDatei();
  double pausch = k_.PauschSatz;
  double soli = k_.SoliGeladen;
  SVSaetzeLaden(ini, k_.LStJahr, k_.SVSatzTabelle, pausch, soli);
  PeriodeWechseln(k_.LStJahr, 0, SVMonat(), k_.SVSatzTabelle);
}

void TFRechner::UmlagenInEdits() {
  const bool vorher = rechnenAktiv_;
  rechnenAktiv_ = false;
  const bool umlagen = JahresRegeln(k_.LStJahr).PeriodenNachMonat;
  for (TEditCS* e : {EU1Proz, EU2Proz}) e->setEnabled(umlagen);
  if (!umlagen) {
    EU1Proz->clear();
    EU2Proz->clear();
  } else if (Beschaeftigung() == beNV) {
    EU1Proz->setText(TEditCS::ZahlAlsText(std::max(u1NV_, 0.0)));
    EU2Proz->setText(TEditCS::ZahlAlsText(std::max(u2NV_, 0.0)));
  } else {
    const TSVPeriode& periode = SVPeriode(k_.LStJahr, k_.LStMonat);
    EU1Proz->setText(TEditCS::ZahlAlsText(std::max(periode.U1GF, 0.0)));
    EU2Proz->setText(TEditCS::ZahlAlsText(std::max(periode.U2GF, 0.0)));
  }
  rechnenAktiv_ = vorher;
}

int TFRechner::PVAbschlaege() const {
  if (!E_KinderU25->isEnabled()) return 0;
  return std::clamp(E_KinderU25->AsInteger() - 1, 0, 4);
}

bool TFRechner::Kinderlos() const {
  return !(E_ZKF->AsFloat() > 0) && !(E_KinderU25->isEnabled() && E_KinderU25->AsInteger() > 0);
}

// ---- input rules -------------------------------------------------------------------

QString TFRechner::Fixiert2(double x) const {
  QLocale ort;
  ort.setNumberOptions(QLocale::OmitGroupSeparator);
  return ort.toString(x, 'f', 2);
}

void TFRechner::E_ZKFChange() {
  const bool kinderlos = Kinderlos();
  cbPV2->setChecked(kinderlos && CBStKl->currentIndex() != 1);
  cbPV2->setEnabled(kinderlos && ePV2ANProz->isEnabled() && !cbPriv->isChecked());
  ZuschlaegeAnzeigen();
  KindergeldSetzen();
  Rechnen();
}

void TFRechner::KindergeldSetzen() {
  // The child benefit of the year and pay period, in the display currency.
  const int lzz = std::clamp(CBLZZ->currentIndex(), 0, 3);
  const double zkf = E_ZKF->AsFloat();
  const std::int64_t kg = zkf > 0 && zkf <= 99 ? KindergeldBerechnen(k_, kTageProZeitraum[lzz], zkf) : 0;
  if (zkf != 0 && kg != 0)
    EKindergeld->setText(Fixiert2(AusCent(k_, kg)));
  else
    EKindergeld->clear();
}

void TFRechner::AufstockungFreigeben() {
  // The top-up only in marginal employment and where the year has it.
  const int typ = Beschaeftigung();
  const TJahresRegeln regeln = JahresRegeln(k_.LStJahr);
  CBAufst->setEnabled(typ != beNV && regeln.ArtVorhanden(typ, svRVAuf) &&
                      k_.SVSatzTabelle[typ][svRVAuf].AN >= 0);
}

void TFRechner::CBStKlChange() {
  const int stkl = CBStKl->currentIndex() + 1;
  const bool kinder = stkl <= 4;
  if (!kinder) {
    E_ZKF->clear();
    EKindergeld->clear();
  }
  E_ZKF->setEnabled(kinder);
  EKindergeld->setEnabled(kinder);
  // Children under 25 count in every class: with one the person is not
  // childless, with or without child allowances.
  cbPV2->setChecked(Kinderlos() && stkl != 2);
  cbAF->setEnabled(stkl == 4);
  edFaktor->setEnabled(stkl == 4);
  if (!cbAF->isEnabled()) {
    cbAF->setChecked(false);
    edFaktor->setText(QStringLiteral("1,0"));
    edFaktor->setEnabled(false);
  }
  ZuschlaegeAnzeigen();
  Rechnen();
}

void TFRechner::CBRClick() {
  cbKirchenSt->setEnabled(!CBR->isChecked());
  Rechnen();
}

void TFRechner::cbKirchenStChange() { DoIt(); }

void TFRechner::KirchenStMerken() {
  // A new rate joins the list once its editing has ended (Enter or leaving the
  // field), not with every keystroke.
  const QString text = cbKirchenSt->currentText().trimmed();
  if (text.isEmpty() || cbKirchenSt->findText(text) >= 0) return;
  // Only a rate the calculation takes (the field is red otherwise).
  const auto satz = SatzLesen(text.toStdString(), TSatzArt::Kirchensteuer);
  if (!satz || *satz == 0) return;
  QStringList liste;
  for (int i = 0; i < cbKirchenSt->count(); ++i) liste << cbKirchenSt->itemText(i);
  liste << text;
  KirchenStListeSetzen(liste, text);
}

void TFRechner::KirchenStListeSetzen(const QStringList& roh, const QString& auswahl) {
  QStringList liste;
  for (const QString& s : roh)
    if (!s.isEmpty() && !liste.contains(s)) liste << s;
  std::sort(liste.begin(), liste.end(), [](const QString& a, const QString& b) {
    return QString::localeAwareCompare(a, b) < 0;
  });
  const bool vorher = cbKirchenSt->blockSignals(true);
  cbKirchenSt->clear();
  cbKirchenSt->addItems(liste);
  const int i = cbKirchenSt->findText(auswahl);
  if (i >= 0)
    cbKirchenSt->setCurrentIndex(i);
  else
    cbKirchenSt->setEditText(auswahl);
  cbKirchenSt->blockSignals(vorher);
}

void TFRechner::CBAlterClick() {
  edAJahr->setEnabled(CBAlter->isChecked());
  DoIt();
}

void TFRechner::cbAFClick() {
  // Beside the factor no allowance is entered: the factor has taken it in
  // already (section 39f (1) sentence 6 EStG).
  if (!EFreibetrag->property("hinweisOhneFaktor").isValid())
    EFreibetrag->setProperty("hinweisOhneFaktor", EFreibetrag->toolTip());
  if (cbAF->isChecked()) {
    edFaktor->setEnabled(true);
    EFreibetrag->clear();
    EFreibetrag->setEnabled(false);
    EFreibetrag->setToolTip(QStringLiteral("Neben dem Faktor wird kein Freibetrag als Lohnsteuerabzugsmerkmal "
                                           "gebildet: er ist im Faktor schon berücksichtigt (§ 39f Abs. 1 "
                                           "Satz 6 EStG)"));
  } else {
    edFaktor->setEnabled(false);
    EFreibetrag->setEnabled(true);
    EFreibetrag->setToolTip(EFreibetrag->property("hinweisOhneFaktor").toString());
  }
  Rechnen();
}

void TFRechner::edFaktorChange() {
  const double f = edFaktor->AsFloat();
  if (f < 0)
    edFaktor->setText(QStringLiteral("0"));
  else if (f > 1)
    edFaktor->setText(QStringLiteral("1"));
  DoIt();
}

void TFRechner::OnChgMonat(int n) {
  if (n < 0 || n > 3) return;
  const int alt = std::clamp<int>(lzzAlt_, 0, 3);
  // The rewritten fields recalculate once at the end, not each on its own.
  const bool vorher = rechnenAktiv_;
  rechnenAktiv_ = false;
  for (TEditCS* e : {ELohn, EVersBez, EFreibetrag, EHinzuR, EKindergeld, EZusBetrag}) {
    if (e->text().isEmpty()) continue;
    const double wert = e->AsFloat() / kTageProZeitraum[alt] * kTageProZeitraum[n];
    e->setText(Fixiert2(wert));
  }
  rechnenAktiv_ = vorher;
  lzzAlt_ = static_cast<std::uint8_t>(n);
  EZMVB->setEnabled(n == 0);
  edSterbe->setEnabled(n == 0);
  Rechnen();
}

void TFRechner::TabArtWaehlen(int art) {
  cbTabArt->setCurrentIndex(art);
  CBKRVClick(true);
}

void TFRechner::CBKRVClick(bool mitSender) {
  if (cbTabArt->currentIndex() == 0) {
    SaetzeNeuLaden();
    SaetzeInEdits();
  } else if (JahresRegeln(k_.LStJahr).Beitragsgruppen) {
    // From 2014 the contribution group takes out what the special table
    // does not levy; the rates of the table stay.
    SaetzeInEdits();
  } else {
    for (TEditCS* e : {ERVANProz, ERVAGProz, EAVANProz, EAVAGProz}) e->setText(QStringLiteral("0"));
  }
  // Chosen by the user, the special table is the privately insured one; a
  // contribution group sets private insurance itself.
  if (!gruppeSetzen_) cbPriv->setChecked(cbPriv->isEnabled() && cbTabArt->currentIndex() == 1);
  if (mitSender) Rechnen();
}

void TFRechner::RGOstWestClick() {
  cbSachsen->setEnabled(RGOstWestGruppe->checkedId() == rgOst);
  SaetzeInEdits();
  Rechnen();
}

void TFRechner::cbSachsenClick() {
  SaetzeInEdits();
  DoIt();
}

void TFRechner::BeschaeftigungClick(QCheckBox* geklickt) {
  if (!klickSperre_) return;
  klickSperre_ = false;
  QCheckBox* andere = geklickt == CBGF ? CBprivHH : CBGF;
  andere->setChecked(false);
  AufstockungFreigeben();
  // From 2014 a minijob is insured in the pension insurance: the top-up is
  // ticked, unticking it is the employee's exemption.
  if (geklickt->isChecked() && JahresRegeln(k_.LStJahr).PeriodenNachMonat && CBAufst->isEnabled()) {
    const bool vorher = CBAufst->blockSignals(true);
    CBAufst->setChecked(true);
    CBAufst->blockSignals(vorher);
  }
  CBPauschSt->setEnabled(geklickt->isChecked());
  EPauschSt->setEnabled(geklickt->isChecked());
  rechnenAktiv_ = false;
  PeriodenFelderFreigeben();
  SaetzeInEdits();
  rechnenAktiv_ = true;
  Rechnen();
  klickSperre_ = true;
}

void TFRechner::PrivatFelderFreigeben() {
  const bool c = cbPriv->isChecked();
  EPVWert->setEnabled(c);
  EPVWertPV->setEnabled(c);
  LPVWertPV->setEnabled(c);
  RGprivTyp->setEnabled(c);
  // From 2014 the contribution group (KV 0, PV 0) has taken the health and
  // care rates out already (SaetzeInEdits).
  if (c && !JahresRegeln(k_.LStJahr).Beitragsgruppen) {
    for (QWidget* w : std::initializer_list<QWidget*>{EKVANProz, EKVAGProz, EKV2ANProz, cbKV2, EPVANProz,
                                                     EPVAGProz, ePV2ANProz, cbPV2})
      w->setEnabled(false);
  }
}

void TFRechner::cbPrivClick() {
  const bool c = cbPriv->isChecked();
  if (!c) SaetzeNeuLaden();
  SaetzeInEdits();
  PeriodenFelderFreigeben();
  if (!c && !Kinderlos()) cbPV2->setEnabled(false);
  DoIt();
}

// ---- contribution group ---------------------------------------------------------

TBeitragsgruppe TFRechner::GruppeInKraft() const {
  if (gruppe_) return *gruppe_;
  TVersicherung v;
  v.Beschaeftigung = Beschaeftigung();
  v.Aufstockung = CBAufst->isChecked();
  v.Privat = cbPriv->isChecked();
  v.BesondereTabelle = cbTabArt->currentIndex() == 1;
  return GruppeDerVersicherung(v);
}

std::string TFRechner::GruppeProbieren(const TBeitragsgruppe& g, TRechnung& probe) const {
  probe = d_.Rechnung;
  probe.Jahr = k_.LStJahr;
  probe.Monat = k_.LStMonat;
  probe.Beschaeftigung = Beschaeftigung();
  probe.Beitragsgruppe = g;
  return BeitragsgruppeUebernehmen(probe);
}

void TFRechner::BeitragsgruppeEingegeben() {
  if (!EBeitragsgruppe->isEnabled() || !EBeitragsgruppe->isModified()) return;
  EBeitragsgruppe->setModified(false);
  const QString text = EBeitragsgruppe->text().trimmed();
  if (text.isEmpty()) {
    // An emptied field gives the boxes the say again.
    GruppeVerwerfen();
    Rechnen();
    return;
  }
  const auto g = BeitragsgruppeLesen(text.toStdString());
  if (!g) {
    BeitragsgruppeAblehnen(text, QStringLiteral("„%1“ sind nicht vier Ziffern (KV, RV, AV, PV), z. B. 1111").arg(text));
    return;
  }
  // The core checks the key for the pay month and says what it sets.
  TRechnung probe;
  const std::string fehler = GruppeProbieren(*g, probe);
  if (!fehler.empty()) {
    BeitragsgruppeAblehnen(text, QString::fromStdString(fehler));
    return;
  }
  gruppe_ = g;
  gruppeAbgelehnt_ = false;
  Hinweis(EBeitragsgruppe, {});
  // The boxes as the key says, without giving up the key: table first (the
  // special table chosen by hand brings private insurance), then private
  // insurance, the employment and its top-up.
  gruppeSetzen_ = true;
  QRadioButton* tabelle = probe.LSt.TabArt != 0 ? rbBesTab : rbAllgTab;
  if (!tabelle->isChecked()) tabelle->setChecked(true);
  if (cbPriv->isChecked() != (probe.Privat != 0)) cbPriv->setChecked(probe.Privat != 0);
  QCheckBox* art = probe.Beschaeftigung == beGF ? CBGF : probe.Beschaeftigung == beHH ? CBprivHH : nullptr;
  for (QCheckBox* c : {CBGF, CBprivHH})
    if (c->isChecked() != (c == art)) c->setChecked(c == art);
  if (CBAufst->isChecked() != probe.Aufstockung) CBAufst->setChecked(probe.Aufstockung);
  gruppeSetzen_ = false;
  SaetzeInEdits();
  PeriodenFelderFreigeben();
  Rechnen();
}

void TFRechner::BeitragsgruppeAblehnen(const QString& text, const QString& meldung) {
  gruppeAbgelehnt_ = true;
  if (EBeitragsgruppe->text() != text) EBeitragsgruppe->setText(text);
  Hinweis(EBeitragsgruppe, meldung);
}

void TFRechner::GruppeVerwerfen() {
  if (!gruppe_ && !gruppeAbgelehnt_) return;
  const bool mitGruppe = gruppe_.has_value();
  gruppe_.reset();
  gruppeAbgelehnt_ = false;
  Hinweis(EBeitragsgruppe, {});
  // What the key alone said of the rates (KV 3, RV 3, AV 2 ...) goes with it.
  if (mitGruppe && !gruppeSetzen_) SaetzeInEdits();
}

void TFRechner::BeitragsgruppeZeigen() {
  if (!EBeitragsgruppe->isEnabled() || gruppeAbgelehnt_) return;
  if (EBeitragsgruppe->hasFocus() && EBeitragsgruppe->isModified()) return;
  const QString text = QString::fromStdString(BeitragsgruppeDerRechnung(d_.Rechnung).Text());
  if (EBeitragsgruppe->text() != text) EBeitragsgruppe->setText(text);
}

void TFRechner::BeitragsgruppePruefen() {
  const bool mit = JahresRegeln(k_.LStJahr).Beitragsgruppen;
  // A text refused before is no longer the question in a new period.
  if (gruppeAbgelehnt_) {
    gruppeAbgelehnt_ = false;
    Hinweis(EBeitragsgruppe, {});
  }
  EBeitragsgruppe->setEnabled(mit);
  LBeitragsgruppe->setEnabled(mit);
  if (!mit) {
    gruppe_.reset();
    gruppeAbgelehnt_ = false;
    Hinweis(EBeitragsgruppe, {});
    EBeitragsgruppe->clear();
    return;
  }
  if (!gruppe_) return;
  TRechnung probe;
  const std::string fehler = GruppeProbieren(*gruppe_, probe);
  if (fehler.empty()) return;
  const QString text = QString::fromStdString(gruppe_->Text());
  gruppe_.reset();
  BeitragsgruppeAblehnen(text, QString::fromStdString(fehler));
}

void TFRechner::SatzGeaendert(QLineEdit* feld) {
  if (unbrauchbar_.empty()) return;
  // The keys the field's value is stored under.
  std::vector<std::string> schluessel;
  const int typ = Beschaeftigung();
  if (feld == EPauschSt) {
    schluessel = {"PauschSt"};
  } else if (feld == EU1Proz || feld == EU2Proz) {
    if (typ == beNV) schluessel = {feld == EU1Proz ? "U1" : "U2"};
  } else if (feld == EKV2ANProz && JahresRegeln(k_.LStJahr).KVZusatz) {
    schluessel = {"KVZusatz"};
  } else {
    for (const auto& f : kSatzFelderAnzeige)
      if (this->*f.Feld == feld) schluessel = {SVSatzSchluessel(typ, f.Art, f.AN)};
  }
  for (const std::string& name : schluessel) {
    std::erase_if(unbrauchbar_, [&](const TIgnorierterWert& w) {
      return QString::fromStdString(w.Schluessel).compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0;
    });
  }
}

void TFRechner::EZusTextChange() {
  ErgText->setText(EZusText->text());
  d_.Rechnung.SonstigeBezeichnung = EZusText->text().toStdString();
}

// ---- window events ---------------------------------------------------------------

bool TFRechner::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::Hide) {
    // A window that follows the calculation was closed: its entry unchecks.
    const auto it = anzeigen_.constFind(static_cast<QWidget*>(objekt));
    if (it != anzeigen_.constEnd() && objekt->isWidgetType()) it.value()->setChecked(false);
  }
  if (ereignis->type() == QEvent::KeyPress) {
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    auto* w = qobject_cast<QWidget*>(objekt);
    if (w != nullptr && w->window() == this) {
      const QString t = taste->text();
      const bool enter = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
      // In an open drop-down list Enter chooses the item.
      const auto* liste = qobject_cast<QComboBox*>(w);
      if (!(enter && liste != nullptr && liste->view() != nullptr && liste->view()->isVisible())) {
        if (enter || t == QLatin1String("(")) {
          focusNextChild();
          return true;
        }
        if (t == QLatin1String("&")) {
          focusPreviousChild();
          return true;
        }
      }
    }
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

void TFRechner::showEvent(QShowEvent* ereignis) {
  QMainWindow::showEvent(ereignis);
  if (gezeigt_) return;
  gezeigt_ = true;
  ELohn->setFocus();
  rechnenAktiv_ = true;
  Rechnen();
  if (!einstellungsWarnungen_.isEmpty())
    QTimer::singleShot(0, this, [this] { EinstellungsWarnungenZeigen(); });
}

void TFRechner::closeEvent(QCloseEvent* ereignis) {
  if (!gespeichert_) {
    gespeichert_ = true;
    EinstellungenSpeichern();
  }
  ereignis->accept();
  QMainWindow::closeEvent(ereignis);
}

}  // namespace lst
