// The command line takes no doubtful input as a figure: amounts with text or
// a third decimal, rows of another width, negative flowchart amounts, an
// option given twice, a settings file that cannot be read; and it reports a
// file or an output that was not written.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/meldung.h"
#include "cli/pap.h"
#include "cli_lauf.h"
#include "geld/zahlen.h"

using namespace lst;
namespace fs = std::filesystem;

namespace {

// A folder of its own for each test, removed at its end.
class TOrdner {
 public:
  TOrdner() {
    std::string muster = ::testing::TempDir() + "cli_strenge_XXXXXX";
    pfad_ = mkdtemp(muster.data());
  }
  ~TOrdner() {
    std::error_code f;
    fs::permissions(pfad_, fs::perms::owner_all, fs::perm_options::add, f);
    fs::remove_all(pfad_, f);
  }
  std::string Datei(const std::string& name) const { return (pfad_ / name).string(); }
  std::size_t Eintraege() const {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(pfad_)) ++n;
    return n;
  }

 private:
  fs::path pfad_;
};

std::string Lesen(const std::string& datei) {
  std::ostringstream s;
  s << std::ifstream(datei, std::ios::binary).rdbuf();
  return s.str();
}

std::string PapKopf() {
  std::string kopf;
  for (const char* n : pap::kEingaben) kopf += std::string(kopf.empty() ? "" : ",") + n;
  return kopf;
}

}  // namespace

TEST(Zahlen, BetragOhneEinheitMitHoechstensZweiStellen) {
  // Text after the number, a third decimal and a zero leading a thousands
  // group are no amounts; the amounts as a German user types them stay.
  for (const char* falsch : {"3000DM", "3000 DM", "3000€", "3.000,00 EUR", "12x", "3000,505", "3000.505",
                             "1.234,567", "0003.000", "0.500", "03.000", "0.000,50", "-0.500"}) {
    EXPECT_FALSE(BetragLesen(falsch).has_value()) << falsch;
  }
  EXPECT_EQ(BetragLesen("3.000"), 3000.0);
  EXPECT_EQ(BetragLesen("0003,50"), 3.5);
  EXPECT_EQ(BetragLesen("0.50"), 0.5);
  EXPECT_EQ(BetragLesen("1.5"), 1.5);
  EXPECT_EQ(BetragLesen("-3.000,5"), -3000.5);
  EXPECT_EQ(BetragLesen("0"), 0.0);
  // A field of the window as it stands while typing: its printout keeps
  // reading more decimals and a currency.
  EXPECT_EQ(FeldBetragLesen("100,505"), 100.505);
  EXPECT_EQ(FeldBetragLesen(" 12,5 € "), 12.5);
  EXPECT_EQ(FeldBetragLesen("3.000"), 3000.0);
  EXPECT_FALSE(FeldBetragLesen("3000,").has_value());
}

