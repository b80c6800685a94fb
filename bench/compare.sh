#!/usr/bin/env bash
# Times one renaming job with Morvane, other renamers and a bare rename(2) loop,
# side by side on tmpfs, and prints one table of medians and ratios.
#
#   bash bench/compare.sh            the table (N=10000 and 100000, 5 runs after a warm-up)
#   bash bench/compare.sh profile    system calls per file (strace -c -f) and a callgrind
#                                    profile of Morvane's run at the largest N
#
# Overrides: N="1000 5000"  RUNS=3  TOOLS="floor morvane"  MORVANE=/path/to/morvane
#            JOBS="rename date" (the jobs timed, each with its own rows)
#            BEFORE=/path/to/an/older/morvane (tools before, before-dryrun: the same job
#            with that build, for a side-by-side of two versions in one run)
#            SLOW=10 (a tool whose warm-up takes longer than this many seconds is timed
#            once more, not RUNS times)  TIMEOUT=600 (seconds per run)
#            OUT=build-compare (where the table, stderr of failures and profiles go)
#
# The jobs: "rename", every IMG_<digits>.JPG in one folder becomes photo-<digits>.JPG;
# "date", every IMG_<digits>.JPG becomes <yyyymmdd>_IMG_<digits>.JPG by its last-write
# date, so every tool must look at every file (the floor stats each one; mmv cannot
# do it and is marked n/a).
# The folder is made anew before every run, outside the timing; the rounds go
# through the tools in turn so that a busy machine weighs on all of them alike.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-table}
case $mode in table|profile) ;; *) echo "usage: $0 [table|profile]" >&2; exit 2 ;; esac

sizes=${N:-10000 100000}
jobs=${JOBS:-rename date}
job=rename
runs=${RUNS:-5}
# The project runs no other renamer itself: the peer rows (perl-rename, perl-rename-n,
# mmv, renamer) are there for whoever measures them, and never in the default list.
tools=${TOOLS:-floor morvane morvane-dryrun}
slow=${SLOW:-10}
per_run_timeout=${TIMEOUT:-600}
morvane=${MORVANE:-$repo/build/app/morvane}
before=${BEFORE:-}
out=${OUT:-$repo/build-compare}
renamer_dir=$repo/bench/node_modules

say() { printf '%s\n' "$*" >&2; }

# ---------------------------------------------------------------- set-up

apt_install() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    say "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

needs=(time gcc)
# Peers are installed only when asked for by name.
[[ " $tools " == *" perl-rename"* ]] && needs+=(rename)
[[ " $tools " == *" mmv "* ]] && needs+=(mmv)
[ "$mode" = profile ] && needs+=(strace valgrind)
apt_install "${needs[@]}"

