# Delay-loaded system DLLs: a DLL that a module needs only for some of its work is loaded at the
# first call of one of its functions instead of with the module (under Wine every DLL loaded, with
# its own imports, adds to the start).
#   tolvane_delay_load(TARGET DLL FUNCTION...)
# Only the functions listed are delay-loaded; a call to any other function of the DLL imports it
# at start again.
function(tolvane_delay_load target dll)
  string(MAKE_C_IDENTIFIER "${target}_${dll}" _name)
  set(_def ${CMAKE_CURRENT_BINARY_DIR}/${_name}_delay.def)
  set(_lib ${CMAKE_CURRENT_BINARY_DIR}/lib${_name}_delay.a)
  list(JOIN ARGN "\n" _exports)
  file(CONFIGURE OUTPUT ${_def} CONTENT "LIBRARY ${dll}\nEXPORTS\n${_exports}\n")
  add_custom_command(OUTPUT ${_lib}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${_def} --dllname ${dll} --output-delaylib ${_lib}
    DEPENDS ${_def}
    COMMENT "Delay-load library for ${dll}"
    VERBATIM)
  add_custom_target(${_name}_delay DEPENDS ${_lib})
  add_dependencies(${target} ${_name}_delay)
  # Whole archive, so that its definitions come before the import libraries wherever they are
  # named on the link line.
  target_link_options(${target} PRIVATE "SHELL:-Wl,--whole-archive ${_lib} -Wl,--no-whole-archive")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${_lib})
  target_link_libraries(${target} PRIVATE delayimp)
endfunction()
