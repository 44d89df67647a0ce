#!/usr/bin/env bash
# Browser test: exports the sample album with the given build and checks the
# site in headless Chromium (every page reachable from index.htm, every image
# shown). usage: tests/browser/run.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)

if [ ! -d "$here/node_modules/playwright-core" ]; then
  (cd "$here" && npm ci --no-audit --no-fund >/dev/null)
fi
out=$(mktemp -d /tmp/pictavo-browser-XXXXXX)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$build/cli/pictavo-cli" export "$root/samples/sample.www" \
  --to "$out/site" >/dev/null
node "$here/check-site.mjs" "$out/site"
