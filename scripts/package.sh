#!/usr/bin/env bash
# Makes the Debian package build/package/kelvora_<version>_amd64.deb from an optimised build, and
# checks it with lintian, desktop-file-validate and appstreamcli.
#
# Made with Debian's own tools rather than CPack: dpkg-shlibdeps computes the dependencies from
# the binaries, dpkg-gencontrol writes the control file from packaging/debian/control and the
# changelog (Installed-Size included) exactly as a Debian build would, and dpkg-deb
# --root-owner-group builds it without fakeroot. CPack would call dpkg-shlibdeps too, but leaves
# to us the stripping, the compressed changelog and manual pages and the modes, and words its
# control file its own way; lintian then finds fault with what it made. Here every file is laid
# down by this script, so what is in the package is what is written below.
#
# Usage: scripts/package.sh [--version VERSION] [--from BUILD] [--no-check]
#   --version  the package's version instead of the changelog's (a later one to try an upgrade)
#   --from     package the programs of an optimised build already made (CI packages the release
#              build its suite has just tested) instead of building them with Debian's hardening
#              flags in build/package/release
#   --no-check skip lintian and the validators
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

version=""
from=""
check=1
while [ $# -gt 0 ]; do
  case "$1" in
    --version) version="$2"; shift 2 ;;
    --from) from="$(cd "$2" && pwd)"; shift 2 ;;
    --no-check) check=0; shift ;;
    *) echo "usage: scripts/package.sh [--version VERSION] [--from BUILD] [--no-check]" >&2; exit 2 ;;
  esac
done

scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

out="$PWD/build/package"
changelog=packaging/debian/changelog
released="$(dpkg-parsechangelog -l "$changelog" -S Version)"
project="$(sed -n 's/^project(KELVORA VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
if [ "$released" != "$project" ]; then
  echo "packaging/debian/changelog is at $released but the project at $project:" \
    "add a changelog entry for $project" >&2
  exit 1
fi
version="${version:-$released}"
release_date="$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)"
# The same package from the same sources: every file dated at the changelog entry.
export SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$changelog" -S Timestamp)"
# Where software centres find the game's page and screenshot, and the name they know it by.
homepage="${KELVORA_HOMEPAGE:-https://kelvora.example/}"
component="example.kelvora.Kelvora"

# The optimised build of the play preset, with Debian's hardening flags, in a folder of its own.
build="${from:-$out/release}"
if [ -z "$from" ]; then
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cmake --preset play -B "$build" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
  cmake --build "$build" --target kelvora kelvora-stages
fi

umask 022
root="$out/root"
source_tree="$out/source"
rm -rf "$root" "$source_tree"
mkdir -p "$root/DEBIAN" "$source_tree/debian"

for program in kelvora kelvora-stages; do
  install -D -m 755 "$build/game/$program" "$root/usr/games/$program"
  strip --strip-unneeded --remove-section=.comment --remove-section=.note \
    "$root/usr/games/$program"
done
# Read-only for the players: each one's first start copies them into their own data folder.
for file in MENDATA1.txt MENDATA2.txt BEST1.txt BEST2.txt; do
  install -D -m 644 "assets/data/$file" "$root/usr/share/games/kelvora/$file"
done
install -D -m 644 packaging/kelvora.desktop "$root/usr/share/applications/kelvora.desktop"
for icon in assets/icon/*.png; do
  # The width and height stand in the PNG header, bytes 16 to 23.
  read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$icon")
  install -D -m 644 "$icon" "$root/usr/share/icons/hicolor/${width}x${height}/apps/kelvora.png"
done
mkdir -p "$root/usr/share/metainfo"
sed -e "s|@HOMEPAGE@|$homepage|g" -e "s|@VERSION@|$version|" -e "s|@DATE@|$release_date|" \
  -e "s|<id>[^<]*</id>|<id>$component</id>|" \
  packaging/kelvora.metainfo.xml >"$root/usr/share/metainfo/$component.metainfo.xml"
mkdir -p "$root/usr/share/man/man6"
for page in kelvora.6 kelvora-stages.6; do
  sed "s|@VERSION@|$version|" "packaging/$page" | gzip -9n >"$root/usr/share/man/man6/$page.gz"
done
install -D -m 644 packaging/debian/copyright "$root/usr/share/doc/kelvora/copyright"
gzip -9n <"$changelog" >"$root/usr/share/doc/kelvora/changelog.gz"
chmod 644 "$root"/usr/share/man/man6/*.gz "$root/usr/share/doc/kelvora/changelog.gz"

# dpkg-shlibdeps and dpkg-gencontrol work in a source tree: one with only debian/ will do.
cp packaging/debian/control "$changelog" "$source_tree/debian/"
(
  cd "$source_tree"
  dpkg-shlibdeps -Tdebian/kelvora.substvars "$root/usr/games/kelvora" \
    "$root/usr/games/kelvora-stages"
  echo "misc:Depends=" >>debian/kelvora.substvars
  dpkg-gencontrol -pkelvora -Tdebian/kelvora.substvars -fdebian/files -P"$root" -v"$version"
)
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 644 "$root/DEBIAN/md5sums"

deb="$out/kelvora_${version}_amd64.deb"
rm -f "$deb"
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"

if [ "$check" -eq 1 ]; then
  desktop-file-validate "$root/usr/share/applications/kelvora.desktop"
  appstreamcli validate --no-net "$root/usr/share/metainfo/$component.metainfo.xml"
  # No error and no warning; overrides, each with its reason, would be in the package itself.
  lintian --fail-on error,warning --display-info "$deb"
  echo "lintian, desktop-file-validate and appstreamcli validate: passed"
fi
