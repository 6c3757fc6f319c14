// The skinned main menu. The form's own menu bar is switched off; the
// form's skinned frame shows the top-level items as a menu bar of its own
// and hears when they change. The menu keeps its own check-mark list,
// which also stands in while no user image list is set (Images then reads
// null).
#pragma once

#include "skin/SkinMenu.h"
#include "windowing/MainMenu.h"

// What a skinned form does for the main menu linked to it.
class TSkinMenuBarHost {
 public:
  virtual ~TSkinMenuBarHost() = default;
  // Shows the menu (null: none) and links it to this form.
  virtual void SetMenu(TMainMenu* menu) = 0;
  virtual void RebuildMenuBar() = 0;
  virtual void RefreshMenuBar() = 0;
  virtual void UpdateMenuBarFont() = 0;
};

class TSkinMainMenu : public TSkinMenu<TMainMenu> {
 public:
  explicit TSkinMainMenu(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The user's image list, or null while the check-mark list stands in.
  TCustomImageList* UserImageList() const;
  // Null puts the check-mark list back.
  void SetUserImageList(TCustomImageList* images);

  // The skinned form showing this menu; set and cleared by that form.
  TSkinMenuBarHost* SkinForm() const { return FSkinForm; }
  void SetSkinForm(TSkinMenuBarHost* form) { FSkinForm = form; }

  void AttachItemDrawEvents() override;
  void MenuChanged(TMenuItem* item) override;
  void SetUseSystemFont(bool useSystemFont) override;

 protected:
  const TCustomImageList* UserImages() const override { return UserImageList(); }
  const TCustomImageList& CheckImages() const override { return *FCheckImages; }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TCustomImageList* FCheckImages;  // owned as a component
  TSkinMenuBarHost* FSkinForm = nullptr;
};
