#pragma once
// The contribution group (Beitragsgruppenschlüssel): four digits, in this
// order health (KV), pension (RV), unemployment (AV) and care insurance
// (PV), with which payroll states where a person is insured.  From 2014 the
// group decides every contribution of the slip and what the wage-tax
// flowchart is told of the insurance (KRV, ALV, PKV), so that both describe
// the same person.
//
// The digits the calculation knows:
//   KV 0 none through this employment (private, or a voluntary member who
//        pays himself), 1 general rate, 3 reduced rate (no sick pay),
//        6 flat employer contribution of a minijob, 9 voluntary member whose
//        employer remits the contribution (computed as 1);
//   RV 0 none, 1 full (in a minijob: the employer's flat rate and the
//        employee's top-up), 3 the employer's half alone (a full old-age
//        pensioner), 5 the employer's flat rate of a minijob alone;
//   AV 0 none, 1 full, 2 the employer's half alone (past the regular
//        retirement age; not levied 2017 to 2021);
//   PV 0 none, 1 full.
// Other digits of the key (KV 2 increased rate up to 2008, KV 4 and 5
// agricultural health insurance, PV 2 half contribution with a claim to
// state aid) are refused with a message.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lst {

struct TBeitragsgruppe {
  std::uint8_t KV = 1;
  std::uint8_t RV = 1;
  std::uint8_t AV = 1;
  std::uint8_t PV = 1;

  friend constexpr bool operator==(const TBeitragsgruppe&, const TBeitragsgruppe&) = default;

  // "1111".
  std::string Text() const;
  // The same four characters without a string (for writers of many rows).
  std::array<char, 4> Ziffern() const;
  // Whether the employee is insured in the branch through this employment
  // (pays a share of its own): what the flowchart is told.
  bool RVVersichert() const { return RV == 1; }
  bool AVVersichert() const { return AV == 1; }
  // The statutory health insurance through this employment or as a
  // voluntary member; a minijob's flat contribution counts as statutory
  // too (KV 6).  KV 0 with PV 0 is private or no health insurance.
  bool KVGesetzlich() const { return KV != 0 || PV != 0; }
  // A minijob's digits: KV 6 or RV 5.
  bool Minijob() const { return KV == 6 || RV == 5; }
};

// Reads four digits ("6100"); nothing for other text.
std::optional<TBeitragsgruppe> BeitragsgruppeLesen(std::string_view text);

// What a group means for the other inputs of a request: the employment type
// (a minijob stays the household minijob where the request says so), the
// pension top-up of a minijob, private insurance and the special table.
struct TVersicherung {
  int Beschaeftigung = 0;  // TBeschaeftigung
  bool Aufstockung = false;
  bool Privat = false;
  bool BesondereTabelle = false;  // not in the statutory pension insurance
};

// The group the boxes of the window and the options of the command line
// describe.
TBeitragsgruppe GruppeDerVersicherung(const TVersicherung& v);
// The boxes a group sets.  The employment type so far decides what the
// digits leave open: a minijob's digits keep a minijob in a private
// household there, and 0100 is a privately insured minijob with the top-up
// where a minijob was chosen, otherwise an employee insured in the pension
// insurance alone (a working student).
TVersicherung VersicherungDerGruppe(const TBeitragsgruppe& g, int beschaeftigung);

// Whether the group is one the calculation computes in the pay month of a
// year, for an employment of the type given (TBeschaeftigung) and with or
// without a private insurance stated beside it: an empty string, or a German
// message that says why not.
std::string BeitragsgruppePruefen(const TBeitragsgruppe& g, int jahr, int monat, int beschaeftigung,
                                  bool privat);

}  // namespace lst
