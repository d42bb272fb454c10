#include "lohnsteuer/generation2014.h"

#include <cmath>

#include "calc/geld.h"
#include "lohnsteuer/versionen.h"

namespace lst {

namespace {

constexpr std::int64_t kMillion = 1'000'000;

// lohnCent * satz (millionths), cut toward zero to whole cents, in Euro.
double AnteilInEuro(std::int64_t lohnCent, std::int64_t satz) {
  const __int128 p = static_cast<__int128>(lohnCent) * satz;
  return static_cast<double>(static_cast<std::int64_t>(p / kMillion)) / 100;
}

// Whole cents of an amount in Euro that holds whole cents.
std::int64_t CentAus(double euro) { return static_cast<std::int64_t>(euro * 100 + std::copysign(0.5, euro)); }

// Cents rounded away from zero to whole Euro.
std::int64_t EuroAufgerundet(std::int64_t cent) {
  const std::int64_t r = cent % 100;  // the sign of cent
  return cent / 100 + (r > 0) - (r < 0);
}

// The integer of x * faktor when that is an integer below 10^9.
bool Ganzzahlig(double x, double faktor, std::int64_t& ganz) {
  const double y = x * faktor;
  if (!(y > -1e9 && y < 1e9)) return false;
  ganz = static_cast<std::int64_t>(y + std::copysign(0.5, y));
  return static_cast<double>(ganz) / faktor == x;
}

constexpr double kGrenzeInCent = 1e11;  // Euro

}  // namespace

TLStGeneration2014::TLStGeneration2014(TRechenKontext& k, const TParameter2014& p)
    : TLStJahresablauf(k), fest_(p) {
  inCent_ = Ganzzahlig(p.BBGRVWest, 100, bbgWestCent_) && Ganzzahlig(p.BBGRVOst, 100, bbgOstCent_) &&
            Ganzzahlig(p.TBSVORV, 100, tbsvorvProzent_) && Ganzzahlig(p.RVSATZAN, 10000, rvsatzan_) &&
            Ganzzahlig(p.BBGKVPV, 100, bbgKVPVCent_);
}

void TLStGeneration2014::ParameterWaehlen() {
  p_ = &fest_;
  j_ = p_;
  g_ = p_;
}

void TLStGeneration2014::Zuruecksetzen() {
  TLStJahresablauf::Zuruecksetzen();
  VSP1 = VSP2 = VSP3 = VSPN = 0;
  VHB = 0;
  v_.VFRB = v_.VFRBS1 = v_.VFRBS2 = v_.WVFRB = v_.WVFRBO = v_.WVFRBM = 0;
}

void TLStGeneration2014::Lohnsteuer() {
  ParameterWaehlen();
  Zuruecksetzen();
  k_.Tabellenmodus = false;
  MRE4JL();
  VBEZBSO = 0;
  KENNVMT = 0;
  MRE4();
  MRE4ABZ();
  if (p_->WerteBisNovember) [[unlikely]] {
    MBERECHDezember();
  } else {
    MBERECH();
  }
  MSONST();
  MVMT();
}

void TLStGeneration2014::MBERECHDezember() {
  // The yearly amounts in cents of wage tax, surcharge and church-tax base.
  struct TJahreswerte {
    std::int64_t LST, SOLZ, BK;
  };
  auto jahreswerte = [&]() -> TJahreswerte {
    return {LSTJAHR * 100, JBMG > SOLZFREI ? Abschneiden(SOLZJ * 100) : 0, v_.R ? JBMG * 100 : 0};
  };
  const double zre4vpm = ZRE4VP;
  g_ = p_->WerteBisNovember;
  MBERECH();
  const TJahreswerte alt = jahreswerte();
  g_ = p_;
  ZRE4VP = zre4vpm;
  MBERECH();
  if (v_.LZZ == 1) return;
  // MLST1215: the new yearly value less eleven times what January to
  // November withheld too much, the pay period's share, not below 0.
  const TJahreswerte neu = jahreswerte();
  auto anteil = [&](std::int64_t n, std::int64_t a) -> std::int64_t {
    const std::int64_t jw = n - 11 * (a - n);
    if (jw < 0) return 0;
    JW = static_cast<double>(jw);
    UPANTEIL();
    return ANTEIL1;
  };
  v_.LSTLZZ = anteil(neu.LST, alt.LST);
  v_.SOLZLZZ = anteil(neu.SOLZ, alt.SOLZ);
  v_.BK = anteil(neu.BK, alt.BK);
}

void TLStGeneration2014::TabellenArgumente(const TTabellenArgumente& a) {
  v_.KRV = !a.AllgemeineTabelle ? 2 : (a.Region == 0 ? 1 : 0);
  v_.PVS = a.PVS != 0 ? 1 : 0;
  v_.PKV = a.PKV;
}

void TLStGeneration2014::UPVKVLZZ() {
  UPVKV();
  JW = static_cast<double>(VKV);
  UPANTEIL();
  v_.VKVLZZ = ANTEIL1;
}

// Pension part and lump-sum part of the provision allowance.
void TLStGeneration2014::UPEVP() {
  if (k_.Tabellenmodus) ZRE4VP = TabZRE4;
  if (inCent_ && ZRE4VP > -kGrenzeInCent && ZRE4VP < kGrenzeInCent && v_.PKPV > -kGrenzeInCent &&
      v_.PKPV < kGrenzeInCent) [[likely]] {
    UPEVPInCent();
    return;
  }
  if (v_.KRV > 1) {
    VSP1 = 0;
  } else {
    const double bbg = v_.KRV == 1 ? p_->BBGRVOst : p_->BBGRVWest;
    if (ZRE4VP > bbg) ZRE4VP = bbg;
    VSP1 = AbschneidenStellen(2, p_->TBSVORV * ZRE4VP);
    VSP1 = AbschneidenStellen(2, VSP1 * p_->RVSATZAN);
  }
  VSP2 = AbschneidenStellen(2, ZRE4VP * 0.12);
  VHB = v_.STKL == 3 ? 3000 : 1900;
  if (VSP2 > VHB) VSP2 = static_cast<double>(VHB);
  VSPN = static_cast<double>(Aufrunden(VSP1 + VSP2));
  MVSP();
  if (VSPN > VSP) VSP = VSPN;
}

// The branches of the flowchart become selections: pension insurance,
// ceilings, statutory or private insurance are mixed at random.
void TLStGeneration2014::UPEVPInCent() {
  const bool rv = v_.KRV <= 1;
  const std::int64_t bbg = v_.KRV == 1 ? bbgOstCent_ : bbgWestCent_;
  std::int64_t lohn = CentAus(ZRE4VP);
  lohn = rv & (lohn > bbg) ? bbg : lohn;
  std::int64_t vsp1 = lohn * tbsvorvProzent_ / 100;
  vsp1 = vsp1 * rvsatzan_ / 10000;
  vsp1 = rv ? vsp1 : 0;
  VSP1 = static_cast<double>(vsp1) / 100;
  std::int64_t vsp2 = lohn * 12 / 100;
  VHB = v_.STKL == 3 ? 3000 : 1900;
  vsp2 = vsp2 > VHB * 100 ? VHB * 100 : vsp2;
  VSP2 = static_cast<double>(vsp2) / 100;
  const std::int64_t vspn = EuroAufgerundet(vsp1 + vsp2);
  VSPN = static_cast<double>(vspn);
  const std::int64_t vsp = MVSPInCent(vsp1, lohn);
  VSP = static_cast<double>(vspn > vsp ? vspn : vsp);
}

std::int64_t TLStGeneration2014::MVSPInCent(std::int64_t vsp1Cent, std::int64_t lohn) {
  const TParameter2014& p = *p_;
  const std::int64_t lohnCent = lohn > bbgKVPVCent_ ? bbgKVPVCent_ : lohn;
  // ZRE4VP capped at the ceilings, as the flowchart leaves it.
  ZRE4VP = static_cast<double>(lohnCent) / 100;
  // The employee's share of the additional rate in millionths.
  const double kvz = k_.Tabellenmodus ? DurchschnittlicherZusatzbeitrag(k_.LStJahr) : v_.KVZ;
  const std::int64_t kvzHundertstel = static_cast<std::int64_t>(kvz * 100 + 0.5);
  const std::int64_t zusatz = p.KVZTeiler == 0 ? 0 : p.KVZTeiler == 1 ? kvzHundertstel * 100 : kvzHundertstel * 50;
  const bool sachsen = v_.PVS == 1;
  const std::int64_t pvAN = sachsen ? p.PVSATZANSachsen : p.PVSATZAN;
  // Statutory: the employee's rates (the table without the surcharge of the
  // childless).
  const std::int64_t pvz = v_.PVZ == 1 && !k_.Tabellenmodus ? p.PVZuschlag : 0;
  const std::int64_t gesetzlich = lohnCent * (p.KVSATZAN + zusatz + pvAN + pvz) / kMillion;
  // Private: the contributions, with an employer subsidy less the subsidy at
  // the statutory rates (cut toward zero).
  const std::int64_t beitrag = v_.PKPV * 12;
  const std::int64_t satzAG = p.KVSATZAG + (sachsen ? p.PVSATZAGSachsen : p.PVSATZAG);
  const std::int64_t rest = beitrag * kMillion - lohnCent * satzAG;
  std::int64_t mitZuschuss = rest / kMillion;
  const bool knapp = p.KVSATZAGKnappDarueber & (lohnCent > 0) & (rest > 0) & (rest % kMillion == 0);
  mitZuschuss -= knapp ? 1 : 0;
  const std::int64_t privat = v_.PKV == 2 ? mitZuschuss : beitrag;
  std::int64_t vsp3;
  if (k_.Tabellenmodus) [[unlikely]] {
    // A table row of a privately insured person without employer subsidy
    // gets no health-and-care part (its contributions are individual).
    vsp3 = v_.PKV == 1 ? 0 : gesetzlich;
  } else {
    vsp3 = v_.PKV == 0 ? gesetzlich : v_.STKL == 6 ? 0 : privat;
  }
  VSP3 = static_cast<double>(vsp3) / 100;
  return EuroAufgerundet(vsp3 + vsp1Cent);
}

// Health and care part of the provision allowance.
void TLStGeneration2014::MVSP() {
  const TParameter2014& p = *p_;
  if (ZRE4VP > p.BBGKVPV) ZRE4VP = p.BBGKVPV;
  const std::int64_t lohnCent = Runden(ZRE4VP * 100);
  // The employee's share of the additional rate in millionths.
  auto zusatz = [&](double kvz) -> std::int64_t {
    if (p.KVZTeiler == 0) return 0;
    return Runden(kvz * 100) * 100 / p.KVZTeiler;
  };
  const std::int64_t pvAN = v_.PVS == 1 ? p.PVSATZANSachsen : p.PVSATZAN;
  if (k_.Tabellenmodus) {
    // A table row of a privately insured person without employer subsidy
    // gets no health-and-care part (its contributions are individual); the
    // other rows take the statutory rates with the year's average additional
    // rate and without the surcharge of the childless.
    VSP3 = v_.PKV == 1 ? 0.0
                       : AnteilInEuro(lohnCent, p.KVSATZAN + zusatz(DurchschnittlicherZusatzbeitrag(k_.LStJahr)) + pvAN);
  } else if (v_.PKV == 0) {
    const std::int64_t satz = p.KVSATZAN + zusatz(v_.KVZ) + pvAN + (v_.PVZ == 1 ? p.PVZuschlag : 0);
    VSP3 = AnteilInEuro(lohnCent, satz);
  } else if (v_.STKL == 6) {
    VSP3 = 0;
  } else if (v_.PKV == 2) {
    // The contributions less the employer's subsidy at the statutory rates,
    // cut to the cent toward zero.
    const std::int64_t satz = p.KVSATZAG + (v_.PVS == 1 ? p.PVSATZAGSachsen : p.PVSATZAG);
    const __int128 rest = static_cast<__int128>(v_.PKPV) * 12 * kMillion - static_cast<__int128>(lohnCent) * satz;
    __int128 cent = rest / kMillion;
    if (p.KVSATZAGKnappDarueber && lohnCent > 0 && rest > 0 && rest % kMillion == 0) cent -= 1;
    VSP3 = static_cast<double>(static_cast<std::int64_t>(cent)) / 100;
  } else {
    VSP3 = v_.PKPV * 12 / 100.0;
  }
  VSP = static_cast<double>(Aufrunden(VSP3 + VSP1));
}

void TLStGeneration2014::UPVKV() {
  if (v_.PKV > 0) {
    VKV = Abschneiden((VSP2 > VSP3 ? VSP2 : VSP3) * 100);
  } else {
    VKV = 0;
  }
}

}  // namespace lst
