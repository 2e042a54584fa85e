# Configures the source tree twice into scratch folders, as a user or packager
# would (nothing but a build type) and as our scripts do (warnings as errors),
# and checks what the compiler is told in each. A plain build must never stop
# on a warning that another compiler version may raise.
#
#   cmake -DSOURCE_DIR=<tree> -DWORK_DIR=<scratch> -DGENERATOR=<generator> -P PlainConfigure.cmake

function(configure_and_read name out)
    set(dir ${WORK_DIR}/${name})
    file(REMOVE_RECURSE ${dir})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${dir} -G ${GENERATOR}
            -DCMAKE_BUILD_TYPE=Release ${ARGN}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${name}: configuring failed:\n${errors}")
    endif()
    file(READ ${dir}/compile_commands.json commands)
    file(REMOVE_RECURSE ${dir})
    set(${out} "${commands}" PARENT_SCOPE)
endfunction()

function(expect_flag name commands flag wanted)
    string(FIND "${commands}" " ${flag} " at)
    if(wanted AND at EQUAL -1)
        message(FATAL_ERROR "${name}: no source compiles with ${flag}")
    elseif(NOT wanted AND NOT at EQUAL -1)
        message(FATAL_ERROR "${name}: a source compiles with ${flag}")
    endif()
endfunction()

configure_and_read(plain plain)
expect_flag(plain "${plain}" -Wall TRUE)
expect_flag(plain "${plain}" -Werror FALSE)

configure_and_read(werror werror -DQUILLSONG_WERROR=ON)
expect_flag(werror "${werror}" -Wall TRUE)
expect_flag(werror "${werror}" -Werror TRUE)
