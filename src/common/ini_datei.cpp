#include "common/ini_datei.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>
#include <system_error>
#include <unordered_map>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lst {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
#ifdef _WIN32
constexpr std::string_view kStandardZeilenende = "\r\n";
#else
constexpr std::string_view kStandardZeilenende = "\n";
#endif

// --- text helpers --------------------------------------------------------------

bool IstLeerzeichen(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmen(std::string_view s) {
  while (!s.empty() && IstLeerzeichen(s.front())) s.remove_prefix(1);
  while (!s.empty() && IstLeerzeichen(s.back())) s.remove_suffix(1);
  return s;
}

char Klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool GleichOhneFall(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Klein(a[i]) != Klein(b[i])) return false;
  return true;
}

bool OhneZeilenumbruch(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool AbschnittGueltig(std::string_view s) {
  s = Trimmen(s);
  return !s.empty() && OhneZeilenumbruch(s) && s.find(']') == std::string_view::npos;
}

bool SchluesselGueltig(std::string_view s) {
  s = Trimmen(s);
  return !s.empty() && OhneZeilenumbruch(s) && s.find('=') == std::string_view::npos &&
         s.front() != '[' && s.front() != ';';
}

fs::path PfadAusUtf8(std::string_view s) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(s.data()), s.size()));
}

// --- the lines of a file -------------------------------------------------------------

struct Zeile {
  std::string_view text;  // without the line end
  std::string_view ende;  // "\n", "\r\n", or empty for an unterminated last line
};

// Splits at '\n'; a '\r' before it belongs to the line end.  Linear in the
// length of the text, whatever the length of a line.
std::vector<Zeile> InZeilen(std::string_view s) {
  std::vector<Zeile> zeilen;
  std::size_t pos = 0;
  while (pos < s.size()) {
    const std::size_t nl = s.find('\n', pos);
    if (nl == std::string_view::npos) {
      zeilen.push_back({s.substr(pos), {}});
      break;
    }
    std::size_t textEnde = nl;
    if (textEnde > pos && s[textEnde - 1] == '\r') --textEnde;
    zeilen.push_back({s.substr(pos, textEnde - pos), s.substr(textEnde, nl + 1 - textEnde)});
    pos = nl + 1;
  }
  return zeilen;
}

enum class Art { Sonstige, Abschnitt, Schluessel };

struct Deutung {
  Art art = Art::Sonstige;
  std::string_view name;  // section or key name, trimmed
  std::string_view wert;  // value of a key line, trimmed
};

Deutung Deuten(std::string_view text) {
  const std::string_view t = Trimmen(text);
  if (t.empty()) return {};
  if (t.front() == '[') {
    const std::size_t zu = t.find(']');
    return {Art::Abschnitt, Trimmen(t.substr(1, zu == std::string_view::npos ? t.npos : zu - 1)), {}};
  }
  if (t.front() == ';') return {};
  const std::size_t gleich = t.find('=');
  if (gleich == std::string_view::npos) return {};
  const std::string_view name = Trimmen(t.substr(0, gleich));
  if (name.empty()) return {};
  return {Art::Schluessel, name, Trimmen(t.substr(gleich + 1))};
}

// The file's text split into an optional byte-order mark and lines.  The
// views point into `roh`, which must stay unchanged while they are used.
struct Inhalt {
  Inhalt() = default;
  Inhalt(const Inhalt&) = delete;
  Inhalt& operator=(const Inhalt&) = delete;

  std::string roh;
  std::string_view bom;
  std::vector<Zeile> zeilen;
  std::string_view zeilenende = kStandardZeilenende;  // the file's own, if it has one

  void Zerlegen() {
    std::string_view rest = roh;
    if (rest.substr(0, kBom.size()) == kBom) {
      bom = rest.substr(0, kBom.size());
      rest.remove_prefix(kBom.size());
    }
    zeilen = InZeilen(rest);
    for (const Zeile& z : zeilen) {
      if (!z.ende.empty()) {
        zeilenende = z.ende;
        break;
      }
    }
  }
};

// Lines [kopf, ende) of the first section of that name; kopf is the header.
struct Bereich {
  std::size_t kopf = 0;
  std::size_t ende = 0;
};

