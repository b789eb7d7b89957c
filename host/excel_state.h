// What the Excel stand-in has seen: the registrations, alerts and names it
// handed out, and the faults it is told to inject. A small C interface, so
// that it works across the boundary of the callback library on Windows,
// where the stand-in lives in its own DLL beside the tool.
//
// Numbering: registrations and alerts count from 0 in the order they were
// made; the values of one registration count from 1 in xlfRegister's
// order (1 the module name, 2 the procedure, 3 the type text, ...).
#pragma once

extern "C" {

// Forgets everything seen, clears the faults and gives back names still
// handed out. The module path is kept.
void qvExcelReset(void);

// The full path that xlGetName answers with.
void qvExcelSetModulePath(const char* path);

// Calls of xlfRegister since the reset, successful or not.
int qvExcelRegisterCalls(void);

// Registrations accepted since the reset.
int qvExcelRegistrationCount(void);

// Number of values registration was made with (10 + number of argument
// helps), or 0 when there is no such registration.
int qvExcelRegistrationValueCount(int registration);

// The text of one value of a registration, or null when there is none.
const char* qvExcelRegistrationValue(int registration, int position);

// Why the latest xlfRegister that was refused was refused; empty if none.
const char* qvExcelLastRejection(void);

int qvExcelAlertCount(void);
const char* qvExcelAlertText(int alert);  // null when there is no such alert
int qvExcelAlertType(int alert);

// Names answered by xlGetName since the reset, and how many of them have
// not been given back with xlFree yet.
int qvExcelNamesHandedOut(void);
int qvExcelNamesOutstanding(void);

// Calls of xlFree with a string the stand-in did not hand out.
int qvExcelForeignFrees(void);

// Makes the k-th call of xlfRegister after the reset fail (1 is the first;
// 0 fails none).
void qvExcelFailRegisterCall(int k);

// Makes xlGetName fail from now on (non-zero) or answer again (0); a
// failing xlGetName leaves its result record untouched.
void qvExcelFailGetName(int fail);

// How xlCoerce answers from now on.
enum {
    qvCoerceNormally = 0,
    qvCoerceFails = 1,            // a non-zero code, result record untouched
    qvCoerceAnswersNumber = 2,    // code 0, but a number instead of an integer
};
void qvExcelSetCoerceMode(int mode);

}  // extern "C"
