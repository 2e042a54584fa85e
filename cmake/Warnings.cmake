# Warnings as errors keep our own builds clean (scripts/ and CI turn this on);
# a plain build by a user or packager, perhaps with a newer or older compiler
# that warns differently, must not stop on a warning.
option(QUILLSONG_WERROR "Treat compiler warnings as errors" OFF)

function(quillsong_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(QUILLSONG_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
