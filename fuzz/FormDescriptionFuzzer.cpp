// The form description reader over any text, into a plain form that may
// hold every class of the windowing layer and the skinned controls: a text
// either loads or fails with the reader's own error naming the line; a form
// that loads is drawn when it is of a size a screen can show.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/FuzzApplication.h"
#include "fuzz/FuzzSupport.h"
#include "skin/SkinClasses.h"
#include "skin/SkinMgr.h"
#include "windowing/Form.h"
#include "windowing/FormReader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  StartHeadlessApplication(argc, argv);
  RegisterWindowingClasses();
  RegisterSkinClasses();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto form = std::make_unique<TForm>(nullptr);
  try {
    ReadDescription(InputBytes(data, size), *form, [](const std::string&) { return nullptr; });
  } catch (const EFormError&) {
    return 0;
  }
  if (static_cast<int64_t>(form->Width()) * form->Height() <= 4 * 1024 * 1024) form->grab();
  return 0;
}
