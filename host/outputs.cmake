# Tables, charts, the demonstration workbook and the function reference of
# the quorvex tool. Included from host/CMakeLists.txt after quorvex_host.
#
# Tables and the reference need nothing beyond the standard library and are
# built everywhere. Charts (PLplot with its cairo drivers) and the workbook
# (libxlsxwriter) come from Debian's packages and are built natively only.

target_sources(quorvex_host PRIVATE
  unit_labels.cpp
  command_options.cpp
  fluid_bounds.cpp
  table_range.cpp
  table_build.cpp
  table_format.cpp
  table_command.cpp
  addin_evaluator.cpp
  output_session.cpp
  table_subcommand.cpp
  function_examples.cpp
  function_reference.cpp
)

option(QUORVEX_BUILD_OUTPUTS "Build the chart and workbook commands (PLplot, libxlsxwriter)" ON)
if(QUORVEX_BUILD_OUTPUTS AND NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(PLPLOT REQUIRED IMPORTED_TARGET plplot-c++)
  pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
  target_sources(quorvex_host PRIVATE
    chart_data.cpp
    chart_render.cpp
    chart_command.cpp
    chart_subcommand.cpp
    workbook_write.cpp
    workbook_subcommand.cpp
  )
  target_link_libraries(quorvex_host PUBLIC PkgConfig::PLPLOT PkgConfig::XLSXWRITER)
  target_compile_definitions(quorvex_host PUBLIC QUORVEX_WITH_CHARTS=1 QUORVEX_WITH_WORKBOOK=1)
  set_property(GLOBAL PROPERTY QUORVEX_WITH_CHARTS_AND_WORKBOOK ON)

  # The demonstration workbook, written by the tool through the add-in.
  set(QUORVEX_DEMO_WORKBOOK ${PROJECT_SOURCE_DIR}/examples/quorvex-demo.xlsx)
  add_custom_command(
    OUTPUT ${QUORVEX_DEMO_WORKBOOK}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/examples
    COMMAND $<TARGET_FILE:quorvex> workbook -o ${QUORVEX_DEMO_WORKBOOK}
    DEPENDS quorvex quorvex_xll
    COMMENT "Writing examples/quorvex-demo.xlsx"
    VERBATIM)
  add_custom_target(quorvex_demo_workbook ALL DEPENDS ${QUORVEX_DEMO_WORKBOOK})
endif()

# Regenerates docs/functions.md; a test checks that the committed file is
# what the tool writes.
if(NOT WIN32)
  add_custom_target(quorvex_function_reference
    COMMAND sh -c "\"$<TARGET_FILE:quorvex>\" functions --format md > \"${PROJECT_SOURCE_DIR}/docs/functions.md\""
    DEPENDS quorvex quorvex_xll
    COMMENT "Writing docs/functions.md"
    VERBATIM)
endif()
