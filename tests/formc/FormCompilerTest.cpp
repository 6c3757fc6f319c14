#include "formc/FormCompiler.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runtime/FormScanner.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

namespace {

std::string Compile(const std::string& text) {
  return CompileFormDescription(text, "forms/SmallFrm.dfm", "out/SmallFrm.dfm.h");
}

// The error the description raises; empty when it compiles.
std::string ErrorOf(const std::string& text) {
  try {
    Compile(text);
  } catch (const EFormError& e) {
    return e.Message();
  }
  return {};
}

}  // namespace

TEST(FormCompiler, ADescriptionBecomesTheHeaderOfItsComponentsAndHandlers) {
  const std::string text =
      "object frmSmall: TfrmSmall\n"
      "  Caption = 'Small'#13#10'form'\n"
      "  OnCreate = FormCreate\n"
      "  object skinForm1: TSkinForm\n"
      "    Font.Style = [fsBold, fsItalic]\n"
      "    TitleBarButtons = <\n"
      "      item\n"
      "        PicNormal = {bitmap AZURE_TITLEBTN 16/18}\n"
      "        OnClick = ButtonClick\n"
      "      end>\n"
      "    object btnOK: TSkinButton\n"
      "      Left = -4\n"
      "      OnClick = btnOKClick\n"
      "    end\n"
      "    object mmNotes: tskinmemo\n"
      "      Lines = ('one' 'two')\n"
      "      Data = {89504E47\n"
      "        0D0A}\n"
      "      onchange = ControlChanged\n"
      "    end\n"
      "  end\n"
      "end\n";
  EXPECT_EQ(Compile(text),
            "// Made by the form compiler from SmallFrm.dfm; edit the description, not this file.\n"
            "// TfrmSmallDesign: the components of the form frmSmall, typed, and the\n"
            "// handlers its description names, bound to the methods of TfrmSmall.\n"
            "#pragma once\n"
            "\n"
            "#include \"skin/SkinButton.h\"\n"
            "#include \"skin/SkinForm.h\"\n"
            "#include \"skin/SkinMemo.h\"\n"
            "#include \"windowing/Form.h\"\n"
            "#include \"windowing/FormResources.h\"\n"
            "\n"
            "class TfrmSmallDesign {\n"
            " public:\n"
            "  TSkinForm* skinForm1 = nullptr;\n"
            "  TSkinButton* btnOK = nullptr;\n"
            "  TSkinMemo* mmNotes = nullptr;\n"
            "\n"
            " protected:\n"
            "  // Binds the description's handlers to the form's methods, reads the\n"
            "  // description into the form, sets the members, then runs OnCreate.\n"
            "  template <class F>\n"
            "  void LoadDesign(F& form);\n"
            "};\n"
            "\n"
            "template <class F>\n"
            "void TfrmSmallDesign::LoadDesign(F& form) {\n"
            "#line 3 \"forms/SmallFrm.dfm\"\n"
            "  form.AddHandler(\"FormCreate\", &F::FormCreate);\n"
            "#line 9 \"forms/SmallFrm.dfm\"\n"
            "  form.AddHandler(\"ButtonClick\", &F::ButtonClick);\n"
            "#line 13 \"forms/SmallFrm.dfm\"\n"
            "  form.AddHandler(\"btnOKClick\", &F::btnOKClick);\n"
            "#line 19 \"forms/SmallFrm.dfm\"\n"
            "  form.AddHandler(\"ControlChanged\", &F::ControlChanged);\n"
            "#line 36 \"out/SmallFrm.dfm.h\"\n"
            "  form.LoadDescription(LoadFormResource(\"TFRMSMALL\"), [this, &form] {\n"
            "    const TForm& loaded = form;\n"
            "    skinForm1 = &loaded.Named<TSkinForm>(\"skinForm1\");\n"
            "    btnOK = &loaded.Named<TSkinButton>(\"btnOK\");\n"
            "    mmNotes = &loaded.Named<TSkinMemo>(\"mmNotes\");\n"
            "  });\n"
            "}\n");
}

TEST(FormCompiler, AFormWithoutComponentsOrHandlersOnlyLoads) {
  const std::string header = Compile("object frmEmpty: TfrmEmpty\nend\n");
  EXPECT_NE(header.find("void TfrmEmptyDesign::LoadDesign(F& form) {\n"
                        "  form.LoadDescription(LoadFormResource(\"TFRMEMPTY\"));\n}\n"),
            std::string::npos)
      << header;
  EXPECT_EQ(header.find("#line"), std::string::npos);
  EXPECT_EQ(header.find("Named"), std::string::npos);
}

