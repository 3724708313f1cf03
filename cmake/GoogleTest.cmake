# GoogleTest from the sources of Debian's googletest package, compiled with
# the tree's own compiler (MinGW for the Windows tree, clang for the native one).
set(HEXMOOR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${HEXMOOR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)
enable_testing()
if(HEXMOOR_WINDOWS)
  set(HEXMOOR_TREE_LABEL windows)
else()
  set(HEXMOOR_TREE_LABEL native)
endif()
