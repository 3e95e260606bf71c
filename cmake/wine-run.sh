#!/usr/bin/env bash
# Runs a Windows program under Wine, for CTest: wine-run.sh WINE PROGRAM.exe [ARGS...]
# Wine's helper processes (services, explorer), which the first program of a session starts,
# inherit that program's output and outlive it; the output goes through a file, so that CTest
# does not wait for them to end.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
"$@" </dev/null >"$out" 2>&1 || status=$?
cat "$out"
exit "$status"
