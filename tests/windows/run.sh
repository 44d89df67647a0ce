#!/usr/bin/env bash
# Runs the shipped Windows programs under Wine on a virtual X display:
#   tests/windows/run.sh BUILD_DIR
# - lumabox.exe on a CD album made by BUILD_DIR/cli/pictavo-cli: the window
#   title names the first picture, Right and Left step, the slide show moves
#   on by itself, the Chinese texts load under a Simplified and a Traditional
#   Chinese locale, and Esc ends the program;
# - autorun.exe in a site folder asks the shell to open its index.htm (the
#   ".htm" association hands the page to winebrowser, whose browser is a
#   script here that writes down the URL it is given).
# The programs tested are BUILD_DIR/dist/lumabox.exe and autorun.exe.
# WINDOWS_TEST_WAIT sets how long (seconds) to wait for each event, default
# 120; Wine's first start in a fresh prefix takes a while.
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
wait_seconds=${WINDOWS_TEST_WAIT:-120}
lumabox=$build/dist/lumabox.exe
autorun=$build/dist/autorun.exe
cli=$build/cli/pictavo-cli
for f in "$lumabox" "$autorun" "$cli"; do
  [ -f "$f" ] || { echo "missing $f" >&2; exit 1; }
done
for tool in wine wineserver Xvfb xdotool localedef; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# Polls "$@" every 0.2 s until it succeeds or wait_seconds have passed.
wait_until() {
  local end=$((SECONDS + wait_seconds))
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

# --- virtual display, Wine prefix, Chinese locales ---------------------------
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_until test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"

export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win32
# No Mono and no Gecko: their install dialogs would wait for a click.
export WINEDLLOVERRIDES="mscoree,mshtml="
echo "== creating a Wine prefix (slow the first time)"
wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }
wineserver -w

# Wine takes the user's interface language from the Unix locale, which must
# exist; compile the two Chinese ones into the work folder.
mkdir -p "$work/locale"
for l in zh_CN zh_TW; do
  localedef -i "$l" -f UTF-8 "$work/locale/$l.UTF-8" >/dev/null 2>&1 || true
  [ -d "$work/locale/$l.UTF-8" ] || { echo "localedef $l.UTF-8 failed" >&2; exit 1; }
done

# --- the CD album ------------------------------------------------------------
album=$work/cd
"$cli" save --base "$root/samples" "$root/samples/sample.www" "$work/s.www" >/dev/null
QT_QPA_PLATFORM=offscreen "$cli" cd-export "$work/s.www" --to "$album" --force \
  --export-max 800x600 >/dev/null
cp "$lumabox" "$album/lumabox.exe"
mapfile -t pictures < <(cd "$album/image" && ls | LC_ALL=C sort)
[ ${#pictures[@]} -ge 2 ] || { echo "the CD album has fewer than two pictures" >&2; exit 1; }
first=${pictures[0]}
second=${pictures[1]}

viewer_window() { xdotool search --onlyvisible --class lumabox.exe 2>/dev/null | head -1; }
title_is() {
  local w
  w=$(viewer_window)
  [ -n "$w" ] && [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ]
}
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
current_title() {
  local w
  w=$(viewer_window)
  [ -n "$w" ] && xdotool getwindowname "$w" 2>/dev/null || echo "(no window)"
}
press() {
  local w
  w=$(viewer_window)
  [ -n "$w" ] && xdotool windowfocus --sync "$w" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers "$1"
}

# start_viewer LOCALE [ARGUMENT]: starts lumabox.exe in the background.
start_viewer() {
  LOCPATH=$work/locale LANG=$1 LC_ALL=$1 wine "$album/lumabox.exe" ${2:+"$2"} \
    >"$work/viewer.log" 2>&1 &
  program_pid=$!
}

# quit_viewer NAME: Esc must end the program, with exit status 0.
quit_viewer() {
  press Escape
  if wait_until program_ended; then
    local status=0
    wait "$program_pid" || status=$?
    if [ $status -eq 0 ]; then pass "$1: Esc quits"; else fail "$1: exit status $status after Esc"; fi
  else
    fail "$1: still running after Esc"
    kill "$program_pid" 2>/dev/null || true
    wait_until program_ended || true
  fi
  program_pid=""
}

# expect_title NAME TITLE
expect_title() {
  if wait_until title_is "$2"; then pass "$1: window title \"$2\""
  else fail "$1: window title \"$(current_title)\", expected \"$2\""; fi
}

echo "== lumabox.exe"
start_viewer C.UTF-8 /manual
expect_title "English, first picture" "Photo Album - $first"
press Right
expect_title "Right" "Photo Album - $second"
press Left
expect_title "Left" "Photo Album - $first"
quit_viewer "English"

start_viewer C.UTF-8
expect_title "slide show, next picture by itself" "Photo Album - $second"
quit_viewer "slide show"

start_viewer zh_CN.UTF-8 /manual
expect_title "Simplified Chinese" "相册 - $first"
quit_viewer "Simplified Chinese"

start_viewer zh_TW.UTF-8 /manual
expect_title "Traditional Chinese" "相簿 - $first"
quit_viewer "Traditional Chinese"

# --- autorun.exe -------------------------------------------------------------
echo "== autorun.exe"
site="$work/site ü"
mkdir -p "$site"
cp "$autorun" "$site/autorun.exe"
echo '<html><body>index</body></html>' >"$site/index.htm"
cat >"$work/browser" <<BROWSER
#!/bin/sh
printf '%s\n' "\$@" >>"$work/asked"
BROWSER
chmod +x "$work/browser"
# A Windows with a browser associates .htm with it; Wine's htmlfile opens
# through winebrowser, which starts the first program of this list.
wine reg add 'HKCR\.htm' /ve /d htmlfile /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/browser" /f >/dev/null 2>&1
wine "$site/autorun.exe" >"$work/autorun.log" 2>&1 &
program_pid=$!
asked() { [ -s "$work/asked" ]; }
expected_url="file://${work// /%20}/site%20%C3%BC/index.htm"
if wait_until asked; then
  got=$(cat "$work/asked")
  if [ "$got" = "$expected_url" ]; then pass "autorun: browser asked for $got"
  else fail "autorun: browser asked for \"$got\", expected \"$expected_url\""; fi
else
  fail "autorun: no browser was asked to open anything"
fi
if wait_until program_ended; then
  status=0
  wait "$program_pid" || status=$?
  if [ $status -eq 0 ]; then pass "autorun: exit status 0"; else fail "autorun: exit status $status"; fi
else
  fail "autorun: still running (an error message box?)"
fi
program_pid=""

if [ $failures -ne 0 ]; then
  echo "$failures Windows program check(s) failed" >&2
  exit 1
fi
echo "all Windows program checks passed"
