// The filter editor window driven as a user would: a new window, the
// category tree and its buttons, opening a filter into the controls and
// saving it back, the brand list, the mapper order, the save dialog, the
// errors a bad file or an incomplete filter give, the question before
// unsaved edits are dropped, the edit commands and the idle chain.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <filesystem>

#include "filters/DravikAboutFrm.h"
#include "filters/FilterAccess.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinMemo.h"
#include "skin/SkinTreeView.h"
#include "tests/filters/editor/EditorTestSupport.h"
#include "windowing/Guarded.h"

namespace {

// A filter with every key set, in the form the editor writes it (the brand
// spelt as the list has it, the description on one line).
std::string FullFilter(TTempFolder& folder, const std::string& name) {
  Dravik::TRingtoneFilterConfig c;
  c.DravikVersion = "1.00.012";
  c.FilterFileOID = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
  c.FilterInfo->FilterVersion = "2.1";
  c.FilterInfo->FilterDesc = "Nokia 3310 composer, keys as pressed";
  c.FilterInfo->MobileBrand = "Nokia";
  c.FilterInfo->MobileModel = "3310";
  c.FilterInfo->FilterType = 1;
  c.AuthorInfo->AuthorName = "Ann Author";
  c.AuthorInfo->AuthorEmail = "ann@example.com";
  c.AuthorInfo->AuthorHomepage = "http://example.com/ann";
  c.DefaultOptions_Octave = -1;
  c.DefaultOptions_Sharp = true;
  c.DefaultOptions_Duration = 8;
  c.DefaultOptions_DotDuration = false;
  c.Remember_Octave = true;
  c.Remember_Sharp = false;
  c.Remember_Duration = true;
  c.Remember_DotDuration = true;
  c.Remember_ToneSeparater = " ";
  c.NoteMapper_C = "1", c.NoteMapper_D = "2", c.NoteMapper_E = "3", c.NoteMapper_F = "4";
  c.NoteMapper_G = "5", c.NoteMapper_A = "6", c.NoteMapper_B = "7", c.NoteMapper_P = "0";
  c.SharpMapper_NormalToSharp = "#", c.SharpMapper_SharpToNormal = "##";
  c.DotDurationMapper_NormalToDotDuration = "*", c.DotDurationMapper_DotDurationToNormal = "**";
  c.DurationMapper_MapperType = 12;
  c.DurationMapper_1 = "d1", c.DurationMapper_2 = "d2", c.DurationMapper_4 = "d4", c.DurationMapper_8 = "d8";
  c.DurationMapper_16 = "d16", c.DurationMapper_32 = "d32", c.DurationMapper_64 = "d64";
  c.DurationMapper_ToLonger = "L", c.DurationMapper_ToShorter = "S", c.DurationMapper_NoChange = "N";
  c.OctaveMapper_MapperType = 2;
  c.OctaveMapper_ToHigher = "up", c.OctaveMapper_ToLower = "down", c.OctaveMapper_NoChange = "same";
  c.MapperOrder_1 = "4", c.MapperOrder_2 = "0", c.MapperOrder_3 = "2", c.MapperOrder_4 = "3", c.MapperOrder_5 = "1";
  return folder.Write(name, c.FileText());
}

// A small filter given as lines (CR LF added).
std::string Filter(TTempFolder& folder, const std::string& name, std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return folder.Write(name, text);
}

std::string Value(const std::string& fileText, const std::string& key) {
  TStringList lines;
  lines.SetText(fileText);
  return lines.Values(key);
}

std::string ComboText(const TEditor& e, const std::string& name) { return e.Get<TSkinComboBox>(name).ComboText(); }
std::string EditText(const TEditor& e, const std::string& name) { return e.Get<TSkinEdit>(name).Text(); }

const std::vector<std::string> kInitialOrder = {"Note Mapper", "Octave Mapper", "Duration Mapper",
                                                "Dot Duration Mapper", "Sharp Mapper"};

}  // namespace

TEST(DravikFrm, MapperNamesAndIds) {
  const std::pair<int, const char*> names[] = {{0, "Note Mapper"},         {1, "Sharp Mapper"}, {2, "Duration Mapper"},
                                               {3, "Dot Duration Mapper"}, {4, "Octave Mapper"}, {5, ""},
                                               {-1, ""}};
  for (const auto& [id, name] : names) EXPECT_EQ(MapperNameOfId(id), name) << id;
  EXPECT_EQ(MapperIdOfName("Octave Mapper"), 4);
  EXPECT_EQ(MapperIdOfName("octave mapper"), -1);  // exact names only
  EXPECT_EQ(MapperIdOfName(""), -1);
}

