#include "skin/VeskaroGlimaraCommon.h"

int ShowSkinMessageBox(const std::string& caption, const std::string& text, const std::string& button1Caption,
                       TModalResult button1Result, const std::string& button2Caption, TModalResult button2Result,
                       const std::string& button3Caption, TModalResult button3Result,
                       TSkinDialogButtonsCount buttonCount, TSkinIconType iconType, TSkinUIStyle style,
                       const TFont& font) {
  TSkinMessageDialog dialog(nullptr);
  dialog.SetCaption(caption);
  dialog.SetText(text);
  dialog.SetUIStyle(style);
  dialog.SetButtonCount(buttonCount);
  dialog.SetFont(font);
  dialog.SetButtonCaption(1, button1Caption);
  dialog.SetButtonModalResult(1, button1Result);
  dialog.SetButtonCaption(2, button2Caption);
  dialog.SetButtonModalResult(2, button2Result);
  dialog.SetButtonCaption(3, button3Caption);
  dialog.SetButtonModalResult(3, button3Result);
  dialog.SetIconType(iconType);
  return dialog.Execute();
}
