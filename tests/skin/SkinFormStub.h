// A stand-in for the skinned frame of a form: what menus and tool bars ask
// of it (its style, its menu) and a record of the menu-bar requests.
#pragma once

#include "CustomPanel.h"
#include "SkinMainMenu.h"
#include "SkinThemes.h"

class TSkinFormStub : public TPanel, public TSkinMenuBarHost {
 public:
  using TPanel::TPanel;
  TSkinUIStyle UIStyle() const { return FStyle; }
  void SetUIStyle(TSkinUIStyle style) { FStyle = style; }
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu) {
    if (auto* old = dynamic_cast<TSkinMainMenu*>(FMenu)) old->SetSkinForm(nullptr);
    FMenu = menu;
    if (auto* skinned = dynamic_cast<TSkinMainMenu*>(menu)) skinned->SetSkinForm(this);
  }
  void RebuildMenuBar() override { ++rebuilds; }
  void RefreshMenuBar() override { ++refreshes; }
  void UpdateMenuBarFont() override { ++fontUpdates; }
  int rebuilds = 0, refreshes = 0, fontUpdates = 0;

  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TSkinFormStub>("TSkinForm", TPanel::StaticClassInfo(), [](TPublisher<TSkinFormStub>& p) {
      p.Enum("UIStyle", SkinUIStyleNames(), &TSkinFormStub::UIStyle, &TSkinFormStub::SetUIStyle)
          .Component<TMainMenu>("Menu", &TSkinFormStub::Menu, &TSkinFormStub::SetMenu);
    });
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 private:
  TSkinUIStyle FStyle = TSkinUIStyle::Midnight;
  TMainMenu* FMenu = nullptr;
};

// A form carrying a stub frame in the given style.
inline TSkinFormStub* AddSkinFormStub(TControl& form, TSkinUIStyle style) {
  auto* stub = new TSkinFormStub(&form);
  stub->SetParent(&form);
  stub->SetUIStyle(style);
  return stub;
}
