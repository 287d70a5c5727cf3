#!/usr/bin/env bash
# Builds Vellora and runs the whole test suite headless with CTest.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

ensure_packages "${VELLORA_PACKAGES[@]}"
configure_and_build build -DVELLORA_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 300
