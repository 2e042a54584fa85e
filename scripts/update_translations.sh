#!/usr/bin/env bash
# Brings assets/translations/TraditionalChinese.ts up to date with the code:
# lupdate collects every marked text of the program's folders, keeps the
# translations already made, adds new texts as unfinished and drops the ones
# the code no longer has. Translate the unfinished ones (Qt Linguist, or by
# hand in the file), then build: the build turns the file into
# TraditionalChinese.qm beside the program, and app_tests' translation test
# fails while any text is left untranslated.
#
# Texts are found in tr() and QT_TRANSLATE_NOOP as usual, and in the core's
# own spellings: Translation::Text(context, source) and the table markers
# QS_TRANSLATE_NOOP and QS_TRANSLATABLE (platform/Translation.h).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
folders=()
for folder in app editor model files playback platform widgets; do
    if [ -d "$folder" ]; then
        folders+=("$folder")
    fi
done
/usr/lib/qt6/bin/lupdate -silent -no-obsolete -locations none -source-language en -target-language zh_TW \
    -tr-function-alias translate+=Text,QT_TRANSLATE_NOOP+=QS_TRANSLATE_NOOP,QT_TRANSLATE_NOOP+=QS_TRANSLATABLE \
    -extensions cpp,h -I . \
    "${folders[@]}" \
    -ts assets/translations/TraditionalChinese.ts
# What is left to translate, so nobody has to open the file to find out.
unfinished=$(grep -c 'type="unfinished"' assets/translations/TraditionalChinese.ts || true)
echo "assets/translations/TraditionalChinese.ts: ${unfinished} text(s) to translate"
