#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in a built build folder and checks what a user gets from it: lintian
# finds no error or warning, the program is hardened, the menu entry and the AppStream
# description are valid, the icons, the manual page and the licence are there, the package
# declares what the program needs, and the packaged program starts from a folder the package is
# unpacked into.
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
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6sql6 libqt6sql6-sqlite fonts-liberation2 qt6-translations-l10n; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
for p in cups speech-dispatcher speech-dispatcher-espeak-ng qt6-speech-speechd-plugin; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$recommends" || fail "Recommends lacks $p: $recommends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== lintian"
# Info tags are shown too; only errors and warnings fail.
lintian --fail-on error,warning --display-info "$deb"

echo "== hardening-check"
hardening-check "$root/usr/bin/vorlentix" || true
# PIE, the stack protector, read-only relocations and immediate binding must all show. Two
# verdicts need help:
# - Control flow integrity: the program's own code is built with -fcf-protection, but Debian
#   12's C start files (Scrt1.o, crti.o, crtn.o) carry no IBT/SHSTK marks, so no program linked
#   on it is marked. Not one of Debian 12's hardening flags.
# - Fortify: hardening-check looks for the checked variants (__memcpy_chk ...). The program's own
#   code calls no C string or memory function; the memcpy and memmove it has come from Qt's and
#   the C++ library's templates with sizes known only at run time, which no fortify level can
#   check. So the check is that every compilation of the program had -D_FORTIFY_SOURCE=2 with
#   optimisation.
hardening-check --nocfprotection --nofortify "$root/usr/bin/vorlentix" >/dev/null ||
  fail "hardening-check: the packaged program lacks a hardening feature"
compiles=$(cd "$build_dir" && ninja -t commands Vorlentix | grep -E ' -c ')
[ -n "$compiles" ] || fail "no compilation of the program in $build_dir"
unfortified=$(grep -v -- ' -D_FORTIFY_SOURCE=2 ' <<<"$compiles" || true)
[ -z "$unfortified" ] || fail "compiled without -D_FORTIFY_SOURCE=2: $unfortified"
unoptimised=$(grep -Ev -- ' -O[1-3s] ' <<<"$compiles" || true)
[ -z "$unoptimised" ] || fail "compiled without optimisation: $unoptimised"
echo "all $(wc -l <<<"$compiles") compilations of the program: -O2 -D_FORTIFY_SOURCE=2"

echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/org.vorlentix.Vorlentix.desktop"
echo "== appstreamcli validate"
# With its network checks (the links and the screenshot) where the machine reaches the
# homepage's host, without them otherwise. Debian 12's appstreamcli predates the <developer>
# element of the current format and calls it unknown; anything else fails.
metainfo="$root/usr/share/metainfo/org.vorlentix.Vorlentix.metainfo.xml"
host=$(sed -n 's|.*<url type="homepage">https://\([^/]*\)/.*|\1|p' "$metainfo")
net=(--no-net)
if timeout 5 bash -c "exec 3<>/dev/tcp/$host/443" 2>/dev/null; then
  net=()
else
  echo "($host cannot be reached: without the network checks)"
fi
if report=$(appstreamcli validate "${net[@]}" --strict "$metainfo" 2>&1); then
  echo "$report"
else
  echo "$report"
  issues=$(grep -E '^[EWI]: ' <<<"$report" || true)
  [ -n "$issues" ] && ! grep -qv ': unknown-tag developer$' <<<"$issues" || fail "appstreamcli validate failed"
  echo "(only <developer>, which this appstreamcli does not know yet: accepted)"
fi
# The description, the menu entry and the icon it names must also find each other.
appstreamcli validate-tree "${net[@]}" "$root"

echo "== icons, manual page, licence"
# Every size the themes ask for, each a PNG of that size (its IHDR width and height).
for size in 16 22 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/vorlentix.png"
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
  [ "$w $h" = "$size $size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/vorlentix.svg" ] || fail "no scalable icon"
manpage="$root/usr/share/man/man1/vorlentix.1.gz"
[ -f "$manpage" ] || fail "no manual page"
page=$(zcat "$manpage")
for text in '^\.TH VORLENTIX "1"' '^\.SH DESCRIPTION' '^\.SH FILES' '^\.SH "REPORTING BUGS"' \
  'GNU GPL version 3 or later' '\\fB\\-\\-home\\fR'; do
  grep -q -- "$text" <<<"$page" || fail "the manual page lacks $text"
done
grep -q '^License: GPL-3+$' "$root/usr/share/doc/vorlentix/copyright" || fail "copyright names no GPL-3+"
newest=$(zcat "$root/usr/share/doc/vorlentix/changelog.gz")
[[ "${newest%%$'\n'*}" == "vorlentix ($version) "* ]] || fail "the changelog's newest entry is not $version"

echo "== the unpacked program, without a display"
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/vorlentix" --version) ||
  fail "vorlentix --version exited with $?"
echo "$output"
[ "$(head -1 <<<"$output")" = "Vorlentix $version" ] ||
  fail "vorlentix --version printed '$output', not 'Vorlentix $version' first"
grep -q "GNU GPL version 3 or later" <<<"$output" || fail "vorlentix --version names no licence"
echo "check-package: $(basename "$deb") is fine"
