#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/ini_datei.h"

using namespace lst;
namespace fs = std::filesystem;

namespace {

std::string DateiText(const fs::path& p) {
  std::ifstream ein(p, std::ios::binary);
  std::ostringstream s;
  s << ein.rdbuf();
  return s.str();
}

void DateiSchreiben(const fs::path& p, std::string_view text) {
  std::ofstream aus(p, std::ios::binary);
  aus.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void Setzen(const char* name, const std::optional<std::string>& wert) {
  if (wert) {
    setenv(name, wert->c_str(), 1);
  } else {
    unsetenv(name);
  }
}

// Sets an environment variable for the lifetime of the object.
class Umgebung {
 public:
  Umgebung(const char* name, const std::optional<std::string>& wert) : name_(name) {
    if (const char* alt = std::getenv(name)) alt_ = alt;
    Setzen(name, wert);
  }
  ~Umgebung() { Setzen(name_, alt_); }

 private:
  const char* name_;
  std::optional<std::string> alt_;
};

class IniDatei : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device zufall;
    ordner_ = fs::temp_directory_path() / ("ini_test_" + std::to_string(zufall()));
    fs::create_directories(ordner_);
    datei_ = ordner_ / "test.ini";
  }
  void TearDown() override { fs::remove_all(ordner_); }

  // Number of entries in the test folder: shows leftover temporary files.
  std::size_t Eintraege() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(ordner_), {}));
  }

  fs::path ordner_;
  fs::path datei_;
};

}  // namespace

TEST_F(IniDatei, SchreibenAendertNurDieEigeneZeile) {
  const std::string vorher =
      "; Einstellungen\n"
      "[FRechner]\n"
      "Top=10\n"
      "  Left = 20\n"
      "\n"
      "; Saetze\n"
      "[SV2013]\n"
      "NVKVAN=7,3\n";
  DateiSchreiben(datei_, vorher);
  auto ini = TNewIniFile::AusPfad(datei_);

  EXPECT_TRUE(ini.WriteInteger("FRechner", "Top", 55));
  EXPECT_EQ(DateiText(datei_),
            "; Einstellungen\n[FRechner]\nTop=55\n  Left = 20\n\n; Saetze\n[SV2013]\nNVKVAN=7,3\n");

  // The key's own spelling and the blanks before '=' stay.
  EXPECT_TRUE(ini.WriteInteger("frechner", "LEFT", 30));
  EXPECT_EQ(DateiText(datei_),
            "; Einstellungen\n[FRechner]\nTop=55\n  Left =30\n\n; Saetze\n[SV2013]\nNVKVAN=7,3\n");

  // New key: after the last line of its section, before the blank line.
  EXPECT_TRUE(ini.WriteInteger("FRechner", "Width", 640));
  // New section: at the end, after a blank line.
  EXPECT_TRUE(ini.WriteString("Druck", "FontName", "Arial"));
  EXPECT_EQ(DateiText(datei_),
            "; Einstellungen\n[FRechner]\nTop=55\n  Left =30\nWidth=640\n\n; Saetze\n"
            "[SV2013]\nNVKVAN=7,3\n\n[Druck]\nFontName=Arial\n");

  EXPECT_EQ(ini.ReadInteger("FRECHNER", "top", 0), 55);
  EXPECT_EQ(ini.ReadInteger("FRechner", "Left", 0), 30);
  EXPECT_EQ(ini.ReadInteger("FRechner", "Width", 0), 640);
  EXPECT_EQ(ini.ReadString("druck", "fontname", ""), "Arial");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("SV2013", "NVKVAN", 0), 7.3);
  EXPECT_EQ(Eintraege(), 1u);  // no temporary file left behind
}

TEST_F(IniDatei, NeueDateiUndMehrereWerteAufEinmal) {
  auto ini = TNewIniFile::AusPfad(datei_);
  EXPECT_TRUE(ini.WriteStrings("FLohnUmr", {{"Top", "1"}, {"Left", "2"}, {"top", "3"}}));
  EXPECT_EQ(DateiText(datei_), "[FLohnUmr]\nTop=3\nLeft=2\n");
  EXPECT_TRUE(ini.WriteStrings("FLohnUmr", {{"Left", "5"}, {"Width", "6"}}));
  EXPECT_EQ(DateiText(datei_), "[FLohnUmr]\nTop=3\nLeft=5\nWidth=6\n");

  // Blanks around a value are not part of it.
  EXPECT_TRUE(ini.WriteString("LoSt", "KiSt", "  8,\"8,5\",9  "));
  EXPECT_EQ(ini.ReadString("LoSt", "KiSt", ""), "8,\"8,5\",9");
  EXPECT_TRUE(ini.WriteString("LoSt", "Leer", ""));
  EXPECT_TRUE(ini.ValueExists("LoSt", "Leer"));
  EXPECT_EQ(ini.ReadString("LoSt", "Leer", "x"), "");
}

