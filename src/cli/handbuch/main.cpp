// lohnsteuer_handbuch: writes, at build time, the manual pages of
// lohnsteuer-cli and lohnsteuer from their templates and the bash completion
// of lohnsteuer-cli, all from the tables that --help lists (cli/befehle.h,
// common/aufruf.h), so that none of them names an option the programs do
// not take or leaves one out; and the AppStream entry of the window with the
// version and the years carried.
//
//   lohnsteuer_handbuch cli VORLAGE AUSGABE DATUM
//   lohnsteuer_handbuch fenster VORLAGE AUSGABE DATUM
//   lohnsteuer_handbuch metainfo VORLAGE AUSGABE DATUM
//   lohnsteuer_handbuch bash AUSGABE

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/befehle.h"
#include "common/aufruf.h"
#include "lohnsteuer/versionen.h"
#include "lohnsteuer_version.h"

namespace {

using namespace lst;
using namespace lst::cli;

// Text for troff: backslashes escaped, the dashes of an option (a word that
// starts with one) as minus signs, so that it can be copied as typed.
std::string Roff(std::string_view text) {
  std::string aus;
  bool option = false;
  char vorher = ' ';
  for (char c : text) {
    const bool wortanfang = vorher == ' ' || vorher == '(' || vorher == '[' || vorher == '"' || vorher == '\n';
    if (c == '-' && (wortanfang || option)) option = true;
    if (c == ' ' || c == ',' || c == ';' || c == ':' || c == ')' || c == ']' || c == '"' || c == '\n') option = false;
    if (c == '\\') {
      aus += "\\e";
    } else if (c == '-' && option) {
      aus += "\\-";
    } else {
      aus += c;
    }
    vorher = c;
  }
  // The full stops of an abbreviation end no sentence (no wider space),
  // and it is not broken across lines.
  for (const char* abkuerzung : {"z. B.", "u. a.", "d. h."}) {
    const std::string k = abkuerzung;
    const std::string durch = k.substr(0, 2) + "\\~" + k.substr(3) + "\\&";
    for (std::size_t p = aus.find(k); p != std::string::npos; p = aus.find(k, p + durch.size())) {
      aus.replace(p, k.size(), durch);
    }
  }
  // A line must not start with a control character.
  if (!aus.empty() && (aus.front() == '.' || aus.front() == '\'')) aus.insert(0, "\\&");
  for (std::size_t p = aus.find('\n'); p != std::string::npos; p = aus.find('\n', p + 1)) {
    if (p + 1 < aus.size() && (aus[p + 1] == '.' || aus[p + 1] == '\'')) aus.insert(p + 1, "\\&");
  }
  return aus;
}

// A paragraph of a list entry; blank lines divide it into paragraphs of the
// same indentation.
std::string Absaetze(std::string_view text) {
  std::string aus;
  for (std::size_t start = 0;;) {
    const std::size_t ende = text.find("\n\n", start);
    aus += Roff(text.substr(start, ende == std::string_view::npos ? std::string_view::npos : ende - start)) + "\n";
    if (ende == std::string_view::npos) break;
    aus += ".IP\n";
    start = ende + 2;
  }
  return aus;
}

// "--pdf DATEI", "EINKOMMEN [--splitting]": options bold, placeholders
// italic, brackets upright.
std::string Argumente(std::string_view argumente) {
  std::string aus;
  std::istringstream woerter{std::string(argumente)};
  std::string wort;
  while (woerter >> wort) {
    std::string vor, nach;
    while (!wort.empty() && wort.front() == '[') vor += '[', wort.erase(0, 1);
    while (!wort.empty() && wort.back() == ']') nach += ']', wort.pop_back();
    aus += " " + vor + (wort.front() == '-' ? "\\fB" : "\\fI") + Roff(wort) + "\\fR" + nach;
  }
  return aus;
}

std::string OptionsKopf(const std::string& name, const std::string& wert) {
  std::string kopf = ".TP\n\\fB" + Roff("--" + name) + "\\fR";
  if (!wert.empty()) kopf += " \\fI" + wert + "\\fR";
  return kopf + "\n";
}

std::string CliBefehle() {
  std::string aus;
  for (const TBefehl& b : Befehle()) {
    aus += ".TP\n\\fB" + Roff(b.Name) + "\\fR" + Argumente(b.Argumente) + "\n";
    aus += Absaetze(b.Handbuch);
  }
  return aus;
}

std::string CliOptionen() {
  std::string aus = ".SS \"Eingaben der Rechnung\"\n";
  bool einzeln = false;
  for (const TAufrufOption& o : AufrufOptionen()) {
    if (o.Art != TOptionsArt::Rechnung && !einzeln) {
      aus += ".SS \"Optionen einzelner Befehle\"\n";
      einzeln = true;
    }
    std::string text = o.Hilfe;
    if (!o.Befehle.empty() && o.Art != TOptionsArt::Hilfe && o.Art != TOptionsArt::Version) {
      // "drucken: die PDF-Datei ..." says the command that the page names
      // after the text.
      if (o.Befehle.size() == 1 && text.rfind(o.Befehle[0] + ": ", 0) == 0) text.erase(0, o.Befehle[0].size() + 2);
      std::string fuer;
      for (const std::string& b : o.Befehle) fuer += (fuer.empty() ? "" : ", ") + b;
      text += " (" + std::string(o.Befehle.size() == 1 ? "Befehl " : "Befehle ") + fuer + ")";
    }
    aus += OptionsKopf(o.Name, o.Wert) + Absaetze(text);
  }
  return aus;
}

std::string FensterOptionenRoff() {
  std::string aus;
  for (const TFensterOption& o : FensterOptionen()) {
    aus += ".TP\n\\fB" + Roff(o.Name) + "\\fR\n" + Absaetze(o.Hilfe);
  }
  return aus;
}

void Ersetzen(std::string& text, const std::string& marke, const std::string& durch) {
  for (std::size_t p = text.find(marke); p != std::string::npos; p = text.find(marke, p + durch.size())) {
    text.replace(p, marke.size(), durch);
  }
}

// The template with its marks filled in; a list mark stands on a line of
// its own.
std::string Seite(const std::string& vorlage, const std::string& datum,
                  const std::vector<std::pair<std::string, std::string>>& listen) {
  std::string text = vorlage;
  for (const auto& [marke, liste] : listen) Ersetzen(text, marke + "\n", liste);
  Ersetzen(text, "@VERSION@", LOHNSTEUER_VERSION);
  Ersetzen(text, "@DATUM@", datum);
  Ersetzen(text, "@ERSTES_JAHR@", std::to_string(kErstesJahr));
  Ersetzen(text, "@LETZTES_JAHR@", std::to_string(kLetztesLStJahr));
  return text;
}

// A mark left over ("@NAME@"), or an empty string.
std::string UebrigeMarke(const std::string& text) {
  for (std::size_t p = text.find('@'); p != std::string::npos; p = text.find('@', p + 1)) {
    std::size_t e = p + 1;
    while (e < text.size() && ((text[e] >= 'A' && text[e] <= 'Z') || text[e] == '_')) ++e;
    if (e > p + 1 && e < text.size() && text[e] == '@') return text.substr(p, e - p + 1);
  }
  return {};
}

std::string Woerter(const std::vector<std::string>& woerter) {
  std::string aus;
  for (const std::string& w : woerter) aus += (aus.empty() ? "" : " ") + w;
  return aus;
}

// The bash completion of lohnsteuer-cli: the commands, each command's
// options, the values of the options that have a few, file names where a
// file is asked for.
std::string BashVervollstaendigung() {
  std::vector<std::string> befehle;
  for (const TBefehl& b : Befehle()) befehle.emplace_back(b.Name);
  std::string aus =
      "# bash completion of lohnsteuer-cli: commands, options, values.\n"
      "# Generated by lohnsteuer_handbuch from the table that lohnsteuer-cli --help\n"
      "# lists (src/cli/befehle.cpp); do not edit.\n"
      "_lohnsteuer_cli() {\n"
      "    local cur=${COMP_WORDS[COMP_CWORD]} prev=\n"
      "    (( COMP_CWORD > 0 )) && prev=${COMP_WORDS[COMP_CWORD-1]}\n"
      "    COMPREPLY=()\n"
      "    if (( COMP_CWORD == 1 )); then\n"
      "        COMPREPLY=($(compgen -W '" + Woerter(befehle) + " --help --version' -- \"$cur\"))\n"
      "        return 0\n"
      "    fi\n"
      "    local optionen=\n";
  // The inputs of the calculation once, then each command's own options.
  std::vector<std::string> rechnung;
  for (const TAufrufOption& o : AufrufOptionen()) {
    if (o.Art == TOptionsArt::Rechnung) rechnung.push_back("--" + o.Name);
  }
  aus += "    local rechnung='" + Woerter(rechnung) + "'\n"
         "    case ${COMP_WORDS[1]} in\n";
  for (const TBefehl& b : Befehle()) {
    std::vector<std::string> optionen;
    if (b.Rechnung) optionen.push_back("$rechnung");
    for (const std::string& o : OptionenDesBefehls(b.Name)) {
      if (FindeAufrufOption(o)->Art != TOptionsArt::Rechnung) optionen.push_back("--" + o);
    }
    aus += "        " + std::string(b.Name) + ") optionen=\"" + Woerter(optionen) + "\" ;;\n";
  }
  aus += "        *) return 0 ;;\n"
         "    esac\n"
         "    case $prev in\n";
  std::vector<std::string> dateien, frei;
  for (const TAufrufOption& o : AufrufOptionen()) {
    if (o.Wert.empty()) continue;
    if (DateiWert(o.Name)) {
      dateien.push_back("--" + o.Name);
      continue;
    }
    const std::vector<std::string> werte = Wertvorschlaege(o.Name);
    if (werte.empty()) {
      frei.push_back("--" + o.Name);
    } else {
      aus += "        --" + o.Name + ")\n"
             "            COMPREPLY=($(compgen -W '" + Woerter(werte) + "' -- \"$cur\"))\n"
             "            return 0 ;;\n";
    }
  }
  const auto oder = [](const std::vector<std::string>& namen) {
    std::string t;
    for (const std::string& n : namen) t += (t.empty() ? "" : "|") + n;
    return t;
  };
  if (!dateien.empty()) {
    aus += "        " + oder(dateien) + ")\n"
           "            compopt -o filenames 2>/dev/null\n"
           "            COMPREPLY=($(compgen -f -- \"$cur\"))\n"
           "            return 0 ;;\n";
  }
  if (!frei.empty()) {
    // A number or an amount is typed: nothing to offer.
    aus += "        " + oder(frei) + ")\n"
           "            return 0 ;;\n";
  }
  aus += "    esac\n"
         "    if [[ $cur == -* ]]; then\n"
         "        COMPREPLY=($(compgen -W \"$optionen\" -- \"$cur\"))\n"
         "    fi\n"
         "    return 0\n"
         "}\n"
         "complete -F _lohnsteuer_cli lohnsteuer-cli\n";
  return aus;
}

bool Lesen(const std::string& datei, std::string& text) {
  std::ifstream ein(datei, std::ios::binary);
  std::ostringstream s;
  s << ein.rdbuf();
  text = s.str();
  return ein.good() || ein.eof();
}

bool Schreiben(const std::string& datei, const std::string& text) {
  std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
  aus << text;
  aus.close();
  return !aus.fail();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> a(argv + 1, argv + argc);
  std::string text;
  if (a.size() == 4 && (a[0] == "cli" || a[0] == "fenster" || a[0] == "metainfo")) {
    std::string vorlage;
    if (!Lesen(a[1], vorlage) || vorlage.empty()) {
      std::cerr << "lohnsteuer_handbuch: die Vorlage " << a[1] << " ist nicht lesbar\n";
      return 1;
    }
    if (a[0] == "cli") {
      text = Seite(vorlage, a[3], {{"@BEFEHLE@", CliBefehle()}, {"@OPTIONEN@", CliOptionen()}});
    } else if (a[0] == "fenster") {
      text = Seite(vorlage, a[3], {{"@OPTIONEN@", FensterOptionenRoff()}});
    } else {
      // The AppStream entry: version, date of the release, years.
      text = Seite(vorlage, a[3], {});
    }
    if (const std::string rest = UebrigeMarke(text); !rest.empty()) {
      std::cerr << "lohnsteuer_handbuch: " << a[1] << ": die Marke " << rest
                << " ist unbekannt oder steht nicht auf einer eigenen Zeile\n";
      return 1;
    }
  } else if (a.size() == 2 && a[0] == "bash") {
    text = BashVervollstaendigung();
  } else {
    std::cerr << "Aufruf: lohnsteuer_handbuch cli|fenster|metainfo VORLAGE AUSGABE DATUM\n"
                 "       lohnsteuer_handbuch bash AUSGABE\n";
    return 2;
  }
  if (!Schreiben(a[a[0] == "bash" ? 1 : 2], text)) {
    std::cerr << "lohnsteuer_handbuch: " << a[a[0] == "bash" ? 1 : 2] << " kann nicht geschrieben werden\n";
    return 1;
  }
  return 0;
}
