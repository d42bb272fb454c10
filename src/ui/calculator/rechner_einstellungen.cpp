// The settings of the calculator window: what it loads when it is created
// and saves when it closes, the stored values of a year, and the dialogs of
// the menu "Einstellungen".

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "calc/anzeige.h"
#include "geld/geld.h"
#include "calc/jahresregeln.h"
#include "calc/pruefung.h"
#include "common/ini_datei.h"
#include "common/qt/edit_cs.h"
#include "common/qt/platzierung.h"
#include "geld/zahlen.h"
#include "ui/calculator/eingabe_maske.h"
#include "ui/calculator/rechner.h"
#include "ui/calculator/rechner_menue.h"
#include "ui/calculator/saetze.h"

namespace lst {

namespace {

// The section of the inputs of the pay beside the regular wage.  Each input
// is kept under the core's name of it ("SonstigerBezug", "DienstwagenSatz")
// as its control holds it: a field's text as typed, "1" for a ticked box, a
// list's item; beside them the currency ("EUR" or "DM") and the pay period
// (1 year, 2 month, 3 week, 4 day) the amounts were typed in.  A file
// without the section, or without a key, leaves the field empty.
constexpr char kBezuege[] = "Einmalzahlung";
constexpr TFeld kBezugsFelder[] = {
    TFeld::SonstigerBezug,     TFeld::Jahresarbeitslohn,      TFeld::BisherigeSonstigeBezuege,
    TFeld::SVTage,             TFeld::SVEntgeltBisherKV,      TFeld::SVEntgeltBisherRV,
    TFeld::VorjahrSVTage,      TFeld::VorjahrSVEntgeltKV,     TFeld::VorjahrSVEntgeltRV,
    TFeld::VorjahrKVZusatz,    TFeld::Abfindung,              TFeld::Fuenftelregelung,
    TFeld::DienstwagenListenpreis, TFeld::DienstwagenKm,      TFeld::DienstwagenSatz,
    TFeld::Sachbezug,          TFeld::Steuerfrei,             TFeld::Entgeltumwandlung,
    TFeld::VWLAG,              TFeld::VWLSparbetrag,
};

// What a control holds, as the settings keep it ("" for nothing).
QString GespeicherterText(const QWidget* w) {
  if (const auto* e = qobject_cast<const TEditCS*>(w)) return e->text().trimmed();
  if (const auto* k = qobject_cast<const QCheckBox*>(w)) return k->isChecked() ? QStringLiteral("1") : QString();
  if (const auto* c = qobject_cast<const QComboBox*>(w)) return c->currentIndex() > 0 ? c->currentText() : QString();
  return {};
}

// Puts a stored text into its control; false for a text the control could
// not hold (a character that cannot be typed into the field, too long, no
// item of the list).
bool TextSetzen(QWidget* w, const QString& text) {
  if (auto* e = qobject_cast<TEditCS*>(w)) {
    if (text.size() > e->maxLength()) return false;
    for (const QChar c : text)
      if (!e->Zulaessig(c)) return false;
    e->setText(text);
    return true;
  }
  if (auto* k = qobject_cast<QCheckBox*>(w)) {
    if (text != QLatin1String("1") && text != QLatin1String("0")) return false;
    k->setChecked(text == QLatin1String("1"));
    return true;
  }
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    const int i = c->findText(text);
    if (i < 0) return false;
    c->setCurrentIndex(i);
    return true;
  }
  return false;
}

}  // namespace

// ---- church-tax list -------------------------------------------------------------

QString TFRechner::KommaText(const QStringList& liste) {
  QStringList teile;
  for (const QString& s : liste) {
    bool quoten = s.isEmpty();
    for (QChar c : s)
      if (c.unicode() <= ' ' || c == QLatin1Char(',') || c == QLatin1Char('"')) quoten = true;
    if (quoten) {
      QString q = s;
      q.replace(QLatin1String("\""), QLatin1String("\"\""));
      teile << QLatin1Char('"') + q + QLatin1Char('"');
    } else {
      teile << s;
    }
  }
  return teile.join(QLatin1Char(','));
}

