#!/usr/bin/env bash
# Draws every view of the program anew into its reference picture, tests/fixtures/views/<view>.png,
# dropping the pictures of views that are gone, and lists the pictures that changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
rm -f tests/fixtures/views/*.png
ARVOK_REWRITE_VIEWS=1 ctest --test-dir build -R '^test_views/' --output-on-failure
git status --short tests/fixtures/views
