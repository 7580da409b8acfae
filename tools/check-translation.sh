#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text in the code has no finished English translation: lupdate is run over the
# sources into a copy of the translation file, so a text added or changed without running it,
# or an entry left unfinished, is caught before it ships as Dutch in the English program.
set -euo pipefail
src="$1"
lupdate="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$src/translations/vorlentix_en.ts" "$work/en.ts"
cd "$src"
"$lupdate" -silent -I . -locations none -no-obsolete core ui main.cpp -ts "$work/en.ts"
if grep -n -B2 'type="unfinished"' "$work/en.ts"; then
    echo "check-translation: the texts above have no English translation" >&2
    exit 1
fi
if ! cmp -s "$work/en.ts" translations/vorlentix_en.ts; then
    diff -u translations/vorlentix_en.ts "$work/en.ts" | head -40
    echo "check-translation: translations/vorlentix_en.ts is not up to date with the code" >&2
    exit 1
fi
echo "check-translation: every text has its English translation"
