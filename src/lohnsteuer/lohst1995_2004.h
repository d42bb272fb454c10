#pragma once
// The wage-tax programs 1995 to 2004 (main routines Lohnsteuer1995 ...
// Lohnsteuer2004, income-tax routines Einkommensteuer2002 ... 2004, table
// routine Tabelle2004) and their tariffs.  Amounts are pfennigs up to 2001 and
// cents of Euro from 2002.

#include <cstdint>

#include "lohnsteuer/generation1995.h"

namespace lst {

// Income-tax tariffs for one tariff unit X in whole DM (to 2001) or Euro.
std::int64_t UPTAB95(double X);
std::int64_t UPTAB96(double X);  // 1996 and 1997
std::int64_t UPTAB98(double X);
std::int64_t UPTAB99(double X);
std::int64_t UPTAB00(double X);
std::int64_t UPTAB01(double X);
std::int64_t UPTAB02(double X);  // 2002 and 2003
std::int64_t UPTAB04(double X);  // the shape of the tariffs from 2005

// Parameters shared by a group of years; a year changes what differs.

// What all years up to 2004 have: no special-expenses lump sum in class V,
// the tariff of one tariff unit in UP5_6, LSTJAHR = ST.
constexpr TParameter1995 ParameterBis2004(int jahr, TGruppe1995 gruppe,
                                          std::int64_t (*uptab)(double)) {
  TParameter1995 p{};
  p.Jahr = jahr;
  p.Gruppe = gruppe;
  p.Tarifformel = uptab;
  p.SAP5 = 0;
  p.UP5_6MitKZTAB = false;
  p.MitFaktorschritt = false;
  p.ArbeitnehmerteilAufrunden = false;
  p.KlasseVIMitFVBZ = false;
  p.SoliAusEinstellungen = true;
  p.SonstbZeitraumBis = 0;
  return p;
}

// The DM years 1996 to 2001 (as 2000).
constexpr TParameter1995 ParameterDMJahre(int jahr, std::int64_t (*uptab)(double)) {
  TParameter1995 p = ParameterBis2004(jahr, TGruppe1995::DMJahre, uptab);
  p.FVBMax = 6000;
  p.ALTEMax = 3720;
  p.ANP = 2000;
  p.SAP = 108;
  p.SAP3 = 216;
  p.EFA = 5616;
  p.KFB = 6912;
  p.KFB4 = 3456;
  // MZTABFB of their own: KFB rounded, 2 DM for class VI.
  p.MitEigenemMZTABFB = true;
  p.ZTABFB6 = 2;
  // VSPO 20 %, VSPVOR, VSPMAX1, VSPMAX2, VSPKURZ; the halved rest of UMVSP
  // rounded half away from zero.
  p.Vorsorge = {0.20, 6000, 2610, 1305, 2214, false};
  p.LohnStufe = 54;
  p.ZVEMin = 0;
  p.XStufe = 54;
  p.XZuschlag = 0;
  Klasse5(p, 17118, 57348, 0.51, 0.229);
  p.SOLZFREI = 1836;
  p.SOLZJAufCent = false;
  return p;
}

// The Euro years 2002 to 2004 (as 2002).
constexpr TParameter1995 ParameterEuroJahre(int jahr, std::int64_t (*uptab)(double)) {
  TParameter1995 p = ParameterBis2004(jahr, TGruppe1995::EuroStufen, uptab);
  p.FVBMax = 3072;
  p.ALTEMax = 1908;
  p.ANP = 1044;
  p.SAP = 36;
  p.SAP3 = 72;
  p.EFA = 2340;
  p.KFB = 5808;
  p.KFB4 = 2904;
  // The old-law amounts of 2005 to 2009; the halved rest of UMVSP rounded
  // half away from zero (from 2005 up).
  p.Vorsorge = {0.20, 3068, 1334, 667, 1134, false};
  p.LohnStufe = 36;
  p.ZVEMin = 36;
  p.XStufe = 36;
  p.XZuschlag = 18;
  Klasse5(p, 8946, 27306, 0.485, 0.199);
  p.SOLZFREI = 972;
  p.SonstbZeitraumBis = 15000;
  return p;
}

// 1995: child allowances reduce the wage tax itself, the church-tax base is
// the wage tax less a child amount, and low earned incomes are relieved.
class TLohnsteuer1995 : public TLStDMJahre {
 public:
  explicit TLohnsteuer1995(TLStZustand& k);

  // The relief for low earned incomes of a yearly tax ST (tariff tax times
  // KZTAB): 2.5 times the tax per tariff unit above 1135 DM, never more than
  // ST and never below 0.
  static std::int64_t Entlastungsbetrag(std::int64_t st, int kztab);

 protected:
  void NachLSTJAHR() override;
  void Kirchensteuerbasis() override;
};

// The parameters of the years 1996 to 2004; their programs are
// TLStDMJahre (to 2001) and TLStGeneration1995 with these.
extern const TParameter1995 kParameter1996;
extern const TParameter1995 kParameter1997;
extern const TParameter1995 kParameter1998;
extern const TParameter1995 kParameter1999;
extern const TParameter1995 kParameter2000;
extern const TParameter1995 kParameter2001;
extern const TParameter1995 kParameter2002;
extern const TParameter1995 kParameter2003;
extern const TParameter1995 kParameter2004;

}  // namespace lst
