#include "uRingBase.h"

void TRingTrack::Assign(const TRingTrack& source) {
  if (&source == this) return;
  Clear();
  for (const auto& tone : source.Tones) Add(std::make_unique<TRingTone>(*tone));
}
