#include "ui/tools/plott.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <functional>

#include "calc/fehler.h"
#include "ui/rechner_schnittstelle.h"
#include "ui/tools/anzeige.h"
#include "ui/tools/plott_zeichnung.h"

namespace lst {

// --- Drawing area ------------------------------------------------------------------

TPlottFlaeche::TPlottFlaeche(TFPlott& plott) : QWidget(&plott), plott_(plott) {
  setObjectName(QStringLiteral("PaintBox1"));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(67 + 60, 40 + 40);
  setCursor(Qt::CrossCursor);
}

void TPlottFlaeche::Veraltet() {
  aktuell_ = false;
  update();
}

void TPlottFlaeche::paintEvent(QPaintEvent* ereignis) {
  if (!aktuell_ || bild_.deviceIndependentSize().toSize() != size()) {
    bild_ = plott_.Zeichne(size());
    aktuell_ = true;
  }
  QPainter p(this);
  // Only the part that needs it: the rubber band repaints a small region.
  const QRect teil = ereignis->rect();
  const double dpr = bild_.devicePixelRatio();
  p.drawImage(teil, bild_, QRectF(teil.topLeft() * dpr, teil.size() * dpr));
  if (zieht_) {
    QPen band(Qt::black, 1, Qt::DashLine);
    p.setPen(band);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(start_, ende_).normalized());
  }
}

void TPlottFlaeche::resizeEvent(QResizeEvent* ereignis) {
  QWidget::resizeEvent(ereignis);
  plott_.Ansicht().Flaeche(width(), height());
  aktuell_ = false;
}

void TPlottFlaeche::mousePressEvent(QMouseEvent* ereignis) {
  if (ereignis->button() != Qt::LeftButton) return;
  start_ = ende_ = ereignis->position().toPoint();
  zieht_ = true;
  update();
}

void TPlottFlaeche::mouseMoveEvent(QMouseEvent* ereignis) {
  const QPoint stelle = ereignis->position().toPoint();
  plott_.Status(stelle);
  if (zieht_) {
    // Repaint where the old and the new band lie.
    update(QRect(start_, ende_).normalized().adjusted(-2, -2, 2, 2));
    ende_ = stelle;
    update(QRect(start_, ende_).normalized().adjusted(-2, -2, 2, 2));
  }
}

void TPlottFlaeche::mouseReleaseEvent(QMouseEvent* ereignis) {
  if (ereignis->button() == Qt::RightButton) {
    plott_.ZoomClick();
    return;
  }
  if (ereignis->button() != Qt::LeftButton || !zieht_) return;
  zieht_ = false;
  ende_ = ereignis->position().toPoint();
  if (plott_.ZoomRechteck(start_, ende_)) return;
  if (ende_ == start_) {
    plott_.ZoomIn();
  } else {
    update(QRect(start_, ende_).normalized().adjusted(-2, -2, 2, 2));   // only the band goes
  }
}

void TPlottFlaeche::contextMenuEvent(QContextMenuEvent* ereignis) {
  // The right button zooms out; the menu comes with the keyboard or with Shift.
  if (ereignis->reason() == QContextMenuEvent::Mouse && !(ereignis->modifiers() & Qt::ShiftModifier)) return;
  QMenu menue(this);
  menue.addAction(QStringLiteral("Vergrößern"), &plott_, &TFPlott::ZoomIn);
  menue.addAction(QStringLiteral("Verkleinern"), &plott_, &TFPlott::ZoomClick);
  menue.addSeparator();
  QAction* bild = menue.addAction(QStringLiteral("Als Bild speichern..."), &plott_, &TFPlott::AlsBildSpeichern);
  bild->setObjectName(QStringLiteral("AlsBildSpeichern1"));
  menue.exec(ereignis->globalPos());
}

// --- Window ------------------------------------------------------------------------

