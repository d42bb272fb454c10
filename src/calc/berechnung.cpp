#include "calc/berechnung.h"
#include "calc/fehler.h"
#include "calc/kontext.h"
#include "lohnsteuer/programm.h"

namespace lst {

void KeineLohnsteuer(int jahr) {
  throw TLStFehler("Keine Lohnsteuer für " + std::to_string(jahr) + " vorhanden.");
}

void LohnsteuerBerechnen(TRechenKontext& k) {
  TLohnsteuerProgramm* programm = k.Programm(k.LStJahr);
  if (programm == nullptr) KeineLohnsteuer(k.LStJahr);
  programm->Lohnsteuer();
}

}  // namespace lst