QStringList TFRechner::KommaTextLesen(const QString& text) {
  QStringList liste;
  int i = 0;
  const int n = static_cast<int>(text.size());
  auto leer = [&] {
    while (i < n && text[i].unicode() <= ' ') ++i;
  };
  leer();
  while (i < n) {
    QString teil;
    if (text[i] == QLatin1Char('"')) {
      ++i;
      while (i < n) {
        if (text[i] == QLatin1Char('"')) {
          if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
            teil += QLatin1Char('"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        teil += text[i++];
      }
    } else {
      while (i < n && text[i] != QLatin1Char(',') && text[i].unicode() > ' ') teil += text[i++];
    }
    liste << teil;
    leer();
    if (i < n && text[i] == QLatin1Char(',')) {
      ++i;
      leer();
    }
  }
  return liste;
}

// ---- settings ----------------------------------------------------------------------

void TFRechner::EinstellungenLaden() {
  const TNewIniFile ini = namen_.EinstellungsDatei();
  // The tax year of the last session; a first start opens the newest year,
  // an unknown or damaged value as well (and says so).
  const int neuestes = NeuestesJahr();
  const std::string jahrText = ini.ReadString("LoSt", "Jahr", "");
  const auto jahr = GanzzahlLesen(jahrText);
  if (jahr && *jahr >= kErstesJahr && *jahr <= neuestes && JahresRegeln(static_cast<int>(*jahr)).Vorhanden) {
    jahr_ = static_cast<int>(*jahr);
  } else {
    jahr_ = neuestes;
    if (!jahrText.empty())
      einstellungsWarnungen_ << QStringLiteral("[LoSt] Jahr=%1: kein Steuerjahr von %2 bis %3; es gilt %3")
                                    .arg(QString::fromStdString(jahrText).left(40))
                                    .arg(kErstesJahr)
                                    .arg(neuestes);
  }
  monat_ = JahresRegeln(jahr_).PeriodenNachMonat ? StandardMonat(jahr_) : 12;
  dmGewuenscht_ = ini.ReadBool("LoSt", "BetraegeInDM", true);
  euro_ = !(JahresRegeln(jahr_).DM && dmGewuenscht_);
  menue_->GrundfreibetragSetzen(ini.ReadBool("LoSt2013", "GrdFreiB8130", true) ? 8130 : 8004);

  QStringList liste = KommaTextLesen(QString::fromStdString(ini.ReadString("LoSt", "KiSt", "")));
  for (const QString& s : maske_->KirchenStListe())
    if (!liste.contains(s)) liste << s;
  // Entries that are not a positive rate are dropped.
  liste.erase(std::remove_if(liste.begin(), liste.end(),
                             [](const QString& s) { return !(TEditCS::TextAlsZahl(s) > 0); }),
              liste.end());
  maske_->KirchenStListeSetzen(liste, QString());
  f_->cbKirchenSt->setCurrentIndex(0);

  BezuegeLaden(ini);

  // Damaged values give the defaults; the user hears of them once the window shows.
  SaetzeLaden();
}

void TFRechner::BezuegeLaden(const TNewIniFile& ini) {
  bezuegeUnbrauchbar_.clear();
  if (!ini.SectionExists(kBezuege)) return;
  const auto unbrauchbar = [&](const QString& schluessel, const QString& wert, const QString& grund) {
    einstellungsWarnungen_ << QStringLiteral("[%1] %2=%3: %4").arg(QLatin1String(kBezuege), schluessel,
                                                                    wert.left(40), grund);
    bezuegeUnbrauchbar_.append({schluessel, wert});
  };
  for (const TFeld feld : kBezugsFelder) {
    const QString schluessel = QString::fromLatin1(FeldKennung(feld));
    const QString wert = QString::fromStdString(ini.ReadString(kBezuege, schluessel.toStdString(), "")).trimmed();
    QWidget* w = bindung_->Steuerelement(feld);
    if (wert.isEmpty() || w == nullptr) continue;
    if (!TextSetzen(w, wert)) unbrauchbar(schluessel, wert, QStringLiteral("kein Wert dieses Feldes; es bleibt leer"));
  }
  // The amounts in the currency and the pay period the window starts with
  // (the year and the DM choice come from the same file, the pay period is
  // always the month).  Only the fields of the tab hold text yet.
  const QString waehrung = QString::fromStdString(ini.ReadString(kBezuege, "Waehrung", "EUR"));
  const bool euro = waehrung != QLatin1String("DM");
  if (waehrung != QLatin1String("EUR") && waehrung != QLatin1String("DM"))
    unbrauchbar(QStringLiteral("Waehrung"), waehrung, QStringLiteral("weder EUR noch DM; es gilt EUR"));
  if (euro != euro_) bindung_->BetraegeUmrechnen(euro ? kDMFaktor : 1 / kDMFaktor);
  const std::string zeitraumText = ini.ReadString(kBezuege, "Zeitraum", "2");
  const auto zeitraum = GanzzahlLesen(zeitraumText);
  if (zeitraum && *zeitraum >= 1 && *zeitraum <= 4) {
    if (*zeitraum - 1 != f_->CBLZZ->currentIndex())
      bindung_->ZeitraumUmrechnen(static_cast<int>(*zeitraum) - 1, f_->CBLZZ->currentIndex());
  } else {
    unbrauchbar(QStringLiteral("Zeitraum"), QString::fromStdString(zeitraumText),
                QStringLiteral("kein Lohnzahlungszeitraum von 1 (Jahr) bis 4 (Tag); es gilt der Monat"));
  }
}

bool TFRechner::BezuegeSpeichern(TNewIniFile& ini) const {
  std::vector<std::pair<std::string, std::string>> werte;
  bool etwas = false;
  for (const TFeld feld : kBezugsFelder) {
    const QString schluessel = QString::fromLatin1(FeldKennung(feld));
    QString text = GespeicherterText(bindung_->Steuerelement(feld));
    etwas = etwas || !text.isEmpty();
    // A damaged value stays as it stands while its field is empty.
    if (text.isEmpty()) {
      for (const auto& [k, wert] : bezuegeUnbrauchbar_)
        if (k == schluessel) text = wert;
    }
    werte.emplace_back(schluessel.toStdString(), text.toStdString());
  }
  // A user who never typed there gets no section.
  if (!etwas && bezuegeUnbrauchbar_.isEmpty() && !ini.SectionExists(kBezuege)) return true;
  werte.emplace_back("Waehrung", euro_ ? "EUR" : "DM");
  werte.emplace_back("Zeitraum", std::to_string(std::max(f_->CBLZZ->currentIndex(), 0) + 1));
  return ini.WriteStrings(kBezuege, werte);
}

void TFRechner::SaetzeLaden() {
  saetze_->Laden(jahr_, einstellungsWarnungen_);
  saetze_->GrundfreibetragSetzen(menue_->Grundfreibetrag());
}

void TFRechner::EinstellungsWarnungenZeigen() {
  if (einstellungsWarnungen_.isEmpty()) return;
  const QStringList liste = std::exchange(einstellungsWarnungen_, {});
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Lohnsteuer"),
                  QStringLiteral("Einige Werte der Einstellungsdatei sind unbrauchbar; "
                                 "an ihrer Stelle gelten die Vorgabewerte."),
                  QMessageBox::Ok, this);
  box.setInformativeText(liste.join(QLatin1Char('\n')));
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

bool TFRechner::EinstellungenSpeichern() {
  // The other windows' entries first: the settings go to the file in one write.
  emit EinstellungenSichern();
  TNewIniFile ini = namen_.EinstellungsDatei();
  QString kist = KommaText(maske_->KirchenStListe());
  kist.replace(QLatin1String(",\" \""), QString());
  while (kist.startsWith(QLatin1Char(','))) kist.remove(0, 1);

  QStringList fehler;
  if (!ini.WriteString("LoSt", "KiSt", kist.toStdString()) ||
      !ini.WriteBool("LoSt2013", "GrdFreiB8130", menue_->Grundfreibetrag() == 8130) ||
      !ini.WriteInteger("LoSt", "Jahr", jahr_) ||
      !ini.WriteBool("LoSt", "BetraegeInDM", dmGewuenscht_) ||
      !BezuegeSpeichern(ini) ||
      !SavePlacement(this, ini))
    fehler << QString::fromStdString(ini.FileName().string());

  // With the special table the zeros it brings never reach the file.
  saetze_->Speichern(!f_->rbBesTab->isChecked(), fehler);
  std::vector<std::filesystem::path> nichtGeschrieben;
  if (namen_.Sitzung && !namen_.Sitzung->Speichern(&nichtGeschrieben)) {
    for (const std::filesystem::path& p : nichtGeschrieben) {
      const QString datei = QString::fromStdString(p.string());
      if (!fehler.contains(datei)) fehler << datei;
    }
  }
  if (fehler.isEmpty()) return true;
  SpeicherFehlerMelden(fehler);
  return false;
}

void TFRechner::SpeicherFehlerMelden(const QStringList& fehler) {
  if (speicherFehlerGemeldet_) return;
  speicherFehlerGemeldet_ = true;
  QStringList dateien;
  for (const QString& datei : fehler) {
    const QFileInfo info(datei);
    const auto schreiben = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    dateien << (info.isFile() && !(info.permissions() & schreiben) ? datei + QStringLiteral(" (schreibgeschützt)")
                                                                    : datei);
  }
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Lohnsteuer"),
                  QStringLiteral("Die Einstellungen konnten nicht gespeichert werden in:\n%1\n\n"
                                 "Die zuletzt gespeicherten Einstellungen bleiben erhalten.")
                      .arg(dateien.join(QLatin1Char('\n'))),
                  QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

// ---- dialogs ------------------------------------------------------------------------

void TFRechner::SetBMGDialog(TFBMG* bmg) {
  bmg_ = bmg;
  if (bmg_ == nullptr) return;
  bmg_->Quelle = [this] { return BBGStand(); };
  bmg_->Gespeichert = [this](const TBBGTabelle& zeile) { BBGGespeichert(zeile); };
  bmg_->Fuellen();
  bmg_->EinheitenSetzen(QString::fromLatin1(Waehrungszeichen(euro_)));
}

TBBGStand TFRechner::BBGStand() const {
  TBBGStand s;
  s.Jahr = jahr_;
  s.Monat = JahresRegeln(jahr_).PeriodenNachMonat ? monat_ : 0;
  s.Euro = euro_;
  s.Grenzen = Parameter().BBG;
  return s;
}

void TFRechner::BBGGespeichert(const TBBGTabelle& zeile) {
  saetze_->BBGSetzen(zeile);
  Rechnen();
}

void TFRechner::BemessungsgrenzenZeigen() {
  if (bmg_ != nullptr) bmg_->exec();
  Rechnen();
}

void TFRechner::InfoZeigen() {
  if (auto* dialog = qobject_cast<QDialog*>(info_)) dialog->exec();
}

}  // namespace lst
