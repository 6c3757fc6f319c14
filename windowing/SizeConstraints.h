// Minimum and maximum sizes of a control (0: no limit), applied whenever
// its bounds are set.
#pragma once

#include <functional>

#include "windowing/Persistent.h"

class TSizeConstraints : public TPersistent {
 public:
  int MinWidth() const { return FMinWidth; }
  int MinHeight() const { return FMinHeight; }
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }
  void SetMinWidth(int v) { Set(FMinWidth, v); }
  void SetMinHeight(int v) { Set(FMinHeight, v); }
  void SetMaxWidth(int v) { Set(FMaxWidth, v); }
  void SetMaxHeight(int v) { Set(FMaxHeight, v); }

  int ConstrainWidth(int width) const { return Constrain(width, FMinWidth, FMaxWidth); }
  int ConstrainHeight(int height) const { return Constrain(height, FMinHeight, FMaxHeight); }

  std::function<void()> OnChange;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 private:
  static int Constrain(int value, int min, int max);
  void Set(int& field, int value);

  int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};
