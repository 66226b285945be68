# cmake -DINPUT=<file> -DOUTPUT=<header> -DNAME=<array name> -P BinaryToHeader.cmake
file (READ "${INPUT}" hex HEX)
string (LENGTH "${hex}" hexLength)
math (EXPR byteCount "${hexLength} / 2")

string (REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes to a line keeps the header reviewable.
string (REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")

get_filename_component (inputName "${INPUT}" NAME)
file (WRITE "${OUTPUT}.tmp"
    "// Generated at build time from ${inputName} (${byteCount} bytes). Do not edit.\n"
    "#pragma once\n\n"
    "static const unsigned char ${NAME}[] =\n{\n    ${bytes}\n};\n")
file (RENAME "${OUTPUT}.tmp" "${OUTPUT}")
