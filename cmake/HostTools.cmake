# VANTREL_SKINPACK: a skinpack the build machine can run. A native build uses its own target; a
# cross build (mingw) builds this same tree once more with the native compiler, target skinpack
# only, because the Windows tool cannot run here (and the i686 one not even under Wine).
if(NOT CMAKE_CROSSCOMPILING)
  set(VANTREL_SKINPACK $<TARGET_FILE:skinpack>)
  set(VANTREL_SKINPACK_TARGET skinpack)
  return()
endif()

include(ExternalProject)
find_program(VANTREL_HOST_CC NAMES clang-14 clang cc gcc NO_CMAKE_FIND_ROOT_PATH)
find_program(VANTREL_HOST_CXX NAMES clang++-14 clang++ c++ g++ NO_CMAKE_FIND_ROOT_PATH)
if(NOT VANTREL_HOST_CC OR NOT VANTREL_HOST_CXX)
  message(FATAL_ERROR "No native C/C++ compiler found for the host tools")
endif()

set(VANTREL_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(VANTREL_SKINPACK ${VANTREL_HOST_TOOLS_DIR}/tools/skinpack/skinpack)
set(VANTREL_SKINPACK_TARGET vantrel_host_tools)
ExternalProject_Add(vantrel_host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${VANTREL_HOST_TOOLS_DIR}
  PREFIX ${CMAKE_BINARY_DIR}/host-tools-ep
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_C_COMPILER=${VANTREL_HOST_CC}
    -DCMAKE_CXX_COMPILER=${VANTREL_HOST_CXX}
    -DVANTREL_TESTS=OFF
    -DVANTREL_SANITIZE=OFF
    -DVANTREL_BENCH=OFF
    -DVANTREL_HOST_TOOL_BUILD=ON
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target skinpack
  INSTALL_COMMAND ""
  # The tool's sources are this tree: let its own build decide what is out of date.
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${VANTREL_SKINPACK}
  EXCLUDE_FROM_ALL ON)
