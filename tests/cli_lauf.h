#pragma once
// Runs the command-line program the way a user's shell does.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct TCliLauf {
  int Status = -1;
  std::string Ausgabe;  // standard output (with mitFehlerkanal standard error too)
  std::string Fehler;   // standard error, without mitFehlerkanal
};

// The program with arguments (shell syntax) and optional standard input.
// mitFehlerkanal: standard error goes into Ausgabe; otherwise into Fehler.
inline TCliLauf CliStarten(const std::string& argumente, const std::string& eingabe = "",
                           bool mitFehlerkanal = true) {
  // One file per process: CTest runs the tests side by side.
  const std::string datei = ::testing::TempDir() + "cli_lauf_eingabe_" + std::to_string(getpid()) + ".txt";
  const std::string fehlerDatei = ::testing::TempDir() + "cli_lauf_fehler_" + std::to_string(getpid()) + ".txt";
  std::ofstream(datei, std::ios::binary) << eingabe;
  const std::string befehl = std::string(LOHNSTEUER_CLI_PATH) + " " + argumente + " < " + datei +
                             (mitFehlerkanal ? " 2>&1" : " 2> " + fehlerDatei);
  TCliLauf lauf;
  FILE* rohr = popen(befehl.c_str(), "r");
  if (rohr == nullptr) return lauf;
  char puffer[4096];
  std::size_t n = 0;
  while ((n = fread(puffer, 1, sizeof puffer, rohr)) > 0) lauf.Ausgabe.append(puffer, n);
  const int status = pclose(rohr);
  lauf.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (!mitFehlerkanal) {
    std::ostringstream f;
    f << std::ifstream(fehlerDatei).rdbuf();
    lauf.Fehler = f.str();
  }
  return lauf;
}

// The value of a member of a flat JSON object, as text ("?" when missing).
inline std::string JsonFeld(const std::string& json, const std::string& name) {
  const auto pos = json.find("\"" + name + "\": ");
  if (pos == std::string::npos) return "?";
  const auto start = pos + name.size() + 4;
  return json.substr(start, json.find_first_of(",}", start) - start);
}

// The printing program beside lohnsteuer-cli (built only with Qt).
inline bool DruckprogrammDa() {
  return std::filesystem::exists(std::filesystem::path(LOHNSTEUER_CLI_PATH).parent_path() / "lohnsteuer-cli-druck");
}
