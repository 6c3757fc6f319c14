/* The two functions that libPelmora exports. Every tune text, filter text,
   file name and output crosses scrambled with the XOR chain
   (runtime/TextScramble.h); the descriptors cross as plain zero-terminated
   strings: a mode letter ("R": the string is the content itself; "F": it is
   a file name) followed by a format code ("00" RTTTL, "01" Composer, "11"
   framed Composer, "02" eMelody, "03" iMelody, "04" Standard MIDI File).
   In C++ they are named in the library's namespace, Pelmora (the program's
   binding, app/uRingLib.h, is in its own); their C names are the exports.
   Both return a TRingResult. */
#pragma once

#include <stdint.h>

/* On a 32-bit Windows build the exports take the platform's standard calling
   convention (the callee removes the arguments). */
#if defined(_WIN32) && !defined(_WIN64)
#define PELMORA_CALL __stdcall
#else
#define PELMORA_CALL
#endif

#if defined(PELMORA_BUILDING)
#define PELMORA_API __attribute__((visibility("default")))
#else
#define PELMORA_API
#endif

#ifdef __cplusplus
namespace Pelmora {
extern "C" {
#endif

/* What an export returns; the values are part of the library's interface. */
enum TRingResult {
  rrSuccess = 0,
  rrUnknownFormat = -1,   /* unknown format code */
  rrFileLoadFailed = -2,  /* loading from a file failed */
  rrTextLoadFailed = -3,  /* loading from text failed */
  rrUnknownMode = -4,     /* unknown mode letter */
  rrCopyFailed = -5,      /* copying the tune into the target failed (output is still produced) */
  rrFileWriteFailed = -6, /* writing the output file failed */
  rrOutputFailed = -7,    /* copying the output into the caller's buffer failed */
  rrRenderFailed = -8,    /* rendering the target failed (output untouched) */
};

PELMORA_API int32_t PELMORA_CALL RING2RING(const char* source, int32_t sourceLength,
                                           const char* sourceDescriptor, const char* targetDescriptor,
                                           char* output, int32_t outputSize, int32_t* outputLength);

PELMORA_API int32_t PELMORA_CALL RING2MAP(const char* source, int32_t sourceLength,
                                          const char* sourceDescriptor, const char* filter,
                                          int32_t filterLength, const char* filterDescriptor,
                                          const char* outputDescriptor, char* output, int32_t outputSize,
                                          int32_t* outputLength);

#ifdef __cplusplus
}  // extern "C"
}  // namespace Pelmora
#endif
