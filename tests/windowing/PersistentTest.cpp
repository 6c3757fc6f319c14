#include "windowing/Persistent.h"

#include <gtest/gtest.h>

#include "windowing/CustomPanel.h"
#include "windowing/Form.h"
#include "windowing/PopupMenu.h"
#include "windowing/Timer.h"

TEST(Persistent, PropertiesByNameWithoutRegardToCase) {
  TForm form(nullptr);
  TPanel panel(&form);
  panel.SetName("Panel1");
  EXPECT_EQ(panel.ClassName(), "TPanel");
  EXPECT_TRUE(HasPublishedProperty(panel, "bevelouter"));
  EXPECT_TRUE(HasPublishedProperty(panel, "Name"));
  EXPECT_FALSE(HasPublishedProperty(panel, "NoSuch"));
  SetOrdProp(panel, "WIDTH", 77);
  EXPECT_EQ(panel.Width(), 77);
  SetEnumProp(panel, "align", "ALCLIENT");
  EXPECT_EQ(panel.Align(), TAlign::alClient);
  EXPECT_EQ(GetEnumProp(panel, "Align"), "alClient");
  SetEnumProp(panel, "Visible", "false");
  EXPECT_FALSE(panel.Visible());
  SetStrProp(panel, "caption", "Hello");
  EXPECT_EQ(GetStrProp(panel, "Caption"), "Hello");
  EXPECT_EQ(GetStrProp(panel, "Name"), "Panel1");
  try {
    GetOrdProp(panel, "Nope");
    FAIL();
  } catch (const EPropertyError& e) {
    EXPECT_EQ(e.Message(), "Property Nope does not exist");
  }
  EXPECT_THROW(SetEnumProp(panel, "Align", "alMiddle"), EPropertyError);
  EXPECT_THROW(GetStrProp(panel, "Width"), EPropertyError);
}

TEST(Persistent, ReferencesRefuseComponentsOfAnotherClassAndDropTheFreedOnes) {
  TForm form(nullptr);
  TPanel panel(&form);
  auto* menu = new TPopupMenu(&form);
  TTimer timer(&form);
  SetObjectProp(panel, "PopupMenu", menu);
  EXPECT_EQ(GetObjectProp(panel, "popupmenu"), menu);
  EXPECT_THROW(SetObjectProp(panel, "PopupMenu", &timer), EPropertyError);
  EXPECT_EQ(panel.PopupMenu(), menu);
  delete menu;
  EXPECT_EQ(panel.PopupMenu(), nullptr);
}

TEST(Persistent, PublishedOrderPutsAncestorsFirst) {
  const auto props = TPanel::StaticClassInfo().Properties();
  auto position = [&](const char* name) {
    for (size_t i = 0; i < props.size(); ++i)
      if (props[i]->Name == name) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(position("Name"), 0);
  EXPECT_LT(position("Left"), position("TabStop"));
  EXPECT_LT(position("TabStop"), position("BevelOuter"));
  RegisterWindowingClasses();
  EXPECT_EQ(FindClass("tpanel"), &TPanel::StaticClassInfo());
}
