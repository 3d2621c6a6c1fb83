# The nested host build (see HostTools.cmake): only the native programs, no tests.
foreach(dir skin/data tools speech)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()
