#!/usr/bin/env bash
# Builds everything and runs every test, then each fuzz target for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash scripts/fuzz.sh 5
