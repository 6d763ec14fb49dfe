#!/usr/bin/env bash
# Sets up, builds and runs the program's main job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
if [ -x build/bin/tellora ]; then
  exec build/bin/tellora "$@"
fi
echo "tellora is not built yet; running the libraries' unit tests instead."
ctest --test-dir build -L unit --output-on-failure -j"$(nproc)"
