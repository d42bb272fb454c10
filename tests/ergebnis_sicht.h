#pragma once
// The contributions of a slip (TMonatsErgebnis) in the layout of the
// contribution step (TSVErgebnis): the pairs by kind, the sums, the reduced
// bases, the levies and the subsidy, for the tests that walk the kinds.

#include "calc/abrechnung.h"
#include "calc/datensaetze.h"

namespace lst {

inline TSVErgebnis Beitraege(const TMonatsErgebnis& m) {
  TSVErgebnis sv;
  for (int art = 0; art < svAnzahl; ++art) {
    sv.AN(art) = m.Beitrag(static_cast<TSVArt>(art)).AN;
    sv.AG(art) = m.Beitrag(static_cast<TSVArt>(art)).AG;
  }
  sv.SVSummeAN() = m.SVSummeAN;
  sv.SVSummeAG() = m.SVSummeAG;
  sv.BE = m.BE;
  sv.BE_AN = m.BE_AN;
  sv.U1_AG = m.U1_AG;
  sv.U2_AG = m.U2_AG;
  sv.IGU_AG = m.IGU_AG;
  sv.PKVZuschuss_AG = m.PKVZuschuss_AG;
  return sv;
}

}  // namespace lst
