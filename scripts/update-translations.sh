#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/velmoraedit_*.ts up to date with the editor's sources:
# new texts come in unfinished, texts no longer used go. No line numbers, so
# that a change of code alone changes no .ts file.
# Usage: scripts/update-translations.sh [language ...]   (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
# Everything the editor shows comes from these folders; velmora (the command
# line tool) stays English.
SOURCES=(app view print ui link/dialogs)
LANGUAGES=("$@")
if ((${#LANGUAGES[@]} == 0)); then LANGUAGES=(de fr es it pl ru tr); fi

for lang in "${LANGUAGES[@]}"; do
  "$LUPDATE" -silent -no-obsolete -locations none -extensions cpp,h -source-language en \
    -target-language "$lang" "${SOURCES[@]}" -ts "translations/velmoraedit_$lang.ts"
done
