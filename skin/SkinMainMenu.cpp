#include "skin/SkinMainMenu.h"

#include "windowing/Form.h"

TSkinMainMenu::TSkinMainMenu(TComponent* owner)
    : TSkinMenu<TMainMenu>(owner), FCheckImages(new TCustomImageList(this)) {
  FillMenuCheckImages(*FCheckImages);
  TMenu::SetImages(FCheckImages);
  auto* form = dynamic_cast<TForm*>(owner);
  if (!form) return;
  form->SetMenu(nullptr);
  // The form's skinned frame shows this menu.
  if (TSkinFormFrame* frame = FindSkinFormFrame(form)) frame->SetMenu(this);
}

const TClassInfo& TSkinMainMenu::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinMainMenu>("TSkinMainMenu", TMainMenu::StaticClassInfo(), [](TPublisher<TSkinMainMenu>& p) {
        p.Component<TCustomImageList>("Images", &TSkinMainMenu::UserImageList, &TSkinMainMenu::SetUserImageList);
        PublishSkinMenu(p);
      });
  return *info;
}

TCustomImageList* TSkinMainMenu::UserImageList() const { return Images() == FCheckImages ? nullptr : Images(); }

void TSkinMainMenu::SetUserImageList(TCustomImageList* images) { TMenu::SetImages(images ? images : FCheckImages); }

void TSkinMainMenu::SetSkinForm(const TSkinFormFrame* form, TMainMenuChangeEvent onChange) {
  FSkinForm = form;
  FOnChange = std::move(onChange);
}

void TSkinMainMenu::NotifyChange(TMainMenuChange change) const {
  if (FOnChange) FOnChange(change);
}

void TSkinMainMenu::AttachItemDrawEvents() {
  TSkinMenu<TMainMenu>::AttachItemDrawEvents();
  NotifyChange(TMainMenuChange::Items);
}

void TSkinMainMenu::MenuChanged(TMenuItem* item) {
  TSkinMenu<TMainMenu>::MenuChanged(item);
  if (dynamic_cast<TForm*>(Owner()) && !IsDestroying()) NotifyChange(TMainMenuChange::State);
}

void TSkinMainMenu::SetUseSystemFont(bool useSystemFont) {
  TSkinMenu<TMainMenu>::SetUseSystemFont(useSystemFont);
  NotifyChange(TMainMenuChange::Font);
}

void TSkinMainMenu::Notification(TComponent* component, TOperation operation) {
  TSkinMenu<TMainMenu>::Notification(component, operation);
  // The user's list is gone: the check-mark list stands in again.
  if (operation == TOperation::opRemove && !Images() && !IsDestroying()) TMenu::SetImages(FCheckImages);
}
