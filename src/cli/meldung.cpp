#include "cli/meldung.h"

namespace lst::cli {

namespace {

// Length of the valid UTF-8 sequence at the start of s, or 0.
std::size_t ZeichenLaenge(std::string_view s) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char c = b(0);
  if (c < 0x80) return 1;
  std::size_t n = 0;
  unsigned char min2 = 0x80, max2 = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) min2 = 0xA0;   // no overlong forms
    if (c == 0xED) max2 = 0x9F;   // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) min2 = 0x90;
    if (c == 0xF4) max2 = 0x8F;   // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (s.size() < n || b(1) < min2 || b(1) > max2) return 0;
  for (std::size_t i = 2; i < n; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
  }
  return n;
}

}  // namespace

std::string Zitat(std::string_view text) {
  constexpr int kZeichen = 60;
  std::string t = "\"";
  int zeichen = 0;
  while (!text.empty()) {
    if (zeichen == kZeichen) {
      t += "…";
      break;
    }
    const std::size_t n = ZeichenLaenge(text);
    if (n == 0) {
      t += "\xEF\xBF\xBD";  // U+FFFD
      text.remove_prefix(1);
    } else {
      const unsigned char c = static_cast<unsigned char>(text[0]);
      if (n == 1 && (c < 0x20 || c == 0x7F)) {
        t += '?';
      } else {
        t.append(text.substr(0, n));
      }
      text.remove_prefix(n);
    }
    ++zeichen;
  }
  return t + "\"";
}

std::string DateiZitat(std::string_view name) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string t = "\"";
  while (!name.empty()) {
    const std::size_t n = ZeichenLaenge(name);
    const unsigned char c = static_cast<unsigned char>(name[0]);
    if (n == 1 && c >= 0x20 && c != 0x7F && c != '\\' && c != '"') {
      t += static_cast<char>(c);
    } else if (n == 2 && c == 0xC2 && static_cast<unsigned char>(name[1]) < 0xA0) {
      // The control characters U+0080 to U+009F.
      const unsigned char z = static_cast<unsigned char>(name[1]);
      t += "\\u00";
      t += kHex[z >> 4];
      t += kHex[z & 15];
    } else if (n > 1) {
      t.append(name.substr(0, n));
    } else {
      t += '\\';
      switch (c) {
        case '\n': t += 'n'; break;
        case '\t': t += 't'; break;
        case '\r': t += 'r'; break;
        case '\\': t += '\\'; break;
        case '"': t += '"'; break;
        default:
          t += 'x';
          t += kHex[c >> 4];
          t += kHex[c & 15];
      }
    }
    name.remove_prefix(n == 0 ? 1 : n);
  }
  return t + "\"";
}

bool GueltigesUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t n = ZeichenLaenge(text);
    if (n == 0) return false;
    text.remove_prefix(n);
  }
  return true;
}

}  // namespace lst::cli
