#!/usr/bin/env bash
# Makes the installer from a program folder with wixl:
# make_msi.sh FOLDER VERSION COMMIT EPOCH OUT.msi
# wixl stamps the time it runs and a random package code into the summary,
# and cannot store a name outside ASCII; so it runs with the clock stopped
# at EPOCH, and msibuild then sets the Japanese code page, the files' real
# names and the package code derived from COMMIT.
set -euo pipefail
folder="$1" version="$2" commit="$3" epoch="$4" out="$5"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
frozen=$(TZ=UTC date -d "@$epoch" '+%F %T')
# -f: a clock stopped at that second; without it faketime only starts the
# clock there, and a slow run writes a later second into the summary.
at_commit() { TZ=UTC LC_ALL=C.UTF-8 faketime -f "$frozen" "$@"; }

/usr/bin/python3 "$here/make_wxs.py" "$folder" "$version" "$commit" "$work/renames.sql" >"$work/program.wxs"
package_code=$(grep -o -m1 '<Package Id="[^"]*"' "$work/program.wxs" | cut -d'"' -f2)
(cd "$folder" && at_commit wixl -a x64 -o "$work/program.msi" "$work/program.wxs" >/dev/null)
printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
at_commit msibuild "$work/program.msi" -i "$work/_ForceCodepage.idt"
while IFS= read -r query; do at_commit msibuild "$work/program.msi" -q "$query"; done <"$work/renames.sql"
at_commit msibuild "$work/program.msi" -s "PDF Vivevav $version" Rudedode "x64;1041" "$package_code"
mv "$work/program.msi" "$out"
