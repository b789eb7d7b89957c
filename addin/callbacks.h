// The callbacks through which Excel opens, closes, adds, removes and
// describes the add-in, exported under these names.
#pragma once

#include "addin/function_table.h"
#include "addin/registration_strings.h"
#include "worksheet/platform.h"
#include "worksheet/xloper.h"

extern "C" {

// Registers every function of g_functionTable; 1 when all are registered,
// 0 after an alert when one could not be.
QV_EXPORT int QV_STDCALL xlAutoOpen(void);

// Does nothing; 1.
QV_EXPORT int QV_STDCALL xlAutoClose(void);

// Alerts that the add-in is loaded, with its build date and time; 1.
QV_EXPORT int QV_STDCALL xlAutoAdd(void);

// Alerts that the add-in is removed, with its build date and time; 1.
QV_EXPORT int QV_STDCALL xlAutoRemove(void);

// Registers nothing on demand: always the #VALUE! error record.
QV_EXPORT XLOPER* QV_STDCALL xlAutoRegister(XLOPER* name);

// For an item that coerces to the integer 1, the add-in's name as a counted
// string; for any other item, or when the coercion fails, #VALUE!.
QV_EXPORT XLOPER* QV_STDCALL xlAddInManagerInfo(XLOPER* item);

}  // extern "C"

// The work of xlAutoOpen for any table and help rule: builds the list into
// g_registrationStrings (giving back the previous one), fetches the
// library's name, registers each function in table order and gives the
// name back. Returns 1, or 0 after the alert of the first failure.
int registerFunctionsFrom(const FunctionTableEntry* table, ArgumentHelpRule rule);

// Formats the add and remove message into buffer, of bufferSize bytes, as a
// counted string: the length byte, then the name, event, "\nbuilt on ",
// date, " at " and time. A message longer than the buffer is cut to fit.
// Returns buffer.
unsigned char* formatBuildMessage(char* buffer, int bufferSize, const char* event,
                                  const char* date, const char* time);
