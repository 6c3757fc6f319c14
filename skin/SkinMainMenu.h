// The skinned main menu. The form's own menu bar is switched off; the
// form's skinned frame shows the top-level items as a menu bar of its own
// and hears when they change. The menu keeps its own check-mark list,
// which also stands in while no user image list is set (Images then reads
// null).
#pragma once

#include <cstdint>
#include <functional>

#include "skin/SkinMenu.h"
#include "windowing/MainMenu.h"

// What changed in a main menu, for the menu bar that shows it.
enum class TMainMenuChange : uint8_t {
  Items,  // the items were hooked again: the top-level items may differ
  State,  // an item changed: captions and enabled states may differ
  Font,   // the font settings changed
};
using TMainMenuChangeEvent = std::function<void(TMainMenuChange change)>;

class TSkinMainMenu : public TSkinMenu<TMainMenu> {
 public:
  explicit TSkinMainMenu(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The user's image list, or null while the check-mark list stands in.
  TCustomImageList* UserImageList() const;
  // Null puts the check-mark list back.
  void SetUserImageList(TCustomImageList* images);

  // The skinned form showing this menu, and what it does when the menu
  // changes; set, and cleared with null, by that form.
  const TSkinFormFrame* SkinForm() const { return FSkinForm; }
  void SetSkinForm(const TSkinFormFrame* form, TMainMenuChangeEvent onChange = nullptr);

  void AttachItemDrawEvents() override;
  void MenuChanged(TMenuItem* item) override;
  void SetUseSystemFont(bool useSystemFont) override;

 protected:
  const TCustomImageList* UserImages() const override { return UserImageList(); }
  const TCustomImageList& CheckImages() const override { return *FCheckImages; }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void NotifyChange(TMainMenuChange change) const;

  TCustomImageList* FCheckImages;  // owned as a component
  const TSkinFormFrame* FSkinForm = nullptr;
  TMainMenuChangeEvent FOnChange;
};
