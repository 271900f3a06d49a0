#!/usr/bin/env bash
# Builds the Debian package from an already built tree (cpack, into a temporary
# folder) and checks what it holds and declares.
# Usage: check_package.sh CPACK_CONFIG VERSION HAS_TOLVO_FIT(0|1)
set -euo pipefail
config=$1 version=$2 has_fit=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$work/out/tolvo_${version}_amd64.deb
[ -f "$deb" ] || { ls "$work/out"; echo "no $deb"; exit 1; }
echo "package $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tolvo ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is '$(field Architecture)'"
for f in Maintainer Description Section Homepage; do [ -n "$(field $f)" ] || fail "no $f"; done
# Computed by dpkg-shlibdeps: each library package with the version the build needs.
depends=$(field Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -Eq "(^|, )${lib//+/\\+} \(>= [^)]+\)" <<<"$depends" || fail "Depends lacks '$lib (>= ...)'"
done

# Not libraries: what the window needs beside them (a CJK font, Qt's Japanese texts).
for pkg in fonts-noto-cjk qt6-translations-l10n; do
  grep -Eq "(^|, )$pkg(,|$)" <<<"$(field Recommends)" || fail "Recommends lacks $pkg"
done

dpkg-deb -c "$deb" >"$work/contents"
paths=$(awk '{ print $6 }' "$work/contents")
expected=(
  ./usr/bin/tolvo
  ./usr/share/tolvo/Tolvo.html
  ./usr/share/applications/tolvo.desktop
  ./usr/share/metainfo/tolvo.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/tolvo.svg
  ./usr/share/icons/hicolor/16x16/apps/tolvo.png
  ./usr/share/icons/hicolor/32x32/apps/tolvo.png
  ./usr/share/icons/hicolor/48x48/apps/tolvo.png
  ./usr/share/man/man1/tolvo.1.gz
  ./usr/share/doc/tolvo/copyright
  ./usr/share/doc/tolvo/changelog.gz
)
if [ "$has_fit" = 1 ]; then expected+=(./usr/bin/tolvo-fit ./usr/share/man/man1/tolvo-fit.1.gz); fi
for p in "${expected[@]}"; do grep -qx -- "$p" <<<"$paths" || fail "missing $p"; done
# The print library, loaded on the first print, in Tolvo's own library folder.
grep -Eqx -- '\./usr/lib/([a-z0-9_-]+/)?tolvo/tolvo-print\.so' <<<"$paths" || fail "missing the print library"
outside=$(grep -v '^\./usr/' <<<"$paths" | grep -vx '\./' || true)
[ -z "$outside" ] || fail "outside /usr: $outside"
awk '$2 != "root/root" { print "FAIL: not owned by root: " $6; bad = 1 } END { exit bad }' "$work/contents" ||
  failures=$((failures + 1))
awk '$1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print "FAIL: mode " $1 " " $6; bad = 1 }
     $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print "FAIL: mode " $1 " " $6; bad = 1 }
     $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "FAIL: mode " $1 " " $6; bad = 1 } END { exit bad }' "$work/contents" ||
  failures=$((failures + 1))

# What it installs: stripped programs, and entries that their validators accept.
dpkg-deb -x "$deb" "$work/root"
for program in "$work"/root/usr/bin/*; do
  if readelf -S "$program" | grep -Eq '\.(debug_[a-z]+|symtab)\b'; then fail "$(basename "$program") is not stripped"; fi
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/root/usr/share/applications/tolvo.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --no-color "$work/root/usr/share/metainfo/tolvo.metainfo.xml" ||
    fail "appstreamcli validate"
fi
# Menus file an entry under exactly one of the freedesktop main categories.
main_categories=$(sed -n 's/^Categories=//p' "$work/root/usr/share/applications/tolvo.desktop" | tr ';' '\n' |
  grep -cxE 'AudioVideo|Audio|Video|Development|Education|Game|Graphics|Network|Office|Science|Settings|System|Utility' || true)
[ "$main_categories" = 1 ] || fail "the desktop entry has $main_categories main categories, not one"
grep -q "<release version=\"$version\"" "$work/root/usr/share/metainfo/tolvo.metainfo.xml" ||
  fail "the metainfo does not name release $version"
zcat "$work/root/usr/share/doc/tolvo/changelog.gz" | head -n 1 | grep -q "^tolvo ($version)" ||
  fail "the changelog does not start with version $version"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "the package holds and declares what it should"
