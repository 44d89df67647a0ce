#!/usr/bin/env bash
# Builds pictavo when needed and starts it on the bundled sample album (a
# copy with full paths, written to /tmp/pictavo-sample-album.www).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_TARGETS="pictavo pictavo-cli pictavo_data" scripts/build.sh build
album=/tmp/pictavo-sample-album.www
build/cli/pictavo-cli save --base samples samples/sample.www "$album" >/dev/null
exec build/shell/app/pictavo "$album"
