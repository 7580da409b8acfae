#!/usr/bin/env bash
# Builds the Debian package in a built build folder and checks what a user gets from it: the
# menu entry and the AppStream description are valid, the package declares what the program
# needs, and the packaged program starts from a folder the package is unpacked into.
#   tools/check-package.sh [build folder]        (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build}")

fail() {
  echo "check-package: $*" >&2
  exit 1
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build_dir/CMakeCache.txt"
deb="$build_dir/vorlentix_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build_dir" && cpack -G DEB)
[ -f "$deb" ] || fail "cpack made no $deb"

echo "== $(basename "$deb")"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

# What the package declares: the Qt libraries found by dpkg-shlibdeps, and what is only
# loaded at run time.
depends=$(dpkg-deb --field "$deb" Depends)
recommends=$(dpkg-deb --field "$deb" Recommends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation2 qt6-translations-l10n; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
for p in cups speech-dispatcher speech-dispatcher-espeak-ng qt6-speech-speechd-plugin; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$recommends" || fail "Recommends lacks $p: $recommends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/vorlentix.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net --strict "$root/usr/share/metainfo/org.vorlentix.Vorlentix.metainfo.xml"
# The description, the menu entry and the icon it names must also find each other.
appstreamcli validate-tree --no-net "$root"

echo "== the unpacked program, without a display"
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/vorlentix" --version) ||
  fail "vorlentix --version exited with $?"
echo "$output"
[ "$output" = "Vorlentix $version" ] || fail "vorlentix --version printed '$output', not 'Vorlentix $version'"
echo "check-package: $(basename "$deb") is fine"
