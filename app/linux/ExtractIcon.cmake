# cmake -DICOTOOL=<icotool> -DICON=<file.ico> -DSIZE=<pixels> -DOUTPUT=<file.png> -P ExtractIcon.cmake
#
# Writes the 32-bit image of one size from an icon file as PNG. icotool
# succeeds even when no image matches, so the result is checked here.
file(REMOVE "${OUTPUT}")
# icotool writes into an existing folder only (and Make, unlike Ninja, does
# not create the folders of a command's outputs).
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(
    COMMAND "${ICOTOOL}" --extract --icon --width=${SIZE} --height=${SIZE} --bit-depth=32
        "--output=${OUTPUT}" "${ICON}"
    COMMAND_ERROR_IS_FATAL ANY)
if(NOT EXISTS "${OUTPUT}")
    message(FATAL_ERROR "${ICON} has no 32-bit image of ${SIZE}x${SIZE} pixels")
endif()
