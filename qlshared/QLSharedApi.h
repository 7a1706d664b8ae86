#pragma once

// Exports of QLShared.dll: defined by the library's own build, imported by
// every other module.
#ifdef QLSHARED_BUILD
#define QLSHARED_API __attribute__((dllexport))
#else
#define QLSHARED_API __attribute__((dllimport))
#endif
