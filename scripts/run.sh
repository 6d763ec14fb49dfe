#!/bin/sh
# Builds and starts tellora on screen. Usage: scripts/run.sh [build-folder]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target tellora
exec "$build/bin/tellora"
