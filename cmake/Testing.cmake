# Test helpers shared by every folder.
#
# quillet_add_test(NAME name SOURCES ... LIBS ... [TIMEOUT s])
# builds one GoogleTest executable and registers it as a single ctest test:
# under Wine every process start costs time, so one executable is one test.

if(NOT TARGET GTest::gtest_main)
  if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Newer GoogleTest defines the alias itself.
    if(NOT TARGET GTest::gtest_main)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

if(WIN32)
  # One wineserver for the whole run, started before the first test and
  # stopped after the last.
  add_test(NAME wine-start
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-server.sh start ${CMAKE_BINARY_DIR})
  add_test(NAME wine-stop
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-server.sh stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine-start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine-stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

function(quillet_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_definitions(${T_NAME} PRIVATE
    QUILLET_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(WIN32)
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED wine)
    # A message box the test did not script fails it (tests/support/win).
    target_link_libraries(${T_NAME} PRIVATE quillet_message_boxes)
  endif()
endfunction()

# Adds every folder below the current one that has a CMakeLists.txt: each test
# and benchmark folder registers itself.
function(quillet_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Links a Windows test program against the test build of QLShared.dll
# (tests/qlshared/win/test-build), scripts the library's message boxes with
# the program's own and copies that build beside it, where Wine looks for it.
function(quillet_use_test_build target)
  target_link_libraries(${target} PRIVATE QLSharedTestBuild)
  target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/qlshared/win/test-build/ScriptedLibrarySeam.cpp)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QLSharedTestBuild> $<TARGET_FILE_DIR:${target}>)
endfunction()

# The same for the shipped QLShared.dll.
function(quillet_use_shipped_library target)
  target_link_libraries(${target} PRIVATE QLShared)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:QLShared> $<TARGET_FILE_DIR:${target}>)
endfunction()

# The targets that target links, directly or through the targets it links.
function(quillet_linked_targets target result)
  set(found "")
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libraries ${current} ${property})
      foreach(library IN LISTS libraries)
        # What a static library links privately is listed as $<LINK_ONLY:name>.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.+)>$" "\\1" library "${library}")
        if(TARGET ${library} AND NOT library IN_LIST found)
          list(APPEND found ${library})
          list(APPEND pending ${library})
        endif()
      endforeach()
    endforeach()
  endwhile()
  set(${result} ${found} PARENT_SCOPE)
endfunction()
