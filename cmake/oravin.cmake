# Helpers shared by every folder's CMakeLists.

function(oravin_setup_googletest)
  if(WIN32)
    # Plain Win32 threads would do, but GoogleTest's own pthread use is not needed at all.
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endfunction()

# oravin_test(NAME name SOURCES ... LIBS ... [GUI] [TIMEOUT s])
# Native builds: one CTest entry per test case, labelled "native".
# Windows builds: one CTest entry per binary, run through Wine, labelled "wine".
# GUI tests share the display (cursor, focus, what is on the screen), so they never
# run at the same time.
function(oravin_test)
  cmake_parse_arguments(T "GUI" "NAME;TIMEOUT;LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT BUILD_TESTING)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  if(WIN32)
    target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/testing/dpi_aware.rc)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  if(WIN32)
    if(NOT T_LABEL)
      set(T_LABEL wine)
    endif()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT}
      ENVIRONMENT "ORAVIN_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
    if(T_GUI)
      set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK display)
    endif()
  else()
    include(GoogleTest)
    gtest_discover_tests(${T_NAME} PROPERTIES LABELS native TIMEOUT ${T_TIMEOUT})
  endif()
endfunction()
