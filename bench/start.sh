#!/usr/bin/env bash
# Start-up: from process start to the first painted main window (demonstration customer,
# mode 0), side by side in one hyperfine run with a minimal Qt Widgets program that shows one
# window. Both end after their first paint (the program under QV_START_MESSEN). Wall clock
# under one Xvfb server; hyperfine prints medians, the ratio is printed last.
# Called by ./scripts/bench start with the build folder as $1.
set -euo pipefail
build=${1:?build folder}
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A portable program folder with the demonstration customer as the person's customer data.
mkdir "$work/programm" "$work/laufzeit"
chmod 700 "$work/laufzeit"
cp "$build/quellvantar" "$build/QuellvantarConfig.cfg" "$build/DemoKunde.cfg" "$work/programm/"
cp "$build/DemoKunde.cfg" "$work/programm/Kunde.cfg"
printf '[Init]\r\nModusIndex=0\r\nStartAssistent=0\r\nHelp=0\r\n' > "$work/programm/QuellvantarIni.ini"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
export DISPLAY=$display XDG_RUNTIME_DIR=$work/laufzeit QV_START_MESSEN=1
unset QT_QPA_PLATFORM

hyperfine --warmup 3 --runs "${QV_BENCH_RUNS:-20}" --export-json "$work/start.json" \
  -n quellvantar "$work/programm/quellvantar" \
  -n minimal "$build/bench/qv_minimal_window"
awk '/"command"/ { gsub(/[",]/, "", $2); name = $2 }
     /"median"/ { gsub(/,/, "", $2); m[name] = $2 }
     END { printf "Median: quellvantar %.1f ms, minimal %.1f ms, Verhältnis %.2f\n",
                  m["quellvantar"] * 1000, m["minimal"] * 1000, m["quellvantar"] / m["minimal"] }' "$work/start.json"
