#!/usr/bin/env bash
# Checks the Debian package in build-pkg/ the way a user meets it: lintian and
# the manual page first, then (as root) install it with apt, use the installed
# program, validate its desktop files and remove it without leftovers.
set -euo pipefail
cd "$(dirname "$0")/.."

debs=(build-pkg/morvane_*.deb)
[ -f "${debs[0]}" ] || { echo "no package in build-pkg/: run scripts/package.sh first" >&2; exit 1; }
deb=${debs[0]}
fail() { echo "package check failed: $*" >&2; exit 1; }
step() { echo "== $*"; }

step "lintian $deb"
# Errors fail the check; warnings and notes are listed.
lintian --fail-on error --display-level ">=warning" "$deb" || fail "lintian reports errors"

step "manual page renders without warnings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
man_warnings=$(zcat "$scratch/root/usr/share/man/man1/morvane.1.gz" | groff -wall -man -Tutf8 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "groff: $man_warnings"

if [ "$(id -u)" -ne 0 ]; then
  echo "== skipping install, use and removal of the package: installing needs root"
  exit 0
fi

step "apt-get install ./$deb"
export DEBIAN_FRONTEND=noninteractive
# An older build of the same version would stay installed: start clean.
if dpkg-query -W -f='${Status}' morvane 2>/dev/null | grep -q "ok installed"; then
  apt-get purge -y -qq -o DPkg::Lock::Timeout=300 morvane >/dev/null
fi
apt-get install -y -qq -o DPkg::Lock::Timeout=300 --no-install-recommends "./$deb" >/dev/null
dpkg -L morvane >"$scratch/files"
echo "installed $(wc -l <"$scratch/files") paths"

step "the installed program"
[ "$(command -v morvane)" = /usr/bin/morvane ] || fail "morvane is not /usr/bin/morvane on PATH"
/usr/bin/morvane --help >"$scratch/help" || fail "morvane --help exits $?"
head -n 1 "$scratch/help"
grep -q '^Usage: morvane' "$scratch/help" || fail "--help prints no usage"
MANPAGER=cat MANWIDTH=80 man morvane 2>&1 | grep -q '^SYNOPSIS' || fail "man morvane shows no page"

work="$scratch/work"
mkdir -p "$work/photos" "$work/data"
export XDG_DATA_HOME="$work/data"
unset APPDATA
touch "$work/photos/beach.jpg" "$work/photos/dune.jpg" "$work/photos/tide.jpg"
names() { (cd "$work/photos" && ls -A | tr '\n' ' '); }
before=$(names)

/usr/bin/morvane /cli /quiet /dryrun '/pattern=sea_{counter}' /start=1 /digits=2 "$work/photos" >"$scratch/preview"
[ "$(wc -l <"$scratch/preview")" -eq 3 ] || fail "the dry run previewed $(wc -l <"$scratch/preview") names, not 3"
[ "$(names)" = "$before" ] || fail "the dry run changed names: $(names)"
echo "dry run: 3 names previewed, none changed"

/usr/bin/morvane /cli /quiet '/pattern=sea_{counter}' /start=1 /digits=2 "$work/photos"
[ "$(names)" = "sea_01.jpg sea_02.jpg sea_03.jpg " ] || fail "the batch left: $(names)"
[ -f "$work/data/Quenzel/Morvane/last_rename.csv" ] || fail "no undo log"
echo "batch: $before-> $(names)"

/usr/bin/morvane /cli /quiet /undo
[ "$(names)" = "$before" ] || fail "undo left: $(names)"
echo "undo: back to $(names)"

step "the metadata module, loaded for a metadata keyword only"
grep -q '/morvane/morvane-metadata\.so$' "$scratch/files" || fail "the package installs no morvane-metadata.so"
mkdir -p "$work/pictures"
cp tests/fixtures/images/photo.png "$work/pictures/picture.png"
LD_DEBUG=files /usr/bin/morvane /cli /quiet /dryrun '/pattern=x{name}' "$work/pictures" 2>"$scratch/loader" >/dev/null
! grep -E 'morvane-metadata|libexiv2|libtag' "$scratch/loader" || fail "a plain run loads the metadata libraries"
/usr/bin/morvane /cli /quiet /dryrun '/pattern={imgw}x{imgh}' "$work/pictures" >"$scratch/sized"
grep -q "$(printf '\t')7x5\.png\$" "$scratch/sized" || fail "no picture size read: $(cat "$scratch/sized")"
echo "plain run: no metadata library mapped; {imgw}x{imgh}: $(cut -f2 "$scratch/sized")"

step "desktop-file-validate and appstreamcli validate"
while read -r path; do
  case $path in
    /usr/share/applications/*.desktop) desktop-file-validate "$path" || fail "$path" ;;
    /usr/share/metainfo/*.xml) appstreamcli validate --no-net --pedantic "$path" || fail "$path" ;;
  esac
done <"$scratch/files"

step "apt-get purge morvane"
apt-get purge -y -qq -o DPkg::Lock::Timeout=300 morvane >/dev/null
! dpkg-query -W -f='${Status}' morvane 2>/dev/null | grep -q "ok installed" || fail "morvane is still installed"
left=0
while read -r path; do
  [ -e "$path" ] || continue
  # Shared folders (/usr/share/man/man1, ...) stay as long as another package owns them.
  if [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
  echo "left behind: $path" >&2
  left=$((left + 1))
done <"$scratch/files"
[ "$left" -eq 0 ] || fail "$left paths of the package are left"
echo "removed: none of the $(wc -l <"$scratch/files") paths is left"
