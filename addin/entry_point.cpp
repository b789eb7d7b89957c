// The library's entry point, called by Windows when the add-in is loaded
// and unloaded: success for every reason, and nothing else. Other systems
// need none.
#if defined(_WIN32)
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
#endif