std::optional<Bereich> AbschnittSuchen(const std::vector<Zeile>& zeilen, std::string_view name,
                                       std::size_t ab = 0) {
  for (std::size_t i = ab; i < zeilen.size(); ++i) {
    const Deutung d = Deuten(zeilen[i].text);
    if (d.art != Art::Abschnitt || !GleichOhneFall(d.name, name)) continue;
    std::size_t j = i + 1;
    while (j < zeilen.size() && Deuten(zeilen[j].text).art != Art::Abschnitt) ++j;
    return Bereich{i, j};
  }
  return std::nullopt;
}

std::optional<std::size_t> SchluesselSuchen(const std::vector<Zeile>& zeilen, Bereich b,
                                            std::string_view name) {
  for (std::size_t i = b.kopf + 1; i < b.ende; ++i) {
    const Deutung d = Deuten(zeilen[i].text);
    if (d.art == Art::Schluessel && GleichOhneFall(d.name, name)) return i;
  }
  return std::nullopt;
}

// --- file access -------------------------------------------------------------

enum class Lesestand { Gelesen, Fehlt, Fehler };

Lesestand DateiLesen(const fs::path& pfad, std::string& roh) {
  roh.clear();
  if (pfad.empty()) return Lesestand::Fehler;
  std::error_code ec;
  const fs::file_status st = fs::status(pfad, ec);
  if (st.type() == fs::file_type::not_found) return Lesestand::Fehlt;
  if (ec || st.type() != fs::file_type::regular) return Lesestand::Fehler;
  std::ifstream ein(pfad, std::ios::binary);
  if (!ein) return Lesestand::Fehler;
  const std::uintmax_t groesse = fs::file_size(pfad, ec);
  if (!ec && groesse < (std::uintmax_t{1} << 31)) roh.reserve(static_cast<std::size_t>(groesse));
  char puffer[1 << 16];
  while (ein.read(puffer, sizeof puffer) || ein.gcount() > 0)
    roh.append(puffer, static_cast<std::size_t>(ein.gcount()));
  return ein.bad() ? Lesestand::Fehler : Lesestand::Gelesen;
}

// Reads the file for a lookup; any failure reads as an empty file.
void ZumLesen(const fs::path& pfad, Inhalt& inhalt) {
  if (DateiLesen(pfad, inhalt.roh) != Lesestand::Gelesen) inhalt.roh.clear();
  inhalt.Zerlegen();
}

// A symbolic link is replaced by what it points to, so that the rename of a
// write goes to the target and the link stays.
fs::path LinkAufloesen(fs::path pfad) {
  for (int i = 0; i < 40; ++i) {
    std::error_code ec;
    if (!fs::is_symlink(pfad, ec)) break;
    const fs::path ziel = fs::read_symlink(pfad, ec);
    if (ec) break;
    pfad = ziel.is_absolute() ? ziel : pfad.parent_path() / ziel;
  }
  return pfad;
}

unsigned long long Eindeutig() {
  static std::atomic<unsigned long long> zaehler{0};
  static const unsigned long long basis = [] {
    unsigned long long b = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    try {
      b ^= static_cast<unsigned long long>(std::random_device{}()) << 20;
    } catch (...) {
    }
    return b;
  }();
  return basis + zaehler.fetch_add(1);
}

std::FILE* NeuAnlegen(const fs::path& pfad) {
#ifdef _WIN32
  return _wfopen(pfad.c_str(), L"wbx");
#else
  return std::fopen(pfad.c_str(), "wbx");
#endif
}

bool AufPlatteBringen(std::FILE* f) {
#ifdef _WIN32
  return _commit(_fileno(f)) == 0;
#else
  return ::fsync(fileno(f)) == 0;
#endif
}

void OrdnerAufPlatteBringen([[maybe_unused]] const fs::path& ordner) {
#ifndef _WIN32
  const int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
#endif
}

