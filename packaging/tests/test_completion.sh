#!/usr/bin/env bash
# Bash completion of morvane, driven the way readline drives it: the line is
# split into COMP_WORDS with "=" as a word of its own, and the function's
# answer is compared with what the user should be offered.
#   test_completion.sh COMPLETION_SCRIPT
set -uo pipefail
script=$1
source /usr/share/bash-completion/bash_completion
source "$script"
compopt() { :; }  # only valid while readline completes

cd "$(mktemp -d)"
trap 'rm -rf "$PWD"' EXIT
mkdir -p folder/inner
touch rules.json "two words.JSON" notes.txt folder/inner.json

complete_line() {
  local line=$1 part
  COMP_LINE=$line COMP_POINT=${#line} COMP_WORDS=()
  local parts
  read -ra parts <<<"$line"
  for part in "${parts[@]}"; do
    while [[ $part == *=* ]]; do COMP_WORDS+=("${part%%=*}" "="); part=${part#*=}; done
    [[ -n $part || ${COMP_WORDS[-1]} == = ]] && COMP_WORDS+=("$part")
  done
  [[ $line == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _morvane morvane "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}

failed=0 passed=0
while IFS='|' read -r line expected; do
  got=$(complete_line "$line")
  if [[ $got == "$expected" ]]; then
    passed=$((passed + 1))
  else
    echo "FAIL '$line': expected '$expected', got '$got'"
    failed=$((failed + 1))
  fi
done <<'CASES'
morvane /ca|/case= 
morvane /case=|lower none title upper 
morvane /CASE=ti|title 
morvane --conflict=o|overwrite 
morvane /conflict=|number overwrite skip 
morvane --pa|--pattern= 
morvane /dr|/dryrun 
morvane /preset=|folder rules.json two words.JSON 
morvane /preset=fo|folder 
morvane /preset=folder/|folder/inner folder/inner.json 
morvane /pattern=|
morvane no|notes.txt 
morvane /cli -- /zq|
morvane -- --|
CASES
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
