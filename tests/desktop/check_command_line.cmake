# The program's command line: -DPROGRAM=<pathora> -DVERSION=<x.y>
function(run expect_rc out_regex)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY ${ARGN}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
    if(NOT rc STREQUAL "${expect_rc}" OR NOT "${out}${err}" MATCHES "${out_regex}")
        message(FATAL_ERROR "${ARGN}: exit ${rc} (expected ${expect_rc})\nstdout: ${out}\nstderr: ${err}")
    endif()
    set(last_out "${out}" PARENT_SCOPE)
    # Qt's own start-up notices (no XDG_RUNTIME_DIR on a bare machine) are not the program's.
    string(REGEX REPLACE "(^|\n)QStandardPaths:[^\n]*\n" "\\1" err "${err}")
    set(last_err "${err}" PARENT_SCOPE)
endfunction()

# Help and version need no display and start no window.
run(0 "--version" env --unset=QT_QPA_PLATFORM ${PROGRAM} --help)
run(0 "^pathora ${VERSION}\n$" env --unset=QT_QPA_PLATFORM ${PROGRAM} --version)
run(0 "^pathora ${VERSION}\n$" env --unset=QT_QPA_PLATFORM ${PROGRAM} -v)
# Qt's options are Qt's: -platform is taken, the unknown word after it is refused on one line.
run(2 "-bogus" env QT_QPA_PLATFORM=xcb ${PROGRAM} -platform offscreen -bogus)
if(last_out OR NOT last_err MATCHES "^[^\n]+\n$" OR last_err MATCHES "platform")
    message(FATAL_ERROR "refusal is not one line about the unknown word: '${last_err}'")
endif()
run(2 "--frobnicate" env QT_QPA_PLATFORM=offscreen ${PROGRAM} --frobnicate)
run(2 "notes.txt" env QT_QPA_PLATFORM=offscreen ${PROGRAM} notes.txt)