TEST(DravikFrm, ANewWindowShowsAnUntitledFilterReadyToSave) {
  TEditor e;
  TfrmDravik& f = *e.form;
  EXPECT_EQ(e.Caption(), "Carolune Dravik - untitled");
  EXPECT_EQ(f.Caption(), "Carolune Dravik - untitled");
  EXPECT_EQ(f.Width(), 640) << f.Height();
  EXPECT_EQ(f.Height(), 480);
  EXPECT_EQ(e.FrontPanel(), "pnlFilterOptions");
  EXPECT_EQ(ComboText(e, "ccmbFilterType"), "Screen Show");
  EXPECT_EQ(EditText(e, "edtFilterVersion"), "");
  EXPECT_EQ(EditText(e, "edtMobileModel"), "");
  EXPECT_EQ(ComboText(e, "cmbDefaultOctave"), "0");
  // Chosen so that the first save succeeds.
  EXPECT_EQ(ComboText(e, "ccmbDurationMapperType"), "0");
  EXPECT_EQ(ComboText(e, "cmbDefaultDuration"), "4");
  EXPECT_EQ(ComboText(e, "cmbOctaveMapperType"), "0");
  // The empty brand is none of the list's.
  EXPECT_TRUE(f.rbMobileBrandOthers->Checked());
  EXPECT_FALSE(f.rbMobileBrandClasses->Checked());
  EXPECT_EQ(e.MapperOrder(), kInitialOrder);
  EXPECT_EQ(f.lbMapperOrderMain->ItemIndex(), 0);
  EXPECT_EQ(f.Config->DravikVersion, "1.00.012");
  EXPECT_TRUE(QRegularExpression("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$")
                  .match(QString::fromStdString(f.Config->FilterFileOID))
                  .hasMatch());
  EXPECT_FALSE(f.Modified);
  // The tree: two roots with their children, all expanded.
  TTreeNodes& nodes = f.tvCate->Items();
  ASSERT_EQ(nodes.Count(), 12);
  EXPECT_EQ(nodes.Item(0)->Text(), "General");
  EXPECT_EQ(nodes.Item(0)->Count(), 2);
  EXPECT_EQ(nodes.Item(3)->Text(), "Filter Option");
  EXPECT_EQ(nodes.Item(3)->Count(), 8);
  EXPECT_TRUE(nodes.Item(0)->Expanded() && nodes.Item(3)->Expanded());
  EXPECT_TRUE(e.boxes.errors.empty() && e.boxes.dialogs.empty());
}

TEST(DravikFrm, TreeNodesAndButtonsBringTheirPanelsToTheFront) {
  TEditor e;
  TTreeNodes& nodes = e.form->tvCate->Items();
  const std::pair<const char*, const char*> shown[] = {
      {"General", "pnlGeneral"},
      {"Filter Info", "pnlFilterInfo"},
      {"Author Info", "pnlAuthorInfo"},
      {"Filter Option", "pnlFilterOptions"},
      {"Default Options", "pnlDefaultOption"},
      {"Remember State Options", "pnlRememberStateOption"},
      {"Note Mapper", "pnlNoteMapper"},
      {"Sharp Mapper", "pnlSharpMapper"},
      {"Dot Duration Mapper", "pnlDotDurationMapper"},
      {"Duration Mapper", "pnlDurationMapper"},
      {"Octave Mapper", "pnlOctaveMapper"},
      {"Mapper Order", "pnlMapperOrder"},
  };
  for (int i = 0; i < nodes.Count(); ++i) {
    e.form->tvCate->SetSelected(nodes.Item(i));
    EXPECT_EQ(nodes.Item(i)->Text(), shown[i].first);
    EXPECT_EQ(e.FrontPanel(), shown[i].second) << shown[i].first;
  }
  const std::pair<const char*, const char*> buttons[] = {
      {"btnFilterInfo", "pnlFilterInfo"},      {"btnAuthorInfo", "pnlAuthorInfo"},
      {"skinButton1", "pnlDefaultOption"},     {"skinButton2", "pnlRememberStateOption"},
      {"skinButton3", "pnlNoteMapper"},        {"skinButton4", "pnlSharpMapper"},
      {"skinButton5", "pnlDotDurationMapper"}, {"skinButton6", "pnlDurationMapper"},
      {"skinButton7", "pnlOctaveMapper"},      {"skinButton8", "pnlMapperOrder"},
  };
  for (const auto& [button, panel] : buttons) {
    e.Get<TSkinButton>(button).Click();
    EXPECT_EQ(e.FrontPanel(), panel) << button;
  }
}

