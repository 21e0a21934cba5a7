// dezu32: value ranges and integer pairs, a small library of its own with no
// dependency beyond the standard C++ library.
#pragma once

// DEZU32_API marks what the library exports. The library's own target defines
// DEZU32_BUILD; every user of the library imports.
#if defined(_WIN32)
#if defined(DEZU32_BUILD)
#define DEZU32_API __declspec(dllexport)
#else
#define DEZU32_API __declspec(dllimport)
#endif
#else
#define DEZU32_API __attribute__((visibility("default")))
#endif
