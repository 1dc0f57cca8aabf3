# Project-wide compile settings and the helpers that turn a folder into a library or a test.

add_library(vantrel_options INTERFACE)
# Our own code builds warning-free with every compiler we use (clang natively, gcc for mingw).
target_compile_options(vantrel_options INTERFACE -Wall -Wextra -Wno-unused-parameter -Werror)
if(WIN32)
  target_compile_definitions(vantrel_options INTERFACE
    UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
  target_link_options(vantrel_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()
if(VANTREL_SANITIZE)
  set(VANTREL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
      -fno-omit-frame-pointer)
  add_compile_options(${VANTREL_SANITIZER_FLAGS})
  add_link_options(${VANTREL_SANITIZER_FLAGS})
endif()

# Every .cpp of the calling folder; the _win.cpp halves only when building for Windows, the
# _host.cpp stand-ins only when not.
macro(vantrel_folder_sources out)
  file(GLOB ${out} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(WIN32)
    list(FILTER ${out} EXCLUDE REGEX "_host\\.cpp$")
  else()
    list(FILTER ${out} EXCLUDE REGEX "_win\\.cpp$")
  endif()
endmacro()

# vantrel_layer(<target> [WIN32_ONLY] DEPS <targets...>)
# A static library of every .cpp in the calling folder. Files ending in _win.cpp are Win32 halves
# and are built only for Windows; a WIN32_ONLY layer is built only for Windows.
function(vantrel_layer target)
  cmake_parse_arguments(ARG "WIN32_ONLY" "" "DEPS" ${ARGN})
  if(ARG_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  vantrel_folder_sources(sources)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC vantrel_options ${ARG_DEPS})
endfunction()

# vantrel_test(<target> [WIN32_ONLY] [SERIAL] DEPS <targets...>)
# One GoogleTest executable of every .cpp in the calling folder (again _win.cpp only on Windows).
# SERIAL tests run with no other test beside them.
function(vantrel_test target)
  cmake_parse_arguments(ARG "WIN32_ONLY;SERIAL" "" "DEPS" ${ARGN})
  if(ARG_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  vantrel_folder_sources(sources)
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE vantrel_options ${ARG_DEPS} GTest::gmock GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE
    VANTREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(serial "")
  if(ARG_SERIAL)
    set(serial RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120 ${serial})
endfunction()
