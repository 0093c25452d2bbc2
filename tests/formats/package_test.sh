#!/bin/sh
# Builds the Debian package from the build tree as `make package` does, into a
# temporary folder, and checks what it holds, what it depends on, and that the
# programs it unpacks run.
#   package_test.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/zelvor-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
set -- "$work"/out/*.deb
[ "$#" -eq 1 ] && [ -f "$1" ] || fail "expected one .deb, got: $*"
deb=$1

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
for path in ./usr/bin/zelvor-check ./usr/share/man/man1/zelvor-check.1.gz; do
  grep -qx "$path" "$work/contents" || fail "$path is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in *libstdc++6*) ;; *) fail "Depends lacks the C++ runtime: $depends" ;; esac
if grep -qx ./usr/bin/zelvor "$work/contents"; then
  # The window: Qt's widgets and, loaded at run time, its platform plugins.
  case "$depends" in *libqt6widgets6*) ;; *) fail "Depends lacks Qt Widgets: $depends" ;; esac
  case "$depends" in *qt6-qpa-plugins*) ;; *) fail "Depends lacks qt6-qpa-plugins: $depends" ;; esac
  grep -q '^\./usr/share/applications/.*\.desktop$' "$work/contents" || fail "no desktop file"
  grep -Eq '^\./usr/share/(icons|pixmaps)/' "$work/contents" || fail "no icon"
fi

dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/zelvor-check" --version | grep -q '^zelvor-check ' || fail "--version"
"$work/root/usr/bin/zelvor-check" --color=never "$source/examples/clean-world" >"$work/report" ||
  fail "the packaged zelvor-check does not check the clean world"
grep -q 'No errors in these files' "$work/report" || fail "unexpected report"
gzip -dc "$work/root/usr/share/man/man1/zelvor-check.1.gz" | grep -q '^\.TH ZELVOR-CHECK 1 .*Zelvor [0-9]' ||
  fail "man page"
echo "package ok: $(basename "$deb")"
