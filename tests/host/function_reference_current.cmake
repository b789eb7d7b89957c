# Fails when docs/functions.md differs from what `quorvex functions
# --format md` writes. Run with -DTOOL=... -DEXPECTED=... -DACTUAL=...
execute_process(COMMAND ${TOOL} functions --format md
  OUTPUT_FILE ${ACTUAL} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quorvex functions --format md failed with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "docs/functions.md is not what the tool writes; regenerate it with "
                      "`cmake --build <dir> --target quorvex_function_reference`")
endif()
