// A single-line edit over QLineEdit. OnChange follows every change of the
// text, by the user or by code, as the platform's edit reports it.
#pragma once

#include "windowing/NativeControl.h"

class QLineEdit;

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEdit : public TNativeControl {
 public:
  explicit TEdit(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  QLineEdit& Editor() const { return *FEditor; }
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int length);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  // 0: the text is shown; otherwise every character shows as a mask.
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char c);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase charCase);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool autoSelect) { FAutoSelect = autoSelect; }
  bool Modified() const { return FModified; }
  void SetModified(bool modified) { FModified = modified; }

  std::string SelText() const;
  void SetSelText(const std::string& text);
  void SelectAll();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  TNotifyEvent OnChange;

 protected:
  void TextChanged() override;
  void DoEnter() override;

 private:
  void EditorChanged();

  QLineEdit* FEditor;
  int FMaxLength = 0;
  char FPasswordChar = 0;
  TEditCharCase FCharCase = TEditCharCase::ecNormal;
  bool FAutoSelect = true;
  bool FModified = false;
};
