#pragma once
// Lines of a CSV input as std::getline splits them, for the checks of the
// batch and pap targets.

#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::string> FuzzZeilen(std::string_view text) {
  std::vector<std::string> zeilen;
  while (!text.empty()) {
    const auto ende = text.find('\n');
    zeilen.emplace_back(text.substr(0, ende));
    if (ende == std::string_view::npos) break;
    text.remove_prefix(ende + 1);
  }
  return zeilen;
}

inline bool FuzzLeer(std::string_view zeile, std::string_view leerzeichen) {
  return zeile.find_first_not_of(leerzeichen) == std::string_view::npos;
}

// Whether the input may name a settings file (any case of "einstellung"):
// the fuzzer is to read no files of the machine.
inline bool FuzzNenntEinstellungen(std::string_view text) {
  std::string klein(text);
  for (char& c : klein) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return klein.find("einstellung") != std::string::npos;
}
