#!/usr/bin/env bash
# Runs one of the programs in one setting and checks what it writes and how it ends.
#
#   run_program.sh CASE EXPECTED_FILE NAME COMMAND...
#
# COMMAND is the program, behind an emulator where the build has one. NAME is the name the
# program gives itself in its error line. CASE is one of:
#   transcript         standard output is EXPECTED_FILE byte for byte, exit status 0, and
#                      standard error stays empty; likewise the three that follow, with
#   arguments          arguments on the command line,
#   stdin-closed       standard input closed,
#   empty-environment  no environment variables at all;
#   stdout-full        standard output is /dev/full, and
#   stdout-closed      standard output is closed: exit status 1 and exactly the one error
#                      line on standard error;
#   pipe-closed        the reader of standard output goes away after the first byte: the
#                      program ends by itself, killed by SIGPIPE or with status 0 or 1.
set -u

case_name=$1
expected=$2
name=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL [$name $case_name]: $*" >&2
    exit 1
}

# Checks the exit status $1 and the captured standard error against $2 and $3.
check_ending() {
    local status=$1 want_status=$2 want_stderr=$3
    [[ $status -eq $want_status ]] || fail "exit status $status, wanted $want_status"
    printf '%s' "$want_stderr" | cmp -s - "$work/stderr" ||
        fail "standard error was: $(cat -A "$work/stderr")"
}

check_transcript() {
    check_ending "$1" 0 ""
    cmp "$expected" "$work/stdout" || {
        diff <(cat -A "$expected") <(cat -A "$work/stdout") >&2
        fail "standard output differs from $expected"
    }
}

write_error="$name: write error on standard output"$'\n'

case $case_name in
transcript)
    "$@" >"$work/stdout" 2>"$work/stderr"
    check_transcript $?
    ;;
arguments)
    "$@" --help -x "two words" - >"$work/stdout" 2>"$work/stderr"
    check_transcript $?
    ;;
stdin-closed)
    "$@" <&- >"$work/stdout" 2>"$work/stderr"
    check_transcript $?
    ;;
empty-environment)
    env -i "$@" >"$work/stdout" 2>"$work/stderr"
    check_transcript $?
    ;;
stdout-full)
    "$@" >/dev/full 2>"$work/stderr"
    check_ending $? 1 "$write_error"
    ;;
stdout-closed)
    "$@" >&- 2>"$work/stderr"
    check_ending $? 1 "$write_error"
    ;;
pipe-closed)
    # A reader that takes one byte and leaves; timeout tells a hang (124) from an ending.
    timeout 20 "$@" 2>"$work/stderr" | head -c 1 >/dev/null
    status=${PIPESTATUS[0]}
    case $status in
    0 | 141) check_ending "$status" "$status" "" ;;
    1) check_ending 1 1 "$write_error" ;;
    *) fail "ended with status $status" ;;
    esac
    ;;
*)
    fail "no such case"
    ;;
esac
