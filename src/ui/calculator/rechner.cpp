#include "ui/calculator/rechner.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <exception>

#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/fehler.h"
#include "calc/jahresregeln.h"
#include "calc/pruefung.h"
#include "calc/sv_einstellungen.h"
#include "common/qt/edit_cs.h"
#include "common/qt/platzierung.h"
#include "ui/calculator/anfrage_bindung.h"
#include "ui/calculator/eingabe_maske.h"
#include "ui/calculator/ergebnis_panel.h"
#include "ui/calculator/feld_hinweise.h"
#include "ui/calculator/rechner_menue.h"
#include "ui/calculator/saetze.h"

namespace lst {

TFRechner::TFRechner(const TDateiNamen& namen, QWidget* eltern) : QMainWindow(eltern), namen_(namen) {
  // The section of the stored placement is named after the window.
  setObjectName(QStringLiteral("FRechner"));
  jahr_ = NeuestesJahr();
  monat_ = StandardMonat(jahr_);

  auto* zentrum = new QWidget(this);
  auto* reihe = new QHBoxLayout(zentrum);
  maske_ = new TEingabeMaske(zentrum);
  f_ = &maske_->Felder();
  ergebnis_ = new TErgebnisPanel(zentrum);
  reihe->addWidget(maske_, 0);
  reihe->addWidget(ergebnis_, 1);
  auto* rollen = new QScrollArea(this);
  rollen->setWidget(zentrum);
  rollen->setWidgetResizable(true);
  rollen->setFrameShape(QFrame::NoFrame);
  rollen->setFocusPolicy(Qt::NoFocus);
  setCentralWidget(rollen);
  menue_ = new TRechnerMenue(this);
  bindung_ = std::make_unique<TAnfrageBindung>(*f_);
  saetze_ = std::make_unique<TSatzVerwaltung>(namen_, *f_);

  SignaleVerbinden();
  EinstellungenLaden();
  RegelnAnzeigen();
  WaehrungAnzeigen();
  // Until the first calculation the tools see the year's parameters.
  stand_.Parameter = Parameter();
  stand_.Euro = euro_;

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

TWerkzeugAktionen TFRechner::Aktionen() { return menue_->Werkzeuge(); }
QAction* TFRechner::DruckenAktion() { return menue_->Drucken(); }
QAction* TFRechner::DruckerAktion() { return menue_->Drucker(); }

// ---- the connections ------------------------------------------------------------

void TFRechner::SignaleVerbinden() {
  const TEingabeFelder& f = *f_;
  const auto geaendert = [this] { Geaendert(); };
  for (QLineEdit* e : std::initializer_list<QLineEdit*>{
           f.ELohn, f.EVersBez, f.EVBezM, f.EVBezS, f.EZMVB, f.edVJahr, f.EFreibetrag, f.EHinzuR, f.edSterbe,
           f.edAJahr, f.EPVWert, f.EPVWertPV, f.EZusBetrag, f.EZusText})
    connect(e, &QLineEdit::textChanged, this, geaendert);
  // The rates go into the stored values as the user types them.
  for (TEditCS* e : saetze_->Felder()) {
    connect(e, &QLineEdit::textEdited, this, [this, e] {
      const TParameter p = Parameter();
      TMeldungen meldungen;
      saetze_->Getippt(e, p, bindung_->Sammeln(p, euro_, meldungen));
      Geaendert();
    });
  }
  for (TEditCS* e : f.EinmalFelder()) connect(e, &QLineEdit::textChanged, this, geaendert);
  for (QCheckBox* c : {f.CBAlter, f.cbAF, f.CBR, f.cbKV2, f.cbPV2, f.CBGleitZ, f.CBRV_Verzicht, f.CBPauschSt,
                       f.cbSachsen, f.cbFuenftel, f.CBAktivrente})
    connect(c, &QCheckBox::toggled, this, geaendert);
  // A state chosen: its church-tax rate, region and Saxony, as the core
  // has them, into their controls.
  connect(f.CBBundesland, &QComboBox::currentIndexChanged, this, [this] {
    const TParameter p = Parameter();
    TMeldungen meldungen;
    TAnfrage a = bindung_->Sammeln(p, euro_, meldungen);
    a.KiStSatzAngegeben = false;
    bindung_->Schreiben(MitBundesland(a), p, euro_, {TFeld::Bundesland});
    Geaendert();
  });
  connect(f.CBDienstwagenSatz, &QComboBox::currentIndexChanged, this, geaendert);
  connect(f.RGOstWestGruppe, &QButtonGroup::idToggled, this, [this](int, bool an) {
    if (an) Geaendert();
  });
  connect(f.RGprivTypGruppe, &QButtonGroup::idToggled, this, [this](int, bool an) {
    if (an) Geaendert();
  });
  connect(f.cbKirchenSt, &QComboBox::editTextChanged, this, geaendert);
  connect(f.cbKirchenSt->lineEdit(), &QLineEdit::editingFinished, maske_, &TEingabeMaske::KirchenStMerken);

  // The care surcharge follows the children and the tax class.
  for (TEditCS* e : {f.E_ZKF, f.E_KinderU25}) {
    connect(e, &QLineEdit::textChanged, this, [this] {
      PVZuschlagVorgabe();
      Geaendert();
    });
  }
  connect(f.CBStKl, &QComboBox::currentIndexChanged, this, [this] {
    PVZuschlagVorgabe();
    Geaendert();
  });
  // A change of the pay period converts the typed amounts of the period.
  connect(f.CBLZZ, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0 || i > 3) return;
    bindung_->ZeitraumUmrechnen(lzzAlt_, i);
    lzzAlt_ = i;
    Geaendert();
  });
  // The factor lies between 0 and 1.
  connect(f.edFaktor, &QLineEdit::textChanged, this, [this] {
    const double faktor = f_->edFaktor->AsFloat();
    if (faktor < 0)
      f_->edFaktor->setText(QStringLiteral("0"));
    else if (faktor > 1)
      f_->edFaktor->setText(QStringLiteral("1"));
    else
      Geaendert();
  });

