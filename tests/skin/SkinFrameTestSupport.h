// Test support for the window frame suites: fixture bitmaps laid over the
// built-in ones, a recorder for message boxes, a fixed work area, and a form
// carrying a skinned frame.
#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

#include "skin/SkinForm.h"
#include "skin/SkinPublic.h"
#include "windowing/Application.h"
#include "windowing/BitmapResources.h"
#include "windowing/Colors.h"
#include "windowing/Form.h"

// The table's images first, the program's own bitmaps for every other name.
class TOverlayResources : public TBitmapResourceProvider {
 public:
  void Add(const std::string& name, const QImage& image) { FTable.Add(name, image); }
  QImage Find(const std::string& name) const override {
    const QImage image = FTable.Find(name);
    return image.isNull() ? FBuiltIn.Find(name) : image;
  }

 private:
  TBitmapResourceTable FTable;
  TQtBitmapResources FBuiltIn;
};

// A strip of frames of the given size, each one solid colour.
inline QImage SolidStrip(int frameWidth, int height, const std::vector<TColor>& colors) {
  QImage image(frameWidth * static_cast<int>(colors.size()), height, QImage::Format_RGB32);
  QPainter painter(&image);
  for (size_t i = 0; i < colors.size(); ++i)
    painter.fillRect(static_cast<int>(i) * frameWidth, 0, frameWidth, height, ColorToQColor(colors[i]));
  return image;
}

// Records the message boxes shown while it is installed; answers OK.
class TMessageRecorder : public TMessageBoxProvider {
 public:
  TMessageRecorder() : FPrevious(Application().SetMessageBoxProvider(this)) {}
  ~TMessageRecorder() override { Application().SetMessageBoxProvider(FPrevious); }
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;
  int MessageBox(const std::string& text, const std::string&, unsigned flags) override {
    texts.push_back(text);
    lastFlags = flags;
    return IDOK;
  }
  std::vector<std::string> texts;
  unsigned lastFlags = 0;

 private:
  TMessageBoxProvider* FPrevious;
};

// A work area of the test's choosing while it lives.
class TScopedWorkArea {
 public:
  explicit TScopedWorkArea(const TRect& area)
      : FPrevious(SetWorkAreaProvider([area](TRect& r) {
          r = area;
          return true;
        })) {}
  ~TScopedWorkArea() { SetWorkAreaProvider(FPrevious); }
  TScopedWorkArea(const TScopedWorkArea&) = delete;
  TScopedWorkArea& operator=(const TScopedWorkArea&) = delete;

 private:
  TWorkAreaProvider FPrevious;
};

inline void ProcessEvents() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// A form with a skinned frame in a style, at the given bounds once the
// style's border is in place.
struct TSkinnedForm {
  explicit TSkinnedForm(TSkinUIStyle style, TFormBorderStyle border = TFormBorderStyle::bsSizeable,
                        TRect bounds = Bounds(100, 50, 400, 300)) {
    form.SetBorderStyle(border);
    skin = new TSkinForm(&form);
    skin->SetUIStyle(style);
    form.SetBoundsRect(bounds);
    skin->UpdateLayout();
  }
  ~TSkinnedForm() { form.Hide(); }
  TSkinnedForm(const TSkinnedForm&) = delete;
  TSkinnedForm& operator=(const TSkinnedForm&) = delete;

  void Show() {
    form.Show();
    ProcessEvents();
  }
  TSkinTitleBar& bar() const { return skin->TitleBar(); }

  TForm form{nullptr};
  TSkinForm* skin;
};

// A mouse move straight to the widget, as Qt sends it to the widget under
// the pointer (or to the one holding the mouse while a button is down).
inline void MoveMouse(QWidget* widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

// Press at a point of the widget (or the window, which sees the mouse
// before its widgets do), move the held pointer by each offset on the
// screen from there (the target may move along), release at the last.
template <class Target>
void Drag(Target* target, QPoint from, std::initializer_list<QPoint> offsets) {
  const QPoint start = target->mapToGlobal(from);
  QTest::mousePress(target, Qt::LeftButton, {}, from);
  QPoint end = start;
  for (const QPoint offset : offsets) {
    end = start + offset;
    if constexpr (std::is_base_of_v<QWidget, Target>)
      MoveMouse(target, target->mapFromGlobal(end), Qt::LeftButton);
    else
      QTest::mouseMove(target, target->mapFromGlobal(end));
  }
  QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFromGlobal(end));
}

// How well a caption reads: the highest contrast of a pixel of the picture
// with the caption against the same pixel of the picture without it.
inline double CaptionContrast(const QImage& withCaption, const QImage& without) {
  double best = 1;
  for (int y = 0; y < std::min(withCaption.height(), without.height()); ++y)
    for (int x = 0; x < std::min(withCaption.width(), without.width()); ++x)
      best = std::max(best, ContrastRatio(QRgbToColor(withCaption.pixel(x, y)), QRgbToColor(without.pixel(x, y))));
  return best;
}

inline TColor PixelOf(const QImage& image, int x, int y) { return QRgbToColor(image.pixel(x, y)); }
