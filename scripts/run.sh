#!/usr/bin/env bash
# Sets up, builds and runs the program's main job: a demo project built into a CD folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
rm -rf build/demo
build/bin/Tovald demo build/demo
echo
echo "The CD folder is $(pwd)/build/demo/cd"
echo "Its menu: $(pwd)/build/demo/cd/rnv.exe (or rnv.exe --screenshot menu.png to render it to a picture)"
