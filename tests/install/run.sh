#!/usr/bin/env bash
# Makes the Debian package from a build and installs it on a clean system:
#   tests/install/run.sh BUILD_DIR
# The clean system is a fresh Debian 12 (debootstrap --variant=minbase
# bookworm), copied from a cached base for every run; the package goes in
# with `apt-get install ./pictavo_*.deb` inside it, which also fetches its
# dependencies. Then, inside that system:
# - the package's fields (name, section, maintainer, computed dependencies);
# - pictavo-cli --version, pictavo --version (offscreen) and
#   pictavo-viewer --help run, and ldd finds every library of the programs;
# - pictavo-cli exports the sample album (samples/) and the site holds the
#   navigation buttons of the installed data folder; cd-export copies its
#   slide-show viewer;
# - the .desktop file, the MIME type XML, the icons, the metainfo and the
#   manual pages are where they belong;
# - with shared-mime-info and xdg-utils installed, a .www file is
#   application/x-pictavo-album and pictavo its default program; installing
#   the package again runs the MIME database trigger; removing the package
#   removes its files and its type.
# The base system is cached in PICTAVO_CHROOT_CACHE (default
# /var/cache/pictavo-chroot), with the downloaded packages, so reruns take
# about a minute. Needs root (debootstrap, chroot, mount).
# When the Debian mirror (PICTAVO_DEBIAN_MIRROR, default
# http://deb.debian.org/debian) cannot be reached to make the base, or with
# PICTAVO_INSTALL_CHROOT=0, the package is unpacked with `dpkg --root` into a
# scratch folder instead and the checks that need no chroot run on the host.
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
repo=$(cd "$(dirname "$0")/../.." && pwd)
cache=${PICTAVO_CHROOT_CACHE:-/var/cache/pictavo-chroot}
mirror=${PICTAVO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
app_id=io.github.pictavo.Pictavo
started=$SECONDS

[ "$(id -u)" -eq 0 ] || { echo "$0 needs root (chroot, mount, debootstrap)" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh)" >&2; exit 1; }
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build/CMakeCache.txt" >&2; exit 1; }

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# check NAME COMMAND...: passes when the command succeeds.
check() {
  local name=$1
  shift
  if "$@"; then pass "$name"; else fail "$name"; fi
}

work=$(mktemp -d /var/tmp/pictavo-install.XXXXXX)
root=$work/root
cleanup() {
  local mounted
  for mounted in "$root/proc"; do
    mountpoint -q "$mounted" 2>/dev/null && umount "$mounted"
  done
  # Never delete through a mount that is still there.
  if findmnt -rn -o TARGET | grep -q "^$work/"; then
    echo "warning: $work still has mounts; left in place" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

# --- the package ---------------------------------------------------------------
echo "== making the package"
cmake --build "$build" --parallel "$(nproc)" >/dev/null
rm -f "$build"/pictavo_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; exit 1; }
debs=("$build"/pictavo_*.deb)
[ -f "${debs[0]}" ] && [ ${#debs[@]} -eq 1 ] || { echo "cpack made no single pictavo_*.deb" >&2; exit 1; }
deb=${debs[0]}
echo "$(basename "$deb"): $(du -h "$deb" | cut -f1)"

field() { dpkg-deb -f "$deb" "$1"; }
check "package name pictavo" test "$(field Package)" = pictavo
check "package version $version" test "$(field Version)" = "$version"
check "section graphics" test "$(field Section)" = graphics
check "maintainer with an address" grep -qE '<[^@>]+@[^>]+>' <<<"$(field Maintainer)"
for dependency in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libjpeg62-turbo libpng16-16 libtiff6 libopenjp2-7; do
  check "depends on $dependency" grep -qE "(^|, )$dependency( |,|\$)" <<<"$(field Depends)"
done

# --- the clean system ----------------------------------------------------------
use_chroot=${PICTAVO_INSTALL_CHROOT:-1}
base=$cache/bookworm-minbase
if [ "$use_chroot" = 1 ] && [ ! -f "$base/.complete" ]; then
  if command -v debootstrap >/dev/null; then
    echo "== making the base system with debootstrap (once; cached in $base)"
    mkdir -p "$cache"
    rm -rf "$base.new"
    if debootstrap --variant=minbase bookworm "$base.new" "$mirror" >"$work/debootstrap.log" 2>&1; then
      touch "$base.new/.complete"
      rm -rf "$base"
      mv "$base.new" "$base"
    else
      tail -5 "$work/debootstrap.log" >&2
      echo "debootstrap could not make the base system from $mirror; falling back to dpkg --root" >&2
      rm -rf "$base.new"
      use_chroot=0
    fi
  else
    echo "debootstrap is missing (scripts/install-deps.sh); falling back to dpkg --root" >&2
    use_chroot=0
  fi
fi

# sys: the installed system's root as the host sees it; at: the same root as
# the commands run by `inside` see it.
if [ "$use_chroot" = 1 ]; then
  echo "== installing into a fresh Debian 12"
  cp -a "$base" "$root"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # A Debian 12 as installed: the point releases and the security updates too.
  cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror%/debian}/debian-security bookworm-security main
SOURCES
  mkdir -p "$cache/archives"
  cp "$cache/archives/"*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
  mount -t proc proc "$root/proc"
  sys=$root
  at=""
  inside() {
    chroot "$root" env -i HOME=/root LANG=C.UTF-8 PATH=/usr/sbin:/usr/bin:/sbin:/bin \
      DEBIAN_FRONTEND=noninteractive "$@"
  }
  apt_install() {
    inside apt-get install -y -q --no-install-recommends "$@" >>"$work/apt.log" 2>&1 ||
      { tail -20 "$work/apt.log" >&2; return 1; }
  }
  inside apt-get update -q >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }
  cp "$deb" "$root/tmp/"
  chmod 644 "$root/tmp/$(basename "$deb")"
  # Only the package's own dependencies, so that they are shown to suffice.
  if apt_install "/tmp/$(basename "$deb")"; then pass "apt-get install ./$(basename "$deb")"
  else
    fail "apt-get install ./$(basename "$deb")"
    exit 1
  fi
  cp -n "$root/var/cache/apt/archives/"*.deb "$cache/archives/" 2>/dev/null || true
else
  echo "== unpacking with dpkg --root into a scratch folder (no chroot)"
  mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info" "$root/tmp"
  touch "$root/var/lib/dpkg/status"
  if dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb" >"$work/dpkg.log" 2>&1; then
    pass "dpkg --root -i $(basename "$deb")"
  else
    cat "$work/dpkg.log" >&2
    fail "dpkg --root -i $(basename "$deb")"
    exit 1
  fi
  sys=$root
  at=$root
  inside() {
    env -i HOME=/root LANG=C.UTF-8 PATH="$root/usr/bin:/usr/sbin:/usr/bin:/sbin:/bin" "$@"
  }
fi

# --- the programs ----------------------------------------------------------------
echo "== the installed programs"
programs=(pictavo pictavo-cli pictavo-viewer)
for program in "${programs[@]}"; do
  check "$program installed in /usr/bin" test -x "$sys/usr/bin/$program"
done
if [ "$use_chroot" = 1 ]; then
  for program in "${programs[@]}"; do
    missing=$(inside ldd "/usr/bin/$program" | grep 'not found' || true)
    check "ldd $program finds every library${missing:+ (missing: $missing)}" test -z "$missing"
  done
  # Qt loads these at run time; the package's dependencies must bring them.
  for plugin in platforms/libqoffscreen.so platforms/libqxcb.so iconengines/libqsvgicon.so; do
    found=$(find "$sys/usr/lib" -path "*/qt6/plugins/$plugin" | head -1)
    check "Qt plug-in $plugin installed" test -n "$found"
  done
fi

out=$(inside "$at/usr/bin/pictavo-cli" --version 2>&1) || true
check "pictavo-cli --version prints \"pictavo-cli $version\" (got \"$out\")" test "$out" = "pictavo-cli $version"
out=$(inside env QT_QPA_PLATFORM=offscreen "$at/usr/bin/pictavo" --version 2>/dev/null) || true
check "pictavo --version prints \"Pictavo $version\" (got \"$out\")" test "$out" = "Pictavo $version"
out=$(inside env QT_QPA_PLATFORM=offscreen "$at/usr/bin/pictavo-viewer" --help 2>/dev/null) || true
check "pictavo-viewer --help describes --slideshow" grep -q -- --slideshow <<<"$out"

echo "== exporting the sample album with the installed pictavo-cli"
cp -r "$repo/samples" "$sys/tmp/samples"
data=$sys/usr/share/pictavo
for button in "$repo"/dist/button/*.gif; do
  cmp -s "$button" "$data/button/$(basename "$button")" || fail "installed button $(basename "$button") differs from dist/"
done
cmp -s "$build/dist/lumabox.exe" "$data/lumabox.exe" || fail "installed lumabox.exe differs from the build's"
if [ "$use_chroot" = 0 ]; then
  # The build folder's data is there too on this host; marked installed
  # copies show which one the programs take.
  for file in "$data"/button/*.gif "$data/lumabox.exe"; do printf 'installed' >>"$file"; done
fi
cli=$at/usr/bin/pictavo-cli
if inside "$cli" save --base "$at/tmp/samples" "$at/tmp/samples/sample.www" "$at/tmp/album.www" \
  >"$work/save.log" 2>&1; then pass "pictavo-cli save --base"
else
  cat "$work/save.log" >&2
  fail "pictavo-cli save --base"
fi
status=0
inside "$cli" export "$at/tmp/album.www" --to "$at/tmp/site" >"$work/export.out" 2>"$work/export.err" || status=$?
check "pictavo-cli export exits 0 (got $status$(sed 's/^/; /' "$work/export.err" | tr -d '\n'))" test $status -eq 0
check "pictavo-cli export prints the entry page" grep -qx "$at/tmp/site/index.htm" "$work/export.out"
check "the site has index.htm" test -s "$sys/tmp/site/index.htm"
for button in "$data"/button/*.gif; do
  name=$(basename "$button")
  check "the site holds the installed button $name" cmp -s "$button" "$sys/tmp/site/files/image/$name"
done
status=0
inside "$cli" cd-export "$at/tmp/album.www" --to "$at/tmp/cd" >"$work/cd.out" 2>"$work/cd.err" || status=$?
check "pictavo-cli cd-export exits 0 (got $status$(sed 's/^/; /' "$work/cd.err" | tr -d '\n'))" test $status -eq 0
check "the CD album holds the installed viewer lumabox.exe" cmp -s "$data/lumabox.exe" "$sys/tmp/cd/lumabox.exe"

# --- the desktop files -----------------------------------------------------------
echo "== desktop files"
share=$sys/usr/share
check "data folder /usr/share/pictavo" test -d "$share/pictavo/button"
check "/usr/share/applications/$app_id.desktop" grep -qx 'Exec=pictavo %f' "$share/applications/$app_id.desktop"
check "/usr/share/mime/packages/$app_id.xml" grep -qs 'application/x-pictavo-album' "$share/mime/packages/$app_id.xml"
check "/usr/share/metainfo/$app_id.metainfo.xml" grep -q "<id>$app_id</id>" "$share/metainfo/$app_id.metainfo.xml"
check "scalable icon" cmp -s "$repo/resources/icons/app.svg" "$share/icons/hicolor/scalable/apps/$app_id.svg"
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
  check "${size}x${size} icon" grep -q "PNG image data, $size x $size," <<<"$(file -b "$png" 2>&1)"
done
# man_page PAGE: the compressed page reads as PAGE(1), with hyphens unescaped.
man_page() {
  zcat "$share/man/man1/$1.1.gz" 2>/dev/null | sed 's/\\-/-/g' >"$work/page" &&
    grep -qi "^\.TH $1 1 " "$work/page" && grep -q "^$1 - " "$work/page"
}
for page in pictavo pictavo-cli; do
  check "manual page $page(1)" man_page "$page"
done

echo "== MIME type and default program"
if [ "$use_chroot" = 1 ]; then
  cp "$repo/samples/sample.www" "$root/tmp/holiday.www"
  if apt_install shared-mime-info xdg-utils libfile-mimeinfo-perl desktop-file-utils; then
    pass "apt-get install shared-mime-info xdg-utils libfile-mimeinfo-perl desktop-file-utils"
  else
    fail "apt-get install shared-mime-info xdg-utils libfile-mimeinfo-perl desktop-file-utils"
  fi
  cp -n "$root/var/cache/apt/archives/"*.deb "$cache/archives/" 2>/dev/null || true
  db_type=$root/usr/share/mime/application/x-pictavo-album.xml
  check "the MIME database has application/x-pictavo-album" test -f "$db_type"
  out=$(inside xdg-mime query filetype /tmp/holiday.www 2>&1) || true
  check "xdg-mime: holiday.www is application/x-pictavo-album (got \"$out\")" test "$out" = application/x-pictavo-album
  out=$(inside xdg-mime query default application/x-pictavo-album 2>&1) || true
  check "xdg-mime: the default program is $app_id.desktop (got \"$out\")" test "$out" = "$app_id.desktop"

  # The database follows the package through shared-mime-info's trigger.
  rm -f "$db_type"
  inside apt-get install -y -q --reinstall "/tmp/$(basename "$deb")" >>"$work/apt.log" 2>&1 || true
  check "installing the package updates the MIME database" test -f "$db_type"
  inside apt-get remove -y -q pictavo >>"$work/apt.log" 2>&1 || true
  check "apt-get remove pictavo removes the programs" test ! -e "$root/usr/bin/pictavo-cli"
  check "apt-get remove pictavo removes the data folder" test ! -e "$root/usr/share/pictavo"
  check "apt-get remove pictavo removes the MIME type" test ! -e "$db_type"
else
  XDG_DATA_DIRS=$share update-mime-database "$share/mime" >/dev/null 2>&1 || true
  check "update-mime-database maps *.www to application/x-pictavo-album" \
    grep -qxE '[0-9]+:application/x-pictavo-album:\*\.www' "$share/mime/globs2"
  echo "note: no chroot, so xdg-mime, the trigger and removal were not checked" >&2
fi

echo "install test took $((SECONDS - started)) s"
if [ $failures -ne 0 ]; then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "all install checks passed"
