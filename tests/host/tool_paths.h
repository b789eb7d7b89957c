// Where the build put the tool, the add-in and the fixture add-in.
#pragma once

#ifndef QUORVEX_TOOL_PATH
#error "QUORVEX_TOOL_PATH must name the built quorvex tool"
#endif
#ifndef QUORVEX_ADDIN_PATH
#error "QUORVEX_ADDIN_PATH must name the built add-in library"
#endif
#ifndef QUORVEX_FIXTURE_ADDIN_PATH
#error "QUORVEX_FIXTURE_ADDIN_PATH must name the fixture add-in library"
#endif

constexpr const char* kToolPath = QUORVEX_TOOL_PATH;
constexpr const char* kAddinPath = QUORVEX_ADDIN_PATH;
constexpr const char* kFixtureAddinPath = QUORVEX_FIXTURE_ADDIN_PATH;
