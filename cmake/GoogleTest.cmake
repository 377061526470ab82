# GoogleTest is built from source so the native and the cross-compiled tests use the same code.
# Debian and Ubuntu ship the sources in the googletest package; elsewhere they are fetched.
set(VISTREL_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
# The same static C runtime as the program (cmake/CompilerOptions.cmake).
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
if(EXISTS "${VISTREL_GOOGLETEST_SOURCE}/CMakeLists.txt")
  add_subdirectory("${VISTREL_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/_googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
  include(FetchContent)
  FetchContent_Declare(googletest
    URL https://github.com/google/googletest/archive/refs/tags/v1.14.0.tar.gz)
  FetchContent_MakeAvailable(googletest)
endif()
include(GoogleTest)

# One CTest entry per test executable when cross-compiling (discovery would start Wine at build time),
# one per test case natively.
function(vistrel_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