TEST(DravikFrm, AFilterGoesIntoTheControlsAndOutAgainUnchanged) {
  TTempFolder folder;
  const std::string path = FullFilter(folder, "nokia.kps");
  const std::string original = folder.Read("nokia.kps");
  TEditor e;
  ASSERT_TRUE(e.form->SetFilterFile(path));
  EXPECT_EQ(e.Caption(), "Carolune Dravik - nokia.kps");
  EXPECT_EQ(ComboText(e, "ccmbFilterType"), "Key Press");
  EXPECT_EQ(ComboText(e, "cmbMobileBrandClasses"), "Nokia");
  EXPECT_TRUE(e.form->rbMobileBrandClasses->Checked());
  EXPECT_EQ(EditText(e, "edtMobileModel"), "3310");
  EXPECT_EQ(ComboText(e, "cmbDefaultOctave"), "-1");
  EXPECT_EQ(ComboText(e, "cmbDefaultDuration"), "8");
  EXPECT_EQ(ComboText(e, "ccmbDurationMapperType"), "12");
  EXPECT_EQ(ComboText(e, "cmbOctaveMapperType"), "2");
  EXPECT_EQ(EditText(e, "edtNoteMapperd"), "2");
  EXPECT_EQ(EditText(e, "edtDurationMapper64"), "d64");
  EXPECT_EQ(EditText(e, "edtAuthorHomepage"), "http://example.com/ann");
  EXPECT_TRUE(e.Get<TSkinCheckBox>("ckbRememberStateDotDuration").Checked());
  EXPECT_FALSE(e.Get<TSkinCheckBox>("ckbRememberStateSharp").Checked());
  EXPECT_EQ(e.MapperOrder(), (std::vector<std::string>{"Octave Mapper", "Note Mapper", "Duration Mapper",
                                                       "Dot Duration Mapper", "Sharp Mapper"}));
  EXPECT_FALSE(e.form->Modified);
  // Save writes to the file without asking for a name.
  e.Run("actSave");
  EXPECT_EQ(e.dialogRuns, 0);
  EXPECT_TRUE(e.boxes.errors.empty());
  EXPECT_EQ(folder.Read("nokia.kps"), original);
}

// The shipped filters hold values the lists do not offer (an absolute
// octave, a default duration of 0): they still open and save unchanged.
TEST(DravikFrm, EveryShippedFilterSavesBackUnchanged) {
  TTempFolder folder;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(GetFiltersFolder()))
    names.push_back(entry.path().filename());
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    const std::string original = ReadFileBytes(IncludeTrailingPathDelimiter(GetFiltersFolder()) + name);
    const std::string path = folder.Write(name, original);
    TEditor e;
    ASSERT_TRUE(e.form->SetFilterFile(path)) << name;
    e.Run("actSave");
    EXPECT_TRUE(e.boxes.errors.empty()) << name;
    EXPECT_EQ(folder.Read(name), original) << name;
  }
}

TEST(DravikFrm, TheBrandIsTheListEntryIgnoringCaseOrElseOthers) {
  TTempFolder folder;
  TEditor e;
  ASSERT_TRUE(e.form->SetFilterFile(Filter(folder, "lower.kps", {"FilterInfo_MobileBrand=nokia", "FilterInfo_FilterType=1",
                                                                 "DefaultOptions_Octave=0", "DefaultOptions_Sharp=0",
                                                                 "DefaultOptions_Duration=4", "DefaultOptions_DotDuration=0",
                                                                 "Remember_Octave=0", "Remember_Sharp=0", "Remember_Duration=0",
                                                                 "Remember_DotDuration=0", "DurationMapper_MapperType=0",
                                                                 "OctaveMapper_MapperType=0", "MapperOrder_1=0", "MapperOrder_2=1",
                                                                 "MapperOrder_3=2", "MapperOrder_4=3", "MapperOrder_5=4"})));
  EXPECT_TRUE(e.form->rbMobileBrandClasses->Checked());
  EXPECT_EQ(ComboText(e, "cmbMobileBrandClasses"), "Nokia");
  e.Run("actSave");
  EXPECT_EQ(Value(folder.Read("lower.kps"), "FilterInfo_MobileBrand"), "Nokia");

  const std::string other = folder.Read("lower.kps");
  std::string acme = other;
  acme.replace(acme.find("Nokia"), 5, "Acme");
  ASSERT_TRUE(e.form->SetFilterFile(folder.Write("acme.kps", acme)));
  EXPECT_TRUE(e.form->rbMobileBrandOthers->Checked());
  EXPECT_EQ(EditText(e, "edtMobileBrandOthers"), "Acme");
  // The list keeps the entry it had.
  EXPECT_EQ(ComboText(e, "cmbMobileBrandClasses"), "Nokia");
  e.Run("actSave");
  EXPECT_EQ(folder.Read("acme.kps"), acme);
}

