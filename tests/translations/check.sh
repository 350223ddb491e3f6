#!/usr/bin/env bash
# The shipped translations are current with the sources (lupdate would change
# nothing: no text added, reworded or gone) and complete (no unfinished entry).
# usage: check.sh LUPDATE SOURCE_DIR LANGUAGE...
set -uo pipefail
lupdate=$1 source=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
copies=()
for language in "$@"; do
    shipped=$source/translations/paytick_$language.ts
    if [ ! -f "$shipped" ]; then
        echo "FAIL $language: translations/paytick_$language.ts is missing"
        failures=$((failures + 1))
        continue
    fi
    cp "$shipped" "$work/"
    copies+=("$work/paytick_$language.ts")
done
# The same options as the update_translations target.
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h "$source/src" -ts "${copies[@]}" ||
    { echo "FAIL lupdate did not run"; exit 1; }
for copy in "${copies[@]}"; do
    name=$(basename "$copy")
    if ! diff -u "$source/translations/$name" "$copy" >"$work/diff"; then
        echo "FAIL $name is not current with the sources; run the update_translations target:"
        head -40 "$work/diff"
        failures=$((failures + 1))
    fi
    unfinished=$(grep -c 'type="unfinished"' "$copy")
    if [ "$unfinished" -ne 0 ]; then
        echo "FAIL $name has $unfinished unfinished entries:"
        grep -B3 'type="unfinished"' "$copy" | grep -o '<source>.*' | head -10
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "ok   ${#copies[@]} translations current and complete"
exit "$failures"
