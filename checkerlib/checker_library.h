// The calling interface between the service and the checker network
// library (spr_lan.so here, spr_lan.dll on Windows). The library runs the
// checker network; the service hands it two callbacks at start and tells
// it to stop at the end.
//
// Conventions, as for any C interface:
// - Texts are NUL-terminated single-byte strings owned by the caller.
// - `answer` and `text2` are buffers owned by the library, large enough for
//   kMaxAnswerBytes and kMaxText2Bytes.
// - Callbacks run on the library's own threads, several at once, at any
//   time after the start call; none runs after the stop call returned.
// - No C++ exception ever crosses these functions.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define SPR_STDCALL __stdcall
#define SPR_CDECL __cdecl
#else
#define SPR_STDCALL
#define SPR_CDECL
#endif

extern "C" {

// Answers one scanned code: leaves a display text in `answer` followed by
// a second NUL, sets *number1 = 0, *number2 = 3, `text2` to "", returns 0.
typedef int32_t(SPR_CDECL* QueryCallback)(const char* ip, const char* code,
                                          char* answer, int32_t* number1,
                                          int32_t* number2, char* text2);
// Writes `message` as one log line with `ip` as its address field.
typedef int32_t(SPR_CDECL* LogCallback)(const char* ip, int32_t unused1,
                                        int32_t unused2, const char* message);

// Entry points of the library, looked up by these names.
typedef int32_t(SPR_STDCALL* StartEntryPoint)(int32_t* startResult,
                                              char* libraryBuffer,
                                              QueryCallback onQuery,
                                              int32_t status,
                                              LogCallback onLog);
typedef void (*StopEntryPoint)(void);

}  // extern "C"

inline constexpr char kStartEntryName[] = "UruchomionoObslugeSprawdzarek";
inline constexpr char kStopEntryName[] = "ZatrzymanieObslugiSprawdzarek";

// StartResult values.
inline constexpr int32_t kStartListening = 0;     // checker handling started
inline constexpr int32_t kStartBadConfig = 1;     // unparseable address/ini
inline constexpr int32_t kStartCannotBind = 2;    // address in use, denied
inline constexpr int32_t kStartNetworkError = 3;  // any other network fault
inline constexpr int32_t kStartBadArguments = -1;

// The service's status while its start handler runs (start pending).
inline constexpr int32_t kStatusStartPending = 1;

// Longest code the library hands to the service, and the buffers it owns.
inline constexpr int kMaxCodeBytes = 64;
inline constexpr int kMaxAnswerBytes = 256;  // >= 20 + 64 + 2 NULs
inline constexpr int kMaxText2Bytes = 256;
inline constexpr int kLibraryBufferBytes = 256;
