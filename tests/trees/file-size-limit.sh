#!/usr/bin/env bash
# Runs the trees tests' save past a full disk: under a process file-size
# limit every write beyond it fails (SIGXFSZ ignored, so the write returns an
# error instead of ending the process). Argument: trees_tests.exe.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/wine-env.sh"
wine_select "$(wine_arch_of "$1")"
# The display and the wine server start here, without the limit: the server
# outlives this test and writes the prefix's registry.
wine_env_up
export DOVUV32_FILE_SIZE_LIMIT_KB=64
trap "" XFSZ
ulimit -f "$DOVUV32_FILE_SIZE_LIMIT_KB"
exec "$wine" "$1" --gtest_brief=1 --gtest_filter='XMLTreeSaveTest.SaveBeyondTheFileSizeLimitKeepsTheFile'