  // The boxes of the insurance: a click ends a typed contribution group.
  for (QCheckBox* c : {f.CBGF, f.CBprivHH})
    connect(c, &QCheckBox::toggled, this, [this, c] { BeschaeftigungGeklickt(c); });
  for (QCheckBox* c : {f.CBAufst, f.cbPriv}) {
    connect(c, &QCheckBox::toggled, this, [this] {
      GruppeVerwerfen();
      Geaendert();
    });
  }
  for (QRadioButton* rb : {f.rbAllgTab, f.rbBesTab}) {
    connect(rb, &QRadioButton::toggled, this, [this, rb](bool an) {
      if (!an) return;
      GruppeVerwerfen();
      // Chosen by the user, the special table is the privately insured one.
      const bool besondere = rb == f_->rbBesTab;
      f_->cbTabArt->setCurrentIndex(besondere ? 1 : 0);
      {
        const QSignalBlocker sperre(f_->cbPriv);
        f_->cbPriv->setChecked(f_->cbPriv->isEnabled() && besondere);
      }
      Geaendert();
    });
  }
  connect(f.EBeitragsgruppe, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text.trimmed().size() == 4) BeitragsgruppeEingegeben();
  });
  connect(f.EBeitragsgruppe, &QLineEdit::editingFinished, this, [this] { BeitragsgruppeEingegeben(); });

  // Year, month, flowchart.
  connect(f.CBJahr, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i >= 0) JahrWechseln(f_->CBJahr->itemData(i).toInt());
  });
  connect(f.CBMonat, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i >= 0) MonatWechseln(f_->CBMonat->itemData(i).toInt());
  });
  connect(f.cbUrspruenglich, &QCheckBox::toggled, this, [this] { UrspruenglichClick(); });

  connect(ergebnis_, &TErgebnisPanel::WunschGeaendert, this, [this] { WunschGeaendert(); });

  connect(menue_, &TRechnerMenue::SichtGewaehlt, this, [this](bool an) { SichtWechseln(an); });
  connect(menue_, &TRechnerMenue::JahrGewaehlt, this, [this](int jahr) { JahrWechseln(jahr); });
  connect(menue_, &TRechnerMenue::DMGewaehlt, this, [this](bool dm) { BetraegeInDM(dm); });
  connect(menue_, &TRechnerMenue::GrundfreibetragGewaehlt, this, [this] {
    saetze_->GrundfreibetragSetzen(menue_->Grundfreibetrag());
    Rechnen();
  });
  connect(menue_, &TRechnerMenue::BemessungsgrenzenGewaehlt, this, [this] { BemessungsgrenzenZeigen(); });
  connect(menue_, &TRechnerMenue::InfoGewaehlt, this, [this] { InfoZeigen(); });
}

