# Tests of the table, chart, workbook and reference commands. Included from
# tests/host/CMakeLists.txt after QUORVEX_TOOL_PATHS is set.

# Against a fixture fluid: ranges, formats, options and table building.
quorvex_add_test(host_table_test
  SOURCES
    table_range_test.cpp
    table_format_test.cpp
    table_build_test.cpp
    table_command_test.cpp
  LIBS quorvex_host
)

# Through the built add-in, loaded into the test as the tool loads it.
set(QUORVEX_OUTPUT_TESTS table_addin_test.cpp function_reference_test.cpp)
get_property(QUORVEX_WITH_CHARTS_AND_WORKBOOK GLOBAL PROPERTY QUORVEX_WITH_CHARTS_AND_WORKBOOK)
if(QUORVEX_WITH_CHARTS_AND_WORKBOOK)
  list(APPEND QUORVEX_OUTPUT_TESTS chart_test.cpp workbook_test.cpp)
endif()
quorvex_add_test(host_outputs_test
  SOURCES
    $<TARGET_OBJECTS:quorvex_excel_objects>
    ${QUORVEX_OUTPUT_TESTS}
  LIBS quorvex_host
)
set_target_properties(host_outputs_test PROPERTIES ENABLE_EXPORTS ON)
target_compile_definitions(host_outputs_test PRIVATE ${QUORVEX_TOOL_PATHS})
add_dependencies(host_outputs_test quorvex quorvex_xll quorvex_fixture_addin)

add_test(NAME host_function_reference_is_current
  COMMAND ${CMAKE_COMMAND}
    -DTOOL=$<TARGET_FILE:quorvex>
    -DEXPECTED=${PROJECT_SOURCE_DIR}/docs/functions.md
    -DACTUAL=${CMAKE_CURRENT_BINARY_DIR}/functions.md
    -P ${CMAKE_CURRENT_SOURCE_DIR}/function_reference_current.cmake)
