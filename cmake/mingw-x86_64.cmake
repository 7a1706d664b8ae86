# The same cross-build for 64-bit Windows: the Windows tests run on it where
# the machine cannot run 32-bit programs.
set(QUILLET_MINGW_TARGET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
