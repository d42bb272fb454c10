#!/usr/bin/env bash
# Installs a build into a fresh folder and checks what a user gets there:
# the programs, runnable from the installed folder, the print helper in the
# package's folder under lib, and with the windows the desktop entry and the
# icons.
# Arguments: cmake, build folder, target folder, bin and data folder (as
# GNUInstallDirs names them), helper folder, windows ON/OFF.
set -uo pipefail
cmake="$1" build="$2" ziel="$3" bindir="$4" datadir="$5" helferdir="$6" fenster="$7"

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

if [ "$fenster" = ON ]; then
  [ -x "$ziel/$helferdir/lohnsteuer-cli-druck" ] || falsch "$ziel/$helferdir/lohnsteuer-cli-druck fehlt oder ist nicht ausführbar"
  # "drucken" has to find lohnsteuer-cli-druck from the installed program.
  pdf="$ziel/probe.pdf"
  if meldung=$(cd "$ziel" && "$bin/lohnsteuer-cli" drucken --brutto 3000 --pdf "$pdf" 2>&1); then
    [ "$(head -c 5 "$pdf")" = "%PDF-" ] || falsch "drucken schrieb kein PDF nach $pdf"
  else
    falsch "lohnsteuer-cli drucken scheitert: $meldung"
  fi

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
