#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# play.sh: builds Tolvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${BUILD_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release
exec build-release/platform/qt/tolvane
