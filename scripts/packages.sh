# The Debian packages the game needs, sourced by the play and test scripts.
# shellcheck shell=bash
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev
  fonts-rocknroll fonts-morisawa-bizud-gothic)
TEST_PACKAGES=(libgtest-dev libgmock-dev clang-format xvfb xauth)
PLAY_PACKAGES=(xvfb xauth)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
