#include "common/ini_datei.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
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
  // Counted first: growing a vector of a million lines costs more than this.
  zeilen.reserve(static_cast<std::size_t>(std::count(s.begin(), s.end(), '\n')) + 1);
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
  // The texts of written lines; a deque, so that the views stay valid.
  std::deque<std::string> eigene;

  std::string_view Eigen(std::string text) {
    eigene.push_back(std::move(text));
    return eigene.back();
  }

  void Zerlegen() { Zerlegen(roh); }
  // The lines of a text that someone else keeps unchanged while they are used.
  void Zerlegen(std::string_view rest) {
    if (rest.substr(0, kBom.size()) == kBom) {
      bom = rest.substr(0, kBom.size());
      rest.remove_prefix(kBom.size());
    }
    zeilen = InZeilen(rest);
    ZeilenendeBestimmen();
  }

  // New lines end as the first line that has an end.
  void ZeilenendeBestimmen() {
    zeilenende = kStandardZeilenende;
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

// Whether the line is a section header (what Deuten takes for Art::Abschnitt),
// without parsing the rest of the line.
bool IstKopf(std::string_view text) {
  for (char c : text) {
    if (!IstLeerzeichen(c)) return c == '[';
  }
  return false;
}

std::optional<Bereich> AbschnittSuchen(const std::vector<Zeile>& zeilen, std::string_view name,
                                       std::size_t ab = 0) {
  for (std::size_t i = ab; i < zeilen.size(); ++i) {
    if (!IstKopf(zeilen[i].text)) continue;
    const Deutung d = Deuten(zeilen[i].text);
    if (!GleichOhneFall(d.name, name)) continue;
    std::size_t j = i + 1;
    while (j < zeilen.size() && !IstKopf(zeilen[j].text)) ++j;
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
  if (!ec && groesse > 0 && groesse < (std::uintmax_t{1} << 31)) {
    // Straight into the string; what the file has grown by meanwhile follows.
    roh.resize(static_cast<std::size_t>(groesse));
    ein.read(roh.data(), static_cast<std::streamsize>(roh.size()));
    roh.resize(static_cast<std::size_t>(ein.gcount()));
    if (ein.bad()) return Lesestand::Fehler;
    if (!ein) return Lesestand::Gelesen;
  }
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

// A file that exists and must not be written: no write permission for anyone
// (a file made read-only), or none for this process.  The rename of a write
// would replace it all the same, as it needs only the folder's permission.
bool Schreibgeschuetzt(const fs::path& ziel) {
  std::error_code ec;
  const fs::file_status st = fs::status(ziel, ec);
  if (ec || !fs::is_regular_file(st)) return false;
  constexpr fs::perms schreiben =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((st.permissions() & schreiben) == fs::perms::none) return true;
#ifndef _WIN32
  if (::access(ziel.c_str(), W_OK) != 0 && errno != ENOENT) return true;
#endif
  return false;
}

// Writes the text into a fresh temporary file beside the target and renames it
// over the target.  On any failure the temporary file is removed and the
// target keeps its old content.  A read-only target is left as it is.
template <class Schreiber>
bool DateiErsetzenMit(const fs::path& ziel, Schreiber&& schreiben) {
  if (Schreibgeschuetzt(ziel)) return false;
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

  bool ok = schreiben(f);
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

// Writes the text of the lines piece by piece, without making it one string.
bool InhaltSchreiben(const Inhalt& inhalt, std::FILE* f) {
  bool ok = std::fwrite(inhalt.bom.data(), 1, inhalt.bom.size(), f) == inhalt.bom.size();
  for (const Zeile& z : inhalt.zeilen) {
    ok = ok && std::fwrite(z.text.data(), 1, z.text.size(), f) == z.text.size();
    ok = ok && std::fwrite(z.ende.data(), 1, z.ende.size(), f) == z.ende.size();
  }
  return ok;
}

bool DateiErsetzen(const fs::path& ziel, const Inhalt& inhalt) {
  return DateiErsetzenMit(ziel, [&inhalt](std::FILE* f) { return InhaltSchreiben(inhalt, f); });
}

// The text of the file as it stands in memory.
std::string Text(const Inhalt& inhalt) {
  std::size_t groesse = inhalt.bom.size();
  for (const Zeile& z : inhalt.zeilen) groesse += z.text.size() + z.ende.size();
  std::string aus;
  aus.reserve(groesse);
  aus += inhalt.bom;
  for (const Zeile& z : inhalt.zeilen) {
    aus += z.text;
    aus += z.ende;
  }
  return aus;
}

bool IstLeer(std::string_view s);

// Keys and values of one write, trimmed, each key once in the order of its
// first mention with its last value.
using Paare = std::vector<std::pair<std::string, std::string>>;

std::optional<Paare> PaareOrdnen(const Paare& werte) {
  Paare paare;
  for (const auto& [k, w] : werte) {
    if (!SchluesselGueltig(k) || !OhneZeilenumbruch(w)) return std::nullopt;
    const std::string_view key = Trimmen(k);
    bool bekannt = false;
    for (auto& [pk, pw] : paare) {
      if (GleichOhneFall(pk, key)) {
        pw = std::string(Trimmen(w));
        bekannt = true;
      }
    }
    if (!bekannt) paare.emplace_back(std::string(key), std::string(Trimmen(w)));
  }
  return paare;
}

// New lines after line `nach`, or before every line when `vorn`; they end as
// the file's lines do, and an unterminated line before them gets an end.
void Einfuegen(Inhalt& inhalt, std::size_t nach, bool vorn, std::vector<std::string> neu) {
  std::vector<Zeile> zeilen;
  zeilen.reserve(neu.size());
  for (std::string& t : neu) zeilen.push_back({inhalt.Eigen(std::move(t)), inhalt.zeilenende});
  if (vorn) {
    inhalt.zeilen.insert(inhalt.zeilen.begin(), zeilen.begin(), zeilen.end());
    return;
  }
  Zeile& davor = inhalt.zeilen[nach];
  if (davor.ende.empty()) {
    // Split again as a reader would: a '\r' at the end of the line becomes
    // part of its new end.
    const std::string_view beendet =
        inhalt.Eigen(std::string(davor.text) + std::string(inhalt.zeilenende));
    davor = InZeilen(beendet).front();
  }
  inhalt.zeilen.insert(inhalt.zeilen.begin() + static_cast<std::ptrdiff_t>(nach) + 1, zeilen.begin(),
                       zeilen.end());
}

void Entfernen(Inhalt& inhalt, const std::vector<bool>& weg) {
  std::size_t ziel = 0;
  for (std::size_t i = 0; i < inhalt.zeilen.size(); ++i)
    if (!(i < weg.size() && weg[i])) inhalt.zeilen[ziel++] = inhalt.zeilen[i];
  inhalt.zeilen.resize(ziel);
  inhalt.ZeilenendeBestimmen();
}

// The write of WriteStrings on the lines in memory.  A key's line keeps its
// own spelling of the key and everything up to '='; a new key goes after the
// last key of its section, a new section to the end of the file.  True when
// the text changed.
bool SchreibenIn(Inhalt& inhalt, std::string_view section, const Paare& paare) {
  bool geaendert = false;
  std::vector<bool> erledigt(paare.size());
  const auto bereich = AbschnittSuchen(inhalt.zeilen, section);
  if (bereich) {
    for (std::size_t i = bereich->kopf + 1; i < bereich->ende; ++i) {
      const Deutung d = Deuten(inhalt.zeilen[i].text);
      if (d.art != Art::Schluessel) continue;
      for (std::size_t k = 0; k < paare.size(); ++k) {
        if (!erledigt[k] && GleichOhneFall(d.name, paare[k].first)) {
          const std::string_view text = inhalt.zeilen[i].text;
          std::string zeile(text.substr(0, text.find('=') + 1));
          zeile += paare[k].second;
          if (zeile != text) {
            inhalt.zeilen[i].text = inhalt.Eigen(std::move(zeile));
            geaendert = true;
          }
          erledigt[k] = true;
          break;
        }
      }
    }
  }
  std::vector<std::string> neu;
  for (std::size_t k = 0; k < paare.size(); ++k)
    if (!erledigt[k]) neu.push_back(paare[k].first + "=" + paare[k].second);
  if (neu.empty()) return geaendert;

  if (bereich) {
    // After the section's last key, so that blank lines and comments that
    // lead to the next section stay in front of it.
    std::size_t nach = bereich->kopf;
    for (std::size_t i = bereich->kopf + 1; i < bereich->ende; ++i)
      if (Deuten(inhalt.zeilen[i].text).art == Art::Schluessel) nach = i;
    Einfuegen(inhalt, nach, false, std::move(neu));
  } else {
    neu.insert(neu.begin(), "[" + std::string(section) + "]");
    if (inhalt.zeilen.empty()) {
      Einfuegen(inhalt, 0, true, std::move(neu));
    } else {
      if (!IstLeer(inhalt.zeilen.back().text)) neu.insert(neu.begin(), std::string());
      Einfuegen(inhalt, inhalt.zeilen.size() - 1, false, std::move(neu));
    }
  }
  return true;
}

// EraseSection on the lines in memory; true when lines went.
bool AbschnittEntfernenIn(Inhalt& inhalt, std::string_view section) {
  std::vector<bool> weg;
  std::size_t ab = 0;
  while (const auto b = AbschnittSuchen(inhalt.zeilen, section, ab)) {
    weg.resize(inhalt.zeilen.size());
    for (std::size_t i = b->kopf; i < b->ende; ++i) weg[i] = true;
    ab = b->ende;
  }
  if (weg.empty()) return false;
  Entfernen(inhalt, weg);
  return true;
}

// DeleteKey on the lines in memory; true when lines went.
bool SchluesselEntfernenIn(Inhalt& inhalt, std::string_view section, std::string_view key) {
  const auto b = AbschnittSuchen(inhalt.zeilen, section);
  if (!b) return false;
  std::vector<bool> weg;
  for (std::size_t i = b->kopf + 1; i < b->ende; ++i) {
    const Deutung d = Deuten(inhalt.zeilen[i].text);
    if (d.art == Art::Schluessel && GleichOhneFall(d.name, key)) {
      weg.resize(inhalt.zeilen.size());
      weg[i] = true;
    }
  }
  if (weg.empty()) return false;
  Entfernen(inhalt, weg);
  return true;
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

// --- TDateiNamen ----------------------------------------------------------------

namespace {

TNewIniFile DateiFuer(const std::shared_ptr<TIniSitzung>& sitzung, const std::string& name) {
  return sitzung ? sitzung->Datei(name) : TNewIniFile(name);
}

}  // namespace

TNewIniFile TDateiNamen::EinstellungsDatei() const { return DateiFuer(Sitzung, Einstellungen); }
TNewIniFile TDateiNamen::SaetzeDatei() const { return DateiFuer(Sitzung, Saetze); }
TNewIniFile TDateiNamen::DruckDatei() const { return DateiFuer(Sitzung, Druck); }

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

TIniAbbild TIniAbbild::AusText(fs::path pfad, std::string roh) {
  auto d = std::make_shared<TIniAbbild::TDaten>();
  d->pfad = std::move(pfad);
  d->roh = std::move(roh);
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

// --- a file held in memory ------------------------------------------------------

namespace {

// What tells one version of a file from another: a write replaces the file
// by a new one, with a new inode and modification time.
struct Kennung {
  bool vorhanden = false;
  std::uintmax_t groesse = 0;
  std::int64_t zeit = 0;
  std::uint64_t knoten = 0;
  std::uint64_t geraet = 0;

  bool operator==(const Kennung&) const = default;
};

Kennung KennungVon(const fs::path& pfad) {
  Kennung k;
#ifdef _WIN32
  std::error_code ec;
  if (!fs::is_regular_file(pfad, ec)) return k;
  k.vorhanden = true;
  k.groesse = fs::file_size(pfad, ec);
  k.zeit = static_cast<std::int64_t>(fs::last_write_time(pfad, ec).time_since_epoch().count());
#else
  struct stat st {};
  if (::stat(pfad.c_str(), &st) != 0) return k;
  k.vorhanden = true;
  k.groesse = static_cast<std::uintmax_t>(st.st_size);
  k.zeit = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  k.knoten = static_cast<std::uint64_t>(st.st_ino);
  k.geraet = static_cast<std::uint64_t>(st.st_dev);
#endif
  return k;
}

// Whether the name is one of the temporary files of DateiErsetzen for the
// target: "<name>.~<digits>.tmp".
bool IstTempDatei(const std::string& name, const std::string& ziel) {
  const std::string anfang = ziel + ".~";
  const std::string_view schluss = ".tmp";
  if (name.size() <= anfang.size() + schluss.size()) return false;
  if (name.compare(0, anfang.size(), anfang) != 0) return false;
  if (name.compare(name.size() - schluss.size(), schluss.size(), schluss) != 0) return false;
  for (std::size_t i = anfang.size(); i < name.size() - schluss.size(); ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  return true;
}

}  // namespace

std::size_t AlteTempDateienEntfernen(const fs::path& pfad, std::chrono::seconds mindestAlter) {
  const fs::path ziel = LinkAufloesen(pfad);
  if (ziel.empty() || !ziel.has_filename()) return 0;
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  const std::u8string zielName8 = ziel.filename().u8string();
  const std::string zielName(zielName8.begin(), zielName8.end());
  std::error_code ec;
  fs::directory_iterator it(ordner, ec);
  if (ec) return 0;
  const auto jetzt = fs::file_time_type::clock::now();
  std::size_t entfernt = 0;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const std::u8string name8 = it->path().filename().u8string();
    if (!IstTempDatei(std::string(name8.begin(), name8.end()), zielName)) continue;
    std::error_code fehler;
    if (!it->is_regular_file(fehler) || it->is_symlink(fehler)) continue;
    const auto zeit = it->last_write_time(fehler);
    if (fehler || jetzt - zeit < mindestAlter) continue;
    if (fs::remove(it->path(), fehler)) ++entfernt;
  }
  return entfernt;
}

// The text of one settings file in memory: read once, changed by the writes
// of the TNewIniFile objects that share it, written by Speichern.  The
// changes since the last write are kept, so that a file that someone else
// has replaced meanwhile gets them on top of its new content instead of
// losing that content.
class TIniDokument {
 public:
  explicit TIniDokument(fs::path pfad) : pfad_(std::move(pfad)) {
    inhalt_ = std::make_unique<Inhalt>();
    const fs::path ziel = LinkAufloesen(pfad_);
    // Left behind by a write that was killed before its rename.
    if (!ziel.empty()) AlteTempDateienEntfernen(ziel);
    gelesen_ = KennungVon(ziel);
    std::string roh;
    const Lesestand stand = DateiLesen(ziel, roh);
    lesefehler_ = stand == Lesestand::Fehler;
    if (stand != Lesestand::Gelesen) roh.clear();
    // The lines are views into the text of the first image, which stays
    // unchanged for as long as the document lives.
    basis_ = TIniAbbild::AusText(pfad_, std::move(roh));
    abbild_ = basis_;
  }

  const fs::path& Pfad() const { return pfad_; }

  const TIniAbbild& Abbild() const {
    if (!abbild_) abbild_ = TIniAbbild::AusText(pfad_, Text(Zeilen()));
    return *abbild_;
  }

  void Schreiben(std::string_view section, Paare paare) {
    if (!SchreibenIn(Zeilen(), section, paare)) return;
    offen_.push_back({Aenderung::Schreiben, std::string(section), {}, std::move(paare)});
    abbild_.reset();
  }
  void AbschnittEntfernen(std::string_view section) {
    if (!AbschnittEntfernenIn(Zeilen(), section)) return;
    offen_.push_back({Aenderung::AbschnittWeg, std::string(section), {}, {}});
    abbild_.reset();
  }
  void SchluesselEntfernen(std::string_view section, std::string_view key) {
    if (!SchluesselEntfernenIn(Zeilen(), section, key)) return;
    offen_.push_back({Aenderung::SchluesselWeg, std::string(section), std::string(key), {}});
    abbild_.reset();
  }

  bool Geaendert() const { return !offen_.empty(); }

  // Writes the changes in one replacement of the file, under the lock of
  // the writes.  When the file is still the one read, the text in memory is
  // written as it is; otherwise the file is read again and the changes are
  // made on its new content.  On failure the changes stay for a later try.
  bool Speichern() {
    if (offen_.empty()) return true;
    const fs::path ziel = LinkAufloesen(pfad_);
    if (ziel.empty()) return false;
    if (std::error_code ec; ziel.has_parent_path() && !fs::is_directory(ziel.parent_path(), ec))
      fs::create_directories(ziel.parent_path(), ec);
    Schreibsperre sperre(ziel);
    if (Schreibgeschuetzt(ziel)) return false;
    std::unique_ptr<Inhalt> neu;
    if (lesefehler_ || KennungVon(ziel) != gelesen_) {
      neu = std::make_unique<Inhalt>();
      if (!ZumSchreiben(ziel, *neu)) return false;
      for (const Aenderung& a : offen_) Anwenden(*neu, a);
    }
    if (!DateiErsetzen(ziel, neu ? *neu : Zeilen())) return false;
    if (neu) {
      inhalt_ = std::move(neu);
      zerlegt_ = true;
      abbild_.reset();
      basis_ = TIniAbbild();
    }
    lesefehler_ = false;
    offen_.clear();
    gelesen_ = KennungVon(ziel);
    return true;
  }

 private:
  // The lines, split at the first write: reading needs only the image.
  Inhalt& Zeilen() const {
    if (!zerlegt_) {
      inhalt_->Zerlegen(basis_.daten_->roh);
      zerlegt_ = true;
    }
    return *inhalt_;
  }

  struct Aenderung {
    enum Art { Schreiben, AbschnittWeg, SchluesselWeg } art;
    std::string abschnitt;
    std::string schluessel;
    Paare paare;
  };

  static void Anwenden(Inhalt& inhalt, const Aenderung& a) {
    switch (a.art) {
      case Aenderung::Schreiben:
        SchreibenIn(inhalt, a.abschnitt, a.paare);
        break;
      case Aenderung::AbschnittWeg:
        AbschnittEntfernenIn(inhalt, a.abschnitt);
        break;
      case Aenderung::SchluesselWeg:
        SchluesselEntfernenIn(inhalt, a.abschnitt, a.schluessel);
        break;
    }
  }

  fs::path pfad_;
  TIniAbbild basis_;
  // Behind a pointer: the lines of a file read again at Speichern are views
  // into the text it holds.
  std::unique_ptr<Inhalt> inhalt_;
  mutable bool zerlegt_ = false;
  mutable std::optional<TIniAbbild> abbild_;
  Kennung gelesen_;
  bool lesefehler_ = false;
  std::vector<Aenderung> offen_;
};

// --- TIniSitzung ---------------------------------------------------------------

TIniSitzung::TIniSitzung() = default;
TIniSitzung::~TIniSitzung() = default;

TNewIniFile TIniSitzung::Datei(std::string_view name) { return DateiAusPfad(IniPfad(name)); }

TNewIniFile TIniSitzung::DateiAusPfad(fs::path pfad) {
  TNewIniFile datei = TNewIniFile::AusPfad(pfad);
  if (pfad.empty()) return datei;
  const fs::path schluessel = LinkAufloesen(pfad).lexically_normal();
  for (const auto& [p, d] : dokumente_) {
    if (p == schluessel) {
      datei.dokument_ = d;
      return datei;
    }
  }
  auto dokument = std::make_shared<TIniDokument>(std::move(pfad));
  dokumente_.emplace_back(schluessel, dokument);
  datei.dokument_ = std::move(dokument);
  return datei;
}

bool TIniSitzung::Geaendert() const {
  for (const auto& [p, d] : dokumente_)
    if (d->Geaendert()) return true;
  return false;
}

bool TIniSitzung::Speichern(std::vector<fs::path>* fehlgeschlagen) {
  bool ok = true;
  for (const auto& [p, d] : dokumente_) {
    if (d->Speichern()) continue;
    ok = false;
    if (fehlgeschlagen != nullptr) fehlgeschlagen->push_back(d->Pfad());
  }
  return ok;
}

// --- TNewIniFile: reading and writing ------------------------------------------------

namespace {

// One read-modify-write of the file under the lock; aendern returns false
// when it changed nothing, and then nothing is written.
template <class F>
bool DateiAendern(const fs::path& pfad, bool ordnerAnlegen, F&& aendern) {
  const fs::path ziel = LinkAufloesen(pfad);
  if (ziel.empty()) return false;
  // The folder is made first, so that the first write into it is locked too.
  if (std::error_code ec;
      ordnerAnlegen && ziel.has_parent_path() && !fs::is_directory(ziel.parent_path(), ec))
    fs::create_directories(ziel.parent_path(), ec);
  Schreibsperre sperre(ziel);
  Inhalt inhalt;
  if (!ZumSchreiben(ziel, inhalt)) return false;
  if (!aendern(inhalt)) return true;
  return DateiErsetzen(ziel, inhalt);
}

}  // namespace

std::string TNewIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view vorgabe) const {
  if (dokument_) return dokument_->Abbild().ReadString(section, key, vorgabe);
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
  if (dokument_) return dokument_->Abbild().ValueExists(section, key);
  Inhalt inhalt;
  ZumLesen(pfad_, inhalt);
  const auto b = AbschnittSuchen(inhalt.zeilen, Trimmen(section));
  return b && SchluesselSuchen(inhalt.zeilen, *b, Trimmen(key)).has_value();
}

bool TNewIniFile::SectionExists(std::string_view section) const {
  if (dokument_) return dokument_->Abbild().SectionExists(section);
  Inhalt inhalt;
  ZumLesen(pfad_, inhalt);
  return AbschnittSuchen(inhalt.zeilen, Trimmen(section)).has_value();
}

TIniAbbild TNewIniFile::Abbild() const {
  if (dokument_) return dokument_->Abbild();
  std::string roh;
  if (DateiLesen(pfad_, roh) != Lesestand::Gelesen) roh.clear();
  return TIniAbbild::AusText(pfad_, std::move(roh));
}

bool TNewIniFile::Gehalten() const { return dokument_ != nullptr; }

bool TNewIniFile::Speichern() { return dokument_ ? dokument_->Speichern() : true; }

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
  auto paare = PaareOrdnen(werte);
  if (!paare) return false;
  if (paare->empty()) return true;
  if (dokument_) {
    dokument_->Schreiben(section, std::move(*paare));
    return true;
  }
  return DateiAendern(pfad_, true, [&](Inhalt& inhalt) {
    SchreibenIn(inhalt, section, *paare);
    return true;
  });
}

bool TNewIniFile::EraseSection(std::string_view section) {
  if (!AbschnittGueltig(section)) return false;
  section = Trimmen(section);
  if (dokument_) {
    dokument_->AbschnittEntfernen(section);
    return true;
  }
  return DateiAendern(pfad_, false,
                      [&](Inhalt& inhalt) { return AbschnittEntfernenIn(inhalt, section); });
}

bool TNewIniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (!AbschnittGueltig(section) || !SchluesselGueltig(key)) return false;
  section = Trimmen(section);
  key = Trimmen(key);
  if (dokument_) {
    dokument_->SchluesselEntfernen(section, key);
    return true;
  }
  return DateiAendern(pfad_, false,
                      [&](Inhalt& inhalt) { return SchluesselEntfernenIn(inhalt, section, key); });
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
