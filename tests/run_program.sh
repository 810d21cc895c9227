#!/usr/bin/env bash
# Runs one of the programs in one setting and checks what it writes and how it ends.
#
#   run_program.sh [--windows] [--flushes=LINES] CASE EXPECTED_FILE NAME COMMAND...
#
# COMMAND is the program, behind an emulator where the build has one. NAME is the name the
# program gives itself in its error line. --windows: the program is a Windows one, which
# ends its lines in CR LF, as text-mode output on Windows does (EXPECTED_FILE keeps plain
# newlines and is compared with its line ends turned), and which no SIGPIPE can end.
# --flushes: the lines of EXPECTED_FILE after which the program flushes, as "1,2,10". CASE
# is one of:
#   transcript         standard output is EXPECTED_FILE byte for byte, exit status 0, and
#                      standard error stays empty; likewise the three that follow, with
#   arguments          arguments on the command line,
#   stdin-closed       standard input closed,
#   empty-environment  no environment variables but those the emulator itself reads;
#   writes             the transcript reaches standard output in one write(2) per flush,
#                      each ending at a line of --flushes (seen with strace);
#   stdout-full        standard output is /dev/full,
#   stdout-closed      standard output is closed, and
#   pipe-gone          standard output is a pipe whose reader has already gone, with
#                      SIGPIPE ignored: exit status 1 and exactly the one error line on
#                      standard error;
#   pipe-closed        the reader of standard output goes away after the first byte: the
#                      program ends by itself, with status 0, or 1 and the error line, or
#                      killed by SIGPIPE (not on Windows); this case is there to show that
#                      nothing hangs, pipe-gone holds the error path to its promise;
#   combined           standard output and standard error together are EXPECTED_FILE, in
#                      the order written, with exit status 0 (for a program that reports
#                      on standard error, such as jagged_sum_recorded).
set -u

windows=false
flushes=""
while [[ $1 == --* ]]; do
    case $1 in
    --windows) windows=true ;;
    --flushes=*) flushes=${1#--flushes=} ;;
    *) break ;;
    esac
    shift
done
case_name=$1
expected_file=$2
name=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL [$name $case_name]: $*" >&2
    exit 1
}

# The expected bytes, with the line ends of the platform under test.
expected=$work/expected
if $windows; then
    sed 's/$/\r/' "$expected_file" >"$expected"
    write_error="$name: write error on standard output"$'\r\n'
else
    cp "$expected_file" "$expected"
    write_error="$name: write error on standard output"$'\n'
fi

# Checks the exit status $1 and the captured standard error against $2 and $3.
check_ending() {
    local status=$1 want_status=$2 want_stderr=$3
    [[ $status -eq $want_status ]] || fail "exit status $status, wanted $want_status"
    printf '%s' "$want_stderr" | cmp -s - "$work/stderr" ||
        fail "standard error was: $(cat -A "$work/stderr")"
}

# Checks that file $1 holds the expected bytes.
check_output() {
    cmp -s "$expected" "$1" || {
        diff <(cat -A "$expected") <(cat -A "$1") >&2
        fail "output differs from $expected_file"
    }
}

check_transcript() {
    check_ending "$1" 0 ""
    check_output "$work/stdout"
}

# The sizes in bytes of the writes that the flushes after the lines of --flushes make.
expected_write_sizes() {
    local line
    local -a ends
    IFS=, read -r -a ends <<<"$flushes"
    local start=1
    for line in "${ends[@]}"; do
        sed -n "${start},${line}p" "$expected" | wc -c
        start=$((line + 1))
    done
}

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
    # Wine cannot start without its own variables (WINEPREFIX and the like); they say
    # nothing to the program.
    emulator_environment=()
    while IFS= read -r variable; do
        emulator_environment+=("$variable")
    done < <(env | grep '^WINE' || true)
    env -i "${emulator_environment[@]}" "$@" >"$work/stdout" 2>"$work/stderr"
    check_transcript $?
    ;;
writes)
    [[ -n $flushes ]] || fail "--flushes is needed"
    command -v strace >/dev/null || fail "strace is needed to see the writes (apt-get install strace)"
    # LeakSanitizer cannot work under strace (both need ptrace); the other cases check leaks.
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
        strace -f -y -qq -e trace=write -e signal=none -o "$work/trace" "$@" \
        >"$work/stdout" 2>"$work/stderr"
    check_transcript $?
    # A line of the trace: [PID] write(FD</path/of/stdout>, "...", 29) = 29. The path tells
    # the writes to standard output from any other, whatever the descriptor's number (an
    # emulator may write from another). Strings are escaped, so the last comma before
    # ") =" starts the size.
    sed -nE "s|^([0-9]+ +)?write\\([0-9]+<$work/stdout>, .*, ([0-9]+)\\) += [0-9]+\$|\\2|p" \
        "$work/trace" >"$work/sizes"
    expected_write_sizes >"$work/expected_sizes"
    cmp -s "$work/expected_sizes" "$work/sizes" ||
        fail "the transcript was written in writes of $(paste -sd ' ' "$work/sizes") bytes," \
            "wanted one write per flush: $(paste -sd ' ' "$work/expected_sizes") bytes"
    ;;
stdout-full)
    "$@" >/dev/full 2>"$work/stderr"
    check_ending $? 1 "$write_error"
    ;;
stdout-closed)
    "$@" >&- 2>"$work/stderr"
    check_ending $? 1 "$write_error"
    ;;
pipe-gone)
    # A pipe whose only reader is closed before the program starts: a FIFO opened for
    # reading and writing at once, then closed for reading.
    mkfifo "$work/fifo"
    exec 3<>"$work/fifo" 4>"$work/fifo" 3<&-
    # An ignored signal stays ignored across exec, so every write fails with EPIPE instead.
    (
        trap '' PIPE
        exec "$@" >&4 4>&- 2>"$work/stderr"
    )
    status=$?
    exec 4>&-
    check_ending "$status" 1 "$write_error"
    ;;
pipe-closed)
    # A reader that takes one byte and leaves; timeout tells a hang (124) from an ending.
    timeout 20 "$@" 2>"$work/stderr" | head -c 1 >/dev/null
    status=${PIPESTATUS[0]}
    case $status in
    0) check_ending 0 0 "" ;;
    1) check_ending 1 1 "$write_error" ;;
    141)
        $windows && fail "killed by SIGPIPE, which Windows does not have"
        check_ending 141 141 ""
        ;;
    *) fail "ended with status $status" ;;
    esac
    ;;
combined)
    "$@" >"$work/stdout" 2>&1
    status=$?
    [[ $status -eq 0 ]] || fail "exit status $status, wanted 0"
    check_output "$work/stdout"
    ;;
*)
    fail "no such case"
    ;;
esac
