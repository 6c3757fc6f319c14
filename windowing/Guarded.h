// Event handlers run guarded: an exception that escapes one ends only the
// user's action at hand and goes to the application's error handling,
// never into Qt's event loop, which cannot take it.
#pragma once

#include <exception>
#include <functional>

using TGuardedExceptionHandler = std::function<void(const std::exception& E)>;

// The application object installs its error handling here when it is made
// and removes it when it goes (null: none). Until there is one, an escaped
// exception's message goes to the standard error stream.
void SetGuardedExceptionHandler(TGuardedExceptionHandler handler);
void HandleGuardedException(const std::exception& e);

// Runs f; an exception it raises goes to HandleGuardedException.
template <class F>
void Guarded(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    HandleGuardedException(e);
  }
}
