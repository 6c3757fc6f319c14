// The filter editor's build of the filter definition: every key of the filter
// file, the filter's identity (FilterFileOID) included. The conversion
// library has its own build of the same class (conversion/uFilterCtrl.h);
// each lives in its program's namespace, so that one translation unit can
// name both.
#pragma once

#include <string>

#include "runtime/FilterDefinition.h"

namespace Dravik {

class TRingtoneFilterConfig : public TRingtoneFilterConfigBase {
 public:
  // A GUID in registry text form, given once when the editor creates the
  // filter and kept through every later save.
  std::string FilterFileOID;

  void Clear() override;

 protected:
  void VisitIdentity(TFilterKeyVisitor& visitor) override;
};

}  // namespace Dravik
