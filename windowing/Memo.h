// A multi-line edit over QPlainTextEdit. Its text joins the lines with
// CR LF (with no line break after the last line unless it ends in one), as
// the platform's memo does; OnChange follows every change, by the user or
// by code.
#pragma once

#include "NativeControl.h"
#include "StringList.h"

class QPlainTextEdit;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TNativeControl {
 public:
  explicit TMemo(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  QPlainTextEdit& Editor() const { return *FEditor; }
  std::string Text() const;
  void SetText(const std::string& text);
  TStringList Lines() const;
  void SetLines(const TStringList& lines);
  int LineCount() const;
  void AddLine(const std::string& line);
  void Clear();

  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle scrollBars);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool wordWrap);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool wantTabs);
  // Without it, Enter goes on to the form (its default button).
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool wantReturns) { FWantReturns = wantReturns; }
  bool Modified() const { return FModified; }
  void SetModified(bool modified) { FModified = modified; }

  std::string SelText() const;
  void SetSelText(const std::string& text);
  int SelLength() const;
  void SelectAll();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  TNotifyEvent OnChange;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit* FEditor;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FWordWrap = true;
  bool FWantTabs = false;
  bool FWantReturns = true;
  bool FModified = false;
  bool FSetting = false;
};
