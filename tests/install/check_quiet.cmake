# Runs COMMAND (a list) and fails when it fails or prints anything on its error output: groff
# reports the faults of a manual page as warnings only.
#   cmake "-DCOMMAND=groff;-man;..." -P check_quiet.cmake
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(result OR NOT errors STREQUAL "")
    message(FATAL_ERROR "${COMMAND} (${result}):\n${errors}")
endif()
