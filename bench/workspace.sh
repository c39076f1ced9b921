#!/usr/bin/env bash
# Whole-process rotation of a 4000 x 3000 screenshot by 17 degrees, BMP in and BMP out,
# side by side with ImageMagick and libvips (nearest neighbour) in one hyperfine run.
# Called by ./scripts/bench workspace with the build folder as $1.
set -euo pipefail
build=${1:?build folder}
cli="$build/quellvantar-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A noisy test picture (noise keeps every codec and cache honest).
convert -size 4000x3000 xc: +noise Random -depth 8 -type TrueColor "BMP3:$work/in.bmp"
vips copy "$work/in.bmp" "$work/in.v"

hyperfine --warmup 2 --runs 10 --export-json "$work/result.json" \
  -n quellvantar "$cli bild-drehen $work/in.bmp $work/out_q.bmp 17" \
  -n imagemagick "convert $work/in.bmp -filter point -background white -rotate 17 $work/out_im.bmp" \
  -n vips "vips rotate $work/in.v $work/out_v.v 17 --interpolate nearest"

python3 - "$work/result.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
q = r["quellvantar"]["median"]
for name in ("imagemagick", "vips"):
    m = r[name]["median"]
    print(f"median quellvantar {q*1000:.1f} ms, {name} {m*1000:.1f} ms, ratio {q/m:.3f}")
PY
