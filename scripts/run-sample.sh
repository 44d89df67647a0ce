#!/usr/bin/env bash
# Installs what is needed, builds, and runs the main job on the bundled
# sample album: exports it as a web site and prints the path of the site's
# entry page (open it in a browser). usage: scripts/run-sample.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
out=${1:-/tmp/pictavo-sample}
QT_QPA_PLATFORM=offscreen build/cli/pictavo-cli export samples/sample.www --to "$out" --force
