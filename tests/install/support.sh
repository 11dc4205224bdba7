# Helpers of the installation tests.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The PNG at $1 is $2 pixels square (width and height stand big-endian in its header).
png_is_square() {
    [ -f "$1" ] || fail "missing $1"
    local header
    header=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ')
    local expected
    expected=$(printf ' 0 0 %d %d 0 0 %d %d' $(($2 / 256)) $(($2 % 256)) $(($2 / 256)) $(($2 % 256)))
    [ "$header" = "$expected" ] || fail "$1 is not $2 px square"
}

# Starts $1 on the offscreen platform, waits until it handles SIGTERM (it then has its
# window), ends it with SIGTERM as the session would, and waits for it to finish.
run_until_terminated() {
    QT_QPA_PLATFORM=offscreen "$1" >"$work/run.log" 2>&1 &
    local pid=$!
    local sigterm_bit=$((1 << 14))
    for _ in $(seq 600); do
        local caught
        caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
        [ -n "$caught" ] && (((16#$caught & sigterm_bit) != 0)) && break
        kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "$1 ended by itself"; }
        sleep 0.1
    done
    kill -TERM "$pid"
    wait "$pid" || { cat "$work/run.log"; fail "$1 did not end cleanly"; }
}
