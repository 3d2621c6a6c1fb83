# Writes the stored layout the program carries: the source layout with its skin placeholder line
# "SkinStream = {@SKIN_STREAM@}" replaced by the packed skin, as the property stores it (a 32-bit
# little-endian length, then the bytes), in hexadecimal.
#   cmake -DINPUT=Unit1.layout -DSKIN=default.skin -DOUTPUT=Unit1.stored.layout -P EmbedSkin.cmake
cmake_minimum_required(VERSION 3.25)

file(READ "${INPUT}" layout)
file(SIZE "${SKIN}" size)
file(READ "${SKIN}" bytes HEX)
string(TOUPPER "${bytes}" bytes)

# The length, least significant byte first.
set(length "")
foreach(shift 0 8 16 24)
  math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${byte}" 2 -1 byte)
  string(LENGTH "${byte}" digits)
  if(digits EQUAL 1)
    set(byte "0${byte}")
  endif()
  string(TOUPPER "${byte}" byte)
  string(APPEND length "${byte}")
endforeach()

string(REGEX REPLACE "([0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F][0-9A-F])"
       "\\1\n      " lines "${length}${bytes}")
string(FIND "${layout}" "{@SKIN_STREAM@}" at)
if(at LESS 0)
  message(FATAL_ERROR "${INPUT}: no 'SkinStream = {@SKIN_STREAM@}' line")
endif()
string(REPLACE "{@SKIN_STREAM@}" "{\n      ${lines}}" layout "${layout}")
file(WRITE "${OUTPUT}.tmp" "${layout}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
