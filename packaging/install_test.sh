#!/bin/sh
# Installs the build into a staging folder (DESTDIR) and checks what landed: both programs,
# the desktop entry (desktop-file-validate), the icons, the MIME type (update-mime-database
# must accept it and map *.layout to it), the AppStream metainfo, the manual where Help > Index
# looks for it (beside the program, ../share/doc/brevant) and the manual page.
# usage: install_test.sh BUILD_DIR STAGE_DIR "ICON SIZES"
set -u
build=$1
stage=$2
sizes=$3
prefix=/usr
rm -rf "$stage"
status=0
fail() { echo "FAIL: $*"; status=1; }

DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >"$stage.log" 2>&1 ||
    { cat "$stage.log"; echo "FAIL: cmake --install"; exit 1; }
root="$stage$prefix"
app=com.quorvel.Brevant

for program in brevant brevant-cli; do
    [ -x "$root/bin/$program" ] || fail "bin/$program is missing or not executable"
done
"$root/bin/brevant-cli" --version >/dev/null 2>&1 || fail "the installed brevant-cli does not run"

desktop="$root/share/applications/$app.desktop"
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    grep -qx 'Exec=brevant %f' "$desktop" || fail "the desktop entry does not start brevant %f"
    grep -qx 'MimeType=application/x-brevant-layout;' "$desktop" || fail "no MimeType in the entry"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$icon" = "$app" ] || fail "the entry names icon '$icon'"
else
    fail "no desktop entry"
fi

[ -f "$root/share/icons/hicolor/scalable/apps/$app.svg" ] || fail "no scalable icon"
xmllint --noout "$root/share/icons/hicolor/scalable/apps/$app.svg" || fail "the SVG icon does not parse"
for size in $sizes; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$app.png"
    if [ -f "$png" ]; then
        # The PNG header holds the width and height as big-endian words at bytes 16 and 20.
        dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
    else
        fail "no ${size}x${size} icon"
    fi
done

mime="$root/share/mime/packages/brevant-layout.xml"
if [ -f "$mime" ]; then
    xmllint --noout "$mime" || fail "the MIME XML does not parse"
    mimedb="$stage/mime-db"
    mkdir -p "$mimedb/packages"
    cp "$mime" "$mimedb/packages/"
    update-mime-database -V "$mimedb" >"$stage/mime.log" 2>&1 || { cat "$stage/mime.log"; fail "update-mime-database rejects the MIME XML"; }
    grep -q '^[0-9]*:application/x-brevant-layout:\*\.layout$' "$mimedb/globs2" ||
        fail "*.layout does not map to application/x-brevant-layout"
else
    fail "no MIME XML"
fi

metainfo="$root/share/metainfo/$app.metainfo.xml"
if [ -f "$metainfo" ]; then
    xmllint --noout "$metainfo" || fail "the metainfo does not parse"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" >"$stage/appstream.log" 2>&1 ||
            { cat "$stage/appstream.log"; fail "appstreamcli rejects the metainfo"; }
    fi
else
    fail "no metainfo"
fi

manual="$root/share/doc/brevant/BrevantHelp.pdf"
{ [ -f "$manual" ] && qpdf --check "$manual" >/dev/null 2>&1; } ||
    fail "no readable manual at share/doc/brevant/BrevantHelp.pdf"
[ -f "$root/share/man/man1/brevant-cli.1" ] || fail "no manual page share/man/man1/brevant-cli.1"

[ $status -eq 0 ] && echo "installed and checked: $(cd "$stage" && find . -type f | wc -l) files"
exit $status
