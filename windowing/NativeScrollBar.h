// The scroll bars of the native scrolling controls (memo, list, tree), to
// put in place of the ones Qt makes: they report their state the way the
// platform's scroll-bar queries do, the thumb's length included, tell of
// every change of range, page or position, and can be made as thick as a
// skinned bar laid over them.
#pragma once

#include <QScrollBar>
#include <functional>

struct TScrollBarState {
  // Shown, enabled and with something to scroll.
  bool Usable = false;
  int Min = 0;
  // The largest position the bar can take.
  int Max = 0;
  int Page = 0;
  int Position = 0;
  // The thumb's length in pixels along the bar.
  int ThumbLength = 0;
};

class TNativeScrollBar : public QScrollBar {
 public:
  explicit TNativeScrollBar(Qt::Orientation orientation);

  TScrollBarState State() const;
  int ThumbLength() const;
  // The thickness across the bar; 0 for the style's own.
  int Extent() const { return FExtent; }
  void SetExtent(int extent);
  QSize sizeHint() const override;

  // Every change of range, page step or position, also one the control
  // makes with the bar's signals blocked (a text edit scrolling to its
  // cursor does).
  std::function<void()> OnChange;

 protected:
  void sliderChange(SliderChange change) override;

 private:
  int FExtent = 0;
};
