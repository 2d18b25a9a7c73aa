#!/usr/bin/env bash
# Builds, once per Qt version and configuration, the static Qt 6 for 64-bit Windows that the Windows build links against.
#
# Usage: scripts/windows-qt.sh [--print-prefix]
#   --print-prefix  print nothing but the install prefix on standard output (building Qt first if
#                   it is not there yet), for CMAKE_PREFIX_PATH.
# Progress always goes to standard error.
#
# The Qt is Debian's own qt6-base source, of the same version as the installed qt6-base-dev,
# whose moc, rcc and uic the cross build uses. The result lives outside the repository, in
#   ${KELVORA_WINDOWS_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvora/windows-qt}/<qt version>-<hash>
# where the hash covers the source version, the compiler, the configure options, the patches in
# scripts/windows/ and the toolchain file, so a change to any of them builds a new Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-build.sh
repo=$PWD

print_prefix=false
case "${1:-}" in
  "") ;;
  --print-prefix) print_prefix=true ;;
  -h | --help)
    sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"
    exit 0
    ;;
  *)
    echo "usage: $0 [--print-prefix]" >&2
    exit 2
    ;;
esac
# Keep standard output for the prefix alone, so that $(scripts/windows-qt.sh --print-prefix)
# works whether or not Qt had to be built first.
exec 3>&1 1>&2

started=$SECONDS
stage() {
  local elapsed=$((SECONDS - started))
  printf '[windows-qt %2d:%02d] %s\n' $((elapsed / 60)) $((elapsed % 60)) "$*"
}

toolchain=$repo/cmake/toolchains/mingw-w64-x86_64.cmake
packages=(g++-mingw-w64-x86-64-posix cmake ninja-build qt6-base-dev qt6-base-dev-tools
  wine wine64 dpkg-dev xz-utils patch)
scripts/install-deps.sh "${packages[@]}"

# Only Core, Gui, Widgets and Testlib, with the windows and offscreen platforms and every third-party
# library bundled, so that a program needs nothing but Windows' own DLLs.
qt_options=(
  -release -static -static-runtime
  -xplatform win32-g++ -qt-host-path /usr
  -nomake tests -nomake examples
  -qpa windows
  -no-opengl -no-vulkan -no-dbus -no-direct2d -no-icu -no-glib -no-zstd
  -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
  -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
  -no-feature-xml
  # Debian strips src/3rdparty/wintab, the tablet headers, from its source.
  -no-feature-tabletevent
  # Debian's source builds this Android tool even in cross builds; nothing here needs it.
  -no-feature-androiddeployqt
  # Qt 6.4 compiles its DirectWrite 3 font database only together with Direct2D, yet the windows
  # platform plugin still refers to it whenever mingw's headers pass the DirectWrite 3 test: a
  # program then fails to link. Fonts go through GDI, Qt's default on Windows anyway.
  -no-feature-directwrite3
  "${qt_lean_options[@]}"
)
patches=()
for patch_file in scripts/windows/*.patch; do
  [ -e "$patch_file" ] && patches+=("$patch_file")
done

read -r source_package source_version < <(dpkg-query -W -f='${source:Package} ${source:Version}\n' qt6-base-dev)
upstream_version=${source_version#*:}
qt_version=${upstream_version%%[-+~]*}
mingw_versions=$(dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix \
  mingw-w64-x86-64-dev)

key=$({
  echo "$source_package $source_version"
  echo "$mingw_versions"
  printf '%s\n' "${qt_options[@]}"
  cat "$toolchain"
  for patch_file in "${patches[@]}"; do
    echo "$patch_file"
    cat "$patch_file"
  done
} | sha256sum | cut -c1-12)

cache=${KELVORA_WINDOWS_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvora/windows-qt}
prefix=$cache/$qt_version-$key
stamp=$prefix/.kelvora-windows-qt-complete

finish() {
  stage "Qt $qt_version for Windows is in $prefix"
  if $print_prefix; then
    echo "$prefix" >&3
  fi
  exit 0
}

[ -f "$stamp" ] && finish

mkdir -p "$cache"
exec 9>"$cache/.lock"
if ! flock -n 9; then
  stage "waiting for another build of the Windows Qt to finish"
  flock 9
fi
[ -f "$stamp" ] && finish

stage "building static Qt $qt_version ($source_package $source_version) for Windows into $prefix"
stage "this takes 15 to 50 minutes on two cores, depending on what else runs; once per Qt version and configuration"

# --- Source: Debian's own, through a private apt state so the system's apt setup stays as it is.
source_dir=$cache/source
dsc=$source_dir/${source_package}_${upstream_version}.dsc
scripts/qt-source.sh "$source_package" "$source_version" "$source_dir"

work=$cache/build-$qt_version-$key
rm -rf "$work" "$prefix"
# Trees of earlier configurations that stopped half way.
rm -rf "$cache"/build-*
mkdir -p "$work"
log=$work/build.log

stage "unpacking the source with Debian's patches"
# dpkg-source may warn that it cannot check the .dsc signature: apt has already checked the
# downloaded files against the signed release index.
dpkg-source -q -x "$dsc" "$work/src" >"$work/unpack.log" 2>&1 || {
  cat "$work/unpack.log"
  exit 1
}

for patch_file in "${patches[@]}"; do
  # A patch that already reverses cleanly is in the tree; skip it instead of failing.
  if patch -d "$work/src" -p1 -R -s -f --dry-run <"$patch_file" >/dev/null 2>&1; then
    stage "already applied: $patch_file"
  else
    stage "applying $patch_file"
    patch -d "$work/src" -p1 -s -f <"$patch_file"
  fi
done

# Qt remembers the toolchain file it was configured with; keep a copy beside it so the install
# does not point into whichever work tree happened to build it.
mkdir -p "$prefix"
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

stage "configuring (log: $log)"
mkdir -p "$work/build"
if ! (cd "$work/build" && nice -n 10 "$work/src/configure" -prefix "$prefix" "${qt_options[@]}" \
  -- -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake") >"$log" 2>&1; then
  tail -n 40 "$log"
  stage "configure failed; the full log is $log"
  exit 1
fi

qt_compile_and_install "$work" "$log"

qt_remove_earlier "$cache" "$prefix" .kelvora-windows-qt-complete

{
  echo "$source_package $source_version"
  echo "$mingw_versions"
  echo "configure: ${qt_options[*]}"
  echo "patches: ${patches[*]}"
  echo "built in $((SECONDS - started)) s on $(date -u +%Y-%m-%dT%H:%M:%SZ)"
} >"$stamp"
stage "done: $(du -sh "$prefix" | cut -f1) installed"
finish
