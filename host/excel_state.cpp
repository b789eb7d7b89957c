#include "host/excel_state.h"

#include "host/excel_records.h"

StandInState& standInState() {
    static StandInState state;
    return state;
}

std::string textOfCounted(const unsigned char* counted) {
    return std::string(reinterpret_cast<const char*>(counted + 1), counted[0]);
}

namespace {

bool validIndex(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

void qvExcelReset(void) {
    StandInState& state = standInState();
    for (unsigned char* name : state.outstandingNames) {
        delete[] name;
    }
    std::string path = state.modulePath;
    state = StandInState();
    state.modulePath = path;
}

void qvExcelSetModulePath(const char* path) {
    standInState().modulePath = path;
}

int qvExcelRegisterCalls(void) {
    return standInState().registerCalls;
}

int qvExcelRegistrationCount(void) {
    return static_cast<int>(standInState().registrations.size());
}

int qvExcelRegistrationValueCount(int registration) {
    const StandInState& state = standInState();
    if (!validIndex(registration, state.registrations.size())) {
        return 0;
    }
    return static_cast<int>(state.registrations[registration].size());
}

const char* qvExcelRegistrationValue(int registration, int position) {
    const StandInState& state = standInState();
    if (!validIndex(registration, state.registrations.size())) {
        return nullptr;
    }
    const std::vector<std::string>& values = state.registrations[registration];
    if (!validIndex(position - 1, values.size())) {
        return nullptr;
    }
    return values[position - 1].c_str();
}

const char* qvExcelLastRejection(void) {
    return standInState().lastRejection.c_str();
}

int qvExcelAlertCount(void) {
    return static_cast<int>(standInState().alerts.size());
}

const char* qvExcelAlertText(int alert) {
    const StandInState& state = standInState();
    return validIndex(alert, state.alerts.size()) ? state.alerts[alert].text.c_str() : nullptr;
}

int qvExcelAlertType(int alert) {
    const StandInState& state = standInState();
    return validIndex(alert, state.alerts.size()) ? state.alerts[alert].type : 0;
}

int qvExcelNamesHandedOut(void) {
    return standInState().namesHandedOut;
}

int qvExcelNamesOutstanding(void) {
    return static_cast<int>(standInState().outstandingNames.size());
}

int qvExcelForeignFrees(void) {
    return standInState().foreignFrees;
}

void qvExcelFailRegisterCall(int k) {
    standInState().failRegisterCall = k;
}

void qvExcelFailGetName(int fail) {
    standInState().failGetName = fail != 0;
}

void qvExcelSetCoerceMode(int mode) {
    standInState().coerceMode = mode;
}
