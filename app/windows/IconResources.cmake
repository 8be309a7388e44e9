# vantelix_icon_resources(<out_var> ICON <file.ico> GROUP_ID <id> FIRST_IMAGE_ID <id>)
#
# Writes resource-script statements that carry every image of an .ico file as
# an icon image resource (type 3), numbered from FIRST_IMAGE_ID, and the icon
# group (type 14) that lists them, as language-neutral raw data.
#
# The ICON statement of rc and windres would number the images itself from 1,
# so the images and the group directory are written out here instead. The
# group is the .ico header and directory with each image's 32-bit file offset
# replaced by its 16-bit resource id.
function(vantelix_icon_resources out_var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "ICON;GROUP_ID;FIRST_IMAGE_ID" "")
    if(NOT EXISTS "${arg_ICON}")
        message(FATAL_ERROR "Application icon ${arg_ICON} not found")
    endif()
    file(READ "${arg_ICON}" hex HEX)
    string(LENGTH "${hex}" hex_length)
    math(EXPR file_size "${hex_length} / 2")

    if(file_size LESS 6)
        message(FATAL_ERROR "${arg_ICON} is too short for an icon file")
    endif()
    _vantelix_ico_uint("${hex}" 0 2 reserved)
    _vantelix_ico_uint("${hex}" 2 2 kind)
    _vantelix_ico_uint("${hex}" 4 2 count)
    math(EXPR directory_end "6 + 16 * ${count}")
    if(NOT reserved EQUAL 0 OR NOT kind EQUAL 1 OR count EQUAL 0 OR file_size LESS directory_end)
        message(FATAL_ERROR "${arg_ICON} is not an icon file")
    endif()

    set(script "LANGUAGE 0, 0\n")
    # The group starts as the file does: reserved 0, type 1 (icon), count.
    string(SUBSTRING "${hex}" 0 12 group_digits)
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
        math(EXPR entry "6 + 16 * ${index}")
        math(EXPR id "${arg_FIRST_IMAGE_ID} + ${index}")
        _vantelix_ico_uint("${hex}" ${entry}+8 4 size)
        _vantelix_ico_uint("${hex}" ${entry}+12 4 offset)
        math(EXPR end "${offset} + ${size}")
        if(size EQUAL 0 OR offset LESS directory_end OR end GREATER file_size)
            message(FATAL_ERROR "${arg_ICON}: image ${index} lies outside the file")
        endif()

        # Width, height, colour count, reserved, planes, bit count and size as
        # in the file (our own generator fills in planes and bit count), then
        # the id.
        math(EXPR byte_entry "2 * ${entry}")
        string(SUBSTRING "${hex}" ${byte_entry} 24 entry_digits)
        _vantelix_hex_le(id_hex ${id} 2)
        string(APPEND group_digits "${entry_digits}${id_hex}")

        math(EXPR byte_offset "2 * ${offset}")
        math(EXPR byte_size "2 * ${size}")
        string(SUBSTRING "${hex}" ${byte_offset} ${byte_size} image)
        _vantelix_rc_words(words "${image}")
        string(APPEND script "${id} 3\nBEGIN\n    ${words}\nEND\n")
    endforeach()
    _vantelix_rc_words(words "${group_digits}")
    string(APPEND script "${arg_GROUP_ID} 14\nBEGIN\n    ${words}\nEND\n")
    set(${out_var} "${script}" PARENT_SCOPE)
endfunction()

# Little-endian unsigned number of <bytes> bytes at byte <offset> of <hex>.
function(_vantelix_ico_uint hex offset bytes out_var)
    math(EXPR start "2 * (${offset})")
    math(EXPR length "2 * ${bytes}")
    string(SUBSTRING "${hex}" ${start} ${length} digits)
    string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" digits "${digits}")
    string(REGEX REPLACE "^(..)(..)$" "\\2\\1" digits "${digits}")
    math(EXPR value "0x${digits}")
    set(${out_var} ${value} PARENT_SCOPE)
endfunction()

# <value> as <bytes> little-endian bytes in hex digits.
function(_vantelix_hex_le out_var value bytes)
    math(EXPR width "2 * ${bytes}")
    math(EXPR digits "${value}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${digits}" 2 -1 digits)
    string(LENGTH "${digits}" length)
    math(EXPR missing "${width} - ${length}")
    string(REPEAT "0" ${missing} zeros)
    set(digits "${zeros}${digits}")
    string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" digits "${digits}")
    string(REGEX REPLACE "^(..)(..)$" "\\2\\1" digits "${digits}")
    set(${out_var} ${digits} PARENT_SCOPE)
endfunction()

# Raw resource data from bytes in hex digits: 16-bit little-endian words, with
# an odd last byte written as a one-character string (rc stores strings in raw
# data without a terminating zero).
function(_vantelix_rc_words out_var digits)
    string(LENGTH "${digits}" length)
    math(EXPR odd "${length} % 4")
    set(tail "")
    if(odd EQUAL 2)
        math(EXPR length "${length} - 2")
        string(SUBSTRING "${digits}" ${length} 2 last)
        string(SUBSTRING "${digits}" 0 ${length} digits)
        set(tail ", \"\\x${last}\"")
    endif()
    string(REGEX REPLACE "(..)(..)" "0x\\2\\1, " words "${digits}")
    # Sixteen words to a line.
    string(REPEAT "0x...., " 15 line)
    string(REGEX REPLACE "(${line}0x....,) " "\\1\n    " words "${words}")
    string(REGEX REPLACE "[, \n]+$" "" words "${words}")
    if(words STREQUAL "")
        string(REGEX REPLACE "^, " "" tail "${tail}")
    endif()
    set(${out_var} "${words}${tail}" PARENT_SCOPE)
endfunction()
