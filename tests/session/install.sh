#!/usr/bin/env bash
# What `cmake --install` puts in place, checked with the desktops' own tools,
# and the installed binary showing its panel.
# Arguments: the built binary, the build folder.
source "$(dirname "$0")/session.sh"
build=$2
root=$work/root
prefix=$root/usr
id=io.paytick.Paytick

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1
installed=$?
check "cmake --install succeeds" 'test "$installed" -eq 0 || ! cat "$work/install.log"'

check "the command is installed" 'test -x "$prefix/bin/paytick"'
check "the desktop entry is valid" 'desktop-file-validate "$prefix/share/applications/$id.desktop"'
check "the desktop entry names the window's class" \
    'grep -qx "StartupWMClass=Paytick" "$prefix/share/applications/$id.desktop"'
check "the AppStream metadata is valid" \
    'appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log"'
# Each language Paytick speaks names and describes it in the menu and the software centre.
languages=$(ls "$(dirname "$0")/../../translations" | sed -n 's/^paytick_\(.*\)\.ts$/\1/p')
speaks_all() { # speaks_all FILE PATTERN: PATTERN with LANG as the entry's and TAG as AppStream's code
    local language pattern
    for language in $languages; do
        pattern=${2//LANG/$language}
        grep -q "${pattern//TAG/${language/_/-}}" "$1" || { echo "no $language in $1"; return 1; }
    done
}
check "the desktop entry is in every language Paytick speaks" \
    'for key in GenericName Comment Keywords; do
        speaks_all "$prefix/share/applications/$id.desktop" "^$key\[LANG\]=." || return 1
    done'
check "the metadata is in every language Paytick speaks" \
    'speaks_all "$prefix/share/metainfo/$id.metainfo.xml" "<summary xml:lang=\"TAG\">" &&
        speaks_all "$prefix/share/metainfo/$id.metainfo.xml" "<p xml:lang=\"TAG\">"'
check "the metadata names this version" \
    'grep -q "<release version=\"$("$prefix/bin/paytick" --version | cut -d" " -f2)\"" \
        "$prefix/share/metainfo/$id.metainfo.xml"'
check "the scalable icon is installed" \
    'test -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg"'
for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    check "the $size px icon is ${size}x$size" 'test "$(identify -format %wx%h "$png" 2>/dev/null)" = ${size}x$size'
done
check "the man page renders" \
    'MANWIDTH=80 man -l "$prefix/share/man/man1/paytick.1.gz" 2>&1 | grep -q "^NAME"'

binary=$prefix/bin/paytick
start_x
start_wm
start_app
check "the installed binary shows the panel" 'test "$(size)" = 320x132'
finish
