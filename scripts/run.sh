#!/usr/bin/env bash
# Sets up, builds and runs the program's main job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
build/bin/Tovald --help
