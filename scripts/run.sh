#!/usr/bin/env bash
# Sets up, builds and starts tellora on screen (MORVANE_HEADLESS=1 for the headless window system).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tellora
exec build/bin/tellora "$@"
