#!/usr/bin/env bash
# Runs a command in a session of its own and ends all of it (TERM to its process group) as soon
# as this script is interrupted or terminated. For ctest, which after a Ctrl+C goes on with its
# next test instead of stopping, and so would keep the test command from ending.
# Usage: scripts/interruptible.sh COMMAND [ARG...]; exits with the command's status.
setsid "$@" &
group=$!
trap 'kill -TERM -- "-$group" 2>/dev/null; exit 130' INT
trap 'kill -TERM -- "-$group" 2>/dev/null; exit 143' TERM
wait "$group"
