#include "windowing/Guarded.h"

#include <cstdio>

namespace {

TGuardedExceptionHandler& Handler() {
  static TGuardedExceptionHandler handler;
  return handler;
}

}  // namespace

void SetGuardedExceptionHandler(TGuardedExceptionHandler handler) { Handler() = std::move(handler); }

void HandleGuardedException(const std::exception& e) {
  // A copy: the handler may install another while it runs.
  if (const TGuardedExceptionHandler handler = Handler())
    handler(e);
  else
    std::fprintf(stderr, "%s\n", e.what());
}
