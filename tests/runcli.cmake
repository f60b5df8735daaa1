# Runs one command-line call and checks all three outcomes: exit status,
# standard output and standard error. (A ctest PASS_REGULAR_EXPRESSION would
# ignore the exit status and mix the two streams.)
#   PROGRAM  the executable;  ARGS  its arguments, separated by ';'
#   EMULATOR what runs it, for a cross build (wine for Windows); optional
#   ENV      changes of the environment it runs in, as `cmake -E env` takes
#            them (VAR=value, --unset=VAR); optional
#   INPUT    file given as standard input (optional)
#   TO       file standard output goes to instead of being read (optional)
#   STATUS   expected exit status
#   OUT      regular expression standard output must match; OUT_NOT one it must not
#   ERR      regular expression standard error must match; empty: no output allowed
set(input_args)
if(INPUT)
  set(input_args INPUT_FILE ${INPUT})
endif()
if(TO)
  list(APPEND input_args OUTPUT_FILE ${TO})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ENV} ${EMULATOR} ${PROGRAM} ${ARGS} ${input_args}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
if(EMULATOR)
  # A Windows program's text streams end lines with CR LF.
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
endif()
set(faults)
if(NOT status STREQUAL STATUS)
  list(APPEND faults "exit status ${status}, expected ${STATUS}")
endif()
if(NOT out MATCHES "${OUT}")
  list(APPEND faults "standard output does not match '${OUT}'")
endif()
if(OUT_NOT AND out MATCHES "${OUT_NOT}")
  list(APPEND faults "standard output matches '${OUT_NOT}'")
endif()
if(ERR)
  if(NOT err MATCHES "${ERR}")
    list(APPEND faults "standard error does not match '${ERR}'")
  endif()
elseif(NOT err STREQUAL "")
  list(APPEND faults "unexpected standard error")
endif()
if(faults)
  string(REPLACE ";" "\n  " faults "${faults}")
  string(REPLACE ";" " " shown "${ARGS}")
  message(FATAL_ERROR "${PROGRAM} ${shown}:\n  ${faults}\n--- stdout:\n${out}--- stderr:\n${err}")
endif()
