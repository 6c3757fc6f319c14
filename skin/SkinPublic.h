// Drawing helpers shared by the skinned controls.
#pragma once

class TBitmap;

// Cuts frame number (from 1) of a strip of frameCount equal frames, side by
// side at full height, into destination. The frame width is the strip width
// divided by the count (columns left over belong to no frame); a count of 0
// counts as 1.
void CutBitmapFrame(const TBitmap& source, TBitmap& destination, int frameCount, int frameNumber);