TEST_F(IniDatei, GanzzahlenUndWahrheitswerte) {
  DateiSchreiben(datei_,
                 "[A]\nplus=+5\nblank= -12 \ngross=9000000000\nrest=12abc\nkomma=1,5\nleer=\n"
                 "zuviel=99999999999999999999\nplusminus=+-1\nzwei=2\nnull=0\nwahr=true\n");
  auto ini = TNewIniFile::AusPfad(datei_);
  EXPECT_EQ(ini.ReadInteger("A", "plus", 0), 5);
  EXPECT_EQ(ini.ReadInteger("A", "blank", 0), -12);
  EXPECT_EQ(ini.ReadInteger("A", "gross", 0), 9000000000LL);
  for (const char* k : {"rest", "komma", "leer", "zuviel", "plusminus"})
    EXPECT_EQ(ini.ReadInteger("A", k, -99), -99) << k;

  // Any integer other than 0 is true; what is no integer gives the default.
  EXPECT_TRUE(ini.ReadBool("A", "zwei", false));
  EXPECT_TRUE(ini.ReadBool("A", "blank", false));
  EXPECT_FALSE(ini.ReadBool("A", "null", true));
  EXPECT_TRUE(ini.ReadBool("A", "wahr", true));
  EXPECT_FALSE(ini.ReadBool("A", "wahr", false));

  EXPECT_TRUE(ini.WriteBool("B", "b1", true));
  EXPECT_TRUE(ini.WriteBool("B", "b0", false));
  EXPECT_TRUE(ini.WriteInteger("B", "min", std::numeric_limits<std::int64_t>::min()));
  EXPECT_EQ(DateiText(datei_).substr(DateiText(datei_).find("[B]")),
            "[B]\nb1=1\nb0=0\nmin=-9223372036854775808\n");
}