// ---- the cycle -------------------------------------------------------------------

void TFRechner::Geaendert() {
  if (inZyklus_ || !rechnenAktiv_) return;
  Rechnen();
}

void TFRechner::Neuberechnen() { Rechnen(); }

TParameter TFRechner::Parameter() const {
  return lst::Parameter(jahr_, monat_, saetze_->Ueberschreibungen(), Version());
}

TParameter TFRechner::JahresParameter(int jahr, int monat) const {
  if (jahr == jahr_) return lst::Parameter(jahr, monat, saetze_->Ueberschreibungen());
  return lst::Parameter(jahr, monat, UeberschreibungenLaden(namen_.SaetzeDatei().Abbild(), jahr));
}

std::string TFRechner::FeldName(TFeld f) const { return bindung_->Name(f); }

TAnfrage TFRechner::Anfrage(const TParameter& p, TMeldungen& meldungen) {
  // What applies depends on the request, which the controls that apply
  // state: a few rounds until the controls stand still.
  TAnfrage a;
  for (int runde = 0; runde < 4; ++runde) {
    meldungen.clear();
    a = bindung_->Sammeln(p, euro_, meldungen);
    bool geaendert = bindung_->Freigeben(p, a);
    geaendert = saetze_->Zeigen(p, a) || geaendert;
    saetze_->ZuschlagKaestchen(Kinderlos());
    if (!geaendert) break;
  }
  return a;
}

void TFRechner::Rechnen() {
  if (inZyklus_) return;
  inZyklus_ = true;
  TAbrechnungsStand s;
  s.Parameter = Parameter();
  const TParameter& p = s.Parameter;
  TMeldungen meldungen;
  s.Anfrage = Anfrage(p, meldungen);
  maske_->EinmalReiterZeigen();
  TPruefOptionen optionen;
  optionen.MinijobHinweis = true;
  const std::vector<TBefund> befunde = Pruefen(p, s.Anfrage, optionen);
  saetze_->Pruefen(meldungen);
  bindung_->Markieren(befunde, meldungen, p, euro_);
  s.Euro = euro_;
  s.ArbeitnehmerSicht = arbeitnehmerSicht_;
  QString fehler;
  if (const TBefund* f = ErsterFehler(befunde); f != nullptr && f->Feld == TFeld::Jahr) {
    fehler = bindung_->Text(f->Meldung, p, euro_);
  } else {
    try {
      s.Ergebnis = Abrechnen(p, s.Anfrage);
    } catch (const std::exception& e) {
      fehler = QString::fromStdString(e.what());
    }
  }
  inZyklus_ = false;
  if (!fehler.isEmpty()) {
    // The results of the last good calculation stay on screen.
    Fehler(fehler);
    return;
  }
  stand_ = std::move(s);
  Zeigen();
}

