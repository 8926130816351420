#!/bin/bash
# Renders the built teacher's guide as a browser would show it, one picture per language page and one at phone
# width, into build/guide-shots/, to look at after changing the pages. Needs wkhtmltoimage (deps.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
guide=build/run/guide
out=build/guide-shots
[ -f "$guide/screens.txt" ] || { echo "build the brevandel_guide target first" >&2; exit 1; }
mkdir -p "$out"
for page in "$guide"/index.html "$guide"/*/index.html; do
  name=$(basename "$(dirname "$page")"); [ "$page" = "$guide/index.html" ] && name=chooser
  wkhtmltoimage --quiet --enable-local-file-access --format jpg --width 1280 "$page" "$out/$name.jpg"
  wkhtmltoimage --quiet --enable-local-file-access --format jpg --width 390 "$page" "$out/$name-phone.jpg"
done
echo "pictures in $out"