// Writes the text into a fresh temporary file beside the target and renames it
// over the target.  On any failure the temporary file is removed and the
// target keeps its old content.
bool DateiErsetzen(const fs::path& ziel, std::string_view text) {
  const fs::path ordner = ziel.parent_path();
  std::error_code ec;
  if (!ordner.empty() && !fs::is_directory(ordner, ec)) {
    fs::create_directories(ordner, ec);
    if (ec) return false;
  }

  fs::path temp;
  std::FILE* f = nullptr;
  for (int versuch = 0; versuch < 100 && f == nullptr; ++versuch) {
    temp = ziel;
    temp += ".~" + std::to_string(Eindeutig()) + ".tmp";
    errno = 0;
    f = NeuAnlegen(temp);
    if (f == nullptr && errno != EEXIST) return false;
  }
  if (f == nullptr) return false;

  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fflush(f) == 0 && ok;
  ok = ok && AufPlatteBringen(f);
  ok = std::fclose(f) == 0 && ok;

  if (ok) {
    const fs::file_status alt = fs::status(ziel, ec);
    if (!ec && fs::is_regular_file(alt)) fs::permissions(temp, alt.permissions(), ec);
    fs::rename(temp, ziel, ec);
    ok = !ec;
  }
  if (!ok) {
    fs::remove(temp, ec);
    return false;
  }
  OrdnerAufPlatteBringen(ordner);
  return true;
}

// --- lock of a write -------------------------------------------------------

// Holds an exclusive advisory lock (flock) on the folder of the file for the
// time of one read-modify-write, so that concurrent writers follow each
// other and none writes over an update it has not read.  The folder, not the
// file, carries the lock: a write replaces the file, and a writer waiting on
// the replaced file would have to start again, possibly for ever, while the
// folder stays the same.  Where no lock can be had (a file system without
// flock, a folder that cannot be opened) the write goes on without.
class Schreibsperre {
 public:
  explicit Schreibsperre([[maybe_unused]] const fs::path& ziel) {
#ifndef _WIN32
    const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
    fd_ = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
#endif
  }
  ~Schreibsperre() {
#ifndef _WIN32
    if (fd_ >= 0) ::close(fd_);
#endif
  }
  Schreibsperre(const Schreibsperre&) = delete;
  Schreibsperre& operator=(const Schreibsperre&) = delete;

 private:
  int fd_ = -1;
};

// --- rewriting -------------------------------------------------------------

// What a write does to the lines of the file.
struct Umbau {
  std::vector<std::pair<std::size_t, std::string>> ersetzen;  // ascending line numbers
  std::vector<bool> weg;                                       // lines to drop
  bool einfuegen = false;
  std::size_t nach = 0;  // new lines go after this line; before all when `vorn`
  bool vorn = false;
  std::vector<std::string> neu;
};

std::string Zusammensetzen(const Inhalt& inhalt, const Umbau& umbau) {
  std::string aus;
  aus.reserve(inhalt.roh.size() + 64 * (umbau.neu.size() + umbau.ersetzen.size()));
  aus += inhalt.bom;
  auto neueZeilen = [&] {
    for (const std::string& z : umbau.neu) {
      aus += z;
      aus += inhalt.zeilenende;
    }
  };
  if (umbau.einfuegen && umbau.vorn) neueZeilen();
  std::size_t naechste = 0;  // index into umbau.ersetzen
  for (std::size_t i = 0; i < inhalt.zeilen.size(); ++i) {
    const Zeile& z = inhalt.zeilen[i];
    if (i < umbau.weg.size() && umbau.weg[i]) continue;
    if (naechste < umbau.ersetzen.size() && umbau.ersetzen[naechste].first == i) {
      aus += umbau.ersetzen[naechste++].second;
    } else {
      aus += z.text;
    }
    if (umbau.einfuegen && !umbau.vorn && umbau.nach == i) {
      aus += z.ende.empty() ? inhalt.zeilenende : z.ende;
      neueZeilen();
    } else {
      aus += z.ende;
    }
  }
  return aus;
}

// Reads the file for a write.  False when the file exists but cannot be read,
// since writing then would destroy what it holds.
bool ZumSchreiben(const fs::path& pfad, Inhalt& inhalt) {
  if (DateiLesen(pfad, inhalt.roh) == Lesestand::Fehler) return false;
  inhalt.Zerlegen();
  return true;
}

bool IstLeer(std::string_view s) { return Trimmen(s).empty(); }

}  // namespace

// --- location ------------------------------------------------------------------

fs::path KonfigurationsOrdner() {
#ifdef _WIN32
  if (const wchar_t* a = _wgetenv(L"APPDATA"); a != nullptr && *a != L'\0') return fs::path(a);
  return {};
#else
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x != nullptr && *x != '\0') {
    fs::path p(x);
    if (p.is_absolute()) return p;
  }
  std::string heim;
  if (const char* h = std::getenv("HOME"); h != nullptr) heim = h;
  if (heim.empty()) {
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
      heim = pw->pw_dir;
  }
  if (heim.empty()) return {};
  return fs::path(heim) / ".config";
