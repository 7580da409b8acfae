#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One command for a new Debian 12 machine: installs what is missing, then
#   ./setup.sh run      builds the program alone and starts it;
#   ./setup.sh test     also installs the test, fuzzing and packaging tools, builds everything
#                       and runs the whole test suite;
#   ./setup.sh package  builds the Debian package from the program's build.
# VORLENTIX_BUILD_DIR picks the build folder (default: build); VORLENTIX_SANITIZE=ON builds
# there with AddressSanitizer and UndefinedBehaviorSanitizer; VORLENTIX_WERROR=ON (as under CI)
# makes warnings errors. CXX picks the compiler of a new build folder.
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-run}
shift || true
build_dir=${VORLENTIX_BUILD_DIR:-build}

# What building and running the program needs, and no more.
run_packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
              # Qt's Dutch texts and the font that stands in for Arial
              qt6-translations-l10n fonts-liberation2
              # the match history's database driver
              libqt6sql6-sqlite
              # the English translation: Qt's CMake functions and lrelease
              qt6-tools-dev qt6-l10n-tools
              # the caller's voice: Qt's speech module (its CMake files need the QML integration
              # files, which its package does not pull in), and at run time a speech server with
              # Dutch
              qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher
              speech-dispatcher-espeak-ng)
# The Debian package: the manual page and the checks of the menu entry and the description.
package_packages=(dpkg-dev help2man desktop-file-utils appstream)
# The tests: PDF output read back, a CUPS queue that prints to PDF, a virtual screen; the fuzz
# targets: clang with libFuzzer and the sanitizer run-times; the checks of the package.
test_packages=(poppler-utils cups printer-driver-cups-pdf xvfb xauth
               # the end-to-end club night: keys and clicks on the virtual screen, its screenshots
               xdotool imagemagick
               clang libclang-rt-14-dev
               lintian devscripts
              # the club server's tests start a PostgreSQL of their own and reach it through Qt
              postgresql libqt6sql6-psql)

case "$what" in
  run) packages=("${run_packages[@]}") ;;
  package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

werror=${VORLENTIX_WERROR:-OFF}
[ "${CI:-}" = "true" ] && werror=ON
# ccache is not needed, but where it is installed the builds share what it has compiled.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLENTIX_WERROR=$werror \
  -DVORLENTIX_SANITIZE="${VORLENTIX_SANITIZE:-OFF}" "${launcher[@]}" >/dev/null

case "$what" in
  run)
    # The program alone: the tests and benchmarks are for ./setup.sh test.
    cmake --build "$build_dir" -j2 --target Vorlentix
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "Built $build_dir/bin/Vorlentix, but there is no display to show its window on."
      echo "Run it from a desktop session, or with a virtual screen:  xvfb-run -a $build_dir/bin/Vorlentix"
      exit 0
    fi
    exec "$build_dir/bin/Vorlentix" "$@"
    ;;
  test)
    cmake --build "$build_dir" -j2
    cd "$build_dir"
    exec ctest --output-on-failure "$@"
    ;;
  package)
    # What the package installs, and nothing of the tests: the program, the manual page and
    # the changelog (the data files and the rest come with them).
    cmake --build "$build_dir" -j2 --target Vorlentix vx_manpage vx_changelog
    deb=$(cd "$build_dir" && cpack -G DEB | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p')
    [ -n "$deb" ] || { echo "cpack made no package" >&2; exit 1; }
    echo "Made $deb"
    echo "Install it with:  sudo apt install $deb"
    ;;
esac
