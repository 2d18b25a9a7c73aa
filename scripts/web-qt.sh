#!/usr/bin/env bash
# Builds, once per Qt version and configuration, the static single-threaded Qt 6 for WebAssembly that the browser build links against.
#
# Usage: scripts/web-qt.sh [--print-prefix | --built]
#   --print-prefix  print nothing but the install prefix on standard output (building Qt first if
#                   it is not there yet), for CMAKE_PREFIX_PATH.
#   --built         build nothing; exit 0 if this Qt is built and complete, 1 if not.
# Progress always goes to standard error.
#
# The Qt is Debian's own qt6-base source, of the same version as the installed qt6-base-dev,
# whose moc, rcc and uic the browser build uses, compiled with Debian's Emscripten. The result
# lives outside the repository, in
#   ${KELVORA_WEB_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvora/web-qt}/<qt version>-<hash>
# where the hash covers the source version, Emscripten's version and the configure options, so a
# change to any of them builds a new Qt. Beside it, emsdk/ is the small stand-in for an Emscripten
# SDK folder that Qt's CMake asks for the compiler: Debian installs Emscripten system-wide.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-build.sh

print_prefix=false
only_ask=false
case "${1:-}" in
  "") ;;
  --print-prefix) print_prefix=true ;;
  --built) only_ask=true ;;
  -h | --help)
    sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"
    exit 0
    ;;
  *)
    echo "usage: $0 [--print-prefix | --built]" >&2
    exit 2
    ;;
esac
exec 3>&1 1>&2

started=$SECONDS
stage() {
  local elapsed=$((SECONDS - started))
  printf '[web-qt %2d:%02d] %s\n' $((elapsed / 60)) $((elapsed % 60)) "$*"
}

scripts/install-deps.sh emscripten cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev \
  xz-utils

# Only Core, Gui and Widgets, without threads (a page served by any static server has no
# cross-origin isolation, so no shared memory for threads), every third-party library bundled.
qt_options=(
  -platform wasm-emscripten -qt-host-path /usr
  -release -static
  -nomake tests -nomake examples
  -no-feature-thread
  -no-dbus -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
  -no-feature-xml -no-feature-testlib
  -no-feature-androiddeployqt
  "${qt_lean_options[@]}"
)

read -r source_package source_version < <(dpkg-query -W -f='${source:Package} ${source:Version}\n' qt6-base-dev)
upstream_version=${source_version#*:}
qt_version=${upstream_version%%[-+~]*}
emscripten_version=$(dpkg-query -W -f='${Version}' emscripten)

key=$({
  echo "$source_package $source_version"
  echo "emscripten $emscripten_version"
  printf '%s\n' "${qt_options[@]}"
} | sha256sum | cut -c1-12)

cache=${KELVORA_WEB_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvora/web-qt}
prefix=$cache/$qt_version-$key
stamp=$prefix/.kelvora-web-qt-complete
if $only_ask; then
  [ -f "$stamp" ]
  exit
fi

# Qt reads EMSDK/.emscripten for the compiler's root and runs emscripten/emcc below it.
emsdk=$cache/emsdk
mkdir -p "$emsdk/emscripten"
echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$emsdk/.emscripten"
ln -sfn /usr/bin/emcc "$emsdk/emscripten/emcc"
ln -sfn /usr/bin/em++ "$emsdk/emscripten/em++"

finish() {
  stage "Qt $qt_version for WebAssembly is in $prefix"
  if $print_prefix; then
    echo "$prefix" >&3
  fi
  exit 0
}

[ -f "$stamp" ] && finish

mkdir -p "$cache"
exec 9>"$cache/.lock"
if ! flock -n 9; then
  stage "waiting for another build of the WebAssembly Qt to finish"
  flock 9
fi
[ -f "$stamp" ] && finish

stage "building static Qt $qt_version ($source_package $source_version) for WebAssembly into $prefix"
stage "this takes 20 to 40 minutes on two cores, depending on what else runs; once per Qt version and configuration"

source_dir=$cache/source
dsc=$source_dir/${source_package}_${upstream_version}.dsc
scripts/qt-source.sh "$source_package" "$source_version" "$source_dir"

work=$cache/build-$qt_version-$key
rm -rf "$work" "$prefix"
rm -rf "$cache"/build-*
mkdir -p "$work"
log=$work/build.log

stage "unpacking the source with Debian's patches"
dpkg-source -q -x "$dsc" "$work/src" >"$work/unpack.log" 2>&1 || {
  cat "$work/unpack.log"
  exit 1
}

# Debian's node is not always the one on PATH; Emscripten's tools then need its modules' folder.
export EMSDK=$emsdk NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

stage "configuring (log: $log)"
mkdir -p "$work/build"
# The toolchain file is given by its own path: it finds Emscripten's root from where it lies.
if ! (cd "$work/build" && nice -n 10 "$work/src/configure" -prefix "$prefix" "${qt_options[@]}" \
  -- -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake) \
  >"$log" 2>&1; then
  tail -n 40 "$log"
  stage "configure failed; the full log is $log"
  exit 1
fi

qt_compile_and_install "$work" "$log"

qt_remove_earlier "$cache" "$prefix" .kelvora-web-qt-complete

{
  echo "$source_package $source_version"
  echo "emscripten $emscripten_version"
  echo "configure: ${qt_options[*]}"
  echo "built in $((SECONDS - started)) s on $(date -u +%Y-%m-%dT%H:%M:%SZ)"
} >"$stamp"
stage "done: $(du -sh "$prefix" | cut -f1) installed"
finish
