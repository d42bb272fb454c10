// The flowcharts from 2014: every row of each version's reference file and
// the official test tables, through the conformance mode's code path.
// A version without a program fails: every version of the list must compute.

#include "pap_pruefung.h"

#include <string>

#include "calc/parameter.h"
#include "lohnsteuer/versionen.h"
#include "lohnsteuer/werk.h"

namespace {

using lst::kLStVersionen;
using lst::test::PruefeReferenzdatei;
using lst::test::TZeilenAuswahl;

class Konformitaet2014Bis2026 : public testing::TestWithParam<int> {};

TEST_P(Konformitaet2014Bis2026, ProgrammablaufplanUndPrueftabellen) {
  const int version = GetParam();
  const std::string schluessel = kLStVersionen[version].Schluessel;
  lst::TFlussplanWerk k;
  ASSERT_NE(k.ProgrammVersion(version), nullptr) << schluessel << ": kein Programm für diese Version";
  EXPECT_GT(PruefeReferenzdatei("pap" + schluessel + ".csv", TZeilenAuswahl{0, 9999, version}), 900);
  // The test tables exist for 2014 to 2023 (not 2023juli) and, in part, 2026.
  const int jahr = kLStVersionen[version].Jahr;
  const int tabellenZeilen = PruefeReferenzdatei("bmf_pruef_2014_2026.csv", TZeilenAuswahl{0, 9999, version});
  if (jahr <= 2023 && schluessel != "2023juli") {
    EXPECT_GE(tabellenZeilen, 372) << schluessel;
  }
  if (jahr == 2026) {
    EXPECT_GE(tabellenZeilen, 18);
  }
}

std::string Name(const testing::TestParamInfo<int>& info) {
  return std::string("PAP") + kLStVersionen[info.param].Schluessel;
}

INSTANTIATE_TEST_SUITE_P(Versionen, Konformitaet2014Bis2026,
                         testing::Range(lst::LStVersionNachSchluessel("2014"), lst::kAnzahlLStVersionen),
                         Name);

// The month table: each pay month has exactly one version, the keys name
// their own year, and December is the version in force at the end of the year.
// The months whose first flowchart was corrected later (2022 January to May,
// 2023 January to March, 2025 January and February) take the corrected one
// by default; the first one is the month's original.
TEST(Versionstabelle, MonateUndSchluessel) {
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2015, 12)].Schluessel, std::string("2015dez"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2015, 11)].Schluessel, std::string("2015"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2022, 5)].Schluessel, std::string("2022"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionUrspruenglich(2022, 5)].Schluessel, std::string("2022jan"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2022, 6)].Schluessel, std::string("2022"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionUrspruenglich(2022, 6)].Schluessel, std::string("2022"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2023, 3)].Schluessel, std::string("2023"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionUrspruenglich(2023, 3)].Schluessel, std::string("2023jan"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2023, 7)].Schluessel, std::string("2023juli"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2024, 11)].Schluessel, std::string("2024"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2024, 12)].Schluessel, std::string("2024dez"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2025, 2)].Schluessel, std::string("2025"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionUrspruenglich(2025, 2)].Schluessel, std::string("2025jan"));
  EXPECT_EQ(kLStVersionen[lst::LStVersionFuerMonat(2025, 3)].Schluessel, std::string("2025"));
  EXPECT_EQ(lst::LStVersionFuerMonat(lst::kLetztesLStJahr + 1, 1), -1);
  for (int jahr = 2014; jahr <= lst::kLetztesLStJahr; ++jahr) {
    for (int monat = 1; monat <= 12; ++monat) {
      const int v = lst::LStVersionFuerMonat(jahr, monat);
      ASSERT_GE(v, 0) << jahr << "/" << monat;
      EXPECT_EQ(kLStVersionen[v].Jahr, jahr);
      EXPECT_STRNE(kLStVersionen[v].Quelle, "") << kLStVersionen[v].Schluessel;
    }
  }
  // The parameters follow the month, and an explicit version of the year;
  // one of another year does not count.
  const int dez = lst::LStVersionNachSchluessel("2015dez");
  EXPECT_EQ(lst::Parameter(2015, 12).Version, dez);
  EXPECT_EQ(lst::Parameter(2015, 3).Version, lst::LStVersionNachSchluessel("2015"));
  EXPECT_EQ(lst::Parameter(2015, 3, {}, dez).Version, dez);
  EXPECT_EQ(lst::Parameter(2016, 3, {}, dez).Version, lst::LStVersionNachSchluessel("2016"));
  EXPECT_EQ(lst::Parameter(2013, 5).Version, lst::LStVersionNachSchluessel("2013"));
}

}  // namespace
