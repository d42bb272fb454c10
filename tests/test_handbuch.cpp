// The manual pages and the bash completion against what the programs say
// and take: the manual page names every command and option that --help
// names and no other, every option the help names is one the program takes,
// the completion offers each command only options it takes and each option
// only values it takes, and the pages render without a warning of groff.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/eingabe.h"
#include "cli_lauf.h"
#include "lohnsteuer_version.h"

namespace {

using Namen = std::set<std::string>;

std::string Datei(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  std::ostringstream s;
  s << ein.rdbuf();
  return s.str();
}

std::vector<std::string> Zeilen(const std::string& text) {
  std::vector<std::string> z;
  std::istringstream ein(text);
  for (std::string zeile; std::getline(ein, zeile);) z.push_back(zeile);
  return z;
}

// Output and status of a shell command.
TCliLauf Shell(const std::string& befehl) {
  TCliLauf lauf;
  FILE* rohr = popen(befehl.c_str(), "r");
  if (rohr == nullptr) return lauf;
  char puffer[4096];
  std::size_t n = 0;
  while ((n = fread(puffer, 1, sizeof puffer, rohr)) > 0) lauf.Ausgabe.append(puffer, n);
  const int status = pclose(rohr);
  lauf.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return lauf;
}

// The options of a help: lines "  --name WERT  text" (name and whether it
// takes a value).
std::vector<std::pair<std::string, bool>> HilfeOptionen(const std::string& hilfe) {
  std::vector<std::pair<std::string, bool>> o;
  for (const std::string& z : Zeilen(hilfe)) {
    if (z.rfind("  --", 0) != 0) continue;
    const std::size_t ende = z.find(' ', 4);
    const bool mitWert = ende != std::string::npos && ende + 1 < z.size() && z[ende + 1] != ' ';
    o.emplace_back(z.substr(4, ende - 4), mitWert);
  }
  return o;
}

Namen NurNamen(const std::vector<std::pair<std::string, bool>>& optionen) {
  Namen n;
  for (const auto& o : optionen) n.insert(o.first);
  return n;
}

// The commands of lohnsteuer-cli --help: the first word of each line of the
// section "Befehle:" that does not continue a text.
Namen HilfeBefehle(const std::string& hilfe) {
  Namen b;
  bool imTeil = false;
  for (const std::string& z : Zeilen(hilfe)) {
    if (z == "Befehle:") {
      imTeil = true;
    } else if (imTeil && z.empty()) {
      break;
    } else if (imTeil && z.size() > 2 && z[2] != ' ') {
      b.insert(z.substr(2, z.find(' ', 2) - 2));
    }
  }
  return b;
}

// The entries of a section of a manual page: the bold word after each .TP,
// with the page's minus signs read back as dashes.
Namen HandbuchEintraege(const std::string& seite, const std::string& abschnitt) {
  Namen e;
  const std::vector<std::string> z = Zeilen(seite);
  bool imTeil = false;
  for (std::size_t i = 0; i < z.size(); ++i) {
    if (z[i].rfind(".SH", 0) == 0) {
      imTeil = z[i] == ".SH " + abschnitt;
      continue;
    }
    if (!imTeil || z[i] != ".TP" || i + 1 >= z.size()) continue;
    std::string kopf = z[i + 1];
    if (kopf.rfind("\\fB", 0) != 0) continue;
    kopf = kopf.substr(3, kopf.find("\\fR") - 3);
    std::string name;
    for (std::size_t p = 0; p < kopf.size(); ++p) {
      if (kopf.compare(p, 2, "\\-") == 0) {
        name += '-';
        ++p;
      } else {
        name += kopf[p];
      }
    }
    if (name.rfind("--", 0) == 0) name.erase(0, 2);
    e.insert(name);
  }
  return e;
}

std::string Handbuch(const std::string& seite) {
  return std::string(LOHNSTEUER_HANDBUCH_DIR) + "/" + seite + ".1";
}

// What the completion offers for a command line; the word under the cursor
// is the last one.
std::vector<std::string> Vorschlaege(const std::vector<std::string>& woerter) {
  std::string befehl = "bash -c 'source \"$0\"; COMP_WORDS=(lohnsteuer-cli \"$@\"); COMP_CWORD=$#; "
                       "_lohnsteuer_cli; printf \"%s\\n\" \"${COMPREPLY[@]}\"' " +
                       std::string(LOHNSTEUER_HANDBUCH_DIR) + "/lohnsteuer-cli";
  for (const std::string& w : woerter) befehl += " \"" + w + "\"";
  const TCliLauf l = Shell(befehl + " 2>&1");
  EXPECT_EQ(l.Status, 0) << l.Ausgabe;
  std::vector<std::string> v;
  for (const std::string& z : Zeilen(l.Ausgabe)) {
    if (!z.empty()) v.push_back(z);
  }
  return v;
}

// Whether lohnsteuer-cli takes the option after the command; the reasons
// it gives when it does not know it, or not for this command.
bool NimmtOption(const std::string& befehl, const std::string& option, bool mitWert, std::string* meldung) {
  // The value 1, or a PDF file that no test reads.
  const std::string wert = option == "pdf" ? ::testing::TempDir() + "handbuch_probe.pdf" : "1";
  const TCliLauf l = CliStarten(befehl + " --" + option + (mitWert ? " " + wert : ""));
  *meldung = l.Ausgabe;
  for (const char* abgelehnt : {"Unbekannte Option", "gilt nur für", "nimmt nur die Option", "nimmt keine Optionen"}) {
    if (l.Ausgabe.find(abgelehnt) != std::string::npos) return false;
  }
  return true;
}

}  // namespace

