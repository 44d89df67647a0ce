#!/usr/bin/env bash
# Checks one piece of the desktop integration (desktop/):
#   check.sh entry    FILE.desktop
#   check.sh metainfo FILE.metainfo.xml VERSION
#   check.sh mime     FILE.mime.xml
#   check.sh man-cli  pictavo-cli.1 PICTAVO_CLI VERSION
#   check.sh man-gui  pictavo.1     PICTAVO     VERSION
# Prints what is wrong and exits 1 when anything is.
set -euo pipefail

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "missing $1 (scripts/install-deps.sh)" >&2; exit 1; }; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The value of KEY in the [Desktop Entry] group of FILE.
entry_value() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"; }

# man_lint PAGE: groff reads the page without a warning.
man_lint() {
  need groff
  LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z -rCHECKSTYLE=3 "$1" 2>"$work/groff" || fail "groff failed on $1"
  [ ! -s "$work/groff" ] || fail "groff warns about $1: $(cat "$work/groff")"
}

# Every "does it contain" test reads from a process substitution rather than
# a pipe: grep -q stops reading at the first match, and under pipefail the
# writer's SIGPIPE would make a match count as a failure.

# The page's text with roff's escaped hyphens as plain ones.
page_text() { sed 's/\\-/-/g' "$1"; }

# long_options: the --options named on standard input, one a line.
long_options() { grep -oE -- '--[a-z][a-z0-9-]*' | sort -u; }

# man_names_options PAGE HELP_TEXT_FILE: every long option of the help text
# is in the page.
man_names_options() {
  local option
  while read -r option; do
    grep -qF -- "$option" < <(page_text "$1") || fail "$1 does not describe $option"
  done < <(long_options <"$2")
}

# man_options_exist PAGE HELP_TEXT_FILE: every long option the page names is
# one the program knows.
man_options_exist() {
  local option
  while read -r option; do
    grep -qxF -- "$option" < <(long_options <"$2") || fail "$1 names $option, which no --help knows"
  done < <(page_text "$1" | long_options)
}

# man_version PAGE VERSION: the page's title line carries the version.
man_version() {
  grep -qE "^\.TH .*\"Pictavo $2\"" "$1" || fail "$1: the .TH line does not name Pictavo $2"
}

case "${1:-}" in
  entry)
    need desktop-file-validate
    file=$2
    id=$(basename "$file" .desktop)
    desktop-file-validate "$file" >"$work/out" 2>&1 || fail "desktop-file-validate rejects $file"
    [ ! -s "$work/out" ] || fail "desktop-file-validate: $(cat "$work/out")"
    [ "$(entry_value "$file" Exec)" = "pictavo %f" ] || fail "Exec is not \"pictavo %f\""
    [ "$(entry_value "$file" Icon)" = "$id" ] || fail "Icon is not the application id $id"
    grep -qx application/x-pictavo-album < <(entry_value "$file" MimeType | tr ';' '\n') ||
      fail "MimeType lacks application/x-pictavo-album"
    grep -qx Photography < <(entry_value "$file" Categories | tr ';' '\n') || fail "Categories lack Photography"
    ;;
  metainfo)
    need appstreamcli
    file=$2 version=$3
    id=$(basename "$file" .metainfo.xml)
    appstreamcli validate --no-net "$file" >"$work/out" 2>&1 ||
      fail "appstreamcli rejects $file: $(cat "$work/out")"
    grep -q "<id>$id</id>" "$file" || fail "the component id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$file" ||
      fail "the launchable is not $id.desktop"
    newest=$(grep -oE '<release version="[^"]+"' "$file" | head -1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] ||
      fail "the newest release in $file is \"$newest\", the project's version is $version: add a <release>"
    grep -q '/doc/screenshots/main-window.png</image>' "$file" || fail "no screenshot of the main window"
    ;;
  mime)
    need update-mime-database
    mkdir -p "$work/mime/packages"
    cp "$2" "$work/mime/packages/"
    XDG_DATA_DIRS=$work XDG_DATA_HOME=$work update-mime-database "$work/mime" >"$work/out" 2>&1 || fail "update-mime-database failed"
    [ ! -s "$work/out" ] || fail "update-mime-database: $(cat "$work/out")"
    grep -qxE '[0-9]+:application/x-pictavo-album:\*\.www' "$work/mime/globs2" ||
      fail "the database maps no *.www to application/x-pictavo-album"
    grep -q '<comment>Pictavo photo album</comment>' "$work/mime/application/x-pictavo-album.xml" 2>/dev/null ||
      fail "the type has no comment in the database"
    ;;
  man-cli)
    page=$2 cli=$3 version=$4
    man_lint "$page"
    man_version "$page" "$version"
    "$cli" --help >"$work/usage"
    mapfile -t commands < <(sed -n '/^commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p' "$work/usage")
    [ ${#commands[@]} -ge 8 ] || fail "pictavo-cli --help lists ${#commands[@]} commands, expected eight or more"
    cp "$work/usage" "$work/all-help"
    for command in "${commands[@]}"; do
      grep -qE "^\.BR? $command( |,|\$)" < <(page_text "$page") || fail "$page has no entry for the command $command"
      "$cli" "$command" --help >"$work/help" || fail "pictavo-cli $command --help failed"
      man_names_options "$page" "$work/help"
      cat "$work/help" >>"$work/all-help"
    done
    echo "--version --help" >>"$work/all-help"
    man_options_exist "$page" "$work/all-help"
    for status in 0 1 2 3; do
      grep -qx "\.B $status" < <(sed -n '/^\.SH EXIT STATUS/,/^\.SH/p' "$page") || fail "$page: exit status $status is not described"
    done
    grep -qE " $version\$" < <("$cli" --version) || fail "pictavo-cli --version does not print $version"
    ;;
  man-gui)
    page=$2 program=$3 version=$4
    man_lint "$page"
    man_version "$page" "$version"
    "$program" --help >"$work/help" || fail "pictavo --help failed"
    man_names_options "$page" "$work/help"
    man_options_exist "$page" "$work/help"
    grep -q 'ALBUM.www' "$work/help" || fail "pictavo --help names no ALBUM.www argument"
    grep -qE " $version\$" < <("$program" --version) || fail "pictavo --version does not print $version"
    ;;
  *)
    echo "usage: $0 entry|metainfo|mime|man-cli|man-gui ARGS..." >&2
    exit 2
    ;;
esac

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "ok: $1"
