#pragma once
// Settings files in the INI format of the Windows profile functions.
//
//   ; a comment
//   [Section]
//   Key=Value
//
// Section and key names are compared without regard to ASCII case; blanks
// around names and values are not part of them.  Every access of a
// TNewIniFile opens the file, reads or writes and closes it again; nothing is
// kept in memory between two calls, so several objects (and several
// programs) may work on one file.  A program that reads and writes one large
// file many times holds it in a TIniSitzung instead: the file is read once,
// and written once when the session saves.
//
// Reading never fails: a missing file, section or key, and a value that does
// not convert, give the caller's default.  Lines the reader does not
// understand (garbage, keys before the first section, later duplicates of a
// key or a section) are ignored for reading and kept as they are on writing.
//
// Writing replaces the file as a whole: the new text goes into a temporary
// file beside it, which is flushed and then renamed over the old file, so a
// failed write leaves the old file untouched.  A write changes only the lines
// of its own keys; every other line keeps its bytes and its place.  A new key
// is added at the end of its section, a new section at the end of the file.
// Writes report failure by returning false.  A file without write permission
// (read-only) is never replaced; a write to it fails.
//
// Concurrent writers (other processes, other objects) do not lose each
// other's updates: a write reads, changes and replaces the file while it holds
// an exclusive advisory lock (flock) on the file's folder.  Readers need no lock, as the file
// is only ever replaced as a whole; a reader that wants one consistent version
// for many values takes an image (TNewIniFile::Abbild) and reads from that.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lst {

// The names of the program's settings files.  The application keeps one
// instance in its shared context; a name may be a bare file name (placed into
// the per-user configuration folder) or a path.
class TIniSitzung;
class TNewIniFile;

struct TDateiNamen {
  // The calculator window's own entries and the placement of the windows.
  std::string Einstellungen = "DrumselLStTab.ini";
  // Contribution rates, percentages and ceilings of the calculation core.
  // Kept apart from Einstellungen, though both name the same file.
  std::string Saetze = "DrumselLStTab.ini";
  // Page layout and font that the print engine reads at program start.
  std::string Druck = "Kolvanta.ini";
  // When set, the files are held in memory by this session (shared by every
  // copy of the names): read at their first use, written by its Speichern.
  std::shared_ptr<TIniSitzung> Sitzung;

  // The files of these names, held by Sitzung when there is one.
  TNewIniFile EinstellungsDatei() const;
  TNewIniFile SaetzeDatei() const;
  TNewIniFile DruckDatei() const;
};

// The per-user configuration folder: $XDG_CONFIG_HOME when it is set to an
// absolute path, otherwise $HOME/.config (the home folder from the user
// database when HOME is not set); on Windows the application-data folder
// (%APPDATA%).  Empty when no folder can be determined.
std::filesystem::path KonfigurationsOrdner();

// Where a settings file of the given name lives.  Blanks and control
// characters around the name are removed.  An empty name gives an empty path.
// A name whose second character is ':' (a drive) or whose first character is
// '/' or '\' is used unchanged; any other name is taken relative to
// KonfigurationsOrdner() (an empty path when that folder is unknown).
std::filesystem::path IniPfad(std::string_view name);

// A settings file read and parsed once: every read of the image gives the
// value the file held at that moment, whatever is written to the file
// meanwhile.  Reads follow the rules of TNewIniFile.  Copies share the parsed
// text.  An image of a missing or unreadable file is empty.
class TIniAbbild {
 public:
  TIniAbbild();
  // The image of the text, as if read from the file at pfad.
  static TIniAbbild AusText(std::filesystem::path pfad, std::string text);

  const std::filesystem::path& FileName() const;

  // The value text of the key (trimmed), or nothing when the key is missing.
  std::optional<std::string_view> Wert(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view vorgabe) const;
  std::int64_t ReadInteger(std::string_view section, std::string_view key,
                           std::int64_t vorgabe) const;
  bool ReadBool(std::string_view section, std::string_view key, bool vorgabe) const;
  double ReadFloat(std::string_view section, std::string_view key, double vorgabe) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  bool SectionExists(std::string_view section) const;

 private:
  friend class TNewIniFile;
  friend class TIniDokument;
  struct TDaten;
  std::shared_ptr<const TDaten> daten_;
};

// A stored value that was not used because it is damaged (not a number, or
// out of its range); the caller used the default instead.  Meldung is one
// German line naming file, section, key and value.
struct TIgnorierterWert {
  std::string Datei;
  std::string Abschnitt;
  std::string Schluessel;
  std::string Wert;
  std::string Meldung;
};
using TEinstellungsBericht = std::vector<TIgnorierterWert>;

// Adds an entry for a damaged value; grund says what the value should have
// been ("kein Beitragssatz von 0 bis 100 Prozent"), vorgabe the default used.
void IgnoriertMelden(TEinstellungsBericht* bericht, const TIniAbbild& ini,
                     std::string_view section, std::string_view key, std::string_view wert,
                     std::string_view grund, std::string_view vorgabe);

