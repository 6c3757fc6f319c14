// A multi-line edit over QPlainTextEdit. Its text joins the lines with
// CR LF (with no line break after the last line unless it ends in one), as
// the platform's memo does; OnChange follows every change, by the user or
// by code.
//
// A text with a line of many thousand characters (a long tune's key text)
// would take Qt seconds to lay out on one line: such a text is shown
// wrapped to the memo's width in pieces, one shown line each, and is read
// only while it is shown so. Text, Lines, the selection and what is copied
// stay the whole text, without the breaks that only the display has.
#pragma once

#include <QString>
#include <vector>

#include "runtime/StringList.h"
#include "windowing/NativeControl.h"

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
  // True when the memo holds no text: cheaper than Text() for a long one.
  bool IsEmpty() const;

  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle scrollBars);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool wordWrap);
  // True also while a long text is shown in pieces.
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
  // The whole text, line ends as '\n'.
  QString PlainText() const;
  // The whole text of the shown pieces: the shown lines joined again.
  QString PiecedText() const;
  // Shows the text (line ends as '\n'): in pieces when a line is too long.
  void ShowText(const QString& text);
  // Lays the pieced text out again when the memo's width has changed,
  // keeping the selection and the first line in view; RepieceSoon once the
  // event at hand is done.
  void Repiece();
  void RepieceSoon();
  void ShowPieces(QStringView text);
  // Read-only, and wrapped, as set or while pieced.
  void ApplyEditing();
  // The width the shown lines may take, in pixels.
  int PieceWidth() const;
  // The selected part of the whole text, while pieced.
  QString PiecedSelection() const;
  // An offset in the whole text for a position in the editor, and back.
  int TextOffset(int position) const;
  int EditorPosition(int offset) const;

  QPlainTextEdit* FEditor;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FWordWrap = true;
  bool FReadOnly = false;
  bool FWantTabs = false;
  bool FWantReturns = true;
  bool FModified = false;
  bool FSetting = false;
  bool FRepiecing = false;
  bool FRepieceDue = false;
  // While a long text is shown in pieces: where each shown line starts in
  // the whole text (which the shown lines hold, so it is not kept twice),
  // and the width the pieces were cut for.
  bool FPieced = false;
  std::vector<int> FPieceStarts;
  int FPieceWidth = 0;
};