TEST_F(IniDatei, GleitkommaMitKommaOderPunkt) {
  EXPECT_EQ(TNewIniFile::FloatAlsText(0.079), "0,079");
  EXPECT_EQ(TNewIniFile::FloatAlsText(7.3), "7,3");
  EXPECT_EQ(TNewIniFile::FloatAlsText(1.025), "1,025");
  EXPECT_EQ(TNewIniFile::FloatAlsText(-2.0), "-2");
  EXPECT_EQ(TNewIniFile::FloatAlsText(100000.0), "100000");
  EXPECT_EQ(TNewIniFile::FloatAlsText(0.00001), "0,00001");
  EXPECT_EQ(TNewIniFile::FloatAlsText(1.5e-7), "1,5e-07");
  EXPECT_EQ(TNewIniFile::FloatAlsText(2e20), "2e+20");

  DateiSchreiben(datei_,
                 "[F]\nkomma=0,079\npunkt=0.079\nexp=1,5E3\nblank= 7,3 \nplus=+2,5\nnurkomma=,5\n"
                 "zwei=1,2,3\nbeide=1.234,5\ntext=abc\ninf=inf\nnan=nan\nriesig=1e999\nleer=\n");
  auto ini = TNewIniFile::AusPfad(datei_);
  EXPECT_EQ(ini.ReadFloat("F", "komma", 0), 0.079);
  EXPECT_EQ(ini.ReadFloat("F", "punkt", 0), 0.079);
  EXPECT_EQ(ini.ReadFloat("F", "exp", 0), 1500.0);
  EXPECT_EQ(ini.ReadFloat("F", "blank", 0), 7.3);
  EXPECT_EQ(ini.ReadFloat("F", "plus", 0), 2.5);
  EXPECT_EQ(ini.ReadFloat("F", "nurkomma", 0), 0.5);
  for (const char* k : {"zwei", "beide", "text", "inf", "nan", "riesig", "leer", "fehlt"})
    EXPECT_EQ(ini.ReadFloat("F", k, -1.5), -1.5) << k;

  // Every written value reads back as exactly the same double.
  std::mt19937_64 zufall(42);
  std::uniform_real_distribution<double> verteilung(-1e6, 1e6);
  for (double w : {0.1 + 0.2, 1e-300, 5e-324, 1.7976931348623157e308, -0.0, 123456.789,
                   verteilung(zufall), verteilung(zufall) * 1e-9}) {
    ASSERT_TRUE(ini.WriteFloat("G", "w", w));
    EXPECT_EQ(ini.ReadString("G", "w", "").find('.'), std::string::npos);
    EXPECT_EQ(ini.ReadFloat("G", "w", 99), w);
  }
  const std::string vorher = DateiText(datei_);
  EXPECT_FALSE(ini.WriteFloat("G", "w", std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(ini.WriteFloat("G", "w", std::numeric_limits<double>::infinity()));
  EXPECT_EQ(DateiText(datei_), vorher);
}

TEST_F(IniDatei, FehlendesLiefertDieVorgabe) {
  auto ini = TNewIniFile::AusPfad(datei_);  // the file does not exist
  EXPECT_EQ(ini.ReadString("A", "k", "vorgabe"), "vorgabe");
  EXPECT_EQ(ini.ReadInteger("A", "k", 7), 7);
  EXPECT_TRUE(ini.ReadBool("A", "k", true));
  EXPECT_FALSE(ini.ValueExists("A", "k"));
  EXPECT_FALSE(ini.SectionExists("A"));
  EXPECT_FALSE(fs::exists(datei_));  // reading creates nothing

  DateiSchreiben(datei_, "[A]\nk=1\n");
  EXPECT_EQ(ini.ReadInteger("B", "k", 7), 7);
  EXPECT_EQ(ini.ReadInteger("A", "x", 7), 7);
  EXPECT_TRUE(ini.SectionExists("a"));
  EXPECT_TRUE(ini.ValueExists("a", "K"));

  // A folder where the file should be: reads give the defaults, writes fail.
  auto ordner = TNewIniFile::AusPfad(ordner_);
  EXPECT_EQ(ordner.ReadInteger("A", "k", 3), 3);
  EXPECT_FALSE(ordner.WriteInteger("A", "k", 1));
  EXPECT_TRUE(fs::is_directory(ordner_));
}

TEST_F(IniDatei, UnzulaessigeNamenUndWerteWerdenAbgelehnt) {
  DateiSchreiben(datei_, "[A]\nk=1\n");
  auto ini = TNewIniFile::AusPfad(datei_);
  EXPECT_FALSE(ini.WriteString("A", "k", "1\n[B]\nx=2"));
  EXPECT_FALSE(ini.WriteString("A", "k", std::string("a\0b", 3)));
  EXPECT_FALSE(ini.WriteString("A", "k=2", "1"));
  EXPECT_FALSE(ini.WriteString("A", "[B]", "1"));
  EXPECT_FALSE(ini.WriteString("A", ";k", "1"));
  EXPECT_FALSE(ini.WriteString("A", "  ", "1"));
  EXPECT_FALSE(ini.WriteString("A]", "k", "1"));
  EXPECT_FALSE(ini.WriteString("", "k", "1"));
  EXPECT_FALSE(ini.WriteStrings("A", {{"gut", "1"}, {"bo\nese", "2"}}));  // all or nothing
  EXPECT_EQ(DateiText(datei_), "[A]\nk=1\n");
}

TEST_F(IniDatei, LoeschenVonAbschnittUndSchluessel) {
  DateiSchreiben(datei_, "[A]\nk=1\nk=2\nj=3\n[B]\nx=1\n[a]\nk=9\n");
  auto ini = TNewIniFile::AusPfad(datei_);
  EXPECT_TRUE(ini.DeleteKey("A", "K"));
  EXPECT_EQ(DateiText(datei_), "[A]\nj=3\n[B]\nx=1\n[a]\nk=9\n");
  EXPECT_FALSE(ini.ValueExists("A", "k"));  // the duplicate section does not show through
  EXPECT_TRUE(ini.EraseSection("a"));
  EXPECT_EQ(DateiText(datei_), "[B]\nx=1\n");
  EXPECT_TRUE(ini.EraseSection("fehlt"));
  EXPECT_TRUE(ini.DeleteKey("fehlt", "x"));
  EXPECT_EQ(DateiText(datei_), "[B]\nx=1\n");
}

TEST_F(IniDatei, BeschaedigteDateiWirdGelesenUndNurPunktuellGeaendert) {
  // Keys before the first section, duplicates, garbage with NUL bytes, an
  // unterminated header, CRLF line ends, a byte-order mark and a last line
  // without line end.
  std::string text = "\xEF\xBB\xBF" "vorab=1\r\n[Eins]\r\nk=erster\r\nK=zweiter\r\n";
  text += std::string("\0\xff\xfe=\x01garbage\0\r\n", 15);
  text += "=ohne name\r\nohne gleich\r\n[Zwei\r\nz=2\r\n[eins]\r\nk=dritter\r\nletzte=x";
  DateiSchreiben(datei_, text);
  auto ini = TNewIniFile::AusPfad(datei_);
  EXPECT_EQ(ini.ReadString("Eins", "k", ""), "erster");
  EXPECT_EQ(ini.ReadString("Eins", "vorab", "-"), "-");
  EXPECT_EQ(ini.ReadString("Zwei", "z", ""), "2");
  EXPECT_EQ(ini.ReadString("Eins", "letzte", "-"), "-");  // in the second [eins]
  EXPECT_FALSE(ini.ValueExists("Eins", ""));

  ASSERT_TRUE(ini.WriteString("EINS", "k", "neu"));
  std::string erwartet = text;
  erwartet.replace(erwartet.find("k=erster"), 8, "k=neu");
  EXPECT_EQ(DateiText(datei_), erwartet);

  // New keys take the file's CRLF; the unterminated last line gets one.
  ASSERT_TRUE(ini.WriteString("Zwei", "y", "3"));
  ASSERT_TRUE(ini.WriteString("Drei", "d", "4"));
  erwartet.replace(erwartet.find("z=2\r\n"), 5, "z=2\r\ny=3\r\n");
  erwartet += "\r\n\r\n[Drei]\r\nd=4\r\n";
  EXPECT_EQ(DateiText(datei_), erwartet);
  EXPECT_EQ(ini.ReadString("Eins", "k", ""), "neu");
}

TEST_F(IniDatei, RiesigeZeileUndVieleSchluessel) {
  std::string text = "[A]\nlang=" + std::string(10 * 1024 * 1024, 'x') + "\n";
  for (int i = 0; i < 20000; ++i) {
    const std::string zahl = std::to_string(i);
    text.append("k").append(zahl).append("=").append(zahl).append("\n");
  }
  text += "[B]\nb=1\n";
  DateiSchreiben(datei_, text);
  auto ini = TNewIniFile::AusPfad(datei_);
  EXPECT_EQ(ini.ReadString("A", "lang", "").size(), 10u * 1024 * 1024);
  EXPECT_EQ(ini.ReadInteger("A", "k19999", 0), 19999);
  ASSERT_TRUE(ini.WriteInteger("B", "b", 2));
  ASSERT_TRUE(ini.WriteInteger("A", "k5", -5));
  std::string erwartet = text;
  erwartet.replace(erwartet.find("\nk5=5\n"), 6, "\nk5=-5\n");
  erwartet.replace(erwartet.rfind("b=1"), 3, "b=2");
  EXPECT_EQ(DateiText(datei_), erwartet);
}

TEST_F(IniDatei, FehlgeschlagenesSchreibenLaesstDieAlteDateiStehen) {
  // The parent of the file is a regular file: nothing can be created.
  DateiSchreiben(ordner_ / "datei", "inhalt");
  auto unmoeglich = TNewIniFile::AusPfad(ordner_ / "datei" / "x.ini");
  EXPECT_FALSE(unmoeglich.WriteString("A", "k", "1"));
  EXPECT_EQ(DateiText(ordner_ / "datei"), "inhalt");

  // A write that runs out of room half way (file-size limit) leaves the old
  // file whole and no temporary file behind.
  const std::string alt = "[A]\nk=alt\n";
  DateiSchreiben(datei_, alt);
  const std::size_t vorher = Eintraege();
  rlimit grenze{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &grenze), 0);
  const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit eng = grenze;
  eng.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
  auto ini = TNewIniFile::AusPfad(datei_);
  const bool ok = ini.WriteString("A", "k", std::string(100000, 'y'));
  setrlimit(RLIMIT_FSIZE, &grenze);
  std::signal(SIGXFSZ, altesSignal);
  EXPECT_FALSE(ok);
  EXPECT_EQ(DateiText(datei_), alt);
  EXPECT_EQ(Eintraege(), vorher);
}

TEST_F(IniDatei, LinkUndRechteBleibenErhalten) {
  const fs::path ziel = ordner_ / "ziel.ini";
  DateiSchreiben(ziel, "[A]\nk=1\n");
  fs::permissions(ziel, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("ziel.ini", datei_);
  auto ini = TNewIniFile::AusPfad(datei_);
  ASSERT_TRUE(ini.WriteInteger("A", "k", 2));
  EXPECT_TRUE(fs::is_symlink(datei_));
  EXPECT_EQ(DateiText(ziel), "[A]\nk=2\n");
  EXPECT_EQ(fs::status(ziel).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(IniDatei, OrtDerDatei) {
  const std::string konfig = (ordner_ / "konfig").string();
  {
    Umgebung xdg("XDG_CONFIG_HOME", konfig);
    EXPECT_EQ(KonfigurationsOrdner(), fs::path(konfig));
    EXPECT_EQ(IniPfad("DrumselLStTab.ini"), fs::path(konfig) / "DrumselLStTab.ini");
    EXPECT_EQ(IniPfad("  Kolvanta.ini \t"), fs::path(konfig) / "Kolvanta.ini");
    // ".\" or "./" is no root path: the name stays inside the folder.
    EXPECT_EQ(IniPfad("./a.ini"), fs::path(konfig) / "a.ini");
    // Drive letters and leading separators are used unchanged.
    EXPECT_EQ(IniPfad("/etc/x.ini"), fs::path("/etc/x.ini"));
    EXPECT_EQ(IniPfad("C:\\x.ini"), fs::path("C:\\x.ini"));
    EXPECT_EQ(IniPfad("\\x.ini"), fs::path("\\x.ini"));
    EXPECT_EQ(IniPfad("   "), fs::path());

    // The folder is created by the first write.
    TNewIniFile ini("DrumselLStTab.ini");
    EXPECT_EQ(ini.ReadInteger("FRechner", "Top", 5), 5);
    EXPECT_FALSE(fs::exists(konfig));
    ASSERT_TRUE(ini.WriteInteger("FRechner", "Top", 6));
    EXPECT_EQ(DateiText(fs::path(konfig) / "DrumselLStTab.ini"), "[FRechner]\nTop=6\n");

    // An empty name names no file.
    TNewIniFile leer("");
    EXPECT_EQ(leer.ReadInteger("FRechner", "Top", 5), 5);
    EXPECT_FALSE(leer.WriteInteger("FRechner", "Top", 6));
  }
  Umgebung heim("HOME", ordner_.string());
  for (const char* xdg : {"", "relativ/konfig"}) {
    Umgebung x("XDG_CONFIG_HOME", std::string(xdg));
    EXPECT_EQ(IniPfad("a.ini"), ordner_ / ".config" / "a.ini") << xdg;
  }
  Umgebung ohne("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(IniPfad("a.ini"), ordner_ / ".config" / "a.ini");

  const TDateiNamen namen;
  EXPECT_EQ(namen.Einstellungen, "DrumselLStTab.ini");
  EXPECT_EQ(namen.Saetze, "DrumselLStTab.ini");
  EXPECT_EQ(namen.Druck, "Kolvanta.ini");
}

// ---- one parsed image -----------------------------------------------------------

TEST_F(IniDatei, AbbildLiestWieDieDateiUndBleibtBeiSeinerFassung) {
  // The same odd file as above: the image must read it exactly as the
  // single reads do.
  std::string text = "\xEF\xBB\xBF" "vorab=1\r\n[Eins]\r\nk=erster\r\nK=zweiter\r\n";
  text += std::string("\0\xff\xfe=\x01garbage\0\r\n", 15);
  text += "=ohne name\r\nohne gleich\r\n[Zwei\r\nz=2\r\n[eins]\r\nk=dritter\r\nletzte=x\r\n"
          "[Drei]\r\n  Zahl = 12 \r\nleer=\r\nwahr=1\r\nkomma=1,5";
  DateiSchreiben(datei_, text);
  auto ini = TNewIniFile::AusPfad(datei_);
  const TIniAbbild abbild = ini.Abbild();
  EXPECT_EQ(abbild.FileName(), datei_);
  for (const auto& [abschnitt, schluessel] :
       std::vector<std::pair<std::string, std::string>>{{"Eins", "k"}, {" EINS ", "K"}, {"Eins", "vorab"},
                                                        {"Zwei", "z"}, {"Eins", "letzte"}, {"Drei", "zahl"},
                                                        {"Drei", "leer"}, {"Vier", "x"}, {"Drei", "komma"}}) {
    EXPECT_EQ(abbild.ReadString(abschnitt, schluessel, "-"), ini.ReadString(abschnitt, schluessel, "-"))
        << abschnitt << "/" << schluessel;
    EXPECT_EQ(abbild.ValueExists(abschnitt, schluessel), ini.ValueExists(abschnitt, schluessel));
  }
  EXPECT_EQ(abbild.ReadInteger("Drei", "Zahl", 0), 12);
  EXPECT_TRUE(abbild.ReadBool("Drei", "wahr", false));
  EXPECT_EQ(abbild.ReadFloat("Drei", "komma", 0), 1.5);
  EXPECT_EQ(abbild.ReadInteger("Drei", "leer", -3), -3);
  EXPECT_TRUE(abbild.SectionExists("zwei"));
  EXPECT_FALSE(abbild.SectionExists("Vier"));

  // A write after the image was taken does not change what the image reads.
  ASSERT_TRUE(ini.WriteString("Eins", "k", "neu"));
  EXPECT_EQ(abbild.ReadString("Eins", "k", ""), "erster");
  EXPECT_EQ(ini.Abbild().ReadString("Eins", "k", ""), "neu");

  // A missing file is an empty image.
  const TIniAbbild leer = TNewIniFile::AusPfad(ordner_ / "fehlt.ini").Abbild();
  EXPECT_EQ(leer.ReadString("Eins", "k", "v"), "v");
  EXPECT_EQ(TIniAbbild().ReadInteger("A", "b", 7), 7);
}

// ---- concurrent writers -----------------------------------------------------------

TEST_F(IniDatei, GleichzeitigeSchreiberVerlierenNichts) {
  constexpr int kSchreiber = 4, kJe = 40;
  const auto abschnitt = [](int i) { return std::string(1, static_cast<char>('A' + i % 3)); };
  const auto schluessel = [](int s, int i) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "k%d_%d", s, i);
    return std::string(puffer);
  };
  std::vector<std::thread> faeden;
  for (int s = 0; s < kSchreiber; ++s) {
    faeden.emplace_back([&, s] {
      auto ini = TNewIniFile::AusPfad(datei_);
      for (int i = 0; i < kJe; ++i) ini.WriteInteger(abschnitt(i), schluessel(s, i), i);
    });
  }
  for (auto& f : faeden) f.join();
  const TIniAbbild abbild = TNewIniFile::AusPfad(datei_).Abbild();
  int gefunden = 0;
  for (int s = 0; s < kSchreiber; ++s)
    for (int i = 0; i < kJe; ++i) gefunden += abbild.ReadInteger(abschnitt(i), schluessel(s, i), -1) == i;
  EXPECT_EQ(gefunden, kSchreiber * kJe);
  EXPECT_EQ(Eintraege(), 1u);  // no lock or temporary file left behind

  // Removing from a file that does not exist leaves no file behind.
  auto fehlt = TNewIniFile::AusPfad(ordner_ / "fehlt.ini");
  EXPECT_TRUE(fehlt.DeleteKey("A", "b"));
  EXPECT_TRUE(fehlt.EraseSection("A"));
  EXPECT_FALSE(fs::exists(ordner_ / "fehlt.ini"));
}

// The image and the single reads must agree on any text, however odd.
TEST_F(IniDatei, AbbildUndEinzelnesLesenStimmenUeberein) {
  std::mt19937 zufall(7);
  const std::string_view teile[] = {"[", "]", "=", ";", " ", "\t", "\r", "\n", "\n", "a", "A",
                                    "b",  "k", "\xEF\xBB\xBF", std::string_view("\0", 1), "[a]\n",
                                    "[ b ]\n", "k=1\n", "A = 2\n"};
  const std::string namen[] = {"a", "A", "b", " b ", "k", "", "a]", "[a"};
  for (int runde = 0; runde < 150; ++runde) {
    std::string text;
    const int laenge = static_cast<int>(zufall() % 60);
    for (int i = 0; i < laenge; ++i) text += teile[zufall() % std::size(teile)];
    DateiSchreiben(datei_, text);
    const auto ini = TNewIniFile::AusPfad(datei_);
    const TIniAbbild abbild = ini.Abbild();
    for (const std::string& abschnitt : namen)
      for (const std::string& schluessel : namen) {
        ASSERT_EQ(abbild.ReadString(abschnitt, schluessel, "?"), ini.ReadString(abschnitt, schluessel, "?"))
            << testing::PrintToString(text) << " [" << abschnitt << "] " << schluessel;
        ASSERT_EQ(abbild.SectionExists(abschnitt), ini.SectionExists(abschnitt))
            << testing::PrintToString(text) << " [" << abschnitt << "]";
      }
  }
}

// A read-only file is never replaced: the rename of a write would need only
// the folder's permission, so the write itself must refuse.
TEST_F(IniDatei, SchreibgeschuetzteDateiBleibtUnberuehrt) {
  const std::string text = "[A]\nk=1\n";
  DateiSchreiben(datei_, text);
  fs::permissions(datei_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  auto ini = TNewIniFile::AusPfad(datei_);
  EXPECT_FALSE(ini.WriteString("A", "k", "2"));
  EXPECT_FALSE(ini.WriteString("B", "neu", "2"));
  EXPECT_FALSE(ini.EraseSection("A"));
  EXPECT_FALSE(ini.DeleteKey("A", "k"));
  // Nothing to change: nothing written, and no failure.
  EXPECT_TRUE(ini.EraseSection("Fehlt"));

  TIniSitzung sitzung;
  TNewIniFile gehalten = sitzung.DateiAusPfad(datei_);
  EXPECT_TRUE(gehalten.WriteString("A", "k", "3"));
  EXPECT_EQ(gehalten.ReadString("A", "k", ""), "3");
  std::vector<fs::path> fehler;
  EXPECT_FALSE(sitzung.Speichern(&fehler));
  EXPECT_EQ(fehler, std::vector<fs::path>{datei_});
  EXPECT_TRUE(sitzung.Geaendert());

  EXPECT_EQ(DateiText(datei_), text);
  EXPECT_EQ(Eintraege(), 1u);
  fs::permissions(datei_, fs::perms::owner_write, std::filesystem::perm_options::add);
  EXPECT_TRUE(sitzung.Speichern());
  EXPECT_EQ(DateiText(datei_), "[A]\nk=3\n");
}

// A session reads a file once and writes it once; both names of one file
// share its text; a write of the same values is no change.
TEST_F(IniDatei, SitzungLiestEinmalUndSchreibtEinmal) {
  DateiSchreiben(datei_, "; Kopf\r\n[A]\r\nk=1\r\n\r\n[Fremd]\r\nx=y\r\n");
  TIniSitzung sitzung;
  TNewIniFile a = sitzung.DateiAusPfad(datei_);
  TNewIniFile b = sitzung.DateiAusPfad(ordner_ / "." / "test.ini");
  EXPECT_TRUE(a.Gehalten());
  EXPECT_FALSE(TNewIniFile::AusPfad(datei_).Gehalten());

  // Read once: a later change of the file is not seen.
  EXPECT_EQ(a.ReadInteger("A", "k", 0), 1);
  DateiSchreiben(datei_, "[A]\r\nk=9\r\n");
  EXPECT_EQ(b.ReadInteger("A", "k", 0), 1);
  DateiSchreiben(datei_, "; Kopf\r\n[A]\r\nk=1\r\n\r\n[Fremd]\r\nx=y\r\n");

  EXPECT_TRUE(a.WriteInteger("A", "k", 1));
  EXPECT_FALSE(sitzung.Geaendert());
  EXPECT_TRUE(a.WriteInteger("A", "k", 2));
  EXPECT_TRUE(b.WriteStrings("Neu", {{"n", "1"}}));
  EXPECT_EQ(b.ReadInteger("A", "k", 0), 2);
  EXPECT_EQ(a.Abbild().ReadString("Neu", "n", ""), "1");
  EXPECT_TRUE(sitzung.Geaendert());
  // Nothing in the file yet.
  EXPECT_EQ(DateiText(datei_), "; Kopf\r\n[A]\r\nk=1\r\n\r\n[Fremd]\r\nx=y\r\n");
  EXPECT_TRUE(b.Speichern());
  EXPECT_FALSE(sitzung.Geaendert());
  EXPECT_EQ(DateiText(datei_), "; Kopf\r\n[A]\r\nk=2\r\n\r\n[Fremd]\r\nx=y\r\n\r\n[Neu]\r\nn=1\r\n");
  EXPECT_TRUE(sitzung.Speichern());
  EXPECT_EQ(Eintraege(), 1u);
}

// Another program replaced the file while the session held it: its update
// stays, and the session's changes go on top.
TEST_F(IniDatei, SitzungVerliertFremdeAenderungenNicht) {
  DateiSchreiben(datei_, "[A]\nk=1\nalt=1\n");
  TIniSitzung sitzung;
  TNewIniFile ini = sitzung.DateiAusPfad(datei_);
  EXPECT_TRUE(ini.WriteString("A", "k", "2"));
  EXPECT_TRUE(ini.DeleteKey("A", "alt"));
  EXPECT_TRUE(ini.WriteString("B", "b", "1"));
  auto fremd = TNewIniFile::AusPfad(datei_);
  ASSERT_TRUE(fremd.WriteString("Fremd", "f", "x"));
  ASSERT_TRUE(fremd.WriteString("A", "von", "anderen"));
  EXPECT_TRUE(sitzung.Speichern());
  EXPECT_EQ(DateiText(datei_), "[A]\nk=2\nvon=anderen\n\n[Fremd]\nf=x\n\n[B]\nb=1\n");
  EXPECT_EQ(ini.ReadString("Fremd", "f", ""), "x");
  // The next save starts from what it wrote.
  EXPECT_TRUE(ini.WriteString("B", "b", "2"));
  EXPECT_TRUE(sitzung.Speichern());
  EXPECT_EQ(DateiText(datei_), "[A]\nk=2\nvon=anderen\n\n[Fremd]\nf=x\n\n[B]\nb=2\n");
}

// Many writes held in memory and written once give the same text as the
// same writes made one by one on the file.
TEST_F(IniDatei, SitzungSchreibtWieEinzelneSchreibvorgaenge) {
  std::mt19937 zufall(11);
  const std::string_view teile[] = {"[a]\n", "[ B ]\n", "k=1\n", "K = 2\n", "x=3", "; c\n", "\n",
                                    "\r\n", "[a]\r\n", "\xEF\xBB\xBF", "m=\n", "  \n"};
  const std::string namen[] = {"a", "B", "k", "K", "x", "neu"};
  const fs::path einzeln = ordner_ / "einzeln.ini";
  for (int runde = 0; runde < 150; ++runde) {
    std::string text;
    const int laenge = static_cast<int>(zufall() % 14);
    for (int i = 0; i < laenge; ++i) text += teile[zufall() % std::size(teile)];
    DateiSchreiben(datei_, text);
    DateiSchreiben(einzeln, text);
    TIniSitzung sitzung;
    TNewIniFile gehalten = sitzung.DateiAusPfad(datei_);
    TNewIniFile direkt = TNewIniFile::AusPfad(einzeln);
    const int schritte = 1 + static_cast<int>(zufall() % 6);
    for (int s = 0; s < schritte; ++s) {
      const std::string& abschnitt = namen[zufall() % 2 == 0 ? 0 : zufall() % std::size(namen)];
      const std::string& schluessel = namen[2 + zufall() % 4];
      const std::string wert = std::to_string(zufall() % 3);
      switch (zufall() % 4) {
        case 0:
          ASSERT_EQ(gehalten.EraseSection(abschnitt), direkt.EraseSection(abschnitt));
          break;
        case 1:
          ASSERT_EQ(gehalten.DeleteKey(abschnitt, schluessel), direkt.DeleteKey(abschnitt, schluessel));
          break;
        default:
          ASSERT_EQ(gehalten.WriteStrings(abschnitt, {{schluessel, wert}, {"k", wert}}),
                    direkt.WriteStrings(abschnitt, {{schluessel, wert}, {"k", wert}}));
      }
      for (const std::string& a : namen)
        ASSERT_EQ(gehalten.ReadString(a, schluessel, "?"), direkt.ReadString(a, schluessel, "?"))
            << testing::PrintToString(text);
    }
    ASSERT_TRUE(sitzung.Speichern());
    ASSERT_EQ(DateiText(datei_), DateiText(einzeln)) << testing::PrintToString(text);
  }
}

// What a write killed before its rename leaves behind goes once it is a
// minute old; younger ones may belong to a write under way.
TEST_F(IniDatei, AlteTempDateienWerdenEntfernt) {
  DateiSchreiben(datei_, "[A]\nk=1\n");
  const auto alt = fs::file_time_type::clock::now() - std::chrono::minutes(5);
  const auto anlegen = [&](const std::string& name, bool veraltet) {
    DateiSchreiben(ordner_ / name, "x");
    if (veraltet) fs::last_write_time(ordner_ / name, alt);
  };
  anlegen("test.ini.~123.tmp", true);
  anlegen("test.ini.~456.tmp", false);
  anlegen("test.ini.~12a.tmp", true);
  anlegen("andere.ini.~789.tmp", true);
  anlegen("test.ini.~.tmp", true);
  fs::create_directory(ordner_ / "test.ini.~55.tmp");
  fs::last_write_time(ordner_ / "test.ini.~55.tmp", alt);

  TIniSitzung sitzung;
  EXPECT_EQ(sitzung.DateiAusPfad(datei_).ReadInteger("A", "k", 0), 1);
  EXPECT_FALSE(fs::exists(ordner_ / "test.ini.~123.tmp"));
  for (const char* bleibt : {"test.ini.~456.tmp", "test.ini.~12a.tmp", "andere.ini.~789.tmp",
                             "test.ini.~.tmp", "test.ini.~55.tmp"})
    EXPECT_TRUE(fs::exists(ordner_ / bleibt)) << bleibt;
  EXPECT_EQ(AlteTempDateienEntfernen(datei_, std::chrono::seconds(0)), 1u);
  EXPECT_FALSE(fs::exists(ordner_ / "test.ini.~456.tmp"));
}
