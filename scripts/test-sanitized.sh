#!/usr/bin/env bash
# Builds a second tree, build-asan/, with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, and runs the core, link and widget tests in it.
# Any finding fails its test. The end-to-end tests run in the normal build only
# (scripts/test.sh). Options and the label filter live in CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
