// The stand-in's own record of what the add-in did, shared by the files
// that implement Excel's side of the interface.
#pragma once

#include <string>
#include <vector>

#include "worksheet/xloper.h"

struct StandInAlert {
    std::string text;
    int type;
};

struct StandInState {
    std::string modulePath;
    std::vector<std::vector<std::string>> registrations;  // values from position 1 on
    std::string lastRejection;
    std::vector<StandInAlert> alerts;
    std::vector<unsigned char*> outstandingNames;
    int registerCalls = 0;
    int failRegisterCall = 0;
    bool failGetName = false;
    int namesHandedOut = 0;
    int foreignFrees = 0;
    int coerceMode = 0;
};

StandInState& standInState();

// The characters of a counted string.
std::string textOfCounted(const unsigned char* counted);

// The handlers of each function number; opers holds count records.
int standInRegister(XLOPER* result, int count, XLOPER** opers);
int standInCoerce(XLOPER* result, int count, XLOPER** opers);
