#!/bin/sh
# The real program twice on one display: the second start, given a relative .layout path from
# another folder, hands it to the first and ends with 0; the first loads it (its window title
# names the file). Then the first is killed, leaving its socket behind, and a new start must
# still come up and take files. Run under xvfb-run; needs xwininfo (x11-utils).
# usage: second_start_test.sh BREVANT EXAMPLE.layout WORKDIR
set -u
brevant=$1
example=$2
work=$3
rm -rf "$work"
mkdir -p "$work/home" "$work/jobs/hopper"
# A socket path must stay short (about 100 bytes): the runtime folder lives under /tmp.
runtime=$(mktemp -d /tmp/brevant-runtime.XXXXXX)
chmod 700 "$runtime"
cp "$example" "$work/jobs/hopper/hopper.layout"
export HOME="$work/home" XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$work/home/.config" \
       XDG_DATA_HOME="$work/home/.local/share" QT_QPA_PLATFORM=xcb
pids=""
cleanup() {
    for p in $pids; do kill "$p" 2>/dev/null; done
    rm -rf "$runtime"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; xwininfo -root -tree | grep -i brevant; exit 1; }

# Waits up to 20 s for a top-level window whose title is exactly $1.
wait_title() {
    i=0
    while [ $i -lt 200 ]; do
        xwininfo -root -tree | grep -qF "\"$1\"" && return 0
        sleep 0.1; i=$((i + 1))
    done
    return 1
}

start_first() {
    "$brevant" >"$work/first.log" 2>&1 &
    pids="$pids $!"
    first=$!
    wait_title "Brevant by Quorvel Software" || fail "the first start shows no window"
    i=0
    while [ ! -S "$runtime/brevant.socket" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    [ -S "$runtime/brevant.socket" ] || fail "the first start does not listen"
}

second_start() {
    (cd "$work/jobs" && timeout 20 "$brevant" "hopper/hopper.layout") >"$work/second.log" 2>&1
    rc=$?
    [ $rc -eq 0 ] || { cat "$work/second.log"; fail "the second start ended with $rc"; }
    wait_title "Brevant [hopper.layout]" || fail "the first did not load the handed-over file"
    kill -0 "$first" 2>/dev/null || fail "the first program ended"
    [ "$(xwininfo -root -tree | grep -c '"Brevant ')" -eq 1 ] || fail "more than one window"
}

start_first
second_start
echo "handed over to the first start"

# A crash leaves the socket file behind; the next start must not be blocked by it.
kill -9 "$first"
wait "$first" 2>/dev/null
[ -S "$runtime/brevant.socket" ] || fail "the killed program left no socket to test with"
start_first
second_start
echo "started over a dead socket and handed over again"
exit 0
