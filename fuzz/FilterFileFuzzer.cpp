// The filter editor's build of the filter file reader and the filter
// catalogue over any bytes. A file either loads or fails with the
// conversion error; what loads saves as a text that loads back to the same
// text; and the catalogue, which reads the file as plain lines, sees the
// same phone, kind and identity as the definition.
#include <cstddef>
#include <cstdint>
#include <string>

#include "filters/FilterAccess.h"
#include "filters/uFilterCtrl.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

namespace {

// Loads the text; false when it fails with the conversion error.
bool Load(Dravik::TRingtoneFilterConfig& config, const std::string& text) {
  TMemoryStream stream(text);
  try {
    config.LoadFromStream(stream);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = InputBytes(data, size);
  Dravik::TRingtoneFilterConfig config;
  config.Clear();
  if (!Load(config, text)) return 0;

  TFilterCfg catalogue;
  catalogue.SetText(text);
  FUZZ_CHECK(catalogue.GetMobileBrand() == config.FilterInfo->MobileBrand);
  FUZZ_CHECK(catalogue.GetMobileModel() == config.FilterInfo->MobileModel);
  FUZZ_CHECK(catalogue.GetFilterDesc() == config.FilterInfo->FilterDesc);
  FUZZ_CHECK(catalogue.GetAuthorName() == config.AuthorInfo->AuthorName);
  FUZZ_CHECK(catalogue.GetFilterFileOID() == config.FilterFileOID);
  FUZZ_CHECK(catalogue.GetFilterType() == config.FilterInfo->FilterType);

  const std::string saved = config.FileText();
  Dravik::TRingtoneFilterConfig again;
  again.Clear();
  FUZZ_CHECK(Load(again, saved));
  FUZZ_CHECK(again.FileText() == saved);
  TMemoryStream written;
  again.SaveToStream(written);
  FUZZ_CHECK(written.DataString() == saved);
  return 0;
}
