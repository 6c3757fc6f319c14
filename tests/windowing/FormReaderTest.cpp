#include "windowing/FormReader.h"

#include <gtest/gtest.h>

#include <random>

#include "runtime/StringList.h"
#include "windowing/Bitmap.h"
#include "windowing/Collection.h"
#include "windowing/CustomPanel.h"
#include "windowing/Form.h"
#include "windowing/ImageList.h"
#include "windowing/MainMenu.h"
#include "windowing/MenuItem.h"
#include "windowing/Timer.h"

namespace {

// A component with a style that, like the skinned ones, overwrites its
// colour when set, plus a list, a collection and a reference.
class TStyledBox;

class TBoxItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  int Size() const { return FSize; }
  void SetSize(int v) { FSize = v; }
  const std::string& Label() const { return FLabel; }
  void SetLabel(const std::string& v) { FLabel = v; }
  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TBoxItem>("TBoxItem", TCollectionItem::StaticClassInfo(), [](TPublisher<TBoxItem>& p) {
      p.Integer("Size", &TBoxItem::Size, &TBoxItem::SetSize).String("Label", &TBoxItem::Label, &TBoxItem::SetLabel);
    });
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 private:
  int FSize = 0;
  std::string FLabel;
};

class TStyledBox : public TPanel {
 public:
  explicit TStyledBox(TComponent* owner) : TPanel(owner), FItems(this) {}
  int Style() const { return FStyle; }
  void SetStyle(int style) {
    FStyle = style;
    SetColor(style == 1 ? clNavy : clTeal);
    log.push_back("Style");
  }
  TStringList& Lines() { return FLines; }
  TCollectionOf<TBoxItem>& Items() { return FItems; }
  TStyledBox* Buddy() const { return FBuddy.Get(); }
  void SetBuddy(TStyledBox* b) { FBuddy.Set(this, b); }
  std::vector<std::string> log;

  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TStyledBox>("TStyledBox", TPanel::StaticClassInfo(), [](TPublisher<TStyledBox>& p) {
      static const TEnumInfo styles{{"Plain", "Dark", "Light"}};
      p.Enum("Style", styles, &TStyledBox::Style, &TStyledBox::SetStyle)
          .Strings("Lines", &TStyledBox::Lines)
          .Collection("Items", &TStyledBox::Items)
          .Component<TStyledBox>("Buddy", &TStyledBox::Buddy, &TStyledBox::SetBuddy);
    });
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void Loaded() override {
    log.push_back("Loaded");
    TPanel::Loaded();
  }
  void Notification(TComponent* component, TOperation operation) override {
    TPanel::Notification(component, operation);
    if (operation == TOperation::opRemove) FBuddy.Release(component);
  }

 private:
  int FStyle = 0;
  TStringList FLines;
  TCollectionOf<TBoxItem> FItems;
  TComponentRef<TStyledBox> FBuddy;
};

class TfrmSample : public TForm {
 public:
  explicit TfrmSample(TComponent* owner) : TForm(owner) {
    AddHandler("FormCreate", &TfrmSample::FormCreate);
    AddHandler("OpenClick", &TfrmSample::OpenClick);
    AddHandler("BoxClick", &TfrmSample::BoxClick);
  }
  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TfrmSample>("TfrmSample", TForm::StaticClassInfo(), nullptr);
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::vector<std::string> calls;
  void FormCreate(TComponent*) { calls.push_back("FormCreate"); }
  void OpenClick(TComponent* sender) { calls.push_back("OpenClick:" + sender->Name()); }
  void BoxClick(TComponent* sender) { calls.push_back("BoxClick:" + sender->Name()); }
};

const bool kRegistered = (RegisterClass(TStyledBox::StaticClassInfo()), true);

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) out += {digits[c >> 4], digits[c & 15]};
  return out;
}

std::string Strip() {
  QImage strip(32, 16, QImage::Format_ARGB32);
  strip.fill(Qt::red);
  for (int y = 0; y < 16; ++y)
    for (int x = 16; x < 32; ++x) strip.setPixel(x, y, qRgb(0, 0, 255));
  return ImageBytes(strip, "PNG");
}

