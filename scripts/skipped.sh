# shellcheck shell=bash
# What the test runners share, sourced by each: how a check that cannot run on this machine
# says so, and how a runner ends a process it started.
#
# skip CHECK REASON prints "SKIPPED: CHECK: REASON" and adds the line to the file named by
# SPAWNSMITH_SKIP_LOG (scripts/test.sh sets it and lists the file in its summary); skipped does
# the same and ends the runner with status 77, which ctest counts as a skipped test. A reason
# that begins with "package mirror unreachable" is the one skip that CI lets pass.
skip() {
    echo "SKIPPED: $1: $2"
    [ -z "${SPAWNSMITH_SKIP_LOG:-}" ] || echo "$1: $2" >>"$SPAWNSMITH_SKIP_LOG"
}

skipped() {
    skip "$@"
    exit 77
}

# end_process PID: ends a process the runner started (a stopped one too): TERM, then KILL if it
# is still there 3 seconds later.
end_process() {
    [ -n "$1" ] && kill -0 "$1" 2>/dev/null || return 0
    kill -CONT "$1" 2>/dev/null
    kill -TERM "$1" 2>/dev/null
    for _ in $(seq 30); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    return 0
}