class TIniDokument;

class TNewIniFile {
 public:
  // Locates the file by IniPfad(name).  Nothing is read yet.
  explicit TNewIniFile(std::string_view name);
  // The file at that path, taken as it stands.
  static TNewIniFile AusPfad(std::filesystem::path pfad);

  const std::filesystem::path& FileName() const { return pfad_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view vorgabe) const;
  // Decimal integer with an optional sign; anything else gives vorgabe.
  std::int64_t ReadInteger(std::string_view section, std::string_view key,
                           std::int64_t vorgabe) const;
  // An integer other than 0 is true, 0 is false; anything else gives vorgabe.
  bool ReadBool(std::string_view section, std::string_view key, bool vorgabe) const;
  // Decimal number with ',' or '.' as separator, optionally with an exponent;
  // text that is not a finite number gives vorgabe.
  double ReadFloat(std::string_view section, std::string_view key, double vorgabe) const;

  bool ValueExists(std::string_view section, std::string_view key) const;
  bool SectionExists(std::string_view section) const;

  // Reads and parses the file once.  For a file held by a session: the image
  // of its text in memory, kept until the next write.
  TIniAbbild Abbild() const;

  // Whether the reads and writes go to a text held by a TIniSitzung.
  bool Gehalten() const;
  // For a held file, writes its changes now (for every object sharing it);
  // false when that failed, and the changes stay.  For any other file every
  // write is in the file already: true.
  bool Speichern();

  // A value must not contain line breaks or NUL characters; a key must not be
  // empty, contain '=', or begin with '[' or ';'; a section name must not be
  // empty or contain ']'.  Such a write is refused (false) and the file stays
  // as it is.  Blanks around a value are lost, as they are not read back.
  bool WriteString(std::string_view section, std::string_view key, std::string_view wert);
  bool WriteInteger(std::string_view section, std::string_view key, std::int64_t wert);
  // Written as "1" or "0".
  bool WriteBool(std::string_view section, std::string_view key, bool wert);
  // The shortest decimal text that reads back as the same double, with a
  // decimal comma ("0,079", "1e-05").  NaN and infinity are refused.
  bool WriteFloat(std::string_view section, std::string_view key, double wert);

  // Several keys of one section in one rewrite of the file, in the given
  // order; all or nothing.
  bool WriteStrings(std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& werte);

  // Removes every section of that name with all its lines.  True also when
  // there was no such section; false for a name a write would refuse.
  bool EraseSection(std::string_view section);
  // Removes the key (every line of it) from the first section of that name.
  bool DeleteKey(std::string_view section, std::string_view key);

  // Text forms used by WriteFloat and ReadFloat.
  static std::string FloatAlsText(double wert);
  static bool TextAlsFloat(std::string_view text, double& wert);
  static bool TextAlsInteger(std::string_view text, std::int64_t& wert);

 private:
  friend class TIniSitzung;
  TNewIniFile() = default;
  std::filesystem::path pfad_;
  std::shared_ptr<TIniDokument> dokument_;
};

// The settings files of one program run, held in memory.  A file is read once,
// when it is first asked for; the TNewIniFile objects handed out for it (by
// any name that leads to the same file) read and write that text, which
// Speichern writes in one replacement of the file.  Until then, nothing of
// the writes is in the file.  A file that someone else replaced meanwhile is
// read again at Speichern and gets the session's changes on top, so no update
// of another program is lost.  Opening a file also removes the temporary
// files that a killed write left beside it (AlteTempDateienEntfernen).
// One thread.
class TIniSitzung {
 public:
  TIniSitzung();
  ~TIniSitzung();
  TIniSitzung(const TIniSitzung&) = delete;
  TIniSitzung& operator=(const TIniSitzung&) = delete;

  // The file located by IniPfad(name), or at that path.
  TNewIniFile Datei(std::string_view name);
  TNewIniFile DateiAusPfad(std::filesystem::path pfad);

  // Whether a file has changes that are not written yet.
  bool Geaendert() const;
  // Writes every file with changes; the paths of those that could not be
  // written (they keep their old content) go into fehlgeschlagen.
  bool Speichern(std::vector<std::filesystem::path>* fehlgeschlagen = nullptr);

 private:
  std::vector<std::pair<std::filesystem::path, std::shared_ptr<TIniDokument>>> dokumente_;
};

// Removes the temporary files "<name>.~<digits>.tmp" beside the settings
// file that are at least mindestAlter old: what a write killed before its
// rename leaves behind.  Younger ones may belong to a write under way and
// stay.  Returns how many went.
std::size_t AlteTempDateienEntfernen(const std::filesystem::path& pfad,
                                     std::chrono::seconds mindestAlter = std::chrono::seconds(60));

}  // namespace lst
