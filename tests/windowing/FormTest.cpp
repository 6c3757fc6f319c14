#include "windowing/Form.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "windowing/Edit.h"
#include "windowing/FormReader.h"
#include "windowing/Label.h"

TEST(Form, NamedFindsADescribedComponentOfItsClassAndNamesWhatIsMissing) {
  TForm form(nullptr);
  form.SetName("frmProbe");
  auto* label = new TLabel(&form);
  label->SetName("lblTitle");
  EXPECT_EQ(&form.Named<TLabel>("lblTitle"), label);
  EXPECT_THROW(form.Named<TEdit>("lblTitle"), EFormError);
  try {
    form.Named<TLabel>("lblOther");
    FAIL();
  } catch (const EFormError& e) {
    EXPECT_EQ(e.Message(), "The form frmProbe has no lblOther");
  }
}

TEST(Form, TheActiveControlIsTheOneThatTookTheFocus) {
  TForm form(nullptr);
  auto* first = new TEdit(&form);
  first->SetParent(&form);
  auto* second = new TEdit(&form);
  second->SetParent(&form);
  second->SetTop(30);
  form.Show();
  QApplication::setActiveWindow(&form);
  first->SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(form.ActiveControl(), first);
  second->SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(form.ActiveControl(), second);
  delete second;  // never a control that is gone
  EXPECT_TRUE(form.ActiveControl() == nullptr || form.ActiveControl() == first);
  form.Hide();
}
