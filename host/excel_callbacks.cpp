// Excel's two callbacks as the stand-in answers them: the library's name,
// registration, alerts, coercion and giving memory back. Any other
// function number is unknown to the stand-in.
#include <algorithm>
#include <cstdarg>

#include "host/excel_records.h"

namespace {

// Excel takes at most this many argument records in one call.
constexpr int kMaxArgumentRecords = 255;

int answerName(XLOPER* result, int count) {
    StandInState& state = standInState();
    if (count != 0) {
        return xlretInvCount;
    }
    if (state.failGetName || result == nullptr || state.modulePath.size() > 255) {
        return xlretFailed;
    }
    std::size_t length = state.modulePath.size();
    unsigned char* name = new unsigned char[length + 1];
    name[0] = static_cast<unsigned char>(length);
    std::copy(state.modulePath.begin(), state.modulePath.end(), name + 1);
    state.outstandingNames.push_back(name);
    ++state.namesHandedOut;
    result->val.str = name;
    result->xltype = xltypeStr;
    return xlretSuccess;
}

// Gives back the strings the stand-in handed out; records of other types
// own nothing to give back.
int freeRecords(int count, XLOPER** opers) {
    StandInState& state = standInState();
    if (count < 1) {
        return xlretInvCount;
    }
    int code = xlretSuccess;
    for (int i = 0; i < count; ++i) {
        if (opers[i] == nullptr) {
            continue;
        }
        if (opers[i]->xltype == 0) {
            // No record of Excel's has type 0: this one was never filled.
            ++state.foreignFrees;
            code = xlretInvXloper;
            continue;
        }
        if (opers[i]->xltype != xltypeStr) {
            continue;
        }
        auto found = std::find(state.outstandingNames.begin(), state.outstandingNames.end(),
                               opers[i]->val.str);
        if (found == state.outstandingNames.end()) {
            ++state.foreignFrees;
            code = xlretFailed;
            continue;
        }
        delete[] *found;
        state.outstandingNames.erase(found);
    }
    return code;
}

// Records an alert: a message, then an optional alert type (2 when absent).
int recordAlert(XLOPER* result, int count, XLOPER** opers) {
    if (count < 1 || count > 3) {
        return xlretInvCount;
    }
    const XLOPER* message = opers[0];
    if (message == nullptr || message->xltype != xltypeStr || message->val.str == nullptr) {
        return xlretInvXloper;
    }
    int type = 2;
    if (count >= 2 && opers[1] != nullptr) {
        if (opers[1]->xltype == xltypeInt) {
            type = opers[1]->val.w;
        } else if (opers[1]->xltype == xltypeNum && opers[1]->val.num >= -32768 &&
                   opers[1]->val.num <= 32767) {
            type = static_cast<int>(opers[1]->val.num);
        } else if (opers[1]->xltype != xltypeMissing) {
            return xlretInvXloper;
        }
    }
    standInState().alerts.push_back({textOfCounted(message->val.str), type});
    if (result != nullptr) {
        result->val.xbool = 1;
        result->xltype = xltypeBool;
    }
    return xlretSuccess;
}

int answerCall(int xlfn, XLOPER* result, int count, XLOPER** opers) {
    if (count < 0 || count > kMaxArgumentRecords) {
        return xlretInvCount;
    }
    switch (xlfn) {
    case xlGetName:
        return answerName(result, count);
    case xlfRegister:
        return standInRegister(result, count, opers);
    case xlcAlert:
        return recordAlert(result, count, opers);
    case xlCoerce:
        return standInCoerce(result, count, opers);
    case xlFree:
        return freeRecords(count, opers);
    default:
        return xlretInvXlfn;
    }
}

}  // namespace

extern "C" QV_EXPORT int QV_CDECL Excel4(int xlfn, XLOPER* operRes, int count, ...) {
    if (count < 0 || count > kMaxArgumentRecords) {
        return xlretInvCount;
    }
    XLOPER* opers[kMaxArgumentRecords] = {};
    va_list records;
    va_start(records, count);
    for (int i = 0; i < count; ++i) {
        opers[i] = va_arg(records, XLOPER*);
    }
    va_end(records);
    return answerCall(xlfn, operRes, count, opers);
}

extern "C" QV_EXPORT int QV_STDCALL Excel4v(int xlfn, XLOPER* operRes, int count, XLOPER* opers[]) {
    if (count > 0 && opers == nullptr) {
        return xlretInvXloper;
    }
    return answerCall(xlfn, operRes, count, opers);
}