#endif
}

fs::path IniPfad(std::string_view name) {
  auto istRand = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!name.empty() && istRand(name.front())) name.remove_prefix(1);
  while (!name.empty() && istRand(name.back())) name.remove_suffix(1);
  if (name.empty()) return {};
  const bool laufwerk = name.size() >= 2 && name[1] == ':';
  const bool wurzel = name.front() == '/' || name.front() == '\\';
  if (laufwerk || wurzel) return PfadAusUtf8(name);
  const fs::path ordner = KonfigurationsOrdner();
  if (ordner.empty()) return {};
  return (ordner / PfadAusUtf8(name)).lexically_normal();
}

// --- TNewIniFile ---------------------------------------------------------------

TNewIniFile::TNewIniFile(std::string_view name) : pfad_(IniPfad(name)) {}

TNewIniFile TNewIniFile::AusPfad(fs::path pfad) {
  TNewIniFile ini;
  ini.pfad_ = std::move(pfad);
  return ini;
}

// --- TIniAbbild ----------------------------------------------------------------

namespace {

struct FallHash {
  std::size_t operator()(std::string_view s) const noexcept {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : s) {
      h ^= static_cast<unsigned char>(Klein(c));
      h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
  }
};

struct FallGleich {
  bool operator()(std::string_view a, std::string_view b) const noexcept {
    return GleichOhneFall(a, b);
  }
};

using Werte = std::unordered_map<std::string_view, std::string_view, FallHash, FallGleich>;

// The lines of a section after its header, and the index of its keys with
// the value of their first line, made at the first lookup in the section:
// a large section that is never asked about costs no more than finding
// its end.
struct AbschnittsInhalt {
  std::string_view text;
  mutable std::once_flag einmal;
  mutable Werte werte;

  const Werte& Index() const {
    std::call_once(einmal, [this] {
      std::size_t pos = 0;
      while (pos < text.size()) {
        const std::size_t nl = text.find('\n', pos);
        const std::size_t ende = nl == std::string_view::npos ? text.size() : nl;
        const Deutung z = Deuten(text.substr(pos, ende - pos));
        if (z.art == Art::Schluessel) werte.try_emplace(z.name, z.wert);
        pos = ende + 1;
      }
    });
    return werte;
  }
};

}  // namespace

// The text of the file and the first section of each name; the views point
// into `roh`.
struct TIniAbbild::TDaten {
  fs::path pfad;
  std::string roh;
  std::unordered_map<std::string_view, std::unique_ptr<AbschnittsInhalt>, FallHash, FallGleich>
      abschnitte;
};

TIniAbbild::TIniAbbild() : daten_(std::make_shared<const TDaten>()) {}

const fs::path& TIniAbbild::FileName() const { return daten_->pfad; }

std::optional<std::string_view> TIniAbbild::Wert(std::string_view section,
                                                 std::string_view key) const {
  const auto a = daten_->abschnitte.find(Trimmen(section));
  if (a == daten_->abschnitte.end()) return std::nullopt;
  const Werte& werte = a->second->Index();
  const auto w = werte.find(Trimmen(key));
  if (w == werte.end()) return std::nullopt;
  return w->second;
}

std::string TIniAbbild::ReadString(std::string_view section, std::string_view key,
                                   std::string_view vorgabe) const {
  return std::string(Wert(section, key).value_or(vorgabe));
}

std::int64_t TIniAbbild::ReadInteger(std::string_view section, std::string_view key,
                                     std::int64_t vorgabe) const {
  std::int64_t wert = 0;
  const auto w = Wert(section, key);
  return w && TNewIniFile::TextAlsInteger(*w, wert) ? wert : vorgabe;
}

bool TIniAbbild::ReadBool(std::string_view section, std::string_view key, bool vorgabe) const {
  std::int64_t wert = 0;
  const auto w = Wert(section, key);
  return w && TNewIniFile::TextAlsInteger(*w, wert) ? wert != 0 : vorgabe;
}

double TIniAbbild::ReadFloat(std::string_view section, std::string_view key,
                             double vorgabe) const {
  double wert = 0;
  const auto w = Wert(section, key);
  return w && TNewIniFile::TextAlsFloat(*w, wert) ? wert : vorgabe;
}

