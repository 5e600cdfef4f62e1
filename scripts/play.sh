#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# play.sh: builds Tolvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release
exec build-release/platform/qt/tolvane
