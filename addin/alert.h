// Showing a message in Excel.
#pragma once

#include "worksheet/xloper.h"

// Shows countedText (a length byte, then the characters) as an alert of
// type 2, through the caller's message and type records. The return code
// of the alert is not examined.
void showAlert(unsigned char* countedText, XLOPER* message, XLOPER* alertType);

// Shows a plain NUL-terminated text of at most 255 characters as an alert
// through records of the call.
void showPlainAlert(const char* text);
