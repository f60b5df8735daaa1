#!/usr/bin/env bash
# Every text that view/, match/ and app/ hand to Qt's translation system has
# its English, and the translation holds no text the code no longer has:
# Qt's lupdate, run over the code into a copy of the translation, finds no
# text missing or unfinished there and drops none.
#   translations-complete.sh SOURCE-DIR LUPDATE
set -euo pipefail
src=$1 lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ts=$src/resources/translations/kalvor_en.ts
cp "$ts" "$work/kalvor_en.ts"
if ! (cd "$src" && "$lupdate" view match app -ts "$work/kalvor_en.ts" -source-language nl \
    -target-language en -no-obsolete -locations none) >"$work/log" 2>&1; then
    cat "$work/log"
    exit 1
fi
fault=0
if grep -q 'type="unfinished"' "$work/kalvor_en.ts"; then
    echo "texts without their English (scripts/update-translations, then translate them):"
    grep -B1 'type="unfinished"' "$work/kalvor_en.ts" | sed -n 's/.*<source>\(.*\)<\/source>.*/  \1/p'
    fault=1
fi
before=$(grep -c '<source>' "$ts")
after=$(grep -c '<source>' "$work/kalvor_en.ts")
if [ "$after" -lt "$before" ]; then
    echo "the translation holds $((before - after)) texts the code no longer has" \
        "(scripts/update-translations drops them)"
    fault=1
fi
[ $fault -eq 0 ] && echo "translations complete: $after texts"
exit $fault
