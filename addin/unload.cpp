// The registration strings of the latest open stay allocated for as long as
// the library is loaded. Excel can unload and load the add-in again in one
// session (removing and adding it in the add-in manager); without this, each
// unload would leave one list behind.
#include "addin/registration_strings.h"

namespace {

struct RegistrationStringsReleasedAtUnload {
    ~RegistrationStringsReleasedAtUnload() {
        releaseRegistrationStrings(g_registrationStrings);
        g_registrationStrings = nullptr;
    }
};

RegistrationStringsReleasedAtUnload g_releaseAtUnload;

}  // namespace
