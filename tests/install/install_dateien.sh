#!/usr/bin/env bash
# Installs a build into a fresh folder and checks what a user gets there:
# the programs, runnable from the installed folder, the print helper in the
# package's folder under lib, the manual pages and the changelog packed as
# Debian wants them, the bash completion, the copyright, and with the
# windows the desktop entry, the AppStream entry that matches it and the
# icons.
# Arguments: cmake, build folder, target folder, bin, data, helper and
# manual folders (as GNUInstallDirs names them), the AppStream id, windows
# ON/OFF.
set -uo pipefail
cmake="$1" build="$2" ziel="$3" bindir="$4" datadir="$5" helferdir="$6" mandir="$7" appstream="$8" fenster="$9"

fehler=0
falsch() { echo "install_dateien: $*" >&2; fehler=1; }

rm -rf "$ziel"
if ! "$cmake" --install "$build" --prefix "$ziel" >"$ziel.log" 2>&1; then
  cat "$ziel.log" >&2
  echo "install_dateien: cmake --install ist gescheitert" >&2
  exit 1
fi

bin="$ziel/$bindir"
share="$ziel/$datadir"
programme=(lohnsteuer-cli)
[ "$fenster" = ON ] && programme+=(lohnsteuer)
for p in "${programme[@]}"; do
  [ -f "$bin/$p" ] && [ -x "$bin/$p" ] || falsch "$bin/$p fehlt oder ist nicht ausführbar"
done
# The print helper is no command of its own.
[ -e "$bin/lohnsteuer-cli-druck" ] && falsch "$bin/lohnsteuer-cli-druck gehört nicht nach $bindir"

