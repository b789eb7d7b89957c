// The messages shown when the add-in is added or removed in Excel's add-in
// manager, naming the add-in and the date and time of its build.
#include <cstdio>

#include "addin/alert.h"
#include "addin/callbacks.h"

namespace {

constexpr int kMessageBufferSize = 256;

XLOPER g_addMessage = {};
XLOPER g_addAlertType = {};
XLOPER g_removeMessage = {};
XLOPER g_removeAlertType = {};

}  // namespace

unsigned char* formatBuildMessage(char* buffer, int bufferSize, const char* event,
                                  const char* date, const char* time) {
    // The leading space keeps the place of the length byte.
    int written = std::snprintf(buffer, bufferSize > 0 ? static_cast<std::size_t>(bufferSize) : 0,
                                " %s %s\nbuilt on %s at %s",
                                reinterpret_cast<const char*>(g_addinName + 1), event, date, time);
    // Characters after the length byte: what was written, or what of it
    // the buffer kept, within what one length byte can count.
    int length = written - 1;
    if (length > bufferSize - 2) {
        length = bufferSize - 2;
    }
    if (length > kMaxCountedLength) {
        length = kMaxCountedLength;
    }
    if (length < 0) {
        length = 0;
    }
    if (bufferSize > 0) {
        buffer[0] = static_cast<char>(length);
    }
    return reinterpret_cast<unsigned char*>(buffer);
}

int QV_STDCALL xlAutoAdd(void) {
    char message[kMessageBufferSize];
    showAlert(formatBuildMessage(message, kMessageBufferSize, "Loaded!", __DATE__, __TIME__),
              &g_addMessage, &g_addAlertType);
    return 1;
}

int QV_STDCALL xlAutoRemove(void) {
    char message[kMessageBufferSize];
    showAlert(formatBuildMessage(message, kMessageBufferSize, "Removed!", __DATE__, __TIME__),
              &g_removeMessage, &g_removeAlertType);
    return 1;
}