void TFRechner::Zeigen() {
  inAnzeige_ = true;
  ergebnis_->Zeigen(stand_);
  {
    // The child benefit of the year and pay period in its field.
    const QSignalBlocker sperre(f_->EKindergeld);
    const std::int64_t kindergeld = stand_.Ergebnis.Kindergeld;
    QLocale ort;
    ort.setNumberOptions(QLocale::OmitGroupSeparator);
    if (stand_.Anfrage.ZKF != 0 && kindergeld != 0)
      f_->EKindergeld->setText(ort.toString(AnzeigeWert(stand_.Parameter.Jahr, euro_, kindergeld), 'f', 2));
    else
      f_->EKindergeld->clear();
  }
  // The contribution group in force (not while the user types a key or a
  // refused key stands in the field).
  TEditCS* gruppe = f_->EBeitragsgruppe;
  if (gruppe->isEnabled() && bindung_->GruppeMeldung.isEmpty() && !(gruppe->hasFocus() && gruppe->isModified())) {
    const QString text =
        stand_.Ergebnis.Beitragsgruppe ? QString::fromStdString(stand_.Ergebnis.Beitragsgruppe->Text()) : QString();
    if (gruppe->text() != text) gruppe->setText(text);
  }
  // The windows that follow the calculation refresh now.
  emit Berechnet();
  inAnzeige_ = false;
}

std::int64_t TFRechner::WunschBetrag() const { return ergebnis_->Wunsch(); }

void TFRechner::WunschGeaendert() {
  if (inAnzeige_ || !rechnenAktiv_) return;
  const std::int64_t wunsch = ergebnis_->Wunsch();
  ergebnis_->WunschMelden({});
  if (wunsch <= 0) return;
  TAbrechnungsStand s;
  s.Parameter = Parameter();
  TMeldungen meldungen;
  s.Anfrage = bindung_->Sammeln(s.Parameter, euro_, meldungen);
  s.Euro = euro_;
  s.ArbeitnehmerSicht = arbeitnehmerSicht_;
  try {
    s.Anfrage.Brutto = WunschBruttoSuchen(s.Parameter, s.Anfrage, euro_, wunsch, arbeitnehmerSicht_, &s.Ergebnis).Brutto;
  } catch (const TWunschUnerreichbar& e) {
    // A wish below what a gross of 0 gives (a one-off in the net wage) is
    // met on the way while its digits are typed: the field turns red with
    // the reason, the last results stay.  Beyond every gross: a message.
    if (e.Unter) {
      ergebnis_->WunschMelden(QString::fromStdString(e.what()));
    } else {
      Fehler(QString::fromStdString(e.what()));
    }
    return;
  } catch (const std::exception& e) {
    Fehler(QString::fromStdString(e.what()));
    return;
  }
  stand_ = std::move(s);
  Zeigen();
}

void TFRechner::SichtWechseln(bool arbeitnehmer) {
  // A gross wage found by the wish-net search becomes the typed gross wage.
  const TParameter p = Parameter();
  TMeldungen meldungen;
  if (rechnenAktiv_ && stand_.Anfrage.Brutto != bindung_->Sammeln(p, euro_, meldungen).Brutto)
    bindung_->Schreiben(stand_.Anfrage, p, euro_, {TFeld::Brutto});
  arbeitnehmerSicht_ = arbeitnehmer;
  menue_->SichtZeigen(arbeitnehmer);
  Rechnen();
}