# The installed command line works on its own, away from the build folder.
export XDG_CONFIG_HOME="$ziel/config" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME"
jahre=$(cd "$ziel" && "$bin/lohnsteuer-cli" jahre 2>&1) || falsch "lohnsteuer-cli jahre scheitert: $jahre"
grep -q 2026 <<<"$jahre" || falsch "lohnsteuer-cli jahre nennt 2026 nicht"
version=$("$bin/lohnsteuer-cli" --version 2>&1) || falsch "lohnsteuer-cli --version scheitert: $version"
version=${version#lohnsteuer-cli }

# A file packed with gzip -9n: no name and no time in its head, the best
# compression.
gzip_9n() {
  local kopf
  kopf=$(od -An -tx1 -N10 "$1" | tr -d ' \n')
  [ "${kopf:0:6}" = 1f8b08 ] || { falsch "$1 ist nicht mit gzip gepackt"; return; }
  (( (0x${kopf:6:2} & 0x08) == 0 )) || falsch "$1 trägt den Dateinamen im Kopf (gzip ohne -n)"
  [ "${kopf:8:8}" = 00000000 ] || falsch "$1 trägt eine Zeit im Kopf (gzip ohne -n)"
  [ "${kopf:16:2}" = 02 ] || falsch "$1 ist nicht mit gzip -9 gepackt"
}

seiten=(lohnsteuer-cli)
[ "$fenster" = ON ] && seiten+=(lohnsteuer)
for s in "${seiten[@]}"; do
  seite="$ziel/$mandir/man1/$s.1.gz"
  if [ -f "$seite" ]; then
    gzip_9n "$seite"
    kopf=$(gzip -dc "$seite" | grep '^\.TH')
    grep -qF "\"Lohnsteuer $version\"" <<<"$kopf" || falsch "$seite nennt nicht die Version $version: $kopf"
  else
    falsch "$seite fehlt"
  fi
done

doku="$share/doc/lohnsteuer"
head -n 1 "$doku/copyright" 2>/dev/null | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  falsch "$doku/copyright fehlt oder ist nicht maschinenlesbar"
if [ -f "$doku/changelog.gz" ]; then
  gzip_9n "$doku/changelog.gz"
  erste=$(gzip -dc "$doku/changelog.gz" | head -n 1)
  [[ "$erste" == "lohnsteuer ($version) "* ]] || falsch "$doku/changelog.gz beginnt nicht mit der Version $version: $erste"
else
  falsch "$doku/changelog.gz fehlt"
fi

# The completion is bash and completes the installed program's commands.
vervollstaendigung="$share/bash-completion/completions/lohnsteuer-cli"
if [ -f "$vervollstaendigung" ]; then
  angebot=$(bash -c 'source "$0" && complete -p lohnsteuer-cli && COMP_WORDS=(lohnsteuer-cli dru) COMP_CWORD=1 &&
                     _lohnsteuer_cli && echo "${COMPREPLY[*]}"' "$vervollstaendigung" 2>&1)
  grep -qx 'drucken' <<<"$(tail -n 1 <<<"$angebot")" || falsch "$vervollstaendigung vervollständigt nicht: $angebot"
else
  falsch "$vervollstaendigung fehlt"
fi

if [ "$fenster" = ON ]; then
  [ -x "$ziel/$helferdir/lohnsteuer-cli-druck" ] || falsch "$ziel/$helferdir/lohnsteuer-cli-druck fehlt oder ist nicht ausführbar"
  # "drucken" has to find lohnsteuer-cli-druck from the installed program.
  pdf="$ziel/probe.pdf"
  if meldung=$(cd "$ziel" && "$bin/lohnsteuer-cli" drucken --brutto 3000 --pdf "$pdf" 2>&1); then
    [ "$(head -c 5 "$pdf")" = "%PDF-" ] || falsch "drucken schrieb kein PDF nach $pdf"
  else
    falsch "lohnsteuer-cli drucken scheitert: $meldung"
  fi
  fenster_version=$("$bin/lohnsteuer" --version 2>&1)
  [ "$fenster_version" = "lohnsteuer $version" ] || falsch "lohnsteuer --version sagt '$fenster_version'"

  desktop="$share/applications/lohnsteuer.desktop"
  if [ -f "$desktop" ]; then
    for zeile in '[Desktop Entry]' 'Type=Application' 'Name=Lohnsteuer' 'Exec=lohnsteuer' \
                 'Icon=lohnsteuer' 'Categories=Office;Finance;'; do
      grep -qxF "$zeile" "$desktop" || falsch "$desktop: die Zeile '$zeile' fehlt"
    done
    grep -q '^Comment=..*' "$desktop" || falsch "$desktop: Comment fehlt"
    if command -v desktop-file-validate >/dev/null; then
      desktop-file-validate "$desktop" >&2 || falsch "$desktop ist ungültig"
    fi
  else
    falsch "$desktop fehlt"
  fi

  # The AppStream entry launches the installed desktop entry and says what
  # it says: the same name and summary, this version.
  metainfo="$share/metainfo/$appstream.metainfo.xml"
  if [ -f "$metainfo" ]; then
    element() { sed -n "s:^ *<$1>\(.*\)</$1>\$:\1:p" "$metainfo" | head -n 1; }
    [ "$(element id)" = "$appstream" ] || falsch "$metainfo: die id ist nicht $appstream"
    starter=$(sed -n 's:^ *<launchable type="desktop-id">\(.*\)</launchable>$:\1:p' "$metainfo")
    [ -f "$share/applications/$starter" ] || falsch "$metainfo startet '$starter', der nicht installiert ist"
    [ "Name=$(element name)" = "$(grep '^Name=' "$desktop")" ] || falsch "$metainfo: name ist nicht Name von $desktop"
    [ "Comment=$(element summary)" = "$(grep '^Comment=' "$desktop")" ] ||
      falsch "$metainfo: summary ist nicht Comment von $desktop"
    grep -qF "<release version=\"$version\" " "$metainfo" || falsch "$metainfo nennt keine Ausgabe $version"
    grep -qE '@[A-Z_]+@' "$metainfo" && falsch "$metainfo enthält eine nicht ersetzte Marke"
  else
    falsch "$metainfo fehlt"
  fi

  svg="$share/icons/hicolor/scalable/apps/lohnsteuer.svg"
  grep -q '<svg' "$svg" 2>/dev/null || falsch "$svg fehlt oder ist kein SVG"
  # A PNG gives its width and height in the IHDR chunk (bytes 16 to 23);
  # each has to match the size of its folder.
  for groesse in 48 128; do
    png="$share/icons/hicolor/${groesse}x${groesse}/apps/lohnsteuer.png"
    if [ -f "$png" ]; then
      kopf=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
      [ "${kopf:0:16}" = 89504e470d0a1a0a ] || falsch "$png ist kein PNG"
      printf -v erwartet '%08x%08x' "$groesse" "$groesse"
      [ "${kopf:32:16}" = "$erwartet" ] || falsch "$png ist nicht ${groesse}x${groesse} Pixel groß"
    else
      falsch "$png fehlt"
    fi
  done
fi

[ "$fehler" = 0 ] && echo "install_dateien: alles installiert in $ziel"
exit "$fehler"
