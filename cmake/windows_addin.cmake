# Windows pieces of the add-in: the import library of Excel's callback
# library, made from our own module-definition file, and the settings that
# turn the shared library into quorvex64.xll or quorvex32.xll.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUORVEX_XLL_NAME quorvex64)
  set(QUORVEX_XLL_DEF ${PROJECT_SOURCE_DIR}/addin/quorvex.def)
  set(QUORVEX_XLCALL32_DEF ${PROJECT_SOURCE_DIR}/addin/xlcall32.def)
else()
  set(QUORVEX_XLL_NAME quorvex32)
  set(QUORVEX_XLL_DEF ${PROJECT_SOURCE_DIR}/addin/quorvex32.def)
  set(QUORVEX_XLCALL32_DEF ${PROJECT_SOURCE_DIR}/addin/xlcall32_32.def)
endif()

if(NOT CMAKE_DLLTOOL)
  message(FATAL_ERROR "dlltool is needed for the XLCALL32 import library")
endif()

# Import library for XLCALL32.DLL: Excel4 at ordinal 2, Excel4v at ordinal 3.
set(QUORVEX_XLCALL32_IMPLIB ${PROJECT_BINARY_DIR}/addin/libxlcall32.a)
add_custom_command(
  OUTPUT ${QUORVEX_XLCALL32_IMPLIB}
  COMMAND ${CMAKE_DLLTOOL} --input-def ${QUORVEX_XLCALL32_DEF}
          --dllname XLCALL32.DLL --output-lib ${QUORVEX_XLCALL32_IMPLIB}
  DEPENDS ${QUORVEX_XLCALL32_DEF}
  COMMENT "Import library for XLCALL32.DLL"
  VERBATIM)
add_custom_target(quorvex_xlcall32_implib DEPENDS ${QUORVEX_XLCALL32_IMPLIB})
add_library(quorvex_xlcall32 INTERFACE)
add_dependencies(quorvex_xlcall32 quorvex_xlcall32_implib)
target_link_libraries(quorvex_xlcall32 INTERFACE ${QUORVEX_XLCALL32_IMPLIB})

# Makes target the .xll: our export list, the callback library by ordinal,
# no lib prefix and the .xll suffix.
function(quorvex_make_xll target)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${QUORVEX_XLL_NAME}
    PREFIX ""
    SUFFIX ".xll"
    LINK_DEPENDS ${QUORVEX_XLL_DEF})
  target_sources(${target} PRIVATE ${QUORVEX_XLL_DEF})
  target_link_libraries(${target} PRIVATE quorvex_xlcall32)
  target_link_options(${target} PRIVATE -Wl,--no-undefined)
endfunction()