std::string SampleText() {
  return "object frmSample: TfrmSample\n"
         "  Left = 10\n"
         "  Width = 300\n"
         "  Height = 200\n"
         "  Caption = 'Sample '#39'one'#39\n"
         "  Font.Name = 'Tahoma'\n"
         "  Font.Style = [fsBold, fsItalic]\n"
         "  Menu = MainMenu1\n"
         "  OnCreate = FormCreate\n"
         "  // a comment line\n"
         "  object Outer: TStyledBox\n"
         "    Align = alClient\n"
         "    Style = Dark\n"
         "    Color = $00123456\n"
         "    Buddy = Inner\n"
         "    Lines = ('first' 'second line')\n"
         "    Items = <\n"
         "      item\n"
         "        Size = 3\n"
         "        Label = 'three'\n"
         "      end\n"
         "      item\n"
         "        Size = -4\n"
         "      end>\n"
         "    OnClick = BoxClick\n"
         "    object Inner: TStyledBox\n"
         "      Color = clRed\n"
         "      Style = Light\n"
         "      Align = alTop\n"
         "      Height = 40\n"
         "      Buddy = Outer\n"
         "      Cursor = crHandPoint\n"
         "    end\n"
         "  end\n"
         "  object MainMenu1: TMainMenu\n"
         "    Images = Images1\n"
         "    object mnuFile: TMenuItem\n"
         "      Caption = '&File'\n"
         "      object mnuOpen: TMenuItem\n"
         "        Caption = '&Open'\n"
         "        ShortCut = 'Ctrl+O'\n"
         "        OnClick = OpenClick\n"
         "      end\n"
         "      object mnuLine: TMenuItem\n"
         "        Caption = '-'\n"
         "      end\n"
         "    end\n"
         "  end\n"
         "  object Images1: TImageList\n"
         "    Bitmap = {" +
         Hex(Strip()) +
         "}\n"
         "  end\n"
         "  object Timer1: TTimer\n"
         "    Interval = 5\n"
         "    Enabled = False\n"
         "  end\n"
         "end\n";
}

std::string ErrorOf(const std::string& text) {
  TfrmSample form(nullptr);
  try {
    form.LoadDescription(text);
  } catch (const EFormError& e) {
    return e.Message();
  }
  return "";
}

}  // namespace

TEST(FormReader, ADescriptionLoadsIntoTheRightTreeInStoredOrder) {
  ASSERT_TRUE(kRegistered);
  TfrmSample form(nullptr);
  form.LoadDescription(SampleText());
  EXPECT_EQ(form.Name(), "frmSample");
  EXPECT_EQ(form.objectName(), "frmSample");
  EXPECT_EQ(form.Caption(), "Sample 'one'");
  EXPECT_EQ(form.Font().Style(), fsBold | fsItalic);
  EXPECT_EQ(form.BoundsRect(), Bounds(10, 0, 300, 200));

  auto* outer = dynamic_cast<TStyledBox*>(form.FindComponent("outer"));
  auto* inner = dynamic_cast<TStyledBox*>(form.FindComponent("Inner"));
  ASSERT_TRUE(outer && inner);
  EXPECT_EQ(outer->ClassName(), "TStyledBox");
  EXPECT_EQ(outer->Parent(), &form);
  EXPECT_EQ(inner->Parent(), outer);
  // A colour stored after the style wins; one stored before is replaced.
  EXPECT_EQ(outer->Color(), 0x123456);
  EXPECT_EQ(inner->Color(), clTeal);
  // A reference to a later component is set once all exist, one to an
  // earlier component at once.
  EXPECT_EQ(outer->Buddy(), inner);
  EXPECT_EQ(inner->Buddy(), outer);
  EXPECT_EQ(inner->Cursor(), crHandPoint);
  EXPECT_EQ(outer->Lines().Text(), "first\r\nsecond line\r\n");
  ASSERT_EQ(outer->Items().Count(), 2);
  EXPECT_EQ(outer->Items().Items(0)->Label(), "three");
  EXPECT_EQ(outer->Items().Items(1)->Size(), -4);
  // Loaded after everything was read; the alignment then placed both panels.
  EXPECT_EQ(outer->log, (std::vector<std::string>{"Style", "Loaded"}));
  EXPECT_EQ(outer->BoundsRect(), Bounds(0, 0, 300, 200));
  EXPECT_EQ(inner->BoundsRect(), Bounds(1, 1, 298, 40));

  auto* menu = dynamic_cast<TMainMenu*>(form.FindComponent("MainMenu1"));
  ASSERT_TRUE(menu);
  EXPECT_EQ(form.Menu(), menu);
  ASSERT_EQ(menu->Items().Count(), 1);
  TMenuItem* file = menu->Items().Items(0);
  ASSERT_EQ(file->Count(), 2);
  EXPECT_EQ(file->Items(0)->ShortCut(), scCtrl | 'O');
  EXPECT_TRUE(file->Items(1)->IsLine());
  ASSERT_NE(menu->Images(), nullptr);
  EXPECT_EQ(menu->Images()->Count(), 2);
  EXPECT_EQ(qBlue(menu->Images()->Image(1).pixel(3, 3)), 255);

  auto* timer = dynamic_cast<TTimer*>(form.FindComponent("Timer1"));
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->EffectiveInterval(), 10);

  EXPECT_EQ(form.calls, (std::vector<std::string>{"FormCreate"}));
  outer->Click();
  file->Items(0)->Click();
  EXPECT_EQ(form.calls, (std::vector<std::string>{"FormCreate", "BoxClick:Outer", "OpenClick:mnuOpen"}));
  // The nested objects are the form's components, in reading order.
  ASSERT_EQ(form.ComponentCount(), 8);
  EXPECT_EQ(form.Components(0)->Name(), "Outer");
  EXPECT_EQ(form.Components(7)->Name(), "Timer1");
}