TEST(DravikFrm, ADescriptionOnSeveralLinesIsSavedOnOne) {
  TTempFolder folder;
  TEditor e;
  ASSERT_TRUE(e.form->SetFilterFile(FullFilter(folder, "desc.kps")));
  e.form->mmFilterDesc->SetText("first\r\nsecond\r\nthird");
  e.Run("actSave");
  const std::string saved = folder.Read("desc.kps");
  EXPECT_EQ(Value(saved, "FilterInfo_FilterDesc"), "first second third");
  EXPECT_EQ(saved.find("second\r\n"), std::string::npos);
}

// Filters are 8-bit text in their author's code page: what the controls show
// goes back into the file byte for byte, and an edit changes only what the
// user typed.
TEST(DravikFrm, EightBitTextsSaveBackByteForByte) {
  TTempFolder folder;
  TStringList lines;
  lines.SetText(ReadFileBytes(FullFilter(folder, "gbk.kps")));
  lines.SetValues("FilterInfo_FilterDesc", "\xC5\xB5\xBB\xF9\xD1\xC7 3310\xA1\xA1\xBC\xFC\xC5\xCC");  // code page 936
  lines.SetValues("Remember_ToneSeparater", "\xB7");
  lines.SetValues("FilterInfo_MobileBrand", "\xC5\xB5\xBB\xF9\xD1\xC7");
  lines.SetValues("AuthorInfo_AuthorName", "Jos\xE9 \xC2\xA0\xE2\x80\xA8");
  lines.SetValues("NoteMapper_C", "\x80\xFF");
  const std::string original = lines.Text();
  const std::string path = folder.Write("gbk.kps", original);

  TEditor e;
  ASSERT_TRUE(e.form->SetFilterFile(path));
  EXPECT_TRUE(e.form->rbMobileBrandOthers->Checked());
  e.Run("actSave");
  EXPECT_TRUE(e.boxes.errors.empty());
  EXPECT_EQ(folder.Read("gbk.kps"), original);

  // Typed at the end of the separator and inside the description.
  QLineEdit& separator = e.form->edtRememberStateToneSeparater->Editor();
  separator.setCursorPosition(1);
  QTest::keyClicks(&separator, "-");
  QPlainTextEdit& description = e.form->mmFilterDesc->Editor();
  QTextCursor cursor = description.textCursor();
  cursor.setPosition(5);  // after the brand's six bytes (C5 B5 reads as one UTF-8 character)
  description.setTextCursor(cursor);
  QTest::keyClicks(&description, "!");
  EXPECT_TRUE(e.form->Modified);
  e.Run("actSave");
  const std::string saved = folder.Read("gbk.kps");
  EXPECT_EQ(Value(saved, "Remember_ToneSeparater"), "\xB7-");
  EXPECT_EQ(Value(saved, "FilterInfo_FilterDesc"), "\xC5\xB5\xBB\xF9\xD1\xC7! 3310\xA1\xA1\xBC\xFC\xC5\xCC");
  lines.SetValues("Remember_ToneSeparater", "\xB7-");
  lines.SetValues("FilterInfo_FilterDesc", Value(saved, "FilterInfo_FilterDesc"));
  EXPECT_EQ(saved, lines.Text());
}

TEST(DravikFrm, MovingMappersChangesTheSavedOrderAndTheButtons) {
  TTempFolder folder;
  TEditor e;
  TfrmDravik& f = *e.form;
  f.lbMapperOrderMain->SetItemIndex(4);  // "Sharp Mapper"
  f.lbMapperOrderMainClick(f.lbMapperOrderMain);
  EXPECT_TRUE(f.btnMapperOrderUpper->Enabled());
  EXPECT_FALSE(f.btnMapperOrderDowner->Enabled());
  for (int i = 0; i < 4; ++i) f.btnMapperOrderUpper->Click();
  EXPECT_EQ(e.MapperOrder(), (std::vector<std::string>{"Sharp Mapper", "Note Mapper", "Octave Mapper", "Duration Mapper",
                                                       "Dot Duration Mapper"}));
  EXPECT_EQ(f.lbMapperOrderMain->ItemIndex(), 0);
  EXPECT_FALSE(f.btnMapperOrderUpper->Enabled());
  EXPECT_TRUE(f.btnMapperOrderDowner->Enabled());
  // Up at the top changes nothing.
  f.btnMapperOrderUpperClick(f.btnMapperOrderUpper);
  EXPECT_EQ(e.MapperOrder()[0], "Sharp Mapper");
  EXPECT_TRUE(f.Modified);

  e.Choose(folder.Path() + "order");
  e.Run("actSave");
  const std::string saved = folder.Read("order.mss");
  const char* expected[] = {"1", "0", "4", "2", "3"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Value(saved, "MapperOrder_" + std::to_string(i + 1)), expected[i]) << i;

  f.btnMapperOrderDowner->Click();
  EXPECT_EQ(e.MapperOrder()[1], "Sharp Mapper");
  EXPECT_TRUE(f.btnMapperOrderUpper->Enabled() && f.btnMapperOrderDowner->Enabled());
}

