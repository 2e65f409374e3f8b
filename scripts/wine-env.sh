# Sourced: the Wine the tests use, in a prefix of the project's own for each
# architecture (never the user's ~/.wine), quiet, without the Mono and Gecko
# installers. Debian's `wine` wrapper always picks the 32-bit loader once
# wine32 is installed, even where the kernel cannot run it, so each
# architecture's loader is called directly: `use_wine x86` or `use_wine x64`,
# then `wine ...`.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# One pinned font for Arial instead of whatever version the distribution
# ships: the pictures compare glyph for glyph (tests/fonts/).
export FONTCONFIG_FILE="$repo_root/tests/fonts/fonts.conf"

use_wine() {
  case "$1" in
    x86) if [ -e /proc/sys/fs/binfmt_misc/qvutt-i386 ]; then
           # In scripts/x86-under-qemu.sh's namespace, where qemu-user runs
           # them, a 32-bit prefix never finishes its set-up: the 32-bit
           # programs run in a 64-bit one, as on 64-bit Windows.
           export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
           export WINEPREFIX="$repo_root/build/wine-wow64"
           return
         fi
         export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine ;;
    x64) export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 ;;
    *) echo "no such architecture: '$1' (x86 or x64)" >&2; return 1 ;;
  esac
  export WINEPREFIX="$repo_root/build/wine-$WINEARCH"
}

wine() {
  "${WINELOADER:?call use_wine x86 or use_wine x64 first}" "$@"
}

# Creates the prefix once; later calls are quick. Windows get a virtual
# desktop of their own, where Wine draws and stacks them as Windows does,
# whether or not the X display runs a window manager; Arial is Liberation Sans,
# which has its metrics (the pinned one: FONTCONFIG_FILE above).
prepare_wine_prefix() {
  local stamp="$WINEPREFIX/.qvutt-prepared"
  if [ ! -f "$stamp" ]; then
    mkdir -p "$WINEPREFIX"
    echo "creating Wine prefix $WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f \
      >/dev/null 2>&1
    # A crash prints where it happened and ends the program within seconds:
    # Wine's debugger prints a backtrace, with no crash dialog to wait for a
    # click that never comes. Under qemu-user the debugger would take a
    # minute or more to start: there none is named, and Wine's own line
    # gives the fault and its address.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    if [ "$WINEPREFIX" = "$repo_root/build/wine-wow64" ]; then
      local key
      for key in 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug'; do
        wine reg add "$key" /v Debugger /d no-debugger.exe /f >/dev/null 2>&1
      done
    fi
    wineserver --wait
    touch "$stamp"
  fi
  # Debian's Wine does not look in its own font folder: without Marlett and
  # Tahoma from fonts-wine, caption buttons and dialog texts come out wrong.
  if [ -d /usr/share/wine/fonts ]; then
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
}
