#!/usr/bin/env bash
# Packs the build as a Debian package with cpack and runs lintian on it with
# its default profile: no error and no warning.  Without lintian (or
# dpkg-deb) the test is skipped (exit status 77).
# Arguments: cpack, build folder, folder for the package.
set -uo pipefail
cpack="$1" build="$2" ziel="$3"

for werkzeug in lintian dpkg-deb; do
  if ! command -v "$werkzeug" >/dev/null; then
    echo "paket_lintian: $werkzeug ist nicht installiert (apt-get install lintian); die Prüfung des Pakets entfällt."
    exit 77
  fi
done

rm -rf "$ziel"
mkdir -p "$ziel"
if ! (cd "$build" && "$cpack" -G DEB -B "$ziel") >"$ziel/cpack.log" 2>&1; then
  cat "$ziel/cpack.log" >&2
  echo "paket_lintian: cpack ist gescheitert" >&2
  exit 1
fi
pakete=("$ziel"/lohnsteuer_*.deb)
if [ ! -f "${pakete[0]}" ]; then
  echo "paket_lintian: cpack hat kein Paket lohnsteuer_*.deb geschrieben" >&2
  exit 1
fi
# lintian checks as an ordinary user would run it; as root it says so on
# standard error, which is no finding.
if ! befund=$(lintian --fail-on error,warning "${pakete[0]}" 2>&1); then
  echo "$befund" >&2
  echo "paket_lintian: lintian beanstandet ${pakete[0]##*/}" >&2
  exit 1
fi
[ -n "$befund" ] && echo "$befund"
echo "paket_lintian: lintian ohne Fehler und Warnung für ${pakete[0]##*/}"
