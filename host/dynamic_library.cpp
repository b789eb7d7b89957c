#include "host/dynamic_library.h"

#if defined(_WIN32)

#include <windows.h>

#include <vector>

namespace {

std::wstring wideOf(const std::string& text) {
    int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
    return std::wstring(wide.data());
}

std::string utf8Of(const wchar_t* wide) {
    int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return std::string();
    }
    std::vector<char> text(static_cast<std::size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    return std::string(text.data());
}

}  // namespace

void* openDynamicLibrary(const std::string& path, std::string& error) {
    HMODULE library = LoadLibraryW(wideOf(path).c_str());
    if (library == nullptr) {
        error = "LoadLibrary failed with error " + std::to_string(GetLastError());
    }
    return reinterpret_cast<void*>(library);
}

void* findLibraryExport(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void closeDynamicLibrary(void* library) {
    FreeLibrary(static_cast<HMODULE>(library));
}

std::string absolutePathOf(const std::string& path) {
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(wideOf(path).c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return path;
    }
    return utf8Of(full);
}

std::string executableDirectory() {
    wchar_t file[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, file, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return ".";
    }
    std::string path = utf8Of(file);
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string builtAddinPathIn(const std::string& directory) {
    return directory + (sizeof(void*) == 8 ? "\\quorvex64.xll" : "\\quorvex32.xll");
}

#else

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

void* openDynamicLibrary(const std::string& path, std::string& error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "dlopen failed";
    }
    return library;
}

void* findLibraryExport(void* library, const char* name) {
    return dlsym(library, name);
}

void closeDynamicLibrary(void* library) {
    dlclose(library);
}

std::string absolutePathOf(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return path;
    }
    std::string absolute = resolved;
    free(resolved);
    return absolute;
}

std::string executableDirectory() {
    char file[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", file, sizeof file - 1);
    if (length <= 0) {
        return ".";
    }
    std::string path(file, static_cast<std::size_t>(length));
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string builtAddinPathIn(const std::string& directory) {
    return directory + "/libquorvex.so";
}

#endif
