# cmake -DINPUT=design.in -DOUTPUT=design -DBASE=dir -P EmbedFiles.cmake
# Copies a design text, replacing each binary block written as {@path} by the
# hexadecimal bytes of that file (path relative to BASE, or absolute), and
# {@counted:path} by the file's 32-bit little-endian byte count followed by its
# bytes: pictures and the skin package are produced at build time and stored
# in the design.
file(READ ${INPUT} text)
string(REGEX MATCHALL "{@[^}]+}" references "${text}")
list(REMOVE_DUPLICATES references)
string(REPEAT "." 64 line_of_hex)
foreach(reference IN LISTS references)
  string(REGEX REPLACE "^{@(counted:)?(.+)}$" "\\2" path "${reference}")
  if(NOT IS_ABSOLUTE "${path}")
    set(path ${BASE}/${path})
  endif()
  file(READ ${path} hex HEX)
  if(reference MATCHES "^{@counted:")
    file(SIZE ${path} size)
    math(EXPR size "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" size "${size}")
    string(REPEAT "0" 8 zeros)
    string(PREPEND size "${zeros}")
    string(REGEX REPLACE "^.*(..)(..)(..)(..)$" "\\4\\3\\2\\1" count "${size}")
    string(PREPEND hex "${count}")
  endif()
  string(TOUPPER "${hex}" hex)
  string(REGEX REPLACE "(${line_of_hex})" "\\1\n" hex "${hex}")
  string(REPLACE "${reference}" "{\n${hex}}" text "${text}")
endforeach()
file(WRITE ${OUTPUT} "${text}")