void TFRechner::Fehler(const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Lohnsteuer"), text, QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

// ---- what one control means for others -------------------------------------------

bool TFRechner::Kinderlos() const {
  return !(f_->E_ZKF->AsFloat() > 0) && !(f_->E_KinderU25->isEnabled() && f_->E_KinderU25->AsInteger() > 0);
}

void TFRechner::PVZuschlagVorgabe() {
  // Class II has no surcharge of the childless (single parents).
  const QSignalBlocker sperre(f_->cbPV2);
  f_->cbPV2->setChecked(Kinderlos() && f_->CBStKl->currentIndex() != 1);
}

void TFRechner::BeschaeftigungGeklickt(QCheckBox* kasten) {
  GruppeVerwerfen();
  if (kasten->isChecked()) {
    QCheckBox* andere = kasten == f_->CBGF ? f_->CBprivHH : f_->CBGF;
    const QSignalBlocker sperre(andere);
    andere->setChecked(false);
    // From 2014 a minijob is insured in the pension insurance: the top-up is
    // ticked, unticking it is the employee's exemption.
    if (JahresRegeln(jahr_).PeriodenNachMonat) {
      const QSignalBlocker aufstockung(f_->CBAufst);
      f_->CBAufst->setChecked(true);
    }
  }
  Geaendert();
}

// ---- contribution group ---------------------------------------------------------

QString TFRechner::GruppeProbieren(const TBeitragsgruppe& g, TAnfrage& probe) {
  const TParameter p = Parameter();
  TMeldungen meldungen;
  TAnfrage a = bindung_->Sammeln(p, euro_, meldungen);
  a.Beitragsgruppe = g;
  // The boxes as the key sets them; then the core's findings of the key.
  probe = MitGruppe(p, a);
  for (const TBefund& b : lst::Pruefen(p, probe))
    if (b.Schwere == TSchwere::Fehler && b.Feld == TFeld::Beitragsgruppe) return bindung_->Text(b.Meldung, p, euro_);
  return {};
}

void TFRechner::BeitragsgruppeEingegeben() {
  TEditCS* feld = f_->EBeitragsgruppe;
  if (!feld->isEnabled() || !feld->isModified()) return;
  feld->setModified(false);
  const QString text = feld->text().trimmed();
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
  TAnfrage probe;
  const QString fehler = GruppeProbieren(*g, probe);
  if (!fehler.isEmpty()) {
    BeitragsgruppeAblehnen(text, fehler);
    return;
  }
  bindung_->Gruppe = g;
  bindung_->GruppeMeldung.clear();
  hinweis::Meldung(feld, {});
  // The boxes as the key says, without giving up the key.
  bindung_->Schreiben(probe, Parameter(), euro_,
                      {TFeld::BesondereTabelle, TFeld::Privat, TFeld::Minijob, TFeld::Haushalt, TFeld::Aufstockung});
  Rechnen();
}

void TFRechner::BeitragsgruppeAblehnen(const QString& text, const QString& meldung) {
  bindung_->GruppeMeldung = meldung;
  if (f_->EBeitragsgruppe->text() != text) f_->EBeitragsgruppe->setText(text);
  hinweis::Meldung(f_->EBeitragsgruppe, meldung);
}

void TFRechner::GruppeVerwerfen() {
  if (!bindung_->Gruppe && bindung_->GruppeMeldung.isEmpty()) return;
  bindung_->Gruppe.reset();
  bindung_->GruppeMeldung.clear();
  hinweis::Meldung(f_->EBeitragsgruppe, {});
}

void TFRechner::BeitragsgruppePruefen() {
  // A text refused before is no longer the question in a new period.
  if (!bindung_->GruppeMeldung.isEmpty()) {
    bindung_->GruppeMeldung.clear();
    hinweis::Meldung(f_->EBeitragsgruppe, {});
  }
  if (!bindung_->Gruppe) return;
  const TParameter p = Parameter();
  // Without groups in the year the field empties itself (the binding).
  if (!NichtVerfuegbar(p, TAnfrage{}, TFeld::Beitragsgruppe).empty()) {
    bindung_->Gruppe.reset();
    return;
  }
  TAnfrage probe;
  const QString fehler = GruppeProbieren(*bindung_->Gruppe, probe);
  if (fehler.isEmpty()) return;
  const QString text = QString::fromStdString(bindung_->Gruppe->Text());
  bindung_->Gruppe.reset();
  BeitragsgruppeAblehnen(text, fehler);
}

// ---- window events ---------------------------------------------------------------

void TFRechner::AnzeigeVerbinden(QAction* eintrag, QWidget* fenster) {
  if (eintrag == nullptr || fenster == nullptr) return;
  anzeigen_.insert(fenster, eintrag);
  fenster->installEventFilter(this);
  eintrag->setEnabled(true);
  connect(eintrag, &QAction::triggered, fenster, [eintrag, fenster] {
    if (fenster->isVisible()) {
      eintrag->setChecked(false);
      fenster->close();
    } else {
      eintrag->setChecked(true);
      fenster->show();
    }
  });
  connect(fenster, &QObject::destroyed, this, [this, fenster] { anzeigen_.remove(fenster); });
}

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
  f_->ELohn->setFocus();
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