TEST(DravikFrm, NewAfterANamedFilterKeepsPhoneAndOrderWithAFreshIdentifier) {
  TTempFolder folder;
  TEditor e;
  ASSERT_TRUE(e.form->SetFilterFile(FullFilter(folder, "named.kps")));
  const std::vector<std::string> order = e.MapperOrder();
  const std::string oid = e.form->Config->FilterFileOID;
  e.Run("actNew");
  EXPECT_EQ(e.Caption(), "Carolune Dravik - untitled");
  EXPECT_EQ(e.form->FileName, "");
  EXPECT_EQ(e.MapperOrder(), order);
  EXPECT_EQ(ComboText(e, "cmbMobileBrandClasses"), "Nokia");
  EXPECT_EQ(EditText(e, "edtMobileModel"), "3310");
  EXPECT_EQ(EditText(e, "edtAuthorName"), "");
  EXPECT_NE(e.form->Config->FilterFileOID, oid);
  EXPECT_EQ(e.form->Config->FilterFileOID.size(), oid.size());
  EXPECT_TRUE(e.boxes.dialogs.empty());  // nothing was edited: no question
}

TEST(DravikFrm, SavingANewFilterOffersTheTypesFileKindAndNamesTheWindow) {
  TTempFolder folder;
  for (const auto& [type, filter, ext] :
       {std::tuple{1, "KeyPress filteres (*.kps)|*.kps", "kps"}, std::tuple{0, "ScreenShow filteres (*.mss)|*.mss", "mss"}}) {
    TEditor e;
    e.form->ccmbFilterType->SetItemIndex(type);
    QStringList offered;
    e.dialogStep = [&](QFileDialog& d) {
      offered = d.nameFilters();
      EXPECT_EQ(d.windowTitle(), "Save Carolune Filters");
      d.selectFile(QString::fromStdString(folder.Path() + "t"));
      return true;
    };
    e.Run("actSave");
    EXPECT_EQ(e.form->SaveDialog1->Filter(), filter);
    EXPECT_EQ(e.form->SaveDialog1->DefaultExt(), ext);
    EXPECT_EQ(offered, QtNameFilters(filter));
    const std::string name = std::string("t.") + ext;
    EXPECT_EQ(e.form->FileName, folder.Path() + name);
    EXPECT_EQ(e.Caption(), "Carolune Dravik - " + name);
    const std::string saved = folder.Read(name);
    EXPECT_EQ(Value(saved, "DravikVersion"), "1.00.012");
    EXPECT_EQ(Value(saved, "FilterFileOID"), e.form->Config->FilterFileOID);
    EXPECT_EQ(Value(saved, "FilterInfo_FilterType"), std::to_string(type));
    const char* order[] = {"0", "4", "2", "3", "1"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Value(saved, "MapperOrder_" + std::to_string(i + 1)), order[i]);
    // The identifier stays through later saves.
    e.Run("actSave");
    EXPECT_EQ(Value(folder.Read(name), "FilterFileOID"), Value(saved, "FilterFileOID"));
    EXPECT_EQ(e.dialogRuns, 1);
    EXPECT_TRUE(e.boxes.errors.empty());
  }
}

