#include "ui/calculator/info_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "lohnsteuer_version.h"

namespace lst {

QString TFInfo::VersionsText() { return QStringLiteral("Version ") + QStringLiteral(LOHNSTEUER_VERSION); }

TFInfo::TFInfo(const QString& produkt, QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("Info"));
  setModal(true);

  auto* name = new QLabel(produkt, this);
  name->setObjectName(QStringLiteral("ProductName"));
  QFont gross = name->font();
  gross.setBold(true);
  gross.setPointSizeF(gross.pointSizeF() * 1.4);
  name->setFont(gross);
  auto* version = new QLabel(VersionsText(), this);
  version->setObjectName(QStringLiteral("Version"));
  auto* text = new QLabel(QStringLiteral("Lohnsteuer, Solidaritätszuschlag, Kirchensteuer und "
                                         "Sozialversicherungsbeiträge nach dem amtlichen "
                                         "Programmablaufplan für die maschinelle Berechnung der Lohnsteuer."),
                          this);
  text->setObjectName(QStringLiteral("Comments"));
  text->setWordWrap(true);
  auto* herausgeber = new QLabel(QStringLiteral("Herausgeber: ") + Herausgeber(), this);
  herausgeber->setObjectName(QStringLiteral("Copyright"));
  auto* verweis = new QLabel(
      QStringLiteral("Programmablaufpläne: <a href=\"https://www.bundesfinanzministerium.de\">"
                     "www.bundesfinanzministerium.de</a>"),
      this);
  verweis->setObjectName(QStringLiteral("Verweis"));
  verweis->setOpenExternalLinks(true);

  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok);
  ok->setText(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("OKButton"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(name);
  spalte->addWidget(version);
  spalte->addSpacing(8);
  spalte->addWidget(text);
  spalte->addWidget(herausgeber);
  spalte->addWidget(verweis);
  spalte->addSpacing(8);
  spalte->addWidget(knoepfe);
  setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

}  // namespace lst
