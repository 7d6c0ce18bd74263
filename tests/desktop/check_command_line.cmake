# The program's command line and start-up: -DPROGRAM=<pathora> -DSESSION=<pathora_session> -DVERSION=<x.y>
if(NOT DEFINED RUN_TIMEOUT)
    set(RUN_TIMEOUT 20)
endif()
function(run expect_rc out_regex)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY ${ARGN}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT ${RUN_TIMEOUT})
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

# No display: an argument is refused all the same, and a start says so in one line, without an abort.
function(expect_one_line what)
    if(last_out OR NOT last_err MATCHES "^[^\n]+\n$")
        message(FATAL_ERROR "${what}: not one line: stdout '${last_out}', stderr '${last_err}'")
    endif()
endfunction()
run(2 "--bogus" env --unset=QT_QPA_PLATFORM ${PROGRAM} --bogus)
expect_one_line("refusal without a display")
run(1 "pathora" env --unset=QT_QPA_PLATFORM ${PROGRAM})
expect_one_line("start without a display")
run(1 "pathora" env QT_QPA_PLATFORM=nosuchplatform ${PROGRAM})
expect_one_line("start on a platform that does not exist")

# A scale factor no screen uses is set aside with one line; the whole scripted session then runs
# at the normal size (an empty screen once overflowed the window's placement).
set(RUN_TIMEOUT 240)
foreach(factor 0 -1.5 1e9 abc)
    run(0 "QT_SCALE_FACTOR=${factor}" env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=${factor} ${SESSION})
    if(last_err MATCHES "runtime error")
        message(FATAL_ERROR "QT_SCALE_FACTOR=${factor}: ${last_err}")
    endif()
endforeach()
run(0 "session: 42 pages" env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 ${SESSION})
if(last_err MATCHES "QT_SCALE_FACTOR")
    message(FATAL_ERROR "a usable factor was set aside: ${last_err}")
endif()