if [[ " $tools " == *" renamer "* && ! -x $renamer_dir/.bin/renamer ]]; then
    if command -v npm >/dev/null; then
        say "Installing the npm package renamer into $renamer_dir"
        # No package.json or lock file in bench/: the install stays in the ignored folder.
        npm install --prefix "$repo/bench" --no-save --no-package-lock --no-audit --no-fund \
            --loglevel=error renamer@5 >/dev/null
    else
        say "npm is missing: the renamer row is left out"
        tools=${tools//renamer/}
    fi
fi

if [[ " $tools " == *" morvane"* && ! -x $morvane ]]; then
    say "Building Morvane into build/"
    bash "$repo/scripts/install-deps.sh"
    bash "$repo/scripts/build.sh" build >&2
fi

work=$(mktemp -d /dev/shm/morvane-compare.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
gcc -O2 -Wall -Wextra -o "$work/floor_rename" "$repo/bench/floor_rename.c"
files=$work/files
appdata=$work/appdata
journal=$appdata/Quenzel/Morvane/last_rename.csv

# Sets CMD to the command line of one tool over $files for $job; CMD stays empty
# for a tool that cannot do the job.
tool_cmd() {
    local find_files='find "$1" -maxdepth 1 -type f -name "IMG_*" -print0'
    CMD=()
    if [ "$job" = date ]; then
        local pattern='/pattern={modified:yyyymmdd}_{name}'
        local perl_expr='use POSIX (); s{([^/]+)$}{POSIX::strftime("%Y%m%d", localtime((stat $_)[9]))."_$1"}e'
        case $1 in
            floor)          CMD=("$work/floor_rename" date "$files") ;;
            morvane)        CMD=("$morvane" /cli /quiet "$pattern" "$files") ;;
            morvane-dryrun) CMD=("$morvane" /cli /quiet "$pattern" /dryrun "$files") ;;
            before)         CMD=("$before" /cli /quiet "$pattern" "$files") ;;
            before-dryrun)  CMD=("$before" /cli /quiet "$pattern" /dryrun "$files") ;;
            perl-rename)    CMD=(sh -c "$find_files | xargs -0 rename '$perl_expr'" sh "$files") ;;
            perl-rename-n)  CMD=(sh -c "$find_files | xargs -0 rename -n '$perl_expr'" sh "$files") ;;
            mmv|renamer)    ;;
            *) say "unknown tool $1"; exit 2 ;;
        esac
        return
    fi
    case $1 in
        floor)          CMD=("$work/floor_rename" rename "$files") ;;
        morvane)        CMD=("$morvane" /cli /quiet '/find=IMG_(\d+)' '/replace=photo-$1' /regex "$files") ;;
        morvane-dryrun) CMD=("$morvane" /cli /quiet '/find=IMG_(\d+)' '/replace=photo-$1' /regex /dryrun "$files") ;;
        before)         CMD=("$before" /cli /quiet '/find=IMG_(\d+)' '/replace=photo-$1' /regex "$files") ;;
        before-dryrun)  CMD=("$before" /cli /quiet '/find=IMG_(\d+)' '/replace=photo-$1' /regex /dryrun "$files") ;;
        perl-rename)    CMD=(sh -c "$find_files | xargs -0 rename -d 's/IMG_(\\d+)/photo-\$1/'" sh "$files") ;;
        perl-rename-n)  CMD=(sh -c "$find_files | xargs -0 rename -n -d 's/IMG_(\\d+)/photo-\$1/'" sh "$files") ;;
        mmv)            CMD=(mmv "$files/IMG_*.JPG" "$files/photo-#1.JPG") ;;
        renamer)        CMD=("$renamer_dir/.bin/renamer" -s --find '/IMG_(\d+)/' --replace 'photo-$1' "$files/*") ;;
        *) say "unknown tool $1"; exit 2 ;;
    esac
}

is_dry_run() { [[ $1 == *-dryrun || $1 == *-n ]]; }
is_morvane() { [[ $1 == morvane || $1 == before ]]; }

listing() { find "$files" -mindepth 1 -printf '%P\n' | LC_ALL=C sort | md5sum | cut -c1-32; }

fresh_folder() {
    rm -rf "$files" "$appdata"
    mkdir -p "$appdata"
    "$work/floor_rename" create "$files" "$1"
}

# Expected listings per N: before (what a dry run must leave) and after the job.
# The date job's names depend on the files' times: its listing after is taken
# from the fresh folder (date_after), outside the timing.
declare -A before after
date_after() { find "$files" -mindepth 1 -printf '%TY%Tm%Td_%f\n' | LC_ALL=C sort | md5sum | cut -c1-32; }
expected_listings() {
    local n=$1 width=4 m
    for ((m = n; m > 9999; m /= 10)); do width=$((width + 1)); done
    before[$n]=$(awk -v n="$n" -v w="$width" 'BEGIN { for (i = 1; i <= n; i++) printf "IMG_%0*d.JPG\n", w, i }' \
        | LC_ALL=C sort | md5sum | cut -c1-32)
    after[$n]=$(awk -v n="$n" -v w="$width" 'BEGIN { for (i = 1; i <= n; i++) printf "photo-%0*d.JPG\n", w, i }' \
        | LC_ALL=C sort | md5sum | cut -c1-32)
}

# ---------------------------------------------------------------- one run

