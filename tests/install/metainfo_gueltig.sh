#!/usr/bin/env bash
# Validates the AppStream entry of the window with appstreamcli (offline).
# Without appstreamcli the test is skipped (exit status 77).
# Argument: the metainfo file of the build.
set -uo pipefail
metainfo="$1"
if ! command -v appstreamcli >/dev/null; then
  echo "metainfo_gueltig: appstreamcli ist nicht installiert (apt-get install appstream); die Prüfung entfällt."
  exit 77
fi
if ! befund=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1); then
  echo "$befund" >&2
  echo "metainfo_gueltig: appstreamcli validate beanstandet $metainfo" >&2
  exit 1
fi
# Hints, too, are things to mend.
if grep -q '^[IP]: ' <<<"$befund"; then
  echo "$befund" >&2
  echo "metainfo_gueltig: appstreamcli validate hat Hinweise zu $metainfo" >&2
  exit 1
fi
echo "metainfo_gueltig: $metainfo ist gültig"
