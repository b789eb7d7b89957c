// Calling conventions and export marks of the add-in's entry points.
//
// Excel calls worksheet functions and the xlAuto* callbacks with the
// stdcall convention on 32-bit Windows; Excel4 is cdecl (it is variadic)
// and Excel4v is stdcall. On 64-bit Windows and on Linux there is one
// convention and the marks are empty.
//
// On Windows the export list comes from the module-definition file; on
// Linux the library is built with hidden visibility and QV_EXPORT makes
// the entry points visible under their plain names.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define QV_STDCALL __stdcall
#define QV_CDECL __cdecl
#else
#define QV_STDCALL
#define QV_CDECL
#endif

#if defined(_WIN32)
#define QV_EXPORT
#else
#define QV_EXPORT __attribute__((visibility("default")))
#endif