# run_once TOOL N -> prints "seconds peak_kb cpu_seconds" or "FAILED reason"
run_once() {
    local tool=$1 n=$2 err=$out/$job-$1-$2.stderr status t0 t1
    tool_cmd "$tool"
    if [ ${#CMD[@]} -eq 0 ]; then
        echo "FAILED n/a: cannot rename by date"; return
    fi
    fresh_folder "$n"
    local want=${after[$n]}
    [ "$job" = date ] && want=$(date_after)
    is_dry_run "$tool" && want=${before[$n]}
    t0=$EPOCHREALTIME
    set +e
    APPDATA=$appdata /usr/bin/time -f '%M %U %S' -o "$work/mem" timeout "$per_run_timeout" \
        "${CMD[@]}" >/dev/null 2>"$err"
    status=$?
    set -e
    t1=$EPOCHREALTIME
    if [ $status -ne 0 ]; then
        echo "FAILED exit $status (see $err)"; return
    fi
    if [ "$(listing)" != "$want" ]; then
        echo "FAILED wrong names left"; return
    fi
    if is_morvane "$tool" && [ ! -s "$journal" ]; then
        echo "FAILED no undo log"; return
    fi
    if [[ $tool == morvane-dryrun || $tool == before-dryrun ]] && [ -e "$journal" ]; then
        echo "FAILED dry run wrote an undo log"; return
    fi
    rm -f "$err"
    tail -n1 "$work/mem" | awk -v a="$t0" -v b="$t1" '{ printf "%.4f %d %.2f\n", b - a, $1, $2 + $3 }'
}

# ---------------------------------------------------------------- profile

if [ "$mode" = profile ]; then
    n=$(echo "$sizes" | tr ' ' '\n' | sort -n | tail -n1)
    say "Profiling at N=$n into $out"

    # The price of each system call a careful renamer adds to the floor, per file.
    # "asnw" is the set Morvane makes; "snw" the same calls relative to an open folder.
    ladder="- a as asn asnw snw"
    declare -A step_times=()
    for ((round = 1; round <= runs; round++)); do
        for steps in $ladder; do
            fresh_folder "$n"
            t0=$EPOCHREALTIME
            "$work/floor_rename" rename "$files" "${steps#-}"
            t1=$EPOCHREALTIME
            step_times[$steps]+="$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }') "
        done
    done
    {
        echo "# floor plus system calls, N=$n, median of $runs runs (a absolute paths, s statx on add,"
        echo "# n RENAME_NOREPLACE, w one undo-log write per file; l, an lstat of the target, not made)"
        printf '%-8s %9s %12s\n' steps "median s" "us per file"
        for steps in $ladder; do
            tr ' ' '\n' <<<"${step_times[$steps]}" | grep . | sort -g \
                | awk -v st="$steps" -v n="$n" '{ v[NR] = $1 } END {
                    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                    printf "%-8s %9.3f %12.2f\n", st, m, m * 1e6 / n }'
        done
    } | tee "$out/ladder-$n.txt"

    for tool in floor morvane; do
        fresh_folder "$n"
        tool_cmd "$tool"
        APPDATA=$appdata strace -f -c -S calls -o "$out/strace-$tool-$n.txt" "${CMD[@]}" >/dev/null
        echo "# system calls of $tool, N=$n ($out/strace-$tool-$n.txt)"
        printf '%-16s %10s %10s %9s\n' syscall calls errors "per file"
        awk -v n="$n" '$1 ~ /^[0-9.]+$/ && (NF == 5 || NF == 6) {
                errors = (NF == 6) ? $5 : 0
                if ($4 / n >= 0.01 || $NF == "total") printf "%-16s %10d %10d %9.2f\n", $NF, $4, errors, $4 / n
            }' "$out/strace-$tool-$n.txt"
    done | tee "$out/syscalls-$n.txt"

    fresh_folder "$n"
    tool_cmd morvane
    APPDATA=$appdata valgrind --tool=callgrind --callgrind-out-file="$out/callgrind-morvane-$n.out" \
        "${CMD[@]}" >/dev/null 2>"$out/callgrind-morvane-$n.log"
    # Whole reports first: cutting a pipe short would fail the script under pipefail.
    callgrind_annotate --inclusive=yes "$out/callgrind-morvane-$n.out" >"$out/callgrind-morvane-$n.inclusive.txt" 2>/dev/null
    callgrind_annotate "$out/callgrind-morvane-$n.out" >"$out/callgrind-morvane-$n.self.txt" 2>/dev/null
    echo "# callgrind of Morvane's run, N=$n: $out/callgrind-morvane-$n.{inclusive,self}.txt"
    grep -m1 'PROGRAM TOTALS' "$out/callgrind-morvane-$n.inclusive.txt"
    echo "# inclusive, the program's own functions"
    grep -E '^ *[0-9,]+ \( *[0-9.]+%\)  [^ ]*/(engine|batch|cli|presets)/.*/morvane\]$' \
        "$out/callgrind-morvane-$n.inclusive.txt" | sed -E 's/ \[[^]]*\]$//; s#  [^ ]*/(engine|batch|cli|presets)/#  \1/#' \
        | head -n 30 | cut -c1-150
    echo "# self cost, top 25"
    sed -n '/file:function/,$p' "$out/callgrind-morvane-$n.self.txt" | grep -E '^ *[0-9,]+ \(' \
        | head -n 25 | sed -E 's/ \[[^]]*\]$//' | cut -c1-150
    exit 0
