# shellcheck shell=sh
# Sourced by the Windows scripts: the Wine prefix of the build (created once,
# SPDX-License-Identifier: GPL-3.0-or-later
# with no window manager waits), a private Xvfb display, and the paths where the
# Windows Qt and the mingw runtime DLLs are found.
# Needs: $qt, the Windows Qt prefix (tools/build-windows-qt.sh prints it).
export WINEPREFIX="$PWD/build-windows/wineprefix"
unset QT_QPA_PLATFORM # Wine hands the environment on; Windows Qt has its own platform
export WINEDEBUG=-all
# No Mono or Gecko installer prompts; no menu builder, which would write the
# installed program's menu entries and icons into the host's ~/.local/share.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The prefix is made once, on the display (start_display calls this), as a
# user's prefix would be.
prepare_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    echo "== preparing a Wine prefix"
    wineboot --init >/dev/null 2>&1
    # Without a window manager Wine waits about 2 s for each hidden window to be
    # managed; unmanaged windows take the suites from minutes to seconds.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
}

: "${qt:?the sourcing script sets qt, the Windows Qt prefix}"
runtime_dirs="$qt/bin $(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)") \
$(dirname "$(x86_64-w64-mingw32-gcc-posix -print-file-name=libwinpthread-1.dll)")"
# Wine's drive Z: is the Unix root. (Asking winepath would start a Wine desktop
# without the display, which every later window of the session would then lack.)
# shellcheck disable=SC1003 # '\\' is tr's backslash, no quote escaped
windows_path() { printf 'Z:%s' "$(readlink -f "$1")" | tr / '\\'; }
WINEPATH=""
for dir in $runtime_dirs; do
    WINEPATH="$WINEPATH${WINEPATH:+;}$(windows_path "$dir")"
done
export WINEPATH
QT_PLUGIN_PATH=$(windows_path "$qt/plugins")
export QT_PLUGIN_PATH

# A display of our own, so that nothing reaches the developer's screen.
start_display() {
    display=:$((90 + $$ % 100))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY="$display"
    i=0
    while [ ! -e "/tmp/.X11-unix/X${display#:}" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    prepare_prefix
}
stop_display() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
