# cmake -DINPUT=design.in -DOUTPUT=design -DBASE=dir -P EmbedFiles.cmake
# Copies a design text, replacing each binary block written as {@path} by the
# hexadecimal bytes of that file (path relative to BASE): pictures and the
# skin package are produced at build time and stored in the design.
file(READ ${INPUT} text)
string(REGEX MATCHALL "{@[^}]+}" references "${text}")
list(REMOVE_DUPLICATES references)
string(REPEAT "." 64 line_of_hex)
foreach(reference IN LISTS references)
  string(REGEX REPLACE "^{@(.+)}$" "\\1" relative "${reference}")
  file(READ ${BASE}/${relative} hex HEX)
  string(TOUPPER "${hex}" hex)
  string(REGEX REPLACE "(${line_of_hex})" "\\1\n" hex "${hex}")
  string(REPLACE "${reference}" "{\n${hex}}" text "${text}")
endforeach()
file(WRITE ${OUTPUT} "${text}")
