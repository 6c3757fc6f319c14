// The filter editor's Open then Save over any file: a file the editor
// refuses is one its definition cannot show (it does not load, its kind is
// unknown, its mapper order holds no numbers); any other is written back
// exactly as the definition itself writes it, 8-bit texts byte for byte,
// except what the editor shows in its own words (a brand its list holds,
// in the list's spelling; mapper ids, as decimal numbers, -1 for none).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "filters/DravikFrm.h"
#include "fuzz/FuzzApplication.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "skin/SkinComboBox.h"

namespace {

TfrmDravik* Editor = nullptr;

// What the editor should write for the file, or nothing when it should
// refuse it.
std::unique_ptr<Dravik::TRingtoneFilterConfig> Expected(const std::string& bytes) {
  auto config = std::make_unique<Dravik::TRingtoneFilterConfig>();
  TMemoryStream stream(bytes);
  try {
    config->LoadFromStream(stream);
    if (config->FilterInfo->FilterType > 1) return nullptr;
    std::string* steps[] = {&config->MapperOrder_1, &config->MapperOrder_2, &config->MapperOrder_3,
                            &config->MapperOrder_4, &config->MapperOrder_5};
    for (int i = 0; i < 5; ++i) {
      const int32_t id = config->GetMapperOrder(i);
      *steps[i] = IntToStr(id >= 0 && id <= 4 ? id : -1);
    }
  } catch (const EConvertError&) {
    return nullptr;
  }
  const TStringList brands = Editor->cmbMobileBrandClasses->Items();
  if (const int brand = brands.IndexOf(config->FilterInfo->MobileBrand); brand >= 0)
    config->FilterInfo->MobileBrand = brands[brand];
  return config;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  StartHeadlessApplication(argc, argv);
  // A file the editor refuses is reported; any error but the conversion
  // error would be a fault of the editor.
  Application().OnException = [](TComponent*, const std::exception& e) {
    if (dynamic_cast<const EConvertError*>(&e)) return;
    std::fprintf(stderr, "unexpected error: %s\n", e.what());
    std::abort();
  };
  Editor = new TfrmDravik(nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes = InputBytes(data, size);
  const std::unique_ptr<Dravik::TRingtoneFilterConfig> expected = Expected(bytes);
  const bool opened = Editor->SetFilterFile(Folder().Write("opened.kps", bytes));
  FUZZ_CHECK(opened == (expected != nullptr));
  if (!opened) return 0;
  Editor->SaveFilter(Folder().Path() + "saved.kps");
  FUZZ_CHECK(Folder().Read("saved.kps") == expected->FileText());
  return 0;
}
