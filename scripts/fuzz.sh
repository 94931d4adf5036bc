#!/usr/bin/env bash
# Builds the libFuzzer target of every reader with clang and runs each for
# SECONDS (default 60) from its seeds (shipped assets) with its dictionary.
# A finding stops with the target's name and leaves the input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! [ "$seconds" -gt 0 ] 2>/dev/null; then
  echo "usage: scripts/fuzz.sh [SECONDS]  (SECONDS > 0, default 60)" >&2
  exit 2
fi
bash scripts/setup-debian.sh
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if ! command -v clang++ >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y clang libclang-rt-14-dev
fi
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DQUENVAR_FUZZ=ON \
  -DQUENVAR_TESTS=OFF -DQUENVAR_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_targets

# Seeds: the shipped files of each format; the runtime's seed joins the
# files of the sample CFG folder as the target splits them.
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{profile,project,category,icon,design,language,runtime}
cp assets/Files/*.qvc assets/Files/*.qvd assets/Files/lang_*.dat assets/Files/language*.dat "$seeds/profile/"
cp assets/Files/*.qvc "$seeds/category/"
find assets/genre -name '*.qvc' -exec cp {} "$seeds/category/" \;
find assets/Files -maxdepth 1 -name '*.ico' | head -n 8 | xargs -I{} cp {} "$seeds/icon/"
cp assets/Files/*.qvd "$seeds/design/"
find assets/menudesign -name '*.qvd' -exec cp {} "$seeds/design/" \;
cp assets/Files/lang_*.dat "$seeds/language/"
cp fuzz/seeds/project/* "$seeds/project/"
cfg=assets/Files/CFG
{ cat "$cfg/genre.cfg"; printf '\n----\n'; cat assets/Files/Standard.qvd; printf '\n----\n'; cat "$cfg/members.cfg"
  printf '\n----\n'; cat "$cfg/membersd/m0-0.dat"; printf '\n----\n'; cat "$cfg/membersd/m2-0.dat"
  printf '\n----\n'; cat assets/Files/language1.dat; } > "$seeds/runtime/sample-cd"

# Allocations the platform libraries keep for the life of the process are theirs.
export LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizer/lsan.supp:print_suppressions=0"
mkdir -p build-fuzz/findings build-fuzz/corpus
status=0
for target in profile project category icon design language runtime; do
  bin=build-fuzz/fuzz/fuzz_$target
  [ -x "$bin" ] || continue
  dict=fuzz/dict/$target.dict
  [ -f "$dict" ] || dict=fuzz/dict/profile.dict
  mkdir -p "build-fuzz/corpus/$target"
  echo "== $target: $seconds s"
  if ! "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -dict="$dict" \
       -artifact_prefix="build-fuzz/findings/$target-" -print_final_stats=1 \
       "build-fuzz/corpus/$target" "$seeds/$target" 2>"build-fuzz/$target.log"; then
    echo "FINDING in $target (see build-fuzz/$target.log and build-fuzz/findings/)"
    tail -n 40 "build-fuzz/$target.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "build-fuzz/$target.log" | tr '\n' ' '
    echo
  fi
done
exit $status
