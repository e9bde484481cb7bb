#!/usr/bin/env bash
# Start-up against its floor, under Xvfb: for each program the time from its
# start until its first window is mapped (the MapNotify on the root window, as
# xev reports it) and its resident memory (VmRSS) 5 s after the start, when
# Tervalo is idle with its main window. The programs:
#   bare     a bare Qt window (bench/bare/BareWindow.cpp), the floor;
#   splash   Tervalo's splash window alone, with the program's libraries
#            (bench/bare/SplashAlone.cpp): what the window itself costs;
#   tervalo  the program.
# They run in turn, RUNS times each after a warm-up of each, in a rotating
# order; prints median, min and max of each, the ratios of the medians to the
# floor and the machine's load.
#   bench/startup_window.sh [RUNS]     (default 9)
# BUILD (default build/bench) is a Release build, configured when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
build=${BUILD:-build/bench}
names=(bare splash tervalo)
programs=("$build/bin/bench_bare_window" "$build/bin/bench_splash_alone" "$build/bin/tervalo")

if [ -z "${TERVALO_BENCH_XVFB:-}" ]; then
  if [ ! -f "$build/CMakeCache.txt" ]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
  fi
  cmake --build "$build" --target tervalo bench_bare_window bench_splash_alone >/dev/null
  # A display number of its own to start from: two runs that both try :99 at
  # once (xvfb-run -a) can leave one without a server.
  TERVALO_BENCH_XVFB=1 exec xvfb-run -a -n "$((100 + $$ % 800))" -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Settings of their own: the program starts as on a first start, every time.
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"

# One start of $1: "milliseconds-to-map resident-kB".
measure() {
  local line t0 t1 pid rss
  coproc XEV { exec stdbuf -oL xev -root -event substructure; }
  sleep 0.3  # xev is listening
  t0=$EPOCHREALTIME
  "$1" >/dev/null 2>&1 &
  pid=$!
  t1=
  while IFS= read -r -t 20 line <&"${XEV[0]}"; do
    if [[ $line == MapNotify* ]]; then t1=$EPOCHREALTIME; break; fi
  done
  sleep "$(awk -v a="$t0" -v b="$EPOCHREALTIME" 'BEGIN { s = 5 - (b - a); print (s > 0 ? s : 0) }')"
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  kill "$pid" "$XEV_PID"
  wait "$pid" "$XEV_PID" 2>/dev/null || true
  [ -n "$t1" ] || { echo "$1 mapped no window" >&2; exit 1; }
  awk -v a="$t0" -v b="$t1" -v r="$rss" 'BEGIN { printf "%.1f %d\n", (b - a) * 1000, r }'
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for p in "${programs[@]}"; do measure "$p" >/dev/null; done
for n in "${names[@]}"; do : >"$work/$n"; done
count=${#programs[@]}
for ((i = 0; i < runs; i++)); do
  for ((j = 0; j < count; j++)); do  # each run starts with the next program
    k=$(((i + j) % count))
    measure "${programs[k]}" >>"$work/${names[k]}"
  done
done

# "median min max" of column $2 of file $1.
stats() {
  cut -d' ' -f"$2" "$1" | sort -g |
    awk '{ v[NR] = $1 } END { printf "%s %s %s", (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[1], v[NR] }'
}
echo "$runs runs each, interleaved; load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-9s %30s   %30s\n' "" "first window mapped, ms" "resident after 5 s, MB"
printf '%-9s %30s   %30s\n' "" "median (min - max) x floor" "median (min - max) x floor"
read -r floor_ms _ _ <<<"$(stats "$work/bare" 1)"
read -r floor_kb _ _ <<<"$(stats "$work/bare" 2)"
for n in "${names[@]}"; do
  read -r ms ms_min ms_max <<<"$(stats "$work/$n" 1)"
  read -r kb kb_min kb_max <<<"$(stats "$work/$n" 2)"
  awk -v n="$n" -v m="$ms" -v a="$ms_min" -v b="$ms_max" -v f="$floor_ms" \
      -v k="$kb" -v c="$kb_min" -v d="$kb_max" -v g="$floor_kb" 'BEGIN {
    printf "%-9s %8.1f (%5.1f - %5.1f) %5.2fx   %8.1f (%5.1f - %5.1f) %5.2fx\n",
           n, m, a, b, m / f, k / 1024, c / 1024, d / 1024, k / g }'
done
