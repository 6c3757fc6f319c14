#include "windowing/Guarded.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/SysUtils.h"
#include "windowing/Application.h"

TEST(Guarded, AnEscapedExceptionGoesToTheInstalledHandlerOrElseToStandardError) {
  std::vector<std::string> handled;
  SetGuardedExceptionHandler([&](const std::exception& e) { handled.push_back(e.what()); });
  Guarded([] { throw EConvertError("'x' is not a valid integer value"); });
  EXPECT_EQ(handled, std::vector<std::string>{"'x' is not a valid integer value"});

  SetGuardedExceptionHandler(nullptr);
  testing::internal::CaptureStderr();
  Guarded([] { throw EConvertError("no application yet"); });
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "no application yet\n");
  EXPECT_EQ(handled.size(), 1u);

  // The application's error handling again, as it installs itself.
  SetGuardedExceptionHandler([](const std::exception& e) { Application().HandleException(e); });
}
