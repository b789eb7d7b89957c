#include "addin/alert.h"

#include <cstring>

void showAlert(unsigned char* countedText, XLOPER* message, XLOPER* alertType) {
    message->val.str = countedText;
    message->xltype = xltypeStr;
    alertType->val.w = 2;
    alertType->xltype = xltypeInt;
    Excel4(xlcAlert, nullptr, 2, message, alertType);
}

void showPlainAlert(const char* text) {
    unsigned char counted[256] = {};
    std::size_t length = std::strlen(text);
    if (length > 255) {
        length = 255;
    }
    counted[0] = static_cast<unsigned char>(length);
    std::memcpy(counted + 1, text, length);
    XLOPER message = {};
    XLOPER alertType = {};
    showAlert(counted, &message, &alertType);
}
