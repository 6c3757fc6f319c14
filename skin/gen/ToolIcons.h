// The main window's tool-bar icons, drawn on a 16-unit grid. Unlike the
// skin bitmaps they lie on transparency: the image list keeps their alpha.
#pragma once

#include <QImage>

enum class TToolIcon { Open, Save, Cut, Copy, Paste, Options, FilterEditor, Help, Home };

QImage PaintToolIcon(TToolIcon icon, int size);
