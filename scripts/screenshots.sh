#!/usr/bin/env bash
# Starts pictavo under Xvfb on the bundled sample album and saves
# screenshots: the main window in English (doc/screenshots/main-window.png,
# also the manual's picture) and in Simplified Chinese
# (doc/screenshots/main-window-zh_CN.png).
# usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
BUILD_TARGETS="pictavo pictavo-cli pictavo_data" scripts/build.sh "$build"
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done

work=$(mktemp -d)
cleanup() {
  kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

# A settings folder of its own, without the Tip of the Day.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/Pictavo"
printf 'ShowTipsAtStartup=0\n' >"$XDG_CONFIG_HOME/Pictavo/Pictavo.ini"
"$build/cli/pictavo-cli" save --base samples samples/sample.www "$work/sample.www" >/dev/null

mkdir -p doc/screenshots
shoot() { # language output
  LANGUAGE=$1 QT_DEBUG_PLUGINS=${QT_DEBUG_PLUGINS:-0} "$build/shell/app/pictavo" "$work/sample.www" >"$work/app.log" 2>&1 &
  app_pid=$!
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name 'sample\.www' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "pictavo did not show its window" >&2; cat "$work/app.log" >&2; exit 1; }
  sleep 1  # let it paint
  import -window root "$2"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  echo "$2"
}
shoot en_US doc/screenshots/main-window.png
shoot zh_CN doc/screenshots/main-window-zh_CN.png
cp doc/screenshots/main-window.png dist/help/images/main-window.png
