#include "filters/uFilterCtrl.h"

namespace Dravik {

void TRingtoneFilterConfig::Clear() {
  TRingtoneFilterConfigBase::Clear();
  FilterFileOID.clear();
}

void TRingtoneFilterConfig::VisitIdentity(TFilterKeyVisitor& visitor) {
  visitor.Text("FilterFileOID", FilterFileOID);
}

}  // namespace Dravik
