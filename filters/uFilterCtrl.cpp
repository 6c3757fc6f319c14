#include "filters/uFilterCtrl.h"

void TRingtoneFilterConfig::Clear() {
  TRingtoneFilterConfigBase::Clear();
  FilterFileOID.clear();
}

void TRingtoneFilterConfig::VisitIdentity(TFilterKeyVisitor& visitor) {
  visitor.Text("FilterFileOID", FilterFileOID);
}
