# googletest from the sources Debian installs in /usr/src/googletest, built with the current toolchain,
# and tolvane_add_test() to declare a test program.
set(TOLVANE_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "googletest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${TOLVANE_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL SYSTEM)

include(GoogleTest)

# tolvane_add_test(NAME SOURCES src... [LIBRARIES lib...] [GUI] [TIMEOUT s])
# Native tests register each test case with CTest. Windows tests run as one CTest test per program
# (each start of Wine costs a second or two); GUI tests hold the display lock so that focus and
# input of one test never reach another.
function(tolvane_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} GTest::gmock GTest::gtest_main)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} RESOURCE_LOCK wine_display
                         ENVIRONMENT "TOLVANE_TESTDATA=${TOLVANE_TESTDATA_DIR};TOLVANE_WINE_MANAGED=0")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "TOLVANE_TESTDATA=${TOLVANE_TESTDATA_DIR}")
  endif()
endfunction()

# Test data is part of the repository (testdata/); TOLVANE_TESTDATA_DIR names another folder of the
# same layout. A build whose tests would fail for want of a file stops here instead.
set(TOLVANE_TESTDATA_DIR "${CMAKE_SOURCE_DIR}/testdata" CACHE PATH "Folder of the test data the tests read")
set(TOLVANE_LZHUF_VECTORS empty english gbk_article gradient_pixels long_run one_byte small_alphabet)
set(_missing "")
foreach(_name IN LISTS TOLVANE_LZHUF_VECTORS)
  foreach(_ext bin lzh)
    if(NOT EXISTS "${TOLVANE_TESTDATA_DIR}/lzhuf/${_name}.${_ext}")
      list(APPEND _missing "lzhuf/${_name}.${_ext}")
    endif()
  endforeach()
endforeach()
if(_missing)
  list(JOIN _missing ", " _missing)
  message(FATAL_ERROR "Test data missing in ${TOLVANE_TESTDATA_DIR}: ${_missing}")
endif()
