# A cross build needs some programs built for the build machine itself: the skin packer (it makes the
# default skin at build time) and the speech helper that the speech component starts under Wine.
# They are built by a nested host-compiler build of this same source tree.
include(ExternalProject)

set(TOLVANE_HOST_BIN_DIR ${CMAKE_BINARY_DIR}/host/bin)
ExternalProject_Add(host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/host
  CMAKE_ARGS -G Ninja -DTOLVANE_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${TOLVANE_HOST_BIN_DIR}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON)
