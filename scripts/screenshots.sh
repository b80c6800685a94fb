#!/usr/bin/env bash
# Takes the window's pictures in docs/ under a virtual display: English light,
# German dark, French at 200 %, English at 800 x 600, and three album folders
# renamed as folders and undone. Needs xvfb-run, ImageMagick's import,
# xdotool (scripts/install-deps.sh), and a built build/app/morvane.
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


# Three album folders opened with "Rename folders" on and the pattern
# {counter} - {name}: the preview, the folders renamed (their files stay as
# they are), then undone. Keys go to the window after a click, as no window
# manager gives it the focus.
folders_shot() {
  local config="$work/config-folders" albums="$work/albums"
  mkdir -p "$config/Quenzel" "$albums"
  for a in "Blue Train" "Kind of Blue" "Mingus Ah Um"; do
    mkdir -p "$albums/$a"
    for t in "01 Opening.flac" "02 Second.flac" "cover.jpg"; do printf 'x' > "$albums/$a/$t"; done
  done
  printf '[General]\nrenameFolders=true\n[appearance]\ntheme=1\n' > "$config/Quenzel/Morvane.conf"
  printf '{"pattern":"{counter} - {name}","changeExt":false}' > "$work/albums.json"
  LANGUAGE=en_US LANG=en_US.UTF-8 LC_ALL= XDG_CONFIG_HOME=$config APPDATA=$work/appdata-folders QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
      "$1" "/preset=$2/albums.json" "$2/albums/Blue Train" "$2/albums/Kind of Blue" "$2/albums/Mingus Ah Um" & app=$!
      sleep 8
      xdotool mousemove 640 620 click 1; sleep 1
      xdotool key F5; sleep 2
      import -window root "$2/folders-1.png"
      xdotool key ctrl+r; sleep 2
      xdotool key Return; sleep 3
      (cd "$2/albums" && find . -mindepth 1 | sort) > "$2/folders-renamed.txt"
      xdotool key Return; sleep 1
      import -window root "$2/folders-2.png"
      xdotool mousemove 640 620 click 1; sleep 1
      xdotool key ctrl+z; sleep 3
      import -window root "$2/folders-3.png"
      (cd "$2/albums" && find . -mindepth 1 | sort) > "$2/folders-undone.txt"
      kill "$app"; wait "$app" 2>/dev/null || true
    ' _ "$binary" "$work"
  echo "renamed:"; cat "$work/folders-renamed.txt"
  echo "after undo:"; cat "$work/folders-undone.txt"
  # The window's upper part of each step, one below the other.
  convert "$work/folders-1.png" "$work/folders-2.png" "$work/folders-3.png" -crop 1252x373+14+127 +repage \
    -background white -splice 0x6 -append "$root/docs/rename-folders.png"
  echo "docs/rename-folders.png"
}

# "folders" takes only the picture of renamed folders.
if [ "${1:-}" != folders ]; then
  shot window-en-light en_US 1 1 1280x720
  shot window-de-dark de_DE 2 1 1280x720
  shot window-fr-200 fr_FR 1 2 2560x1440
  shot window-en-800x600 en_US 1 1 800x600
fi
folders_shot
