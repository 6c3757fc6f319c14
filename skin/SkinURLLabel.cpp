#include "skin/SkinURLLabel.h"

#include "runtime/SysUtils.h"
#include "windowing/Shell.h"

TSkinURLLabel::TSkinURLLabel(TComponent* owner) : TLabel(owner), FURL("http://www.example.com/") {
  Font().SetStyle(fsUnderline);
  Font().SetColor(FFontLinkColor);
  SetCursor(crHandPoint);
  SetAutoSize(true);
  SetCaption("www.example.com");
}

const TClassInfo& TSkinURLLabel::StaticClassInfo() {
  using T = TSkinURLLabel;
  static const auto info = DefineClass<T>("TSkinURLLabel", TLabel::StaticClassInfo(), [](TPublisher<T>& p) {
    p.String("URL", &T::URL, &T::SetURL)
        .Color("FontHoverColor", &T::FontHoverColor, &T::SetFontHoverColor)
        .Color("FontLinkColor", &T::FontLinkColor, &T::SetFontLinkColor);
  });
  return *info;
}

void TSkinURLLabel::SetURL(const std::string& url) {
  if (FURL != url) FURL = url;
}

void TSkinURLLabel::SetFontLinkColor(TColor color) {
  FFontLinkColor = color;
  Font().SetColor(color);
}

bool TSkinURLLabel::IsOpenableAddress(const std::string& url) {
  const std::string address = LowerCase(Trim(url));
  for (const char* scheme : {"http://", "https://", "mailto:"})
    if (address.rfind(scheme, 0) == 0) return true;
  return false;
}

void TSkinURLLabel::Click() {
  // The address goes as it was given, blanks and all; only web and mail
  // addresses go, so a stored path or command is never run.
  if (!Trim(FURL).empty() && IsOpenableAddress(FURL)) ShellOpen(FURL);
  TLabel::Click();
}

void TSkinURLLabel::MouseEnter() { Font().SetColor(FFontHoverColor); }

void TSkinURLLabel::MouseLeave() { Font().SetColor(FFontLinkColor); }
