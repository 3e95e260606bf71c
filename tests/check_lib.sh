# shellcheck shell=bash
# Sourced by the test scripts: named checks that print ok or FAIL and count the failures.
#   check NAME COMMAND...        ok when COMMAND succeeds
#   check_eq NAME EXPECTED ACTUAL ok when the two are equal, else their diff
#   fail NAME                    a failure found otherwise
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
check() {
    local name=$1
    shift
    if "$@"; then echo "ok: $name"; else fail "$name"; fi
}
check_eq() {
    if [ "$2" == "$3" ]; then echo "ok: $1"; else
        fail "$1"
        diff <(echo "$2") <(echo "$3") || true
    fi
}
