#!/usr/bin/env bash
# The file manager's thumbnail of a 4K order (3840 x 2160 template) at 256 pixels as one whole
# process, side by side in one hyperfine run with `info` of the same file (which reads the
# whole order, the picture included). Goal: vorschau under twice the time of info.
# Called by ./scripts/bench vorschau with the build folder as $1.
set -euo pipefail
build=${1:?build folder}
cli="$build/quellvantar-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A screenshot-like picture: smooth shades with fine noise, so the JPEG is of a realistic size.
convert -seed 1 -size 960x540 plasma:fractal -resize 3840x2160! -attenuate 0.3 +noise Gaussian \
  -depth 8 -type TrueColor "$work/vorlage.png"
"$cli" info "$build/Beispielauftrag.ORv" >"$work/auftrag.json"
"$cli" auftrag-schreiben "$work/auftrag.json" "$work/vorlage.png" "$work/4k.ORv" >/dev/null
echo "Auftrag: $(stat -c %s "$work/4k.ORv") Bytes, Vorlage 3840 x 2160"

hyperfine --warmup 2 --runs 20 --export-json "$work/result.json" \
  -n info "$cli info $work/4k.ORv" \
  -n vorschau "$cli vorschau $work/4k.ORv $work/vorschau.png 256"

python3 - "$work/result.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
i = r["info"]["median"]
v = r["vorschau"]["median"]
print(f"median info {i*1000:.1f} ms, vorschau 256 px {v*1000:.1f} ms, "
      f"vorschau / info = {v/i:.2f} (target < 2)")
PY
