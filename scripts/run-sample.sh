#!/usr/bin/env bash
# Installs what is needed, builds, and runs the main job on the bundled
# sample album: writes a copy of it with full paths (OUT_DIR-album.www),
# prints that album as JSON, exports it as a web site and prints the path of
# the site's entry page (open it in a browser).
# usage: scripts/run-sample.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Only the programs this job runs (and their data folder), not the tests.
BUILD_TARGETS="pictavo-cli pictavo_data" scripts/build.sh build
out=${1:-/tmp/pictavo-sample}
# The bundled album names its files relative to its own folder; a copy with
# full paths (as album files hold them) is written beside the output folder.
album="${out%/}-album.www"
build/cli/pictavo-cli save --base samples samples/sample.www "$album"
build/cli/pictavo-cli dump "$album"
QT_QPA_PLATFORM=offscreen build/cli/pictavo-cli export "$album" --to "$out" --force
