# shellcheck shell=sh
# Sourced by the start-and-quit checks: waits until a started program catches
# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM (its handler is the first thing main installs), so that the
# signal sent next is the program's to answer, however loaded the machine is.
# wait_until_ready PID [SECONDS]: fails when the program ends or never gets there.
wait_until_ready() {
    _limit=$(( ${2:-60} * 10 ))
    while [ "$_limit" -gt 0 ]; do
        kill -0 "$1" 2>/dev/null || return 1
        _caught=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null)
        _low=${_caught#"${_caught%????}"} # signals 1 to 16
        # SIGTERM is signal 15: bit 14 of the mask.
        [ -n "$_low" ] && [ $(( 0x$_low & 0x4000 )) -ne 0 ] && return 0
        sleep 0.1
        _limit=$((_limit - 1))
    done
    return 1
}
