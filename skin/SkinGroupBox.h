// The skinned group box: a one-pixel frame in the style's border colour
// with the caption set into its top line. Its children sit inside the
// frame, take its style and theme whenever they change, and are disabled
// with it (each keeping its own setting).
#pragma once

#include "skin/SkinImagePanel.h"
#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"

class TSkinCustomGroupBox : public TSkinThemed<TSkinCustomPanel> {
 public:
  explicit TSkinCustomGroupBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor color);
  // The group box's own caption, apart from the window text (a blank).
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);

  // Children sit 3 pixels inside the frame, below the caption at the top.
  void AdjustClientRect(TRect& rect) const override;

 protected:
  // Passes style and theme to the children, then takes the border and
  // font colours of the style.
  virtual void UpdateUIStyle(TSkinUIStyle style, TSkinFileTheme* theme);

  void ApplyUIStyle() override { UpdateUIStyle(UIStyle(), FileTheme()); }
  // The children turn to Midnight without a theme as well.
  void FileThemeRemoved() override;
  void Paint(TCanvas& canvas) override;
  void FontChanged() override;

 private:
  TColor FBorderColor = clBlack;
  std::string FCaption;
};

class TSkinGroupBox : public TSkinCustomGroupBox {
 public:
  explicit TSkinGroupBox(TComponent* owner) : TSkinCustomGroupBox(owner) {}
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
