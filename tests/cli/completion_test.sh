#!/bin/bash
# The bash completion of orvane-cli run as bash runs it: each case sets the
# words of a command line and checks what the completion offers.
# usage: completion_test.sh BIN_DIR COMPLETION_SCRIPT
set -u
bin=$(cd "$1" && pwd) || exit 1
export PATH="$bin:$PATH"
# shellcheck source=packaging/completion/orvane-cli
source "$2"
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
cd "$dir" && orvane-cli new --model pmr -o radio.clf || exit 1

failed=0
# expect WANTED WORD... : the offers, joined by "|", must be exactly WANTED, or
# hold it when WANTED ends in "|...".
expect() {
    local want=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _orvane_cli
    local got
    got=$(IFS='|'; echo "${COMPREPLY[*]}")
    if [[ $want == *"|..." ]]; then
        [[ "|$got|" == *"|${want%|...}|"* ]] && return
    elif [[ $got == "$want" ]]; then
        return
    fi
    echo "FAIL: $* -> '$got', wanted '$want'"
    failed=1
}

expect "sheets|sheet"               orvane-cli sh
expect "--model"                    orvane-cli new --mo
expect "lmr|pmr|biis"               orvane-cli new --model ""
expect "--verify"                   orvane-cli write --port /dev/ttyS0 radio.clf --ve
expect "radio.clf"                  orvane-cli info rad
expect "Bank 1|..."                 orvane-cli sheet radio.clf '"Ban'
expect "Bank operation|..."         orvane-cli sheet radio.clf Ban
expect "Radio/Signalling/DTMF memories|..." orvane-cli sheet radio.clf Radio/Sig
expect "Signalling/DTMF memories"  orvane-cli sheet radio.clf Signalling/DT
expect "Bank 16|..."                orvane-cli edit radio.clf -o out.clf -s ""
expect "RX freq [MHz]|..."          orvane-cli edit radio.clf -o out.clf -s '"Bank 1"' --cell RX
expect "1-1"                        orvane-cli edit radio.clf -o out.clf -s "Bank 1" --cell '"RX freq [MHz]"' 1-1
expect ""                           orvane-cli sheet missing.clf Ban
exit $failed
