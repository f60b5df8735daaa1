#!/usr/bin/env bash
# Installs the build tree into a scratch folder with prefix /usr, as the
# Debian package does, and checks what a desktop would read from it.
# Usage: check-install.sh CMAKE BUILD_DIR VERSION
set -uo pipefail
cmake=$1 build=$2 version=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
faults=0
fault() {
    echo "FAULT: $*"
    faults=$((faults + 1))
}

if ! DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >"$root.log" 2>&1; then
    cat "$root.log"
    rm -f "$root.log"
    echo "FAULT: cmake --install failed"
    exit 1
fi
rm -f "$root.log"
usr=$root/usr

# The one metainfo file gives the application id; the desktop entry and
# the icons must carry the same.
metainfos=("$usr"/share/metainfo/*.metainfo.xml)
if [ ${#metainfos[@]} -ne 1 ] || [ ! -f "${metainfos[0]}" ]; then
    echo "FAULT: expected one metainfo file, found: ${metainfos[*]}"
    exit 1
fi
metainfo=${metainfos[0]}
id=$(basename "$metainfo" .metainfo.xml)

for p in kalvor pbrain-kalvor kalvor-selfplay; do
    [ -x "$usr/bin/$p" ] || fault "usr/bin/$p missing or not executable"
done

# The validators, with what they print shown in the test log.
desktop=$usr/share/applications/$id.desktop
for tool in desktop-file-validate appstreamcli groff dpkg-parsechangelog; do
    command -v $tool >/dev/null || fault "$tool not installed (scripts/deps.sh installs it)"
done
if [ -f "$desktop" ]; then
    echo "desktop-file-validate $id.desktop:"
    out=$(desktop-file-validate "$desktop" 2>&1) || fault "desktop-file-validate failed"
    echo "${out:-  (no remarks)}"
else
    fault "desktop entry $id.desktop missing"
fi
echo "appstreamcli validate --no-net $id.metainfo.xml:"
appstreamcli validate --no-net --pedantic "$metainfo" || fault "appstreamcli validate failed"

# The desktop entry starts an installed program and names installed icons.
key() { sed -n "s/^$1=//p" "$desktop" 2>/dev/null | head -n 1; }
exec_name=$(key Exec | cut -d' ' -f1)
[ -n "$exec_name" ] && [ -x "$usr/bin/$exec_name" ] || fault "Exec=$exec_name is not an installed program"
[ "$(key Icon)" = "$id" ] || fault "Icon=$(key Icon), expected $id"
[ "$(key Categories)" = "Game;BoardGame;" ] || fault "Categories=$(key Categories)"
for k in 'Name\[nl\]' 'Comment\[nl\]' Name Comment; do
    [ -n "$(key "$k")" ] || fault "desktop entry has no $k"
done

# Each hicolor PNG has the size of its folder; the IHDR width and height
# are the big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$png" ]; then
        fault "icon ${size}x${size} missing"
        continue
    fi
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$w x $h" = "$size x $size" ] || fault "icon ${size}x${size} is $w x $h"
done
svg=$usr/share/icons/hicolor/scalable/apps/$id.svg
grep -q '<svg xmlns="http://www.w3.org/2000/svg"' "$svg" 2>/dev/null || fault "scalable icon missing"

# The metainfo describes this version and points at the installed entry.
grep -q "<id>$id</id>" "$metainfo" || fault "metainfo id is not $id, as its file name says"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fault "metainfo launchable is not $id.desktop"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fault "newest release in the metainfo is '$newest', the project is $version"

# Manual pages: present for the three programs and free of groff warnings.
for p in kalvor pbrain-kalvor kalvor-selfplay; do
    page=$(ls "$usr/share/man/man6/$p.6"* 2>/dev/null | head -n 1)
    if [ -z "$page" ]; then
        fault "manual page $p.6 missing"
        continue
    fi
    case $page in
    *.gz) text=$(gzip -dc "$page") ;;
    *) text=$(cat "$page") ;;
    esac
    grep -q "^\.TH ${p^^} 6 .*\"Kalvor $version\"" <<<"$text" || fault "$p.6 has no .TH line for $version"
    warnings=$(groff -man -ww -z <<<"$text" 2>&1)
    [ -z "$warnings" ] || fault "groff warns about $p.6: $warnings"
done

# Debian's copyright file carries the holder and the terms of LICENSE word
# for word, and the changelog parses and begins with this version.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
doc=$usr/share/doc/kalvor
if [ -f "$doc/copyright" ]; then
    head -n 1 "$doc/copyright" |
        grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fault "copyright is not in the machine-readable format"
    holder=$(sed -n 's/^Copyright (c) //p' "$source_dir/LICENSE")
    grep -qx "Copyright: $holder" "$doc/copyright" || fault "copyright does not name '$holder'"
    # The last License paragraph holds the terms: one space in, "." for an
    # empty line.
    terms=$(awk '/^License: /{ text = ""; next } { text = text $0 "\n" } END { printf "%s", text }' \
        "$doc/copyright" | sed 's/^ //; s/^\.$//')
    licence=$(sed '1,/^Copyright (c) /d' "$source_dir/LICENSE" | sed '1{/^$/d}')
    [ "$terms" = "$licence" ] || fault "the terms in copyright differ from LICENSE"
else
    fault "share/doc/kalvor/copyright missing"
fi
changelog=$(ls "$doc"/changelog* 2>/dev/null | head -n 1)
if [ -n "$changelog" ]; then
    case $changelog in
    *.gz) gzip -dc "$changelog" >"$root/changelog" ;;
    *) cp "$changelog" "$root/changelog" ;;
    esac
    logged=$(dpkg-parsechangelog -l "$root/changelog" -S Version 2>&1) ||
        fault "changelog does not parse: $logged"
    [ "$logged" = "$version" ] || fault "newest changelog entry is '$logged', the project is $version"
else
    fault "share/doc/kalvor/changelog.gz missing"
fi

if [ $faults -ne 0 ]; then
    echo "$faults faults in the installed tree"
    exit 1
fi
echo "installed tree is complete and valid"
