// The theme file component and the style resolution every skinned
// component reads its items through.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/Component.h"
#include "skin/SkinThemes.h"
#include "windowing/Colors.h"
#include "windowing/Persistent.h"

class TBitmap;

struct TSkinResolvedStyle {
  bool UseFile = false;  // read the items from the file theme
  TSkinUIStyle Style = TSkinUIStyle::Midnight;
};

// A non-visual component that holds a loaded theme file. Items the file
// lacks (or cannot give, such as an image that does not decode) come from
// the Midnight style, so a theme file never leaves a control without them.
class TSkinFileTheme : public TComponent, public TPersistent {
 public:
  explicit TSkinFileTheme(TComponent* owner);
  ~TSkinFileTheme() override;

  // Publishes ThemeFile.
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Whether a component with this theme and style reads its file: only for
  // FromThemeFile with a loaded theme. FromThemeFile without one resolves
  // to Midnight; every other style to itself. The theme may be null.
  static TSkinResolvedStyle ResolveStyle(const TSkinFileTheme* fileTheme, TSkinUIStyle style);

  const std::string& ThemeFile() const { return FThemeFile; }
  // A new name loads that file, or the file of that bare name in the
  // program's folder; a name found in neither place changes nothing. A read
  // error passes out, leaving the new name and no theme loaded. After a
  // load, the form's skinned components that use this theme apply it again.
  void SetThemeFile(const std::string& name);
  bool IsThemeLoaded() const { return FLoaded; }

  void GetBitmap(int item, TBitmap* graphic) const;
  void GetBitmapFrame(int item, TBitmap* graphic, int frameCount, int frameNumber) const;
  bool GetBool(int item) const;
  int32_t GetInteger(int item) const;
  TColor GetColor(int item) const;

 private:
  void ReapplyToUsers();

  std::string FThemeFile;
  TSkinFileThemeMgr FThemeMgr;
  bool FLoaded = false;
};

// The items of one component as its FileTheme and UIStyle decide: from the
// file theme when it is in use, else from the resolved built-in style.
class TSkinItemSource {
 public:
  TSkinItemSource(const TSkinFileTheme* fileTheme, TSkinUIStyle style);

  bool UseFile() const { return FResolved.UseFile; }
  TSkinUIStyle Style() const { return FResolved.Style; }

  bool Bool(int item) const;
  TColor Color(int item) const;
  int32_t Integer(int item) const;
  void Bitmap(int item, TBitmap* graphic) const;
  void BitmapFrame(int item, TBitmap* graphic, int frameCount, int frameNumber) const;

 private:
  const TSkinFileTheme* FFileTheme;
  TSkinResolvedStyle FResolved;
};


// For a component's FileTheme setter: points the reference at the theme and
// asks to hear when the theme is freed.
void LinkFileTheme(TComponent& user, TSkinFileTheme*& reference, TSkinFileTheme* theme);
// For a component's Notification: true, with the reference cleared, when
// the component being removed is the theme it uses (the component then
// turns to Midnight).
bool UnlinkRemovedFileTheme(TSkinFileTheme*& reference, const TComponent* component, TOperation operation);

// A skinned component that publishes both FileTheme and UIStyle: the
// containers pass their style and theme on to it (ApplyThemeToChildren), and
// a theme that has read a new file gives itself to it again.
class TSkinThemeUser {
 public:
  virtual ~TSkinThemeUser() = default;
  virtual TSkinFileTheme* FileTheme() const = 0;
  virtual void SetFileTheme(TSkinFileTheme* theme) = 0;
  virtual void SetUIStyle(TSkinUIStyle style) = 0;
};

// What every skinned component with a style and a theme file shares: the
// two properties, and Midnight when the theme is freed. Setting UIStyle,
// also to the style in use, runs ApplyUIStyle, where the component reads its
// items (StyleItems); setting FileTheme, also to the theme in use (which has
// just read another file), applies the style again.
template <class Base>
class TSkinStyled : public Base {
 public:
  explicit TSkinStyled(TComponent* owner, TSkinUIStyle style = TSkinUIStyle::Midnight)
      : Base(owner), FUIStyle(style) {}

  TSkinFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TSkinFileTheme* theme) {
    LinkFileTheme(*this, FFileTheme, theme);
    FileThemeChanged();
  }
  TSkinUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TSkinUIStyle style) {
    FUIStyle = style;
    ApplyUIStyle();
  }

 protected:
  // The items of the style as the theme file gives them.
  TSkinItemSource StyleItems() const { return TSkinItemSource(FFileTheme, FUIStyle); }
  virtual void ApplyUIStyle() {}
  // After the theme is linked: the style is applied again.
  virtual void FileThemeChanged() { SetUIStyle(FUIStyle); }
  // After the freed theme is unlinked: the component turns to Midnight.
  virtual void FileThemeRemoved() { SetUIStyle(TSkinUIStyle::Midnight); }

  void Notification(TComponent* component, TOperation operation) override {
    Base::Notification(component, operation);
    if (UnlinkRemovedFileTheme(FFileTheme, component, operation)) FileThemeRemoved();
  }

 private:
  TSkinUIStyle FUIStyle;
  TSkinFileTheme* FFileTheme = nullptr;
};

// A styled component that publishes its style and theme: a theme user.
template <class Styled>
class TSkinThemeUserOf : public Styled, public TSkinThemeUser {
 public:
  using Styled::Styled;
  TSkinFileTheme* FileTheme() const override { return Styled::FileTheme(); }
  void SetFileTheme(TSkinFileTheme* theme) override { Styled::SetFileTheme(theme); }
  void SetUIStyle(TSkinUIStyle style) override { Styled::SetUIStyle(style); }
};

// The skinned components are theme users; only the push button's base,
// whose image button publishes no theme, is merely styled.
template <class Base>
class TSkinThemed : public TSkinThemeUserOf<TSkinStyled<Base>> {
 public:
  using TSkinThemeUserOf<TSkinStyled<Base>>::TSkinThemeUserOf;
};
