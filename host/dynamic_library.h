// Loading a dynamic library and finding its exports: the only place where
// the tool differs between Linux and Windows.
#pragma once

#include <string>

// Opens the library at path; null, with the system's reason in error, when
// it cannot be loaded.
void* openDynamicLibrary(const std::string& path, std::string& error);

// The address of the export name of library, or null when there is none.
void* findLibraryExport(void* library, const char* name);

void closeDynamicLibrary(void* library);

// path made absolute; path itself when that fails.
std::string absolutePathOf(const std::string& path);

// The directory of the running executable, without a trailing separator.
std::string executableDirectory();

// The add-in the tool loads when given none: the one built beside it for
// this system and bitness, as its path in directory.
std::string builtAddinPathIn(const std::string& directory);
