# The Debian packages the game needs, sourced by the play and test scripts.
# shellcheck shell=bash
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libxxhash-dev libcli11-dev
  fonts-rocknroll fonts-morisawa-bizud-gothic)
TEST_PACKAGES=(libgtest-dev libgmock-dev clang-format xvfb xauth)
PLAY_PACKAGES=(xvfb xauth)
# The Debian package (scripts/package.sh): Debian's packaging tools and what checks the result;
# and the clean system it is tried on (scripts/package-check.sh).
PACKAGE_PACKAGES=(dpkg-dev lintian desktop-file-utils appstream)
CLEAN_SYSTEM_PACKAGES=(mmdebstrap xvfb xauth xdotool imagemagick)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The Windows build: the cross compiler, GoogleTest's sources, wine to run what it builds, and
# what the game's smoke test under wine drives and looks with.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xauth xdotool imagemagick
  zip)
# The browser build: Emscripten, the faces subset at build time, and the headless Chromium and
# DevTools client its proof drives the page with.
WEB_PACKAGES=(emscripten googletest cmake ninja-build dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools
  python3-fonttools chromium python3-websocket zip fonts-rocknroll fonts-morisawa-bizud-gothic)
