#!/usr/bin/env bash
# Sets up, builds and runs the program's main job: the demo project, built
# into a CD folder and opened in the program window when a display is present.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
rm -rf build/demo
build/bin/Tovald demo build/demo
echo
echo "The CD folder is $(pwd)/build/demo/cd"
echo "Its menu: $(pwd)/build/demo/cd/rnv.exe (or rnv.exe --screenshot menu.png to render it to a picture)"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening the demo project in the program window ..."
  exec build/bin/Tovald build/demo/demo.qvp
else
  echo "No display: the program window stays closed (Tovald build/demo/demo.qvp opens it on a desktop)."
fi