TFPlott::TFPlott(TRechnerSchnittstelle& rechner, QWidget* eltern) : QDialog(eltern), rechner_(rechner) {
  setObjectName(QStringLiteral("FPlott"));
  setWindowTitle(QStringLiteral("Brutto - Netto Diagramm"));
  setModal(true);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setWindowFlag(Qt::WindowMinimizeButtonHint, true);
  QPalette weiss = palette();
  weiss.setColor(QPalette::Window, Qt::white);
  setPalette(weiss);
  setAutoFillBackground(true);
  resize(800, 560);

  flaeche_ = new TPlottFlaeche(*this);
  scroll1_ = new QScrollBar(Qt::Horizontal, this);
  scroll1_->setObjectName(QStringLiteral("ScrollBar1"));
  scroll2_ = new QScrollBar(Qt::Vertical, this);
  scroll2_->setObjectName(QStringLiteral("ScrollBar2"));
  for (QScrollBar* s : {scroll1_, scroll2_}) {
    s->setRange(-1, 1);
    s->setPageStep(0);
    s->setSingleStep(1);
    s->setValue(0);
  }
  scroll1_->setToolTip(QStringLiteral("Bruttolohn verschieben"));
  scroll2_->setToolTip(QStringLiteral("Werte verschieben"));
  connect(scroll1_, &QScrollBar::valueChanged, this, &TFPlott::ScrollBar1Change);
  connect(scroll2_, &QScrollBar::valueChanged, this, &TFPlott::ScrollBar2Change);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("Panel2"));
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_->setToolTip(QStringLiteral("Klick: vergrößern, Rahmen ziehen: Ausschnitt, rechte Maustaste: verkleinern,\n"
                                     "Tasten + und -, Pfeiltasten; Umschalt + rechte Maustaste: Menü (Als Bild speichern...)"));

  // The keyboard does what the mouse does.
  const struct {
    QKeySequence Taste;
    std::function<void()> Tun;
  } tasten[] = {
      {QKeySequence(Qt::Key_Plus), [this] { ZoomIn(); }},
      {QKeySequence(Qt::Key_Minus), [this] { ZoomClick(); }},
      {QKeySequence(Qt::Key_Right), [this] { ScrollBar1Change(1); }},
      {QKeySequence(Qt::Key_Left), [this] { ScrollBar1Change(-1); }},
      {QKeySequence(Qt::Key_Up), [this] { ScrollBar2Change(-1); }},
      {QKeySequence(Qt::Key_Down), [this] { ScrollBar2Change(1); }},
  };
  for (const auto& t : tasten) {
    auto* aktion = new QAction(this);
    aktion->setShortcut(t.Taste);
    connect(aktion, &QAction::triggered, this, t.Tun);
    addAction(aktion);
  }

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(flaeche_, 0, 0);
  layout->addWidget(scroll2_, 0, 1);
  layout->addWidget(scroll1_, 1, 0);
  layout->addWidget(status_, 2, 0, 1, 2);
  layout->setRowStretch(0, 1);
  layout->setColumnStretch(0, 1);
}

void TFPlott::showEvent(QShowEvent* ereignis) {
  QDialog::showEvent(ereignis);
  if (ereignis->spontaneous()) return;
  setWindowTitle(QStringLiteral("Brutto - Netto Diagramm  [") + ZeitraumName(rechner_.Stand().Anfrage.LZZ) +
                 QChar(']'));
  ansicht_.Flaeche(flaeche_->width(), flaeche_->height());
  ansicht_.Zuruecksetzen();
  wertText_ = rechner_.Stand().ArbeitnehmerSicht ? QStringLiteral("Nettolohn=") : QStringLiteral("Lohnkosten=");
  status_->setText(QStringLiteral("Bruttolohn=   ") + wertText_);
  flaeche_->Veraltet();
}

QImage TFPlott::Zeichne(const QSize& groesse) {
  QImage bild = PlottBild(groesse.width(), groesse.height(), devicePixelRatioF());
  if (zeichnet_) {
    bild.fill(Qt::white);
    return bild;
  }
  zeichnet_ = true;
  const TAbrechnungsStand& s = rechner_.Stand();
  try {
    Kurve(s.Parameter, s.Anfrage, s.Euro, s.ArbeitnehmerSicht, ansicht_, werte_);
  } catch (const TLStFehler&) {
    werte_.clear();
  }
  ++laeufe_;
  PlottZeichnen(bild, ansicht_, werte_, font());
  zeichnet_ = false;
  return bild;
}

void TFPlott::Neu() { flaeche_->Veraltet(); }

void TFPlott::ZoomIn() {
  ansicht_.ZoomIn();
  Neu();
}

void TFPlott::ZoomClick() {
  ansicht_.ZoomOut();
  Neu();
}

bool TFPlott::ZoomRechteck(const QPoint& a, const QPoint& b) {
  if (!ansicht_.ZoomRechteck(a.x(), a.y(), b.x(), b.y())) return false;
  Neu();
  return true;
}

void TFPlott::ScrollBar1Change(int position) {
  if (position == 0) return;
  ansicht_.ScrollX(position);
  Neu();
  const QSignalBlocker sperre(scroll1_);
  scroll1_->setValue(0);
}

void TFPlott::ScrollBar2Change(int position) {
  if (position == 0) return;
  ansicht_.ScrollY(position);
  Neu();
  const QSignalBlocker sperre(scroll2_);
  scroll2_->setValue(0);
}

void TFPlott::Status(const QPoint& stelle) {
  const double x = ansicht_.XWert(stelle.x());
  const double y = ansicht_.YWert(stelle.y());
  status_->setText(QStringLiteral("Bruttolohn=") + ZahlText(x) + QStringLiteral("   ") + wertText_ + ZahlText(y));
}

void TFPlott::AlsBildSpeichern() {
  const QString datei = QFileDialog::getSaveFileName(this, QStringLiteral("Als Bild speichern"),
                                                     QStringLiteral("Brutto-Netto-Diagramm.png"),
                                                     QStringLiteral("PNG-Bilder (*.png)"));
  if (datei.isEmpty()) return;
  QString ziel = datei;
  if (!ziel.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) ziel += QStringLiteral(".png");
  if (!flaeche_->Bild().save(ziel, "PNG")) {
    QMessageBox::warning(this, QStringLiteral("Als Bild speichern"),
                         QStringLiteral("Das Bild \"%1\" konnte nicht gespeichert werden.").arg(ziel));
  }
}

}  // namespace lst
