#!/usr/bin/env bash
# Checks the Debian packages that scripts/package.sh made.
#   deb-packages.sh metainfo SOURCE_DIR VERSION   the AppStream data is valid and current
#   deb-packages.sh contents PACKAGE_DIR VERSION  both packages hold what they should
#   deb-packages.sh starts   PACKAGE_DIR VERSION  the packaged game and trevinor-sav run
#   deb-packages.sh lintian  PACKAGE_DIR VERSION  lintian finds no error
# Exits 77 (skipped) only when a Debian tool is missing.
set -euo pipefail
mode=$1 dir=$2 version=$3
need() {
  command -v "$1" >/dev/null && return
  echo "skipped: $1 is missing (scripts/deps.sh all installs it)"
  exit 77
}
fail() { echo "FAIL: $*"; exit 1; }
need dpkg
arch=$(dpkg --print-architecture)
game=$dir/trevinor_${version}_$arch.deb
dev=$dir/libvuzedovi-dev_${version}_$arch.deb
need dpkg-architecture
multiarch=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
if [ "$mode" != metainfo ]; then
  [ -f "$game" ] && [ -f "$dev" ] || fail "no packages $game and $dev: run scripts/package.sh"
fi

case $mode in
metainfo)
  need appstreamcli
  metainfo=$dir/packaging/io.github.trevinor.metainfo.xml
  appstreamcli validate --no-net "$metainfo"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in $metainfo"
  head -1 "$dir/packaging/deb/changelog" | grep -qF "($version)" \
    || fail "packaging/deb/changelog does not start with $version"
  ;;
contents)
  listing() { dpkg-deb --contents "$1" | awk '{print $6}' | sed 's|^\./||'; }
  expect() { # package, then files it must list
    local list; list=$(listing "$1"); shift
    for f; do grep -qxF "$f" <<<"$list" || fail "$f is not in the package"; done
  }
  expect "$game" usr/games/trevinor usr/games/trevinor-sav usr/share/trevinor/Europe.mid \
    usr/share/trevinor/tn.mid usr/share/trevinor/vys.mid usr/share/applications/trevinor.desktop \
    usr/share/icons/hicolor/48x48/apps/trevinor.png \
    usr/share/icons/hicolor/256x256/apps/trevinor.png \
    usr/share/metainfo/io.github.trevinor.metainfo.xml usr/share/man/man1/trevinor-sav.1.gz \
    usr/share/man/man6/trevinor.6.gz usr/share/doc/trevinor/copyright \
    "$multiarch/trevinor/libvuzedovi.so.2" "$multiarch/trevinor/libtrevinor-fluidsynth.so"
  expect "$dev" "$multiarch/libvuzedovi.so" "$multiarch/libvuzedovi.so.2" \
    usr/include/vuzedovi/Tavorel.h "$multiarch/cmake/Vuzedovi/VuzedoviConfig.cmake" \
    "$multiarch/qt6/plugins/designer/libvuzedovi_designer.so" \
    usr/share/doc/libvuzedovi-dev/copyright
  files() { listing "$1" | grep -v '/$' | sort; }
  shared=$(comm -12 <(files "$game") <(files "$dev"))
  [ -z "$shared" ] || fail "both packages hold $shared"
  dpkg-deb --field "$game" Depends | grep -q libqt6widgets6 \
    || fail "no library dependencies were computed"
  ;;
starts)
  root=$(mktemp -d) && trap 'rm -rf "$root"' EXIT
  dpkg-deb -x "$game" "$root"
  # The game looks for its melodies in share/trevinor beside the folder it runs from.
  for melody in Europe tn vys; do
    [ -f "$root/usr/games/../share/trevinor/$melody.mid" ] \
      || fail "$melody.mid is not where the game looks"
  done
  library=$(env -u LD_LIBRARY_PATH ldd "$root/usr/games/trevinor" | awk '/vuzedovi/ {print $3}')
  own=$root/$multiarch/trevinor/libvuzedovi.so.2
  [ "$(realpath -e "$library")" = "$(realpath "$own")" ] \
    || fail "the game does not use its own libvuzedovi but '$library'"
  # The synthesiser comes with the first melody, from the module beside that library.
  env -u LD_LIBRARY_PATH ldd "$root/usr/games/trevinor" | grep -q libfluidsynth \
    && fail "the game links libfluidsynth itself instead of loading its music module"
  env -u LD_LIBRARY_PATH ldd "$root/$multiarch/trevinor/libtrevinor-fluidsynth.so" \
    | grep -q "not found" && fail "the music module misses a library"
  mkdir "$root/home"
  head -c 15872 /dev/zero >"$root/blank.sav"
  [ "$(env -u LD_LIBRARY_PATH "$root/usr/games/trevinor-sav" check "$root/blank.sav")" = ok ] \
    || fail "the packaged trevinor-sav does not check a saved game"
  # The game ends by itself once its menu is shown.
  status=0
  env -u LD_LIBRARY_PATH HOME="$root/home" QT_QPA_PLATFORM=offscreen TREVINOR_EXIT_WHEN_SHOWN=1 \
    timeout 30 "$root/usr/games/trevinor" || status=$?
  [ "$status" = 124 ] && fail "the packaged game was still running after 30 s, though" \
    "TREVINOR_EXIT_WHEN_SHOWN should end it once its menu is shown"
  [ "$status" = 0 ] || fail "the packaged game ended with status $status"
  ;;
lintian)
  need lintian
  lintian --fail-on error "$game" "$dev"
  ;;
*) fail "unknown check $mode" ;;
esac
echo "passed: $mode"
