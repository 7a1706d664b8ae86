# Sourced by the Wine helpers with a Windows build folder as $1: chooses the
# prefix and the Wine loader for that build. The i686 build runs in a 32-bit
# prefix; the x86_64 build, made where the machine cannot run 32-bit
# programs, runs in a 64-bit prefix with Wine's 64-bit loader.
export WINEPREFIX="$1/wineprefix${QUILLET_PREFIX_SUFFIX:-}"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if grep -q '^CMAKE_TOOLCHAIN_FILE.*x86_64' "$1/CMakeCache.txt" 2>/dev/null; then
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
  wine=/usr/lib/wine/wine64
else
  export WINEARCH=win32
  wine=wine
fi
