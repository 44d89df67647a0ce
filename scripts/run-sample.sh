#!/usr/bin/env bash
# Installs what is needed, builds, and runs the main job on the bundled
# sample album.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
out=${1:-/tmp/pictavo-sample}
build/cli/pictavo-cli dump samples/sample.www
