// The routine through which the programs show their own messages in the
// skinned message box.
#pragma once

#include <string>

#include "skin/SkinDlg.h"
#include "windowing/Font.h"
#include "windowing/Form.h"

// Shows a message box with the caption, the text (shown literally), the
// first buttonCount of the three buttons, numbered from the left, each with
// its caption and modal result, and the icon, in the style and font of the
// window that asks (its skinned frame's UIStyle and its Font). Returns the
// result of the button pressed, or mrCancel (2) when the box was closed.
int ShowSkinMessageBox(const std::string& caption, const std::string& text, const std::string& button1Caption,
                       TModalResult button1Result, const std::string& button2Caption, TModalResult button2Result,
                       const std::string& button3Caption, TModalResult button3Result,
                       TSkinDialogButtonsCount buttonCount, TSkinIconType iconType, TSkinUIStyle style,
                       const TFont& font);
