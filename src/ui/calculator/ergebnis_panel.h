#pragma once
// The right panel of the calculator window: the result of the calculation
// in the employee's or the employer's view, in the display currency, and
// the field of the wished net wage (in the employer's view: the planned
// wage cost).

#include <QFrame>

#include <cstdint>

#include "calc/abrechnung.h"

class QLabel;

namespace lst {

class TEditCS;

class TErgebnisPanel : public QFrame {
  Q_OBJECT

 public:
  explicit TErgebnisPanel(QWidget* eltern);

  // Shows the calculation in its view and display currency: each line
  // converted once, the sums formed from the shown lines (calc/anzeige.h).
  void Zeigen(const TAbrechnungsStand& s);

  // The wish as typed, in cents of the display currency (0 for none).
  std::int64_t Wunsch() const;
  // The typed wish multiplied by faktor (a change of the display currency),
  // without a search.
  void WunschUmrechnen(double faktor);
  // Marks the wish red with the reason it is not met (empty: unmarked).
  void WunschMelden(const QString& text);

 signals:
  // The user changed the wish.
  void WunschGeaendert();

 private:
  QLabel* LErg = nullptr;
  QLabel* LLoSt = nullptr;
  QLabel* LTxtNetto = nullptr;
  QLabel* LTxtWunsch = nullptr;
  QLabel* LTxt7 = nullptr;
  QLabel* LTxtEndsumme = nullptr;
  QLabel* ErgText = nullptr;
  QLabel* ErgBruttoLohn = nullptr;
  QLabel* ErgLohnSt = nullptr;
  QLabel* ErgKirchenSt = nullptr;
  QLabel* ErgSoli = nullptr;
  QLabel* ErgSteuern = nullptr;
  QLabel* ErgNachSt = nullptr;
  QLabel* ErgKV = nullptr;
  QLabel* ErgKV2 = nullptr;
  QLabel* ErgRV = nullptr;
  QLabel* ErgAV = nullptr;
  QLabel* ErgPV = nullptr;
  QLabel* ErgPV2 = nullptr;
  QLabel* ErgSV = nullptr;
  QLabel* ErgZusatz = nullptr;
  QLabel* ErgNettoLohn = nullptr;
  QLabel* ErgKiGeld = nullptr;
  QLabel* ErgKiGeldZwi = nullptr;
  // Reduced bases of the zone (both views, only in the zone), the
  // employer's levies and the cost including them (the employer's view,
  // from 2014).
  QLabel* LTxtBE = nullptr;
  QLabel* ErgBE = nullptr;
  QLabel* LTxtBEAN = nullptr;
  QLabel* ErgBEAN = nullptr;
  QLabel* LTxtU1 = nullptr;
  QLabel* ErgU1 = nullptr;
  QLabel* LTxtU2 = nullptr;
  QLabel* ErgU2 = nullptr;
  QLabel* LTxtIGU = nullptr;
  QLabel* ErgIGU = nullptr;
  QLabel* LTxtUmlagenGesamt = nullptr;
  QLabel* ErgUmlagenGesamt = nullptr;
  // The pay beside the regular wage, shown only where the slip has such
  // pay: its parts above the gross wages, the one-off's taxes and liable
  // parts as notes ("davon"), the March clause, what is not paid out or
  // added by the employer, and the payout.
  struct TZeile {
    QLabel* Text = nullptr;
    QLabel* Wert = nullptr;
  };
  TZeile sonstBezug_, abfindung_, gwv_, sachbezug_, vwlAG_, steuerfrei_;
  TZeile gesamtbrutto_, aktivrente_, steuerBrutto_, svBrutto_, einmalKV_, svBruttoRV_, einmalRV_;
  TZeile lstSonstig_, kistSonstig_, soliSonstig_;
  QLabel* maerzklausel_ = nullptr;
  TZeile gwvAbzug_, sachbezugAbzug_, entgeltumw_, bavZuschussAN_, bavZuschuss_, pkvZuschussAG_;
  TZeile pkvZuschussAN_, vwlSpar_, kindergeld_, auszahlung_;
  QLabel* LTxt1 = nullptr;
  QWidget* teileFase_ = nullptr;
  TEditCS* ENettoLohn = nullptr;
  bool zeigt_ = false;
};

}  // namespace lst