TEST(Handbuch, CliNenntJedeOptionUndJedenBefehlDerHilfe) {
  const TCliLauf hilfe = CliStarten("--help");
  ASSERT_EQ(hilfe.Status, 0);
  const std::string seite = Datei(Handbuch("lohnsteuer-cli"));
  ASSERT_FALSE(seite.empty()) << Handbuch("lohnsteuer-cli");
  const Namen optionen = NurNamen(HilfeOptionen(hilfe.Ausgabe));
  EXPECT_GT(optionen.size(), 60u);
  EXPECT_EQ(HandbuchEintraege(seite, "OPTIONEN"), optionen);
  const Namen befehle = HilfeBefehle(hilfe.Ausgabe);
  EXPECT_EQ(befehle, (Namen{"batch", "berechnen", "drucken", "einkommensteuer", "est-tabelle", "jahre",
                            "jahresvergleich", "lohnkonto", "pap", "tabelle", "vergleich", "wunschnetto"}));
  EXPECT_EQ(HandbuchEintraege(seite, "BEFEHLE"), befehle);
}

// The reader of the options knows every option the help names (whether a
// command takes it is the completion's test).
TEST(Handbuch, JedeOptionDerHilfeIstBekannt) {
  for (const auto& [option, mitWert] : HilfeOptionen(CliStarten("--help").Ausgabe)) {
    const TCliLauf l = CliStarten("berechnen --" + option + (mitWert ? " 1" : ""));
    EXPECT_EQ(l.Ausgabe.find("Unbekannte Option"), std::string::npos) << "--" << option << ": " << l.Ausgabe;
  }
}

TEST(Handbuch, FensterNenntJedeOptionDerHilfe) {
#ifdef LOHNSTEUER_FENSTER_PATH
  const TCliLauf hilfe = Shell(std::string(LOHNSTEUER_FENSTER_PATH) + " --help 2>&1");
  ASSERT_EQ(hilfe.Status, 0) << hilfe.Ausgabe;
  const Namen optionen = NurNamen(HilfeOptionen(hilfe.Ausgabe));
  EXPECT_EQ(optionen, (Namen{"help", "version"}));
  EXPECT_EQ(HandbuchEintraege(Datei(Handbuch("lohnsteuer")), "OPTIONEN"), optionen);
#else
  GTEST_SKIP() << "ohne die Fenster gebaut";
#endif
}

// The version is the project's: the same in both programs and on the pages.
TEST(Handbuch, VersionDerProgrammeUndSeiten) {
  const std::string version = LOHNSTEUER_VERSION;
  EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 3) << version;
  const TCliLauf cli = CliStarten("--version");
  EXPECT_EQ(cli.Status, 0);
  EXPECT_EQ(cli.Ausgabe, "lohnsteuer-cli " + version + "\n");
  EXPECT_EQ(CliStarten("berechnen --brutto 3000 --version").Ausgabe, cli.Ausgabe);
  std::vector<std::string> seiten{"lohnsteuer-cli"};
#ifdef LOHNSTEUER_FENSTER_PATH
  const TCliLauf fenster = Shell(std::string(LOHNSTEUER_FENSTER_PATH) + " --version 2>&1");
  EXPECT_EQ(fenster.Status, 0);
  EXPECT_EQ(fenster.Ausgabe, "lohnsteuer " + version + "\n");
  seiten.push_back("lohnsteuer");
#endif
  for (const std::string& s : seiten) {
    EXPECT_NE(Datei(Handbuch(s)).find("\"Lohnsteuer " + version + "\""), std::string::npos) << s;
  }
}

