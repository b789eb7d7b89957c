# The Excel stand-in for Windows: Excel's side of the interface as
# XLCALL32.DLL (Excel4 at ordinal 2, Excel4v at ordinal 3, and the
# accessors of host/excel_state.h), placed beside quorvex.exe and the .xll
# so that the tool and the add-in both bind to this one copy.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUORVEX_STANDIN_DEF ${PROJECT_SOURCE_DIR}/host/xlcall32.def)
else()
  set(QUORVEX_STANDIN_DEF ${PROJECT_SOURCE_DIR}/host/xlcall32_32.def)
endif()

# excel_objects: the object library of Excel's side; tool: the quorvex
# executable, which links against the DLL.
function(quorvex_make_windows_standin excel_objects tool)
  add_library(quorvex_xlcall32_dll SHARED
    $<TARGET_OBJECTS:${excel_objects}>
    ${QUORVEX_STANDIN_DEF})
  set_target_properties(quorvex_xlcall32_dll PROPERTIES
    OUTPUT_NAME XLCALL32
    PREFIX ""
    SUFFIX ".DLL"
    RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin
    LINK_DEPENDS ${QUORVEX_STANDIN_DEF})
  target_link_libraries(${tool} PRIVATE quorvex_xlcall32_dll)
endfunction()
