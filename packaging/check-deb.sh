#!/usr/bin/env bash
# Checks a built package: it holds every file `cmake --install` installs, its
# Depends come from the Qt 6 and ICU libraries, and lintian finds no error.
# Arguments: the .deb, the build folder.
set -euo pipefail
deb=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/root" && find . -type f | sort) >"$work/installed"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|./|' | sort >"$work/packaged"
if ! diff -u "$work/installed" "$work/packaged"; then
    echo "check-deb: the package's files differ from what cmake --install installs" >&2
    exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libicu; do
    if ! grep -q "$library" <<<"$depends"; then
        echo "check-deb: Depends names no $library: $depends" >&2
        exit 1
    fi
done

# Its note about running as root (as in a CI container) is no finding.
if ! lintian --fail-on error "$deb" >"$work/lintian" 2>&1; then
    cat "$work/lintian" >&2
    echo "check-deb: lintian reports errors" >&2
    exit 1
fi
grep -v 'running with root privileges' "$work/lintian" || true
echo "check-deb: $(basename "$deb") holds $(wc -l <"$work/packaged") files; Depends: $depends"
