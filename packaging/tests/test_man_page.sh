#!/usr/bin/env bash
# The manual page renders without groff warnings and names every switch and
# option that --help lists, so a new entry of the help text cannot get lost.
#   test_man_page.sh MORVANE_BINARY MAN_PAGE
set -euo pipefail
binary=$1 page=$2

warnings=$(groff -wall -man -Tutf8 "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "groff warnings:"; echo "$warnings"; exit 1
fi

rendered=$(groff -man -Tascii -P-c -P-b -P-u "$page" 2>/dev/null | tr -s ' ')
missing=0
while read -r name; do
  if ! grep -qF -- "$name" <<<"$rendered"; then
    echo "not in the manual page: $name"
    missing=1
  fi
done < <("$binary" --help | grep -oE '^  /[a-z?]+' | tr -d ' ')
for section in SYNOPSIS DESCRIPTION OPTIONS KEYWORDS "EXIT STATUS" FILES EXAMPLES; do
  grep -q "^$section" <<<"$rendered" || { echo "no section $section"; missing=1; }
done
grep -qF '{counter}' <<<"$rendered" || { echo "no keywords listed"; missing=1; }
grep -qF '{taken}' <<<"$rendered" && grep -qF '{artist}' <<<"$rendered" || { echo "no metadata keywords listed"; missing=1; }
exit "$missing"
