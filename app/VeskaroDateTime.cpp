#include "app/VeskaroDateTime.h"

void SecondsToMinSec(int32_t seconds, int32_t& minutes, int32_t& secs) {
  if (seconds < 0) return;
  minutes = seconds / 60;
  secs = seconds % 60;
}
