#include "skin/SkinClasses.h"

#include "skin/SkinControlClasses.h"
#include "skin/SkinDlg.h"
#include "windowing/Persistent.h"

void RegisterSkinClasses() {
  RegisterSkinControlClasses();
  RegisterClass(TSkinMessageDialog::StaticClassInfo());
}
