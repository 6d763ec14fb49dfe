#!/usr/bin/env bash
# Makes the README's pictures: tellora's main window and its export dialog, drawn on Qt's
# offscreen screen by the program's screen tests, into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
BUILD=${BUILD:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --target tellora_tests_integration
mkdir -p docs/screenshots
MV_DESKTOP_SHOTS="$PWD/docs/screenshots" QT_QPA_PLATFORM=offscreen \
  "$BUILD/bin/tellora_tests_integration" \
  --gtest_filter='TelloraScreenTest.EveryPart*:TelloraScreenTest.Record*'
ls -l docs/screenshots/tellora-main.png docs/screenshots/tellora-export.png
