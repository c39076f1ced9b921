#!/usr/bin/env bash
# The whole `struktur` command (150 slices of 200 points, 5 mm margin) beside the DICOM library's
# own read of the same two files, in one hyperfine run. Called by ./scripts/bench struktur with
# the build folder as $1.
set -euo pipefail
build=${1:?build folder}
cli="$build/quellvantar-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/bench_struktur" --dateien "$work"
echo "Dateien: plan.dcm $(stat -c %s "$work/plan.dcm") Bytes, struktur.dcm $(stat -c %s "$work/struktur.dcm") Bytes"
"$cli" struktur "$work/plan.dcm" 0 "$work/struktur.dcm" PTV --rand 5 > "$work/aus.json"
echo "Umrisse: $(grep -c '^    \[' "$work/aus.json"), Zeichen der Ausgabe: $(wc -c < "$work/aus.json")"

hyperfine --warmup 2 --runs 20 --export-json "$work/result.json" \
  -n struktur "$cli struktur $work/plan.dcm 0 $work/struktur.dcm PTV --rand 5" \
  -n dcmtk-lesen "$build/bench/qv_dcmtk_lesen $work/plan.dcm $work/struktur.dcm"

python3 - "$work/result.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
s = r["struktur"]["median"]
d = r["dcmtk-lesen"]["median"]
print(f"median struktur {s*1000:.1f} ms, DICOM library read of both files {d*1000:.1f} ms, "
      f"ratio {s/d:.2f} (target < 2)")
PY
