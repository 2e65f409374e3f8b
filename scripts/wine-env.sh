# Sourced: the Wine the tests use, in a prefix of the project's own (never the
# user's ~/.wine), quiet, without the Mono and Gecko installers.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${QVUTT_WINEPREFIX:-$repo_root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creates the prefix once; later calls are quick. Windows get a virtual
# desktop of their own, where Wine draws and stacks them as Windows does,
# whether or not the X display runs a window manager; Arial is Liberation Sans,
# which has its metrics.
prepare_wine_prefix() {
  local stamp="$WINEPREFIX/.qvutt-prepared"
  if [ ! -f "$stamp" ]; then
    mkdir -p "$WINEPREFIX"
    echo "creating Wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f \
      >/dev/null 2>&1
    wineserver --wait
    touch "$stamp"
  fi
  # Debian's Wine does not look in its own font folder: without Marlett and
  # Tahoma from fonts-wine, caption buttons and dialog texts come out wrong.
  if [ -d /usr/share/wine/fonts ]; then
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
}
