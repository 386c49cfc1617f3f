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
    # Wine's caption buttons are Marlett's glyphs (from fonts-wine); a prefix
    # finds it in its own Fonts folder.
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    # Wine links the user's Documents, Desktop and the like to the developer's
    # own folders: the tests' are folders of the prefix.
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$link" ]; then
            rm "$link"
            mkdir "$link"
        fi
    done
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

# A display of our own, so that nothing reaches the developer's screen: Xvfb
# takes a free number itself and writes it once it takes connections.
start_display() {
    ready=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    xvfb_pid=$!
    i=0
    while [ ! -s "$ready" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    display=:$(tr -d '\n' <"$ready")
    rm -f "$ready"
    if [ "$display" = : ]; then
        echo "Xvfb did not start" >&2
        exit 1
    fi
    export DISPLAY="$display"
    prepare_prefix
}
stop_display() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
