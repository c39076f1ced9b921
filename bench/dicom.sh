#!/usr/bin/env bash
# The DICOM overview of a folder of 200 files (copies of the test files, a quarter of them plans
# with blocks) as one whole process, side by side in one hyperfine run with
#   (a) one batched dcmdump +F run over the same files (plain, and with the two +P options
#       that the overview's first run uses) and
#   (b) one dcmdump process per file: Modality, then Block Sequence, then the full dump.
# Called by ./scripts/bench dicom with the build folder as $1.
set -euo pipefail
build=${1:?build folder}
cli="$build/quellvantar-cli"
data=$(cd "$(dirname "$0")/../tests/data/dicom" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/ordner" "$work/dumps"

mit=("$data"/rtplan_electron_aperture_*.dcm)
ohne=()
for f in "$data"/*.dcm; do
  case "$f" in *rtplan_electron_aperture_*) ;; *) ohne+=("$f") ;; esac
done
for i in $(seq 0 49); do cp "${mit[$((i % ${#mit[@]}))]}" "$work/ordner/plan_$i.dcm"; done
for i in $(seq 0 149); do cp "${ohne[$((i % ${#ohne[@]}))]}" "$work/ordner/datei_$i.dcm"; done

# (b) as a plain script: up to three runs per file, the dump of each written to a work file.
cat > "$work/einzeln.sh" <<'SH'
for f in "$1"/*; do
  dcmdump +P 0008,0060 "$f" > "$2/Plan.dump" 2>/dev/null || true
  if [ "$(sed -n '1s/^[^[]*\[\([^]]*\)\].*/\1/p' "$2/Plan.dump")" = RTPLAN ]; then
    dcmdump +P 300a,00f4 "$f" > "$2/Plan.dump" 2>/dev/null || true
    if [ "$(wc -l < "$2/Plan.dump")" -gt 1 ]; then
      dcmdump +L "$f" > "$2/Plan.dump" 2>/dev/null || true
    fi
  fi
done
SH

plaene=$("$cli" dicom "$work/ordner" | grep -c '"Datei"')
echo "Ordner: $(ls "$work/ordner" | wc -l) Dateien, davon $plaene Pläne mit Blöcken"

hyperfine --ignore-failure --warmup 1 --runs 5 --export-json "$work/result.json" \
  -n quellvantar "$cli dicom $work/ordner" \
  -n batched "dcmdump +F $work/ordner/*" \
  -n batched-P "dcmdump +F +P 0008,0060 +P 300a,00f4 $work/ordner/*" \
  -n per-file "bash $work/einzeln.sh $work/ordner $work/dumps"

python3 - "$work/result.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
q = r["quellvantar"]["median"]
a = r["batched"]["median"]
p = r["batched-P"]["median"]
b = r["per-file"]["median"]
print(f"median quellvantar {q*1000:.1f} ms, batched dcmdump +F {a*1000:.1f} ms, "
      f"batched +F +P {p*1000:.1f} ms, one process per file {b*1000:.1f} ms")
print(f"quellvantar / batched = {q/a:.2f} (target <= 2), quellvantar / batched +P = {q/p:.2f}, "
      f"per-file / quellvantar = {b/q:.1f} (target >= 20)")
PY
