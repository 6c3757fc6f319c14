// The filter editor's build of the filter definition: every key of the filter
// file, the filter's identity (FilterFileOID) included.
#pragma once

#include <string>

#include "runtime/FilterDefinition.h"

class TRingtoneFilterConfig : public TRingtoneFilterConfigBase {
 public:
  // A GUID in registry text form, given once when the editor creates the
  // filter and kept through every later save.
  std::string FilterFileOID;

  void Clear() override;

 protected:
  void VisitIdentity(TFilterKeyVisitor& visitor) override;
};