bool TIniAbbild::ValueExists(std::string_view section, std::string_view key) const {
  return Wert(section, key).has_value();
}

bool TIniAbbild::SectionExists(std::string_view section) const {
  return daten_->abschnitte.count(Trimmen(section)) != 0;
}

TIniAbbild TNewIniFile::Abbild() const {
  auto d = std::make_shared<TIniAbbild::TDaten>();
  d->pfad = pfad_;
  if (DateiLesen(pfad_, d->roh) != Lesestand::Gelesen) d->roh.clear();
  std::string_view rest = d->roh;
  if (rest.substr(0, kBom.size()) == kBom) rest.remove_prefix(kBom.size());
  // Only the section headers are parsed here; a repeated section is not
  // read, nor are lines before the first section.
  AbschnittsInhalt* aktuell = nullptr;
  std::size_t anfang = 0;  // of the current section's lines
  std::size_t pos = 0;
  while (pos < rest.size()) {
    const std::size_t nl = rest.find('\n', pos);
    const std::size_t ende = nl == std::string_view::npos ? rest.size() : nl;
    std::size_t erstes = pos;
    while (erstes < ende && IstLeerzeichen(rest[erstes])) ++erstes;
    if (erstes < ende && rest[erstes] == '[') {
      if (aktuell != nullptr) aktuell->text = rest.substr(anfang, pos - anfang);
      const Deutung z = Deuten(rest.substr(pos, ende - pos));
      auto [it, neu] = d->abschnitte.try_emplace(z.name);
      aktuell = nullptr;
      if (neu) {
        it->second = std::make_unique<AbschnittsInhalt>();
        aktuell = it->second.get();
      }
      anfang = std::min(ende + 1, rest.size());
    }
    pos = ende + 1;
  }
  if (aktuell != nullptr) aktuell->text = rest.substr(anfang);
  TIniAbbild abbild;
  abbild.daten_ = std::move(d);
  return abbild;
}

namespace {

// At most 60 characters of a value for a message, cut at a character
// boundary, control characters shown as '?'.
std::string WertFuerMeldung(std::string_view wert) {
  std::string aus;
  std::size_t zeichen = 0;
  for (std::size_t i = 0; i < wert.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(wert[i]);
    const bool folgeByte = (c & 0xC0) == 0x80;
    if (!folgeByte && ++zeichen > 60) {
      aus += "...";
      break;
    }
    aus += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
  }
  return aus;
}

}  // namespace

void IgnoriertMelden(TEinstellungsBericht* bericht, const TIniAbbild& ini,
                     std::string_view section, std::string_view key, std::string_view wert,
                     std::string_view grund, std::string_view vorgabe) {
  if (bericht == nullptr) return;
  TIgnorierterWert e;
  const std::u8string pfad = ini.FileName().u8string();
  e.Datei.assign(pfad.begin(), pfad.end());
  e.Abschnitt = std::string(Trimmen(section));
  e.Schluessel = std::string(Trimmen(key));
  e.Wert = std::string(wert);
  e.Meldung = "Einstellungsdatei \"" + e.Datei + "\": [" + e.Abschnitt + "] " + e.Schluessel +
              "=" + WertFuerMeldung(wert) + " wird nicht verwendet (" + std::string(grund) +
              "); es gilt der Vorgabewert " + std::string(vorgabe) + ".";
  bericht->push_back(std::move(e));
}

std::string TNewIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view vorgabe) const {
  Inhalt inhalt;
  ZumLesen(pfad_, inhalt);
  if (const auto b = AbschnittSuchen(inhalt.zeilen, Trimmen(section))) {
    if (const auto i = SchluesselSuchen(inhalt.zeilen, *b, Trimmen(key)))
      return std::string(Deuten(inhalt.zeilen[*i].text).wert);
  }
  return std::string(vorgabe);
}

std::int64_t TNewIniFile::ReadInteger(std::string_view section, std::string_view key,
                                      std::int64_t vorgabe) const {
  std::int64_t wert = 0;
  return TextAlsInteger(ReadString(section, key, {}), wert) ? wert : vorgabe;
}

bool TNewIniFile::ReadBool(std::string_view section, std::string_view key, bool vorgabe) const {
  std::int64_t wert = 0;
  return TextAlsInteger(ReadString(section, key, {}), wert) ? wert != 0 : vorgabe;
}