TEST(DravikFrm, ABadFileIsReportedAndTheWindowKeepsItsFilter) {
  TTempFolder folder;
  TEditor e;
  ASSERT_TRUE(e.form->SetFilterFile(FullFilter(folder, "good.kps")));
  const std::string good = folder.Read("good.kps");
  std::string badOrder = good;
  badOrder.replace(badOrder.find("MapperOrder_3=2"), 15, "MapperOrder_3=x");
  std::string badOctave = good;
  badOctave.replace(badOctave.find("DefaultOptions_Octave=-1"), 24, "DefaultOptions_Octave=");
  std::string badType = good;
  badType.replace(badType.find("FilterInfo_FilterType=1"), 23, "FilterInfo_FilterType=7");
  // What a file that is no readable filter is told by: its path and the first value it lacks.
  auto notAFilter = [&](const std::string& name, const std::string& why) {
    return "\"" + folder.Path() + name + "\" is not a filter file that the filter editor can read: " + why;
  };
  const std::pair<std::string, std::string> cases[] = {
      {folder.Path() + "missing.kps", "Cannot open file \"" + folder.Path() + "missing.kps\". No such file or directory."},
      {folder.Write("order.kps", badOrder), notAFilter("order.kps", "'x' is not a valid integer value.")},
      {folder.Write("octave.kps", badOctave), notAFilter("octave.kps", "'' is not a valid integer value.")},
      {folder.Write("notes.txt", "Shopping list\r\nmilk, bread\r\n"),
       notAFilter("notes.txt", "'' is not a valid integer value.")},
      {folder.Write("tune.mid", std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14)),
       notAFilter("tune.mid", "'' is not a valid integer value.")},
      {folder.Write("type.kps", badType), ""},
  };
  Application().SetTitle("Dravik - Carolune");
  for (const auto& [path, error] : cases) {
    e.boxes.errors.clear();
    e.boxes.dialogs.clear();
    EXPECT_FALSE(e.form->SetFilterFile(path)) << path;
    if (error.empty()) {
      ASSERT_EQ(e.boxes.dialogs.size(), 1u);
      const TMessageDialogRequest& box = e.boxes.dialogs[0];
      EXPECT_EQ(box.Caption, "Filter File Error");
      EXPECT_EQ(box.Text, "The Filter File is incorrect");
      ASSERT_EQ(box.Buttons.size(), 1u);
      EXPECT_EQ(box.Buttons[0].Caption, "OK");
      EXPECT_EQ(box.Icon, MB_ICONWARNING);
    } else {
      EXPECT_EQ(e.boxes.errors, std::vector<std::string>{"Dravik - Carolune: " + error}) << path;
    }
    EXPECT_EQ(e.form->FileName, folder.Path() + "good.kps");
    EXPECT_EQ(e.Caption(), "Carolune Dravik - good.kps");
    EXPECT_EQ(ComboText(e, "cmbDefaultOctave"), "-1");
    EXPECT_EQ(e.MapperOrder()[0], "Octave Mapper");
  }
  // Save still writes the filter shown into its own file.
  e.Run("actSave");
  EXPECT_EQ(folder.Read("good.kps"), good);
}

TEST(DravikFrm, AFailedSaveWritesNothingAndNamesNoFile) {
  TTempFolder folder;
  Application().SetTitle("Dravik - Carolune");
  {
    // A mapper type without a selection cannot be saved.
    TEditor e;
    e.form->ccmbDurationMapperType->SetItemIndex(-1);
    e.Choose(folder.Path() + "incomplete");
    e.Run("actSave");
    EXPECT_EQ(e.boxes.errors, std::vector<std::string>{"Dravik - Carolune: '' is not a valid integer value."});
    EXPECT_FALSE(FileExists(folder.Path() + "incomplete.mss"));
    EXPECT_EQ(e.form->FileName, "");
    EXPECT_EQ(e.Caption(), "Carolune Dravik - untitled");
    // The next Save asks for a name again.
    e.form->ccmbDurationMapperType->SetItemIndex(0);
    e.Run("actSave");
    EXPECT_EQ(e.dialogRuns, 2);
    EXPECT_TRUE(FileExists(folder.Path() + "incomplete.mss"));
  }
  {
    // A file that cannot be created: reported, and the window names no file.
    TEditor e;
    const std::string path = folder.Path() + "no/such/folder/x.mss";
    Guarded([&] { e.form->SaveFilter(path); });
    ASSERT_EQ(e.boxes.errors.size(), 1u);
    EXPECT_EQ(e.boxes.errors[0].rfind("Dravik - Carolune: Cannot create file \"" + path + "\". ", 0), 0u)
        << e.boxes.errors[0];
    EXPECT_EQ(e.form->FileName, "");
    EXPECT_EQ(e.Caption(), "Carolune Dravik - untitled");
  }
}

TEST(DravikFrm, ReplacingAFileAsksFirst) {
  TTempFolder folder;
  const std::string existing = Filter(folder, "old.mss", {"FilterInfo_FilterType=0"});
  TEditor e;
  int runs = 0;
  e.dialogStep = [&](QFileDialog& d) {
    if (++runs > 1) return false;
    d.selectFile(QString::fromStdString(existing));
    return true;
  };
  e.boxes.answers = {IDNO};
  e.Run("actSave");
  ASSERT_EQ(e.boxes.errors.size(), 1u);
  EXPECT_NE(e.boxes.errors[0].find("already exists"), std::string::npos);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(folder.Read("old.mss"), "FilterInfo_FilterType=0\r\n");
  EXPECT_EQ(e.form->FileName, "");
}