TEST(FormReader, ErrorsNameTheFormAndTheLine) {
  const std::string head = "object frmSample: TfrmSample\n";
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {head + "  object X: TNoSuch\n  end\nend\n", "Error reading form frmSample, line 2: Class TNoSuch not found"},
      {head + "  Colour = clRed\nend\n", "line 2: Property Colour does not exist"},
      {head + "\n  OnCreate = Nowhere\nend\n", "line 3: Handler Nowhere not found"},
      {head + "  Visible = 3\nend\n", "line 2: Invalid property value for Visible"},
      {head + "  Font.Colr = clRed\nend\n", "line 2: Property Colr does not exist"},
      {head + "  Left = 99999999999\nend\n", "line 2: '99999999999' is not a valid integer value"},
      {head + "  Caption = 'open\nend\n", "line 2: Unterminated string"},
      {head + "  Menu = Missing\nend\n", "line 2: Component Missing not found"},
      {head + "  Menu = frmSample\nend\n", "line 2: Invalid property value for Menu"},
      {head + "  object A: TPanel\n  end\n  object a: TPanel\n  end\nend\n", "line 4: A component named a already exists"},
      {"object frmOther: TForm\nend\n", "line 1: Class TForm does not match TfrmSample"},
      {head + "  Left = 1\n", "'end' expected"},
      {head + "end\nend\n", "End of description expected"},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(c.text);
    EXPECT_NE(error.find(c.error), std::string::npos) << "got: " << error << "\nwant: " << c.error;
  }
}

TEST(FormReader, HostileDescriptionsFailCleanly) {
  const std::string text = SampleText();
  int loaded = 0;
  // Every cut of a good description, and the whole one with garbage spliced in.
  for (size_t cut = 0; cut < text.size(); cut += 3) {
    const std::string error = ErrorOf(text.substr(0, cut));
    loaded += error.empty();
  }
  EXPECT_EQ(loaded, 0);
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string mangled = text;
    for (int k = 0; k < 4; ++k) mangled[random() % mangled.size()] = static_cast<char>(random() % 256);
    ErrorOf(mangled);
  }
  std::string deep = "object frmSample: TfrmSample\n";
  for (int i = 0; i < 200; ++i) deep += "object P" + std::to_string(i) + ": TPanel\n";
  EXPECT_NE(ErrorOf(deep).find("nested too deeply"), std::string::npos);
  EXPECT_NE(ErrorOf(std::string("object frmSample: TfrmSample\n  Caption = #999\nend")).find("Invalid character"),
            std::string::npos);
  EXPECT_NE(ErrorOf("object frmSample: TfrmSample\n  Images1.Bitmap = {ABC}\nend").find("does not exist"),
            std::string::npos);
}
