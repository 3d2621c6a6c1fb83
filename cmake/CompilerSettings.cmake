# Warnings, Windows target version and sanitizers, shared by every target.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(WIN32)
  # Windows 7 API level, Unicode windows.
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
  # Sections page-aligned in the file: Wine maps such an image, but reads one with 512-byte file
  # alignment whole at every start, debug info included (a hundred milliseconds for the program).
  add_link_options(-Wl,--file-alignment=4096)
endif()

if(TOLVANE_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# libFuzzer needs clang.
if(NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(TOLVANE_FUZZING ON)
else()
  set(TOLVANE_FUZZING OFF)
endif()