double TNewIniFile::ReadFloat(std::string_view section, std::string_view key,
                              double vorgabe) const {
  double wert = 0;
  return TextAlsFloat(ReadString(section, key, {}), wert) ? wert : vorgabe;
}

bool TNewIniFile::ValueExists(std::string_view section, std::string_view key) const {
  Inhalt inhalt;
  ZumLesen(pfad_, inhalt);
  const auto b = AbschnittSuchen(inhalt.zeilen, Trimmen(section));
  return b && SchluesselSuchen(inhalt.zeilen, *b, Trimmen(key)).has_value();
}

bool TNewIniFile::SectionExists(std::string_view section) const {
  Inhalt inhalt;
  ZumLesen(pfad_, inhalt);
  return AbschnittSuchen(inhalt.zeilen, Trimmen(section)).has_value();
}

bool TNewIniFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view wert) {
  return WriteStrings(section, {{std::string(key), std::string(wert)}});
}

bool TNewIniFile::WriteInteger(std::string_view section, std::string_view key, std::int64_t wert) {
  return WriteString(section, key, std::to_string(wert));
}

bool TNewIniFile::WriteBool(std::string_view section, std::string_view key, bool wert) {
  return WriteString(section, key, wert ? "1" : "0");
}

bool TNewIniFile::WriteFloat(std::string_view section, std::string_view key, double wert) {
  if (!std::isfinite(wert)) return false;
  return WriteString(section, key, FloatAlsText(wert));
}

bool TNewIniFile::WriteStrings(std::string_view section,
                               const std::vector<std::pair<std::string, std::string>>& werte) {
  if (!AbschnittGueltig(section)) return false;
  section = Trimmen(section);

  // Keys in the order of their first mention; a later value of the same key wins.
  struct Eintrag {
    std::string_view key, wert;
    bool erledigt = false;
  };
  std::vector<Eintrag> eintraege;
  for (const auto& [k, w] : werte) {
    if (!SchluesselGueltig(k) || !OhneZeilenumbruch(w)) return false;
    const std::string_view key = Trimmen(k);
    bool bekannt = false;
    for (Eintrag& e : eintraege) {
      if (GleichOhneFall(e.key, key)) {
        e.wert = Trimmen(w);
        bekannt = true;
      }
    }
    if (!bekannt) eintraege.push_back({key, Trimmen(w)});
  }
  if (eintraege.empty()) return true;

  const fs::path ziel = LinkAufloesen(pfad_);
  if (ziel.empty()) return false;
  // The folder is made first, so that the first write into it is locked too.
  if (std::error_code ec; ziel.has_parent_path() && !fs::is_directory(ziel.parent_path(), ec))
    fs::create_directories(ziel.parent_path(), ec);
  Schreibsperre sperre(ziel);
  Inhalt inhalt;
  if (!ZumSchreiben(ziel, inhalt)) return false;

  Umbau umbau;
  const auto bereich = AbschnittSuchen(inhalt.zeilen, section);
  if (bereich) {
    for (std::size_t i = bereich->kopf + 1; i < bereich->ende; ++i) {
      const Deutung d = Deuten(inhalt.zeilen[i].text);
      if (d.art != Art::Schluessel) continue;
      for (Eintrag& e : eintraege) {
        if (!e.erledigt && GleichOhneFall(d.name, e.key)) {
          // Keep the line's own spelling of the key and everything up to '='.
          const std::string_view text = inhalt.zeilen[i].text;
          std::string zeile(text.substr(0, text.find('=') + 1));
          zeile += e.wert;
          umbau.ersetzen.emplace_back(i, std::move(zeile));
          e.erledigt = true;
          break;
        }
      }
    }
  }
  for (const Eintrag& e : eintraege) {
    if (e.erledigt) continue;
    std::string zeile(e.key);
    zeile += '=';
    zeile += e.wert;
    umbau.neu.push_back(std::move(zeile));
  }

  if (!umbau.neu.empty()) {
    umbau.einfuegen = true;
    if (bereich) {
      // After the section's last key, so that blank lines and comments that
      // lead to the next section stay in front of it.
      std::size_t nach = bereich->kopf;
      for (std::size_t i = bereich->kopf + 1; i < bereich->ende; ++i)
        if (Deuten(inhalt.zeilen[i].text).art == Art::Schluessel) nach = i;
      umbau.nach = nach;
    } else {
      std::string kopf = "[";
      kopf += section;
      kopf += ']';
      umbau.neu.insert(umbau.neu.begin(), std::move(kopf));
      if (inhalt.zeilen.empty()) {
        umbau.vorn = true;
      } else {
        umbau.nach = inhalt.zeilen.size() - 1;
        if (!IstLeer(inhalt.zeilen.back().text)) umbau.neu.insert(umbau.neu.begin(), std::string());
      }
    }
  }
  return DateiErsetzen(ziel, Zusammensetzen(inhalt, umbau));
}

