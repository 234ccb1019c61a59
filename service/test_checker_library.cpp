// A stand-in checker library for the service's tests. Its start entry
// point writes the start result named by SPR_TEST_START_RESULT (0 when
// unset) and, when SPR_TEST_TRACE names a file, appends "start <status>"
// and "stop" lines to it, so a test sees which entry points ran.
#include <cstdio>
#include <cstdlib>

#include "checkerlib/checker_library.h"

namespace {

void Trace(const char* text) {
  const char* path = std::getenv("SPR_TEST_TRACE");
  if (path == nullptr) return;
  if (std::FILE* f = std::fopen(path, "a")) {
    std::fprintf(f, "%s\n", text);
    std::fclose(f);
  }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t
UruchomionoObslugeSprawdzarek(int32_t* startResult, char*, QueryCallback,
                              int32_t status, LogCallback onLog) {
  const char* wanted = std::getenv("SPR_TEST_START_RESULT");
  *startResult = wanted ? std::atoi(wanted) : 0;
  char line[64];
  std::snprintf(line, sizeof(line), "start %d", status);
  Trace(line);
  onLog("----------", 0, 0, "test library started");
  return *startResult;
}

#ifndef WITHOUT_STOP_ENTRY
extern "C" __attribute__((visibility("default"))) void
ZatrzymanieObslugiSprawdzarek(void) {
  Trace("stop");
}
#endif