fi

# ---------------------------------------------------------------- table

table=$out/compare-table.txt
{
    echo "# $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg), tmpfs, $runs runs after a warm-up"
    printf '%-6s %-15s %7s %9s %9s %8s %10s %7s %7s %8s\n' job tool N "median s" "spread s" "x floor" "x morvane" \
        "cpu s" "cpu x f" "peak MB"
} >"$table"

for job in $jobs; do
for n in $sizes; do
    expected_listings "$n"
    declare -A times=() cpus=() peaks=() failed=() planned=()
    for tool in $tools; do planned[$tool]=$runs; done
    for ((round = 0; round <= runs; round++)); do
        line="$job N=$n round $round/$runs:"
        for tool in $tools; do
            [ -n "${failed[$tool]:-}" ] && continue
            (( round > planned[$tool] )) && continue
            result=$(run_once "$tool" "$n")
            if [[ $result == FAILED* ]]; then
                failed[$tool]=${result#FAILED }
                line+=" $tool FAILED"
                continue
            fi
            read -r secs kb cpu <<<"$result"
            line+=" $tool $secs"
            if (( round == 0 )); then
                # Tools far slower than the rest get one timed run, to keep the script short.
                if awk -v s="$secs" -v l="$slow" 'BEGIN { exit !(s > l) }'; then planned[$tool]=1; fi
                continue
            fi
            times[$tool]+="$secs "
            cpus[$tool]+="$cpu "
            (( kb > ${peaks[$tool]:-0} )) && peaks[$tool]=$kb
        done
        say "$line"
    done

    median_of() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
    spread_of() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print hi - lo }'; }
    floor_median=$([ -n "${times[floor]:-}" ] && median_of "${times[floor]}" || echo "")
    morvane_median=$([ -n "${times[morvane]:-}" ] && median_of "${times[morvane]}" || echo "")
    floor_cpu=$([ -n "${cpus[floor]:-}" ] && median_of "${cpus[floor]}" || echo "")
    for tool in $tools; do
        if [ -n "${failed[$tool]:-}" ]; then
            case ${failed[$tool]} in
                n/a*) printf '%-6s %-15s %7d %s\n' "$job" "$tool" "$n" "${failed[$tool]}" >>"$table" ;;
                *) printf '%-6s %-15s %7d FAILED: %s\n' "$job" "$tool" "$n" "${failed[$tool]}" >>"$table" ;;
            esac
            continue
        fi
        med=$(median_of "${times[$tool]}")
        spread=$(spread_of "${times[$tool]}")
        cpu=$(median_of "${cpus[$tool]}")
        note=""
        (( planned[$tool] < runs )) && note=" (1 run: warm-up over ${slow} s)"
        awk -v j="$job" -v t="$tool" -v n="$n" -v m="$med" -v s="$spread" -v f="$floor_median" -v mv="$morvane_median" \
            -v kb="${peaks[$tool]}" -v c="$cpu" -v fc="$floor_cpu" -v note="$note" 'BEGIN {
                rf = (f > 0) ? sprintf("%.2f", m / f) : "-"
                rm = (mv > 0) ? sprintf("%.2f", m / mv) : "-"
                sp = (note == "") ? sprintf("%.3f", s) : "-"
                rc = (fc > 0) ? sprintf("%.2f", c / fc) : "-"
                printf "%-6s %-15s %7d %9.3f %9s %8s %10s %7.2f %7s %8.1f%s\n", j, t, n, m, sp, rf, rm, c, rc, kb / 1024, note
            }' >>"$table"
    done
    unset times cpus peaks failed planned
done
done

cat "$table"
