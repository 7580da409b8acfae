#!/usr/bin/env bash
# One command for a new Debian 12 machine: installs what is missing, builds, then runs the
# program (`./setup.sh run`) or the whole test suite (`./setup.sh test`).
# VORLENTIX_BUILD_DIR picks the build folder (default: build); VORLENTIX_SANITIZE=ON builds
# there with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-run}
shift || true
build_dir=${VORLENTIX_BUILD_DIR:-build}

packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
          qt6-translations-l10n fonts-liberation2 poppler-utils cups printer-driver-cups-pdf
          xvfb xauth
          # the end-to-end club night: keys and clicks on the virtual screen, its screenshots
          xdotool imagemagick
          # the English translation: Qt's CMake functions and lrelease
          qt6-tools-dev qt6-l10n-tools
          # the caller's voice: Qt's speech module (its CMake files need the QML integration
          # files, which its package does not pull in), and at run time a speech server with Dutch
          qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher
          speech-dispatcher-espeak-ng
          # the Debian package and the checks of its menu entry and description
          dpkg-dev desktop-file-utils appstream
          # the fuzz targets: clang with libFuzzer and the sanitizer run-times
          clang libclang-rt-14-dev)

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

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# ccache is not needed, but where it is installed the builds share what it has compiled.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLENTIX_WERROR=$werror \
  -DVORLENTIX_SANITIZE="${VORLENTIX_SANITIZE:-OFF}" "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j2

case "$what" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "Built $build_dir/bin/Vorlentix, but there is no display to show its window on."
      echo "Run it from a desktop session, or with a virtual screen:  xvfb-run -a $build_dir/bin/Vorlentix"
      exit 0
    fi
    exec "$build_dir/bin/Vorlentix" "$@"
    ;;
  test)
    cd "$build_dir"
    exec ctest --output-on-failure "$@"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