// What lintian asks of a manual page: man reads it without a warning, and
// its name line gives a whatis entry.
TEST(Handbuch, SeitenOhneWarnung) {
  if (Shell("command -v man >/dev/null && command -v lexgrog >/dev/null && echo ja").Ausgabe != "ja\n") {
    GTEST_SKIP() << "man oder lexgrog fehlt (Paket man-db): die Seiten werden nicht gesetzt";
  }
  std::vector<std::string> seiten{"lohnsteuer-cli"};
#ifdef LOHNSTEUER_FENSTER_PATH
  seiten.push_back("lohnsteuer");
#endif
  for (const std::string& s : seiten) {
    const std::string pfad = Handbuch(s);
    const TCliLauf gesetzt = Shell("env -i PATH=\"$PATH\" LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80 "
                                   "man --warnings -E UTF-8 -l -Tutf8 -Z " + pfad + " 2>&1 >/dev/null");
    EXPECT_EQ(gesetzt.Status, 0) << s;
    EXPECT_EQ(gesetzt.Ausgabe, "") << s;
    const TCliLauf whatis = Shell("env -i PATH=\"$PATH\" LC_ALL=C.UTF-8 lexgrog " + pfad + " 2>&1");
    EXPECT_EQ(whatis.Status, 0) << s << ": " << whatis.Ausgabe;
    EXPECT_NE(whatis.Ausgabe.find("\"" + s + " - "), std::string::npos) << whatis.Ausgabe;
  }
}

TEST(Vervollstaendigung, BefehleWieDieHilfe) {
  const std::vector<std::string> v = Vorschlaege({""});
  Namen erwartet = HilfeBefehle(CliStarten("--help").Ausgabe);
  erwartet.insert({"--help", "--version"});
  EXPECT_EQ(Namen(v.begin(), v.end()), erwartet);
  EXPECT_EQ(Vorschlaege({"ber"}), std::vector<std::string>{"berechnen"});
}

// Each command is offered the options it takes, together every option of the
// help; pap none.
TEST(Vervollstaendigung, OptionenNimmtDerBefehl) {
  const auto hilfe = HilfeOptionen(CliStarten("--help").Ausgabe);
  Namen angeboten;
  for (const std::string& befehl : HilfeBefehle(CliStarten("--help").Ausgabe)) {
    std::string aufruf = befehl;
    if (befehl == "wunschnetto" || befehl == "einkommensteuer") aufruf += " 50000";
    if (befehl == "vergleich") aufruf += " 3000 1500";
    const std::vector<std::string> v = Vorschlaege({befehl, "--"});
    if (befehl == "pap") EXPECT_TRUE(v.empty());
    for (const std::string& o : v) {
      ASSERT_EQ(o.rfind("--", 0), 0u) << o;
      const std::string name = o.substr(2);
      angeboten.insert(name);
      const auto h = std::find_if(hilfe.begin(), hilfe.end(), [&](const auto& x) { return x.first == name; });
      ASSERT_NE(h, hilfe.end()) << befehl << ": " << o << " nennt die Hilfe nicht";
      if (befehl == "batch" || name == "help" || name == "version") continue;  // batch reads its standard input
      std::string meldung;
      EXPECT_TRUE(NimmtOption(aufruf, name, h->second, &meldung)) << aufruf << " " << o << ": " << meldung;
    }
  }
  EXPECT_EQ(angeboten, NurNamen(hilfe));
  EXPECT_EQ(Vorschlaege({"jahre", "--"}), (std::vector<std::string>{"--json", "--help", "--version"}));
}

// The values offered for an option are values it takes.
TEST(Vervollstaendigung, WerteNimmtDieOption) {
  int mitWerten = 0;
  for (const auto& [option, mitWert] : HilfeOptionen(CliStarten("--help").Ausgabe)) {
    if (!mitWert) continue;
    const std::vector<std::string> werte = Vorschlaege({"berechnen", "--" + option, ""});
    if (werte.empty()) continue;
    ++mitWerten;
    if (option == "pdf" || option == "einstellungsdatei") continue;  // file names
    for (const std::string& w : werte) {
      lst::cli::TEingabe e;
      EXPECT_EQ(lst::cli::OptionSetzen(e, option, w), "") << "--" << option << " " << w;
    }
  }
  EXPECT_GE(mitWerten, 8);
  EXPECT_EQ(Vorschlaege({"berechnen", "--zeitraum", "w"}), std::vector<std::string>{"woche"});
  EXPECT_EQ(Vorschlaege({"berechnen", "--brutto", ""}), std::vector<std::string>{});
}