TEST(DravikFrm, UnsavedEditsAreOfferedForSavingBeforeNewOrOpen) {
  TTempFolder folder;
  const std::string other = FullFilter(folder, "other.kps");
  TEditor e;
  e.Get<TSkinEdit>("edtAuthorName").SetText("Typed");
  ASSERT_TRUE(e.form->Modified);

  // Cancel: the window keeps its edits.
  e.boxes.answers = {mrCancel};
  e.Run("actNew");
  ASSERT_EQ(e.boxes.dialogs.size(), 1u);
  const TMessageDialogRequest& question = e.boxes.dialogs[0];
  EXPECT_EQ(question.Caption, "Save");
  EXPECT_EQ(question.Text, "Save current file?");
  ASSERT_EQ(question.Buttons.size(), 3u);
  EXPECT_EQ(question.Buttons[0].Caption, "Yes");
  EXPECT_EQ(question.Buttons[1].Caption, "No");
  EXPECT_EQ(question.Buttons[2].Caption, "Cancel");
  EXPECT_EQ(question.Icon, MB_ICONINFORMATION);
  EXPECT_EQ(EditText(e, "edtAuthorName"), "Typed");

  // Yes on an untitled filter asks for a name; cancelling that keeps the edits too.
  e.boxes.answers = {mrYes};
  e.Run("actNew");
  EXPECT_EQ(e.dialogRuns, 1);
  EXPECT_EQ(EditText(e, "edtAuthorName"), "Typed");

  // No: Open goes on and drops them; a loaded filter is unmodified.
  e.boxes.answers = {mrNo};
  e.Choose(other);
  e.Run("actOpen");
  EXPECT_EQ(e.form->FileName, other);
  EXPECT_EQ(EditText(e, "edtAuthorName"), "Ann Author");
  EXPECT_FALSE(e.form->Modified);

  // Yes on a named filter saves it, then New goes on.
  e.Get<TSkinEdit>("edtAuthorName").SetText("Bob");
  e.boxes.answers = {mrYes};
  e.Run("actNew");
  EXPECT_EQ(Value(folder.Read("other.kps"), "AuthorInfo_AuthorName"), "Bob");
  EXPECT_EQ(e.Caption(), "Carolune Dravik - untitled");
  EXPECT_EQ(e.boxes.dialogs.size(), 4u);
}

TEST(DravikFrm, OpenStartsInTheFiltersFolderAndTakesTheFirstChosenFile) {
  TTempFolder folder;
  const std::string a = FullFilter(folder, "a.kps");
  const std::string b = Filter(folder, "b.mss", {"FilterInfo_FilterType=0"});
  TEditor e;
  ASSERT_TRUE(e.form->SetFilterFile(a));
  e.dialogStep = [&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Carolune Filters");
    EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(d.nameFilters().size(), 4);
    EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(QString::fromStdString(folder.Path())).canonicalPath());
    d.selectFile("\"a.kps\" \"b.mss\"");
    return true;
  };
  e.Run("actOpen");
  EXPECT_EQ(e.form->FileName, a);
  (void)b;
}

TEST(DravikFrm, EditCommandsFollowTheFocusedControl) {
  TEditor e;
  TfrmDravik& f = *e.form;
  f.Show();
  QApplication::setActiveWindow(&f);
  QGuiApplication::clipboard()->setText("pasted");

  // A read-only help memo with a selection: Copy, not Cut.
  e.Get<TSkinButton>("skinButton6").Click();
  auto& help = e.Get<TSkinMemo>("mmDurationMapperHelp");
  help.Editor().setFocus();
  help.SelectAll();
  Application().DoIdle();
  EXPECT_TRUE(f.actCopy->Enabled());
  EXPECT_FALSE(f.actCut->Enabled());
  EXPECT_TRUE(f.actPaste->Enabled());
  EXPECT_TRUE(f.actSelectAll->Enabled());

  // An edit: cut and paste through the commands.
  e.Get<TSkinButton>("skinButton6").Click();
  auto& edit = e.Get<TSkinEdit>("edtDurationMapperToLonger");
  edit.SetText("long");
  edit.Editor().setFocus();
  e.Run("actSelectAll");
  Application().DoIdle();
  EXPECT_TRUE(f.actCut->Enabled());
  e.Run("actCut");
  EXPECT_EQ(edit.Text(), "");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "long");
  e.Run("actPaste");
  e.Run("actPaste");
  EXPECT_EQ(edit.Text(), "longlong");
  Application().DoIdle();
  EXPECT_FALSE(f.actCopy->Enabled());  // nothing selected now

  // A drop-down list: none of the four.
  f.ccmbDurationMapperType->Combo().setFocus();
  Application().DoIdle();
  EXPECT_FALSE(f.actCut->Enabled() || f.actCopy->Enabled() || f.actPaste->Enabled() || f.actSelectAll->Enabled());

  // An empty clipboard disables Paste.
  edit.Editor().setFocus();
  QGuiApplication::clipboard()->clear();
  Application().DoIdle();
  EXPECT_FALSE(f.actPaste->Enabled());
  f.Hide();
}

