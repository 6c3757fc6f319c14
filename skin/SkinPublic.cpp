#include "SkinPublic.h"

#include <algorithm>

#include "Bitmap.h"

void CutBitmapFrame(const TBitmap& source, TBitmap& destination, int frameCount, int frameNumber) {
  const int width = source.Width() / std::max(1, frameCount);
  destination.SetImage(source.Image().copy(width * (frameNumber - 1), 0, width, source.Height()));
}
