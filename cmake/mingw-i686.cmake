# Cross-build for 32-bit Windows with MinGW-w64 (posix thread model: the win32
# flavour lacks std::mutex and std::thread). mingw-x86_64.cmake reuses it with
# another target.
if(NOT QUILLET_MINGW_TARGET)
  set(QUILLET_MINGW_TARGET i686-w64-mingw32)
endif()
string(REGEX REPLACE "-.*" "" processor ${QUILLET_MINGW_TARGET})

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${processor})

set(CMAKE_C_COMPILER ${QUILLET_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLET_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLET_MINGW_TARGET}-windres)
# The IDL compiler of the add-in's interfaces and type library.
set(QUILLET_WIDL ${QUILLET_MINGW_TARGET}-widl)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLET_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests run under Wine, in a prefix the build keeps in its own folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
