#!/usr/bin/env bash
# Takes the window's pictures in docs/ under a virtual display: English light,
# German dark, French at 200 %, English at 800 x 600. Needs xvfb-run and
# ImageMagick's import (scripts/install-deps.sh), and a built build/app/morvane.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
binary=${MORVANE_BINARY:-$root/build/app/morvane}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A few files to show in the list.
mkdir -p "$work/files"
for n in "Holiday 001.jpg" "Holiday 002.jpg" "notes.txt" "Report final.pdf" "song.mp3"; do
  printf 'sample' > "$work/files/$n"
done

# shot NAME LANGUAGE THEME(0 system, 1 light, 2 dark) SCALE SCREEN
shot() {
  local name=$1 language=$2 theme=$3 scale=$4 screen=$5
  local config="$work/config-$name"
  mkdir -p "$config/Quenzel"
  printf '[appearance]\ntheme=%s\n' "$theme" > "$config/Quenzel/Morvane.conf"
  LANGUAGE=$language LANG=$language.UTF-8 LC_ALL= XDG_CONFIG_HOME=$config APPDATA=$work/appdata \
  QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
      "$1" "$2" & app=$!
      sleep 8
      import -window root "$3"
      kill "$app"; wait "$app" 2>/dev/null || true
    ' _ "$binary" "$work/files" "$root/docs/$name.png"
  echo "docs/$name.png"
}

shot window-en-light en_US 1 1 1280x720
shot window-de-dark de_DE 2 1 1280x720
shot window-fr-200 fr_FR 1 2 2560x1440
shot window-en-800x600 en_US 1 1 800x600
