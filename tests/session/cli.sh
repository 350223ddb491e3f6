#!/usr/bin/env bash
# The command line, with and without a desktop session to show the panel in.
source "$(dirname "$0")/session.sh"

run() { # run ARGUMENT...: sets status, out and err
    "$binary" "$@" >"$work/out" 2>"$work/err"
    status=$?
    out=$(cat "$work/out") err=$(cat "$work/err")
}

unset DISPLAY
run --help
check "--help exits 0 without a display" 'test "$status" -eq 0'
check "--help shows the usage" 'grep -q "^Usage: paytick" <<<"$out"'
run --version
check "--version exits 0 and names the version" 'test "$status" -eq 0 && grep -qE "^paytick [0-9]+\.[0-9]+" <<<"$out"'
run --frobnicate
check "an unknown option exits 2" 'test "$status" -eq 2'
check "an unknown option shows the usage" 'grep -q "^Usage: paytick" <<<"$err"'
run
check "no desktop session exits 1" 'test "$status" -eq 1'
check "no desktop session says so in one line" \
    'test "$(wc -l <<<"$err")" -eq 1 && grep -q "^Paytick needs a graphical desktop session" <<<"$err"'
run -platformtheme gtk3
check "a Qt option beside -platform still needs a session" \
    'test "$status" -eq 1 && grep -q "^Paytick needs a graphical desktop session" <<<"$err"'
DISPLAY=:4711 run
check "a display that cannot be opened exits 1" 'test "$status" -eq 1'
check "a display that cannot be opened says so" 'grep -q "^Paytick needs a graphical desktop session" <<<"$err"'
finish
