#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the installed
# programs start from there and find their files.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in lib/qx7/qx7 lib/qx7/qx7-cli lib/qx7/qx7-sim lib/qx7/English.Ini lib/qx7/Chinese.Ini \
         lib/qx7/SysInfo.Ini share/applications/org.qx7.QX7.desktop \
         share/metainfo/org.qx7.QX7.metainfo.xml share/icons/hicolor/scalable/apps/org.qx7.QX7.svg; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
for p in qx7 qx7-cli qx7-sim; do
  [ -x "$prefix/bin/$p" ] || fail "bin/$p is not on the PATH side of the tree"
done

# Started through the launcher, from any working folder, the program finds its tree.
out=$(cd / && env -u QX7_HOME "$prefix/bin/qx7" --version)
echo "$out"
grep -qx "files: $prefix/lib/qx7/" <<<"$out" || fail "qx7 does not find its folder"
grep -q "language files: $prefix/lib/qx7/Chinese.Ini, $prefix/lib/qx7/English.Ini" <<<"$out" \
  || fail "qx7 does not find its language files"
shown=$(cd / && env -u QX7_HOME QX7_STARTUP_PROBE=1 QT_QPA_PLATFORM=offscreen "$prefix/bin/qx7" 2>/dev/null)
grep -q "^shown " <<<"$shown" || fail "the installed qx7 shows no window"
models=$(cd / && env -u QX7_HOME "$prefix/bin/qx7-cli" models)
grep -q "^8524" <<<"$models" || fail "qx7-cli models"

# A user who cannot write the program's folder keeps the settings in the configuration folder.
config=$(mktemp -d)
trap 'rm -rf "$prefix" "$config"' EXIT
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$prefix" "$config"
  chown nobody "$config"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$prefix/lib/qx7"
  trap 'chmod u+w "$prefix/lib/qx7"; rm -rf "$prefix" "$config"' EXIT
  as_user=()
fi
out=$(cd / && env -u QX7_HOME XDG_CONFIG_HOME="$config" "${as_user[@]}" "$prefix/bin/qx7" --version)
grep -qx "settings: $config/qx7/SysInfo.Ini" <<<"$out" || fail "settings not in XDG_CONFIG_HOME: $out"

desktop-file-validate "$prefix/share/applications/org.qx7.QX7.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.qx7.QX7.metainfo.xml" >/dev/null \
  || appstreamcli validate --no-net "$prefix/share/metainfo/org.qx7.QX7.metainfo.xml"
echo "install tree OK"