TEST(Cli, BetragMitEinheitOderDritterStelleGibtStatus2) {
  for (const char* argumente : {"berechnen --jahr 1999 --brutto 3000DM", "berechnen --brutto 3000EUR",
                                "berechnen --brutto 0003.000", "berechnen --brutto 3000,505",
                                "berechnen --freibetrag 0.500", "wunschnetto 2000DM",
                                "einkommensteuer 50000DM"}) {
    const TCliLauf l = CliStarten(argumente);
    EXPECT_EQ(l.Status, 2) << argumente << l.Ausgabe;
    EXPECT_NE(l.Ausgabe.find("ist kein Betrag"), std::string::npos) << argumente << l.Ausgabe;
  }
  const TCliLauf dm = CliStarten("berechnen --jahr 1999 --brutto 3000 --dm --json");
  EXPECT_EQ(dm.Status, 0) << dm.Ausgabe;
  EXPECT_EQ(JsonFeld(dm.Ausgabe, "RE4"), "300000");

  std::istringstream ein("brutto;steuerklasse\n3000 EUR;1\n3000,00;1\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 1);
  EXPECT_NE(fehler.str().find("Zeile 2: --brutto: \"3000 EUR\" ist kein Betrag"), std::string::npos) << fehler.str();
  EXPECT_NE(aus.str().find("\n3000,00;1;3000,00;"), std::string::npos) << aus.str();
}

TEST(Cli, OptionZweimalIstEinFehler) {
  for (const char* argumente :
       {"berechnen --brutto 3000 --brutto 4000", "berechnen --brutto=3000 --brutto 3000", "berechnen --json --json",
        "berechnen --bekenntnislos --bekenntnislos", "einkommensteuer 50000 --splitting --splitting",
        "vergleich 3000 2000 --eg-freibetrag 10 --eg-freibetrag 20", "drucken --pdf a.pdf --pdf b.pdf"}) {
    const TCliLauf l = CliStarten(argumente);
    EXPECT_EQ(l.Status, 2) << argumente;
    EXPECT_NE(l.Ausgabe.find("ist mehr als einmal angegeben"), std::string::npos) << argumente << l.Ausgabe;
  }
  const TCliLauf l = CliStarten("berechnen --brutto 3000 --steuerklasse 3 --brutto 4000");
  EXPECT_NE(l.Ausgabe.find("lohnsteuer-cli: --brutto ist mehr als einmal angegeben"), std::string::npos) << l.Ausgabe;
}

TEST(Batch, SpalteZweimalIstEinFehler) {
  for (const char* kopf : {"brutto;steuerklasse;brutto\n", "--brutto;brutto\n"}) {
    std::istringstream ein(std::string(kopf) + "3000;1;4000\n");
    std::ostringstream aus, fehler;
    EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 2) << kopf;
    EXPECT_NE(fehler.str().find("Kopfzeile: die Spalte \"brutto\" ist mehr als einmal angegeben"), std::string::npos)
        << fehler.str();
    EXPECT_EQ(aus.str(), "");
  }
  std::istringstream ein(PapKopf() + ",RE4\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(pap::Strom(ein, aus, fehler), 2);
  EXPECT_NE(fehler.str().find("Kopfzeile: Spalte RE4 ist mehr als einmal angegeben"), std::string::npos) << fehler.str();
}

TEST(Cli, FaktorMitDreiStellenVon0001Bis1) {
  for (const char* falsch : {"0,0000001", "0,0009", "0", "0,9555", "1,0001", "0.12345"}) {
    const TCliLauf l = CliStarten(std::string("berechnen --brutto 3000 --steuerklasse 4 --faktor ") + falsch);
    EXPECT_EQ(l.Status, 2) << falsch << l.Ausgabe;
    EXPECT_NE(l.Ausgabe.find("--faktor"), std::string::npos) << falsch << l.Ausgabe;
  }
  for (const char* gut : {"0,001", "0,955", "1", "1,000", "0.9"}) {
    EXPECT_EQ(CliStarten(std::string("berechnen --brutto 3000 --steuerklasse 4 --faktor ") + gut).Status, 0) << gut;
  }
}

TEST(Pap, ZeileAndererBreiteUndNegativeBetraegeSindFehler) {
  const std::string kopf = PapKopf();
  const std::string gut = "2013,2,300000,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0";
  // The same case with one field lost before RE4: every value after it
  // would be read a column too early.
  const std::string kurz = "2013,300000,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0";
  std::string negativ = gut;
  negativ.replace(7, 6, "-100000000");
  std::istringstream ein(kopf + "\n" + gut + "\n" + kurz + "\n" + negativ + "\n" + gut + ",0\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(pap::Strom(ein, aus, fehler), 1);
  const std::string a = aus.str();
  EXPECT_NE(a.find("\n" + gut + ",46625,2564,46625,0,0,0,0,0,0\n"), std::string::npos) << a;
  EXPECT_NE(a.find("\n" + kurz + ",,,,,,,,,\n"), std::string::npos) << a;
  EXPECT_NE(a.find("\n" + negativ + ",,,,,,,,,\n"), std::string::npos) << a;
  EXPECT_NE(a.find("\n" + gut + ",0,,,,,,,,,\n"), std::string::npos) << a;
  const std::string f = fehler.str();
  EXPECT_NE(f.find("Zeile 3: weniger Spalten als in der Kopfzeile (33 statt 34)"), std::string::npos) << f;
  EXPECT_NE(f.find("Zeile 4: Wert von RE4 muss zwischen 0 und 1000000000000 liegen"), std::string::npos) << f;
  EXPECT_NE(f.find("Zeile 5: mehr Spalten als in der Kopfzeile (35 statt 34)"), std::string::npos) << f;

  // The inputs of the newer flowcharts: a negative equity participation or
  // subsidy is refused as well.
  const std::string neu = kopf + ",KVZ,MBV,PVA,ALV,PKPVAGZ\n";
  std::string fall2024 = gut;
  fall2024.replace(0, 4, "2024");
  std::istringstream ein2(neu + fall2024 + ",1.7,0,0,0,0\n" + fall2024 + ",1.7,-5000,0,0,0\n" + fall2024 +
                          ",1.7,0,0,0,-1\n");
  std::ostringstream aus2, fehler2;
  EXPECT_EQ(pap::Strom(ein2, aus2, fehler2), 1);
  EXPECT_NE(fehler2.str().find("Zeile 3: Wert von MBV muss zwischen 0 und"), std::string::npos) << fehler2.str();
  EXPECT_NE(fehler2.str().find("Zeile 4: Wert von PKPVAGZ muss zwischen 0 und"), std::string::npos) << fehler2.str();
  EXPECT_EQ(fehler2.str().find("Zeile 2"), std::string::npos) << fehler2.str();
}

// The fields of a row read alike with blanks or tabs around them, and a
// decimal alike however it is written; a row far wider than the head is
// counted to its end.
TEST(Pap, LeerzeichenUndSchreibweisenLesenSichGleich) {
  const std::string kopf = PapKopf();
  const std::string gut = "2013,2,300000,1,0.5,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0.75,0,0,0,0,0,0,0,0,0,0,0,0";
  std::string blanks, tabs;
  for (const char c : gut) {
    blanks += c == ',' ? std::string(" , ") : std::string(1, c);
    tabs += c == ',' ? std::string("\t,") : std::string(1, c);
  }
  std::string anders = gut;  // the same values in other notations
  anders.replace(anders.find("0.5"), 3, "+0.50");
  anders.replace(anders.find("0.75"), 4, "0.750000000000000000001");
  std::string breit = gut;
  for (int i = 0; i < 20; ++i) breit += ",0";
  std::istringstream ein(kopf + "\n" + gut + "\n" + blanks + "\n" + tabs + "\n" + anders + "\n" + breit + "\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(pap::Strom(ein, aus, fehler), 1);
  std::istringstream zeilen(aus.str());
  std::string zeile;
  std::getline(zeilen, zeile);
  std::getline(zeilen, zeile);
  ASSERT_EQ(zeile.rfind(gut + ",", 0), 0u) << zeile;
  const std::string werte = zeile.substr(gut.size());
  EXPECT_NE(werte.substr(0, 3), ",0,") << werte;
  for (const std::string& z : {blanks, tabs, anders}) {
    ASSERT_TRUE(std::getline(zeilen, zeile));
    EXPECT_EQ(zeile, z + werte);
  }
  ASSERT_TRUE(std::getline(zeilen, zeile));
  EXPECT_EQ(zeile, breit + ",,,,,,,,,");
  EXPECT_EQ(fehler.str(), "lohnsteuer-cli: Zeile 6: mehr Spalten als in der Kopfzeile (54 statt 34)\n");
}

// Lines as std::getline gives them: without a final line break, with long
// lines across the reader's blocks, with carriage returns and blank lines.
TEST(Pap, ZeilenUeberBlockgrenzenUndOhneLetztenUmbruch) {
  const std::string kopf = PapKopf();
  std::string zeilen = kopf + "\r\n\n";
  std::string erwartet = kopf;
  for (const char* n : pap::kAusgaben) (erwartet += ',') += n;
  erwartet += '\n';
  for (int i = 0; i < 5000; ++i) {
    const std::string re4 = std::to_string(100000 + i * 97);
    const std::string z = "2013,2," + re4 + ",1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0";
    zeilen += z + (i % 3 == 0 ? "\r\n" : "\n");
    if (i % 1000 == 0) zeilen += "   \n";
  }
  zeilen.pop_back();  // the last row without its line break
  std::istringstream ein(zeilen);
  std::ostringstream aus, fehler;
  EXPECT_EQ(pap::Strom(ein, aus, fehler), 0) << fehler.str();
  std::istringstream ergebnis(aus.str());
  std::string zeile;
  int n = 0;
  std::getline(ergebnis, zeile);
  EXPECT_EQ(zeile + "\n", erwartet);
  while (std::getline(ergebnis, zeile)) {
    const std::string re4 = std::to_string(100000 + n * 97);
    EXPECT_EQ(zeile.rfind("2013,2," + re4 + ",1,", 0), 0u) << n << ": " << zeile;
    EXPECT_EQ(pap::Felder(zeile).size(), 34u + 9u) << zeile;
    ++n;
  }
  EXPECT_EQ(n, 5000);

  // One row longer than a whole block of the reader.
  std::istringstream lang(kopf + "\n" + std::string(200000, '1') + "\n");
  std::ostringstream aus2, fehler2;
  EXPECT_EQ(pap::Strom(lang, aus2, fehler2), 1);
  std::size_t kopfAus = kopf.size() + 1;
  for (const char* n : pap::kAusgaben) kopfAus += 1 + std::string(n).size();
  EXPECT_EQ(aus2.str().size(), kopfAus + 200000 + 9 + 1);
}

TEST(Batch, FormelnWerdenText) {
  std::istringstream ein(
      "brutto;steuerklasse;region\n"
      "=HYPERLINK(\"http://x\");1;\n"
      "3000;1;@SUM(A1)\n"
      "-3000;+1;\n"
      "3000;1;-west\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 1);
  const std::string a = aus.str();
  EXPECT_NE(a.find("\n\"'=HYPERLINK(\"\"http://x\"\")\";1;;"), std::string::npos) << a;
  EXPECT_NE(a.find("\n3000;1;'@SUM(A1);"), std::string::npos) << a;
  // Numbers stay as they are, also with a sign.
  EXPECT_NE(a.find("\n-3000;+1;;"), std::string::npos) << a;
  EXPECT_NE(a.find("\n3000;1;'-west;"), std::string::npos) << a;
  for (std::size_t z = a.find('\n'); z != std::string::npos; z = a.find('\n', z + 1)) {
    if (z + 1 < a.size()) {
      EXPECT_TRUE(a[z + 1] != '=' && a[z + 1] != '@') << a.substr(z + 1, 40);
    }
  }
  // A head named with "--" is text that starts with "-".
  std::istringstream kopf("--brutto;steuerklasse\n3000;1\n");
  std::ostringstream aus2;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, kopf, aus2, fehler), 0);
  EXPECT_EQ(aus2.str().rfind("'--brutto;steuerklasse;RE4;", 0), 0u) << aus2.str();
}

TEST(Batch, KopfOhneTrennerIstEineSpalte) {
  std::istringstream ein("brutto\n3000,50\n3.000\n2500\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 0) << aus.str() << fehler.str();
  const std::string a = aus.str();
  EXPECT_EQ(a.rfind("brutto;RE4;", 0), 0u) << a;
  EXPECT_NE(a.find("\n3000,50;3000,50;"), std::string::npos) << a;
  EXPECT_NE(a.find("\n3.000;3000,00;"), std::string::npos) << a;
  EXPECT_NE(a.find("\n2500;2500,00;"), std::string::npos) << a;
  // Separated by commas, the head row says so.
  std::istringstream komma("brutto,steuerklasse\n3000.50,3\n");
  std::ostringstream aus2;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, komma, aus2, fehler), 0);
  EXPECT_NE(aus2.str().find("\n3000.50,3,3000.50,"), std::string::npos) << aus2.str();
}

TEST(Meldung, DateinamenGanzUndMitMaskiertenSteuerzeichen) {
  EXPECT_EQ(cli::DateiZitat("a.pdf"), "\"a.pdf\"");
  EXPECT_EQ(cli::DateiZitat("a\nb\tc\x1b[31m.pdf"), "\"a\\nb\\tc\\x1b[31m.pdf\"");
  EXPECT_EQ(cli::DateiZitat("\xff\xc3"), "\"\\xff\\xc3\"");
  EXPECT_EQ(cli::DateiZitat("ä\xc2\x9b" "b\\\""), "\"ä\\u009bb\\\\\\\"\"");
  const std::string lang(300, 'x');
  EXPECT_EQ(cli::DateiZitat(lang), "\"" + lang + "\"");
  EXPECT_TRUE(cli::GueltigesUtf8("Lohnsteuer € 𝄞"));
  for (const char* falsch : {"\xff", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "a\xf4\x90\x80\x80"}) {
    EXPECT_FALSE(cli::GueltigesUtf8(falsch)) << falsch;
  }
}

TEST(Einstellungen, GenannteDateiMussLesbarSein) {
  TOrdner o;
  const std::string ordner = o.Datei("ordner.ini");
  fs::create_directory(ordner);
  for (const std::string& datei : {o.Datei("fehlt.ini"), ordner}) {
    const TCliLauf l = CliStarten("berechnen --jahr 2013 --brutto 3000 --einstellungsdatei '" + datei + "'");
    EXPECT_EQ(l.Status, 2) << datei << l.Ausgabe;
    EXPECT_NE(l.Ausgabe.find("lohnsteuer-cli: --einstellungsdatei: Die Einstellungsdatei \"" + datei + "\""),
              std::string::npos)
        << l.Ausgabe;
    EXPECT_EQ(l.Ausgabe.find("Bruttolohn"), std::string::npos) << l.Ausgabe;
  }
  EXPECT_NE(CliStarten("berechnen --jahr 2013 --einstellungsdatei '" + ordner + "'").Ausgabe.find("ist ein Ordner"),
            std::string::npos);
  EXPECT_NE(CliStarten("berechnen --jahr 2013 --einstellungsdatei '" + o.Datei("fehlt.ini") + "'").Ausgabe.find("gibt es nicht"),
            std::string::npos);
  // A name with a line break is shown escaped, also in the warnings about
  // its values.
  const TCliLauf umbruch = CliStarten("berechnen --jahr 2013 --einstellungsdatei \"$(printf 'a\\nb.ini')\"");
  EXPECT_NE(umbruch.Ausgabe.find("\"a\\nb.ini\" gibt es nicht"), std::string::npos) << umbruch.Ausgabe;
  std::ofstream(o.Datei("x\ny.ini")) << "[SV2013]\nNVPVAN=1e300\n";
  const TCliLauf warnung =
      CliStarten("berechnen --jahr 2013 --brutto 3000 --einstellungsdatei \"$(printf '" + o.Datei("x\\ny.ini") + "')\"");
  EXPECT_EQ(warnung.Status, 0) << warnung.Ausgabe;
  EXPECT_NE(warnung.Ausgabe.find("Warnung: Einstellungsdatei \"" + o.Datei("x\\ny.ini") + "\": [SV2013] NVPVAN"),
            std::string::npos)
      << warnung.Ausgabe;

  // A file that exists but cannot be read (not for root, who reads it all).
  const std::string gesperrt = o.Datei("gesperrt.ini");
  std::ofstream(gesperrt) << "[LoSt]\n";
  chmod(gesperrt.c_str(), 0);
  if (geteuid() != 0) {
    const TCliLauf l = CliStarten("berechnen --jahr 2013 --einstellungsdatei '" + gesperrt + "'");
    EXPECT_EQ(l.Status, 2) << l.Ausgabe;
    EXPECT_NE(l.Ausgabe.find("kann nicht gelesen werden"), std::string::npos) << l.Ausgabe;
  }
  // In batch the cell names the file of its row.
  std::istringstream ein("brutto;einstellungsdatei\n3000;" + o.Datei("fehlt.ini") + "\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 1);
  EXPECT_NE(aus.str().find("gibt es nicht"), std::string::npos) << aus.str();
}

TEST(Einstellungen, NurDieVorgabedateiDarfFehlen) {
  TOrdner o;
  const char* alt = std::getenv("XDG_CONFIG_HOME");
  const std::string vorher = alt ? alt : "";
  setenv("XDG_CONFIG_HOME", o.Datei("konfig").c_str(), 1);
  fs::create_directory(o.Datei("konfig"));
  // The first start: no settings file yet, the defaults apply.
  const TCliLauf erst = CliStarten("berechnen --brutto 3000 --einstellungen --json");
  EXPECT_EQ(erst.Status, 0) << erst.Ausgabe;
  // A folder in its place is no file of settings.
  fs::create_directory(o.Datei("konfig/DrumselLStTab.ini"));
  const TCliLauf ordner = CliStarten("berechnen --brutto 3000 --einstellungen");
  EXPECT_EQ(ordner.Status, 2) << ordner.Ausgabe;
  EXPECT_NE(ordner.Ausgabe.find("DrumselLStTab.ini\" ist ein Ordner"), std::string::npos) << ordner.Ausgabe;
  if (alt) {
    setenv("XDG_CONFIG_HOME", vorher.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

TEST(Cli, NichtGeschriebeneAusgabeIstKeinErfolg) {
  for (const char* befehl : {"jahre", "berechnen --brutto 3000", "berechnen --brutto 3000 --json"}) {
    const TCliLauf l = CliStarten(std::string(befehl) + " > /dev/full", "", false);
    EXPECT_EQ(l.Status, 1) << befehl << l.Fehler;
    EXPECT_NE(l.Fehler.find("lohnsteuer-cli: Die Ausgabe konnte nicht vollständig geschrieben werden."),
              std::string::npos)
        << befehl << l.Fehler;
  }
  const std::string pap = PapKopf() + "\n2013,2,300000,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0\n";
  EXPECT_EQ(CliStarten("pap > /dev/full", pap, false).Status, 1);
  EXPECT_EQ(CliStarten("batch > /dev/full", "brutto\n3000\n", false).Status, 1);
}

TEST(Drucken, PdfNurVollstaendigGeschrieben) {
  if (!DruckprogrammDa()) GTEST_SKIP() << "ohne lohnsteuer-cli-druck (Qt)";
  TOrdner o;
  // A pipe or a device is no file that could be replaced (whoever may write
  // into /dev must not find a PDF there afterwards): refused, with the name.
  const std::string fifo = o.Datei("rohr.pdf");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  TCliLauf l = CliStarten("drucken --brutto 3000 --pdf '" + fifo + "'", "", false);
  EXPECT_EQ(l.Status, 1) << l.Fehler;
  EXPECT_NE(l.Fehler.find("Die Datei \"" + fifo + "\" kann nicht geschrieben werden: "), std::string::npos) << l.Fehler;
  EXPECT_TRUE(fs::is_fifo(fifo));
  if (fs::is_character_file("/dev/full")) {
    l = CliStarten("drucken --brutto 3000 --pdf /dev/full", "", false);
    EXPECT_EQ(l.Status, 1) << l.Fehler;
    EXPECT_NE(l.Fehler.find("lohnsteuer-cli: Die Datei \"/dev/full\" kann nicht geschrieben werden: "),
              std::string::npos)
        << l.Fehler;
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
  }
  fs::remove(fifo);

  // A good PDF, then a write that fails halfway (a file size limit stands
  // for a full disk): the good file stays, no temporary file is left.
  const std::string pdf = o.Datei("abrechnung.pdf");
  l = CliStarten("drucken --brutto 3000 --pdf '" + pdf + "'", "", false);
  ASSERT_EQ(l.Status, 0) << l.Fehler;
  const std::string gut = Lesen(pdf);
  ASSERT_EQ(gut.rfind("%PDF", 0), 0u);
  ASSERT_GT(gut.size(), 8192u);
  const std::string befehl = "sh -c \"ulimit -f 8; trap '' XFSZ; exec " + std::string(LOHNSTEUER_CLI_PATH) +
                             " drucken --brutto 4000 --pdf '" + pdf + "'\" 2>&1";
  FILE* rohr = popen(befehl.c_str(), "r");
  ASSERT_NE(rohr, nullptr);
  std::string meldung;
  char puffer[512];
  for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) meldung.append(puffer, n);
  const int status = pclose(rohr);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status << meldung;
  EXPECT_NE(meldung.find("Die Datei \"" + pdf + "\" kann nicht geschrieben werden: Schreibfehler"), std::string::npos)
      << meldung;
  EXPECT_EQ(Lesen(pdf), gut);
  EXPECT_EQ(o.Eintraege(), 1u);

  // A new file gets the usual permissions, not those of a temporary file.
  const std::string neu = o.Datei("neu.pdf");
  ASSERT_EQ(CliStarten("drucken --brutto 3000 --pdf '" + neu + "'").Status, 0);
  struct stat info {};
  ASSERT_EQ(stat(neu.c_str(), &info), 0);
  const mode_t maske = umask(0);
  umask(maske);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~maske);

  // A name that is not UTF-8 would be written under another name: refused.
  const std::string roh = o.Datei("") + "$(printf '\\377.pdf')";
  l = CliStarten("drucken --brutto 3000 --pdf \"" + roh + "\"", "", false);
  EXPECT_EQ(l.Status, 2) << l.Fehler;
  EXPECT_NE(l.Fehler.find("\\xff.pdf\" ist kein gültiges UTF-8"), std::string::npos) << l.Fehler;
  EXPECT_EQ(o.Eintraege(), 2u);
}
