#include "skin/SkinMainMenu.h"

#include "windowing/Form.h"

TSkinMainMenu::TSkinMainMenu(TComponent* owner)
    : TSkinMenu<TMainMenu>(owner), FCheckImages(new TCustomImageList(this)) {
  FillMenuCheckImages(*FCheckImages);
  TMenu::SetImages(FCheckImages);
  auto* form = dynamic_cast<TForm*>(owner);
  if (!form) return;
  form->SetMenu(nullptr);
  // The first skinned frame on the form shows this menu.
  for (int i = 0; i < form->ControlCount(); ++i)
    if (auto* host = dynamic_cast<TSkinMenuBarHost*>(form->Controls(i))) {
      host->SetMenu(this);
      break;
    }
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

void TSkinMainMenu::AttachItemDrawEvents() {
  TSkinMenu<TMainMenu>::AttachItemDrawEvents();
  if (FSkinForm) FSkinForm->RebuildMenuBar();
}

void TSkinMainMenu::MenuChanged(TMenuItem* item) {
  TSkinMenu<TMainMenu>::MenuChanged(item);
  if (FSkinForm && dynamic_cast<TForm*>(Owner()) && !IsDestroying()) FSkinForm->RefreshMenuBar();
}

void TSkinMainMenu::SetUseSystemFont(bool useSystemFont) {
  TSkinMenu<TMainMenu>::SetUseSystemFont(useSystemFont);
  if (FSkinForm) FSkinForm->UpdateMenuBarFont();
}

void TSkinMainMenu::Notification(TComponent* component, TOperation operation) {
  TSkinMenu<TMainMenu>::Notification(component, operation);
  // The user's list is gone: the check-mark list stands in again.
  if (operation == TOperation::opRemove && !Images() && !IsDestroying()) TMenu::SetImages(FCheckImages);
}