// A selection on a panel that another panel covers is out of sight: the
// edit commands neither offer nor touch it.
TEST(DravikFrm, EditCommandsLeaveAControlOnACoveredPanelAlone) {
  TEditor e;
  TfrmDravik& f = *e.form;
  f.Show();
  QApplication::setActiveWindow(&f);
  QGuiApplication::clipboard()->setText("pasted");
  f.btnFilterInfoClick(nullptr);
  f.mmFilterDesc->SetText("a description");
  f.mmFilterDesc->Editor().setFocus();
  f.mmFilterDesc->SelectAll();
  Application().DoIdle();
  ASSERT_TRUE(f.actCut->Enabled() && f.actCopy->Enabled());

  f.btnAuthorInfoClick(nullptr);  // the author's panel in front, the focus stays
  ASSERT_EQ(QApplication::focusWidget(), &f.mmFilterDesc->Editor());
  Application().DoIdle();
  EXPECT_FALSE(f.actCut->Enabled() || f.actCopy->Enabled() || f.actPaste->Enabled() || f.actSelectAll->Enabled());
  f.actCutExecute(nullptr);
  f.actPasteExecute(nullptr);
  EXPECT_EQ(f.mmFilterDesc->Text(), "a description");

  f.btnFilterInfoClick(nullptr);  // in sight again
  Application().DoIdle();
  EXPECT_TRUE(f.actCut->Enabled() && f.actCopy->Enabled());
  f.Hide();
}

TEST(DravikFrm, TheIdleHandlerIsChainedAndPutBack) {
  int calls = 0;
  Application().OnIdle = [&](TComponent*, bool&) { ++calls; };
  {
    TEditor e;
    e.form->actSelectAll->SetEnabled(true);
    Application().DoIdle();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(e.form->actSelectAll->Enabled());  // no edit has the focus
  }
  Application().DoIdle();
  EXPECT_EQ(calls, 2);
  Application().OnIdle = nullptr;
}

TEST(DravikFrm, HelpPagesAndResize) {
  TEditor e;
  e.Run("actContents");
  e.Run("actQNews");
  e.Run("actHomePage");
  ASSERT_EQ(e.opened.size(), 3u);
  EXPECT_EQ(e.opened[0], Application().ExeFolder() + "carolune.chm");
  EXPECT_EQ(e.opened[1].rfind("https://", 0), 0u);
  EXPECT_EQ(e.opened[2].rfind("https://", 0), 0u);
  e.form->SetBounds(0, 0, 800, 600);
  EXPECT_EQ(e.form->pnlMain->Width(), 768);
  EXPECT_EQ(e.form->pnlMain->Height(), 528);
}

TEST(DravikFrm, AboutBoxShowsModallyAndClosesWithOK) {
  TEditor e;
  std::string caption;
  // Looks for the box until it is shown, then presses its button.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (int i = 0; i < ScreenFormCount(); ++i)
      if (auto* about = dynamic_cast<TfrmDravikAbout*>(ScreenForms(i)); about && about->Modal()) {
        poll.stop();
        caption = about->Caption();
        dynamic_cast<TSkinButton*>(about->FindComponent("btnExit"))->Click();
      }
  });
  poll.start(5);
  e.form->actAboutExecute(nullptr);
  EXPECT_EQ(caption, "About Dravik Of Carolune");
  for (int i = 0; i < ScreenFormCount(); ++i) EXPECT_EQ(dynamic_cast<TfrmDravikAbout*>(ScreenForms(i)), nullptr);
}

TEST(DravikFrm, ShowWithFileRunsModallyAndGivesTheIdleHandlerBack) {
  int calls = 0;
  Application().OnIdle = [&](TComponent*, bool&) { ++calls; };
  TEditor e;
  std::string caption;
  QTimer::singleShot(0, [&] {
    caption = e.Caption();
    e.Run("actExit");
  });
  e.form->ShowWithFile("");
  EXPECT_EQ(caption, "Carolune Dravik - untitled");
  EXPECT_FALSE(e.form->Visible());
  e.form.reset();
  Application().DoIdle();
  EXPECT_GE(calls, 1);
  const int before = calls;
  Application().DoIdle();
  EXPECT_EQ(calls, before + 1);
  Application().OnIdle = nullptr;
}

TEST(DravikFrm, AsTheMainWindowClosingEndsTheLoopWithoutAQuestion) {
  TEditor e;
  e.Get<TSkinEdit>("edtAuthorName").SetText("never saved");
  ASSERT_TRUE(e.form->Modified);
  Application().SetMainForm(e.form.get());
  QTimer::singleShot(0, [&] { e.Run("actExit"); });
  Application().Run();
  EXPECT_FALSE(e.form->Visible());
  EXPECT_TRUE(e.boxes.dialogs.empty());
  Application().SetMainForm(nullptr);
}
