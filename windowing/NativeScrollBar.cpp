#include "windowing/NativeScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <cstdlib>

TNativeScrollBar::TNativeScrollBar(Qt::Orientation orientation) : QScrollBar(orientation) {}

int TNativeScrollBar::ThumbLength() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
  return std::abs(orientation() == Qt::Vertical ? thumb.height() : thumb.width());
}

TScrollBarState TNativeScrollBar::State() const {
  TScrollBarState state;
  state.Usable = !isHidden() && isEnabled() && maximum() > minimum();
  state.Min = minimum();
  state.Max = maximum();
  state.Page = pageStep();
  state.Position = value();
  state.ThumbLength = ThumbLength();
  return state;
}

void TNativeScrollBar::SetExtent(int extent) {
  if (FExtent == extent) return;
  FExtent = extent;
  updateGeometry();
}

QSize TNativeScrollBar::sizeHint() const {
  QSize hint = QScrollBar::sizeHint();
  if (FExtent <= 0) return hint;
  if (orientation() == Qt::Vertical)
    hint.setWidth(FExtent);
  else
    hint.setHeight(FExtent);
  return hint;
}

void TNativeScrollBar::sliderChange(SliderChange change) {
  QScrollBar::sliderChange(change);
  if (OnChange) OnChange();
}
