#!/usr/bin/env bash
# Saving over an existing data file while the disk refuses the write, and
# while its folder is read-only: the earlier file stays byte for byte, and the
# message names the file and the reason.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'umount "$work/full" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export SOURCE_DATE_EPOCH=1700000000 QX7_HOME="$work"
cd "$work"

"$cli" new -o earlier.dat --model 8524
"$cli" new -o other.dat --model 7524 # what the refused saves would have written

# expect_refused DIR: saving over DIR/earlier.dat fails, names it, and keeps it.
expect_refused() {
  local dir=$1 why=$2; shift 2
  cp earlier.dat "$work/expected.dat"
  set +e
  err=$("$@" "$cli" import "$work/plan.json" -o "$dir/earlier.dat" 2>&1 >/dev/null)
  status=$?
  set -e
  [ "$status" -eq 2 ] || fail "$why: exit status $status, not 2 ($err)"
  grep -q "$dir/earlier.dat" <<<"$err" || fail "$why: the message does not name the file: $err"
  cmp -s "$dir/earlier.dat" "$work/expected.dat" || fail "$why: the earlier file changed"
  echo "$why: refused as it should be: $err"
}
"$cli" export other.dat -o plan.json

# 1. A file system with no room left.
if [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null; then
  mkdir full
  unshare -m bash -c '
    set -e
    mount -t tmpfs -o size=8k tmpfs full
    cp earlier.dat full/earlier.dat
    dd if=/dev/zero of=full/fill bs=1k count=64 2>/dev/null || true
    '"$(declare -f fail expect_refused)"'
    cli='"'$cli'"' work='"'$work'"'
    expect_refused "$work/full" "full file system"
    grep -q "No space left on device" <<<"$err" || fail "the reason is not given: $err"
  '
else
  echo "full file system: skipped (needs root to mount one)"
fi

# 2. Every write refused past a size limit, as a full disk refuses it (any user).
expect_refused "$work" "file size limit" bash -c 'trap "" XFSZ; ulimit -f 0; exec "$@"' limit

# 3. A read-only folder: the file itself is writable, but no new file can be made beside it.
mkdir ro
cp earlier.dat ro/earlier.dat
chmod 666 ro/earlier.dat
if [ "$(id -u)" -eq 0 ]; then
  # Root writes anywhere: the save runs as nobody, from a copy of the tool that
  # nobody can reach wherever the build lies.
  cp "$cli" "$work/qx7-cli"
  cli=$work/qx7-cli
  chmod 755 "$work" ro "$cli"
  chmod 644 plan.json
  expect_refused "$work/ro" "read-only folder" setpriv --reuid=nobody --regid=nogroup --clear-groups
else
  chmod 555 ro
  expect_refused "$work/ro" "read-only folder"
  chmod 755 ro
fi
echo "disk refusals OK"