TEST(FormCompiler, PathsGoIntoLineDirectivesAsCStrings) {
  const std::string header = CompileFormDescription("object f: Tf\n  OnShow = FormShow\nend\n", "a\\\"b.dfm", "h");
  EXPECT_NE(header.find("#line 2 \"a\\\\\\\"b.dfm\"\n"), std::string::npos) << header;
}

TEST(FormCompiler, ErrorsNameTheFormAndTheLine) {
  const std::string head = "object frmSmall: TfrmSmall\n";
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"", "Error reading form ?, line 1: 'object' expected"},
      {"object frmSmall TfrmSmall\nend\n", "line 1: ':' expected"},
      {head + "  object X: TNoSuch\n  end\nend\n",
       "Error reading form frmSmall, line 2: Class TNoSuch is not in the form compiler's table (FormClasses)"},
      {head + "  object A: TLabel\n  end\n  object a: TLabel\n  end\nend\n",
       "line 4: A component named a already exists"},
      {head + "  object frmsmall: TLabel\n  end\nend\n", "line 2: A component named frmsmall already exists"},
      {head + "  object delete: TLabel\n  end\nend\n", "line 2: The name delete is a C++ keyword"},
      {head + "  object LoadDesign: TLabel\n  end\nend\n", "line 2: The name LoadDesign is the form compiler's own"},
      {head + "  object TfrmSmallDesign: TLabel\n  end\nend\n",
       "line 2: The name TfrmSmallDesign is the form compiler's own"},
      {head + "\n  OnCreate = new\nend\n", "line 3: The name new is a C++ keyword"},
      {head + "  OnCreate = 'FormCreate'\nend\n", "line 2: Invalid property value for OnCreate"},
      {head + "  Font.OnChange = 3\nend\n", "line 2: Invalid property value for Font.OnChange"},
      {head + "  Caption = 'open\nend\n", "line 2: Unterminated string"},
      {head + "  Caption = #999\nend\n", "line 2: Invalid character code"},
      {head + "  Left = 12px\nend\n", "line 2: Invalid number"},
      {head + "  Style = [fsBold, 'x']\nend\n", "line 2: Invalid property value for Style"},
      {head + "  Lines = ('a' b)\nend\n", "line 2: Invalid property value for Lines"},
      {head + "  Buttons = <\n    Kind = 1\n  >\nend\n", "line 2: Invalid property value for Buttons"},
      {head + "  Buttons = <\n    item\n      Kind = 1\n", "line 5: 'end' expected"},
      {head + "  Left = )\nend\n", "line 2: Invalid property value for Left"},
      {head + "  Left =\n", "line 2: Invalid property value for Left"},
      {head + "  Picture = {bitmap AZURE\nend\n", "line 2: Unterminated binary data"},
      {head + "  Left 1\nend\n", "line 2: '=' expected"},
      {head + "  Left = 1\n", "line 3: 'end' expected"},
      {head + "end\nend\n", "line 3: End of description expected"},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(c.text);
    EXPECT_NE(error.find(c.error), std::string::npos) << "got: " << error << "\nwant: " << c.error;
  }
}

TEST(FormCompiler, HostileDescriptionsFailCleanly) {
  // A shipped form, with its pictures still written {bitmap NAME}: no
  // part of it is a description.
  const std::string text = TrimRight(ReadFileBytes(CAROLUNE_SOURCE_DIR "/skin/frmMessage.dfm"));
  ASSERT_TRUE(ErrorOf(text).empty());
  int compiled = 0;
  for (size_t cut = 0; cut < text.size(); ++cut) compiled += ErrorOf(text.substr(0, cut)).empty();
  EXPECT_EQ(compiled, 0);
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string mangled = text;
    for (int k = 0; k < 4; ++k) mangled[random() % mangled.size()] = static_cast<char>(random() % 256);
    ErrorOf(mangled);
  }
  std::string objects = "object frmDeep: TfrmDeep\n";
  for (int i = 0; i < 200; ++i) objects += "object P" + std::to_string(i) + ": TPanel\n";
  EXPECT_NE(ErrorOf(objects).find("line 65: Objects nested too deeply"), std::string::npos) << ErrorOf(objects);
  std::string items = "object frmDeep: TfrmDeep\n";
  for (int i = 0; i < 200; ++i) items += "Items = < item\n";
  EXPECT_NE(ErrorOf(items).find("Objects nested too deeply"), std::string::npos) << ErrorOf(items);
}
