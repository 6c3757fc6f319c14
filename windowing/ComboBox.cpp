#include "windowing/ComboBox.h"

#include <QComboBox>
#include <QLineEdit>

#include "windowing/Guarded.h"

namespace {

const TEnumInfo& StyleNames() {
  static const TEnumInfo names{{"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};
  return names;
}

// Tells the combo box when its list opens and closes.
class TComboWidget : public QComboBox {
 public:
  std::function<void(bool)> OnPopup;
  void showPopup() override {
    if (OnPopup) OnPopup(true);
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    if (OnPopup) OnPopup(false);
  }
};

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TNativeControl(owner, new TComboWidget), FCombo(static_cast<QComboBox*>(&Inner())) {
  FCombo->setFrame(false);
  FCombo->setInsertPolicy(QComboBox::NoInsert);
  SetStyle(TComboBoxStyle::csDropDown);
  SetTabStop(true);
  SetBounds(0, 0, 145, 21);
  static_cast<TComboWidget*>(FCombo)->OnPopup = [this](bool open) {
    Guarded([&] {
      FDroppedDown = open;
      if (open)
        DropDown();
      else
        CloseUp();
    });
  };
  QObject::connect(FCombo, &QComboBox::activated, FCombo, [this] { Guarded([this] { UserChose(); }); });
}

// The list may close while the widget goes; the combo box no longer hears of it.
TComboBox::~TComboBox() { static_cast<TComboWidget*>(FCombo)->OnPopup = nullptr; }

const TClassInfo& TComboBox::StaticClassInfo() {
  static const auto info = DefineClass<TComboBox>("TComboBox", TNativeControl::StaticClassInfo(), [](TPublisher<TComboBox>& p) {
    p.Integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
        .Strings("Items", &TComboBox::Items, &TComboBox::SetItems)
        .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
        .Bool("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted)
        .Enum("Style", StyleNames(), &TComboBox::Style, &TComboBox::SetStyle)
        .String("Text", &TComboBox::ComboText, &TComboBox::SetComboText)
        .Event("OnChange", &TComboBox::OnChange)
        .Event("OnCloseUp", &TComboBox::OnCloseUp)
        .Event("OnDropDown", &TComboBox::OnDropDown)
        .Event("OnSelect", &TComboBox::OnSelect);
  });
  return *info;
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  FStyle = style;
  const bool editable = style == TComboBoxStyle::csDropDown || style == TComboBoxStyle::csSimple;
  FCombo->setEditable(editable);
  if (QLineEdit* edit = FCombo->lineEdit()) {
    edit->setFrame(false);
    QObject::connect(edit, &QLineEdit::textEdited, FCombo, [this] {
      if (OnChange) Guarded([this] { OnChange(this); });
    });
  }
}

TStringList TComboBox::Items() const {
  TStringList items;
  for (int i = 0; i < FCombo->count(); ++i) items.Add(ToLocal8Bit(FCombo->itemText(i)));
  return items;
}

void TComboBox::SetItems(const TStringList& items) {
  const QString text = FCombo->currentText();
  FCombo->clear();
  for (const std::string& item : items.Lines()) FCombo->addItem(FromLocal8Bit(item));
  if (FSorted) FCombo->model()->sort(0);
  // The platform's list keeps the edit text and chooses nothing.
  FCombo->setCurrentIndex(-1);
  if (FCombo->isEditable()) FCombo->setEditText(text);
}

int TComboBox::Count() const { return FCombo->count(); }

void TComboBox::AddItem(const std::string& item) {
  const int current = FCombo->currentIndex();
  FCombo->addItem(FromLocal8Bit(item));
  if (FSorted) FCombo->model()->sort(0);
  FCombo->setCurrentIndex(current);
}

void TComboBox::Clear() {
  FCombo->clear();
  if (FCombo->isEditable()) FCombo->setEditText(QString());
}

int TComboBox::ItemIndex() const { return FCombo->currentIndex(); }

void TComboBox::SetItemIndex(int index) { FCombo->setCurrentIndex(index >= 0 && index < FCombo->count() ? index : -1); }

std::string TComboBox::ComboText() const { return ToLocal8Bit(FCombo->currentText()); }

void TComboBox::SetComboText(const std::string& text) {
  const QString qtext = FromLocal8Bit(text);
  if (FCombo->isEditable()) {
    FCombo->setEditText(qtext);
  } else {
    FCombo->setCurrentIndex(FCombo->findText(qtext));
  }
}

void TComboBox::SetDropDownCount(int count) {
  FDropDownCount = std::max(1, count);
  FCombo->setMaxVisibleItems(FDropDownCount);
}

void TComboBox::SetSorted(bool sorted) {
  FSorted = sorted;
  if (sorted) FCombo->model()->sort(0);
}

void TComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

// The platform clicks, then selects: OnSelect, or OnChange when there is none.
void TComboBox::UserChose() {
  Click();
  if (OnSelect)
    OnSelect(this);
  else if (OnChange)
    OnChange(this);
}