bool TNewIniFile::EraseSection(std::string_view section) {
  if (!AbschnittGueltig(section)) return false;
  section = Trimmen(section);
  const fs::path ziel = LinkAufloesen(pfad_);
  if (ziel.empty()) return false;
  Schreibsperre sperre(ziel);
  Inhalt inhalt;
  if (!ZumSchreiben(ziel, inhalt)) return false;
  Umbau umbau;
  std::size_t ab = 0;
  while (const auto b = AbschnittSuchen(inhalt.zeilen, section, ab)) {
    umbau.weg.resize(inhalt.zeilen.size());
    for (std::size_t i = b->kopf; i < b->ende; ++i) umbau.weg[i] = true;
    ab = b->ende;
  }
  if (umbau.weg.empty()) return true;
  return DateiErsetzen(ziel, Zusammensetzen(inhalt, umbau));
}

bool TNewIniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (!AbschnittGueltig(section) || !SchluesselGueltig(key)) return false;
  section = Trimmen(section);
  key = Trimmen(key);
  const fs::path ziel = LinkAufloesen(pfad_);
  if (ziel.empty()) return false;
  Schreibsperre sperre(ziel);
  Inhalt inhalt;
  if (!ZumSchreiben(ziel, inhalt)) return false;
  const auto b = AbschnittSuchen(inhalt.zeilen, section);
  if (!b) return true;
  Umbau umbau;
  for (std::size_t i = b->kopf + 1; i < b->ende; ++i) {
    const Deutung d = Deuten(inhalt.zeilen[i].text);
    if (d.art == Art::Schluessel && GleichOhneFall(d.name, key)) {
      umbau.weg.resize(inhalt.zeilen.size());
      umbau.weg[i] = true;
    }
  }
  if (umbau.weg.empty()) return true;
  return DateiErsetzen(ziel, Zusammensetzen(inhalt, umbau));
}

// --- number texts ----------------------------------------------------------------

std::string TNewIniFile::FloatAlsText(double wert) {
  // The shortest digits that read back as the same double; written without
  // exponent in the usual range of magnitudes ("100000", "0,00001").
  char puffer[400];
  const double betrag = std::fabs(wert);
  const bool festkomma = betrag == 0 || (betrag >= 1e-5 && betrag < 1e15);
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, wert,
                               festkomma ? std::chars_format::fixed : std::chars_format::scientific);
  std::string text(puffer, r.ptr);
  for (char& c : text)
    if (c == '.') c = ',';
  return text;
}

namespace {

// The text without blanks and without a leading '+', or nothing when it
// cannot be a number.
std::optional<std::string> ZahlText(std::string_view text) {
  text = Trimmen(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  return std::string(text);
}

}  // namespace

bool TNewIniFile::TextAlsFloat(std::string_view text, double& wert) {
  auto s = ZahlText(text);
  if (!s) return false;
  std::size_t trenner = 0;
  for (char& c : *s) {
    if (c == ',' || c == '.') {
      c = '.';
      ++trenner;
    }
  }
  if (trenner > 1) return false;
  const char* ende = s->data() + s->size();
  double w = 0;
  const auto r = std::from_chars(s->data(), ende, w);
  if (r.ec != std::errc() || r.ptr != ende || !std::isfinite(w)) return false;
  wert = w;
  return true;
}

bool TNewIniFile::TextAlsInteger(std::string_view text, std::int64_t& wert) {
  const auto s = ZahlText(text);
  if (!s) return false;
  const char* ende = s->data() + s->size();
  std::int64_t w = 0;
  const auto r = std::from_chars(s->data(), ende, w);
  if (r.ec != std::errc() || r.ptr != ende) return false;
  wert = w;
  return true;
}

}  // namespace lst
