# cmake -DINPUT=file -DOUTPUT=file.cpp -P EmbedBytes.cmake
# Writes ShippedSkinStream() returning the bytes of INPUT (none when INPUT
# is empty or not given).
set(body "")
set(size 0)
if(INPUT)
    file(READ "${INPUT}" hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    # 24 bytes per line, then each byte as 0xNN.
    string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])" "\\1\n" hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
endif()
if(size EQUAL 0)
    set(content "#include \"skin/shipped/ShippedSkin.h\"\n\nstd::span<const unsigned char> ShippedSkinStream() { return {}; }\n")
else()
    set(content "// Generated from the packed shipped skin; do not edit.\n#include \"skin/shipped/ShippedSkin.h\"\n\nnamespace {\nconst unsigned char bytes[${size}] = {\n${body}\n};\n}\n\nstd::span<const unsigned char> ShippedSkinStream() { return {bytes, sizeof bytes}; }\n")
endif()
# Only touch the file when it changes, so nothing rebuilds needlessly.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
    if(old STREQUAL content)
        return()
    endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
