// The theme file reader over any bytes, and the theme applied to a small
// skinned form with one control of every skinned kind, which is then drawn.
// A file either reads or fails with a clear error (of the program's own
// exception classes); applied, it leaves a window of a sane size.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/FuzzApplication.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/SysUtils.h"
#include "skin/SkinClasses.h"
#include "skin/SkinForm.h"
#include "skin/SkinMgr.h"
#include "skin/SkinThemeFile.h"
#include "windowing/Form.h"
#include "windowing/FormReader.h"

namespace {

TForm* Form = nullptr;
TSkinFileTheme* Theme = nullptr;

// Every skinned control reads the theme; the frame passes it on.
const char* const kDescription = R"(object frmTheme: TForm
  Width = 320
  Height = 240
  object theme: TSkinFileTheme
  end
  object skin: TSkinForm
    FileTheme = theme
    UIStyle = FromThemeFile
    UIStyleAutoUpdateSub = True
    Caption = 'A theme'
    Height = 238
    Width = 318
    object button: TSkinButton
      Left = 8
      Top = 40
      Width = 60
      Height = 22
      Caption = 'OK'
    end
    object check: TSkinCheckBox
      Left = 8
      Top = 66
      Width = 80
      Height = 17
      Caption = 'Check'
      Checked = True
    end
    object radio: TSkinRadioButton
      Left = 8
      Top = 86
      Width = 80
      Height = 17
      Caption = 'Radio'
    end
    object track: TSkinTrackBar
      Left = 8
      Top = 106
      Width = 150
      Height = 30
      Max = 10
      Position = 4
    end
    object bar: TSkinScrollBar
      Left = 8
      Top = 140
      Width = 150
      Height = 17
      Max = 100
      Position = 30
    end
    object edit: TSkinEdit
      Left = 170
      Top = 40
      Width = 120
      Height = 21
      Text = 'edit'
    end
    object memo: TSkinMemo
      Left = 170
      Top = 66
      Width = 120
      Height = 40
      Lines = ('one' 'two')
      ScrollBars = ssVertical
    end
    object combo: TSkinComboBox
      Left = 170
      Top = 110
      Width = 120
      Height = 21
      Items = ('a' 'b')
    end
    object list: TSkinListBox
      Left = 170
      Top = 134
      Width = 120
      Height = 40
      Items = ('x' 'y' 'z')
    end
    object group: TSkinGroupBox
      Left = 8
      Top = 160
      Width = 150
      Height = 40
      Caption = 'Group'
    end
    object pages: TSkinPageControl
      Left = 170
      Top = 176
      Width = 140
      Height = 50
      object sheet1: TSkinTabSheet
        Caption = 'One'
      end
      object sheet2: TSkinTabSheet
        Caption = 'Two'
      end
    end
    object status: TSkinStatusBar
      Left = 0
      Top = 220
      Width = 318
      Height = 18
      Align = alBottom
    end
  end
end
)";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  StartHeadlessApplication(argc, argv);
  RegisterWindowingClasses();
  RegisterSkinClasses();
  Form = new TForm(nullptr);
  ReadDescription(kDescription, *Form, [](const std::string&) { return nullptr; });
  Theme = dynamic_cast<TSkinFileTheme*>(Form->FindComponent("theme"));
  return Theme ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes = InputBytes(data, size);
  // The reader alone, then the theme on the form. A theme component reads
  // only a name it does not hold already: two names take turns.
  static int turn = 0;
  const std::string path = Folder().Write(++turn % 2 ? "a.thm" : "b.thm", bytes);
  try {
    TSkinThemeFileReader reader(path);
  } catch (const Exception&) {
  }
  try {
    Theme->SetThemeFile(path);
  } catch (const Exception&) {
  }
  FUZZ_CHECK(Form->Width() <= 4096 && Form->Height() <= 4096);
  Form->grab();
  return 0;
}
