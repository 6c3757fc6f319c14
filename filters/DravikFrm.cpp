#include "filters/DravikFrm.h"

#include <QApplication>
#include <QUuid>
#include <array>

#include "filters/CaroluneHelp.h"
#include "filters/DravikAboutFrm.h"
#include "runtime/StringList.h"
#include "runtime/SysUtils.h"
#include "skin/SkinButton.h"
#include "skin/SkinClasses.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinListBox.h"
#include "skin/SkinMemo.h"
#include "skin/SkinMgr.h"
#include "skin/SkinTreeView.h"
#include "skin/VeskaroGlimaraCommon.h"
#include "windowing/Action.h"
#include "windowing/Clipboard.h"
#include "windowing/Dialogs.h"
#include "windowing/Form.h"
#include "windowing/Shell.h"

namespace {

// The version of the editor that new filters record.
const char* const kDravikVersion = "1.00.012";
const char* const kFiltersPage = "https://veskaro.example.com/carolune/filters";
const char* const kHomePage = "https://veskaro.example.com/";
const char* const kCaptionPrefix = "Carolune Dravik - ";

const std::array<const char*, 5> kMapperNames = {"Note Mapper", "Sharp Mapper", "Duration Mapper",
                                                 "Dot Duration Mapper", "Octave Mapper"};
// The order a new window's list starts with.
const std::array<const char*, 5> kInitialOrder = {"Note Mapper", "Octave Mapper", "Duration Mapper",
                                                  "Dot Duration Mapper", "Sharp Mapper"};

// The tree's nodes, each with the panel it brings to the front.
struct TCategory {
  const char* Node;
  TSkinImagePanel* TfrmDravikDesign::*Panel;
};
const std::array<TCategory, 12> kCategories = {{
    {"General", &TfrmDravikDesign::pnlGeneral},
    {"Filter Info", &TfrmDravikDesign::pnlFilterInfo},
    {"Author Info", &TfrmDravikDesign::pnlAuthorInfo},
    {"Filter Option", &TfrmDravikDesign::pnlFilterOptions},
    {"Default Options", &TfrmDravikDesign::pnlDefaultOption},
    {"Remember State Options", &TfrmDravikDesign::pnlRememberStateOption},
    {"Note Mapper", &TfrmDravikDesign::pnlNoteMapper},
    {"Sharp Mapper", &TfrmDravikDesign::pnlSharpMapper},
    {"Dot Duration Mapper", &TfrmDravikDesign::pnlDotDurationMapper},
    {"Duration Mapper", &TfrmDravikDesign::pnlDurationMapper},
    {"Octave Mapper", &TfrmDravikDesign::pnlOctaveMapper},
    {"Mapper Order", &TfrmDravikDesign::pnlMapperOrder},
}};

std::string NewFilterIdentifier() { return QUuid::createUuid().toString(QUuid::WithBraces).toUpper().toStdString(); }

// The decimal text of value selects its entry. A value the list does not
// offer (a phone's absolute octave, a default duration of 0) joins it, so
// such a filter shows what it holds and saves back unchanged.
void SelectNumber(TComboBox& list, int value) {
  const std::string text = IntToStr(value);
  if (list.Items().IndexOf(text) < 0) list.AddItem(text);
  list.SetItemIndex(list.Items().IndexOf(text));
}

// The selected entry as a number; no selection raises the conversion error.
int SelectedNumber(const TComboBox& list) {
  const int index = list.ItemIndex();
  return StrToInt(index < 0 ? std::string() : list.Items()[index]);
}

std::string ReplaceLineBreaks(const std::string& text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      result += ' ';
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace

std::string MapperNameOfId(int id) {
  return id >= 0 && id < static_cast<int>(kMapperNames.size()) ? kMapperNames[static_cast<size_t>(id)] : "";
}

int MapperIdOfName(const std::string& name) {
  for (size_t i = 0; i < kMapperNames.size(); ++i)
    if (name == kMapperNames[i]) return static_cast<int>(i);
  return -1;
}

TfrmDravik::TfrmDravik(TComponent* owner) : TForm(owner) {
  RegisterWindowingClasses();
  RegisterSkinClasses();
  LoadDesign(*this);
}

TfrmDravik::~TfrmDravik() { BeforeDestruction(); }

const TClassInfo& TfrmDravik::StaticClassInfo() {
  static const auto info = DefineClass<TfrmDravik>("TfrmDravik", TForm::StaticClassInfo(), nullptr);
  return *info;
}

void TfrmDravik::BindFields() {
  using C = TRingtoneFilterConfigBase;
  FTexts = {{edtDurationMapper1, &C::DurationMapper_1},
            {edtDurationMapper2, &C::DurationMapper_2},
            {edtDurationMapper4, &C::DurationMapper_4},
            {edtDurationMapper8, &C::DurationMapper_8},
            {edtDurationMapper16, &C::DurationMapper_16},
            {edtDurationMapper32, &C::DurationMapper_32},
            {edtDurationMapper64, &C::DurationMapper_64},
            {edtDurationMapperToLonger, &C::DurationMapper_ToLonger},
            {edtDurationMapperToShorter, &C::DurationMapper_ToShorter},
            {edtDurationMapperNoChange, &C::DurationMapper_NoChange},
            {edtDotDurationMapperToDot, &C::DotDurationMapper_NormalToDotDuration},
            {edtDotDurationMapperToNormal, &C::DotDurationMapper_DotDurationToNormal},
            {edtSharpMapperToSharp, &C::SharpMapper_NormalToSharp},
            {edtSharpMapperToNormal, &C::SharpMapper_SharpToNormal},
            {edtNoteMapperC, &C::NoteMapper_C},
            {edtNoteMapperd, &C::NoteMapper_D},
            {edtNoteMappere, &C::NoteMapper_E},
            {edtNoteMapperf, &C::NoteMapper_F},
            {edtNoteMapperG, &C::NoteMapper_G},
            {edtNoteMapperA, &C::NoteMapper_A},
            {edtNoteMapperB, &C::NoteMapper_B},
            {edtNoteMapperP, &C::NoteMapper_P},
            {edtRememberStateToneSeparater, &C::Remember_ToneSeparater},
            {edtOctaveMapperToHigher, &C::OctaveMapper_ToHigher},
            {edtOctaveMapperToLower, &C::OctaveMapper_ToLower},
            {edtOctaveMapperNoChange, &C::OctaveMapper_NoChange}};
  FFlags = {{ckbRememberStateOctave, &C::Remember_Octave},
            {ckbRememberStateSharp, &C::Remember_Sharp},
            {ckbRememberStateDotDuration, &C::Remember_DotDuration},
            {ckbRememberStateDuration, &C::Remember_Duration},
            {ckDefaultOption_Sharp, &C::DefaultOptions_Sharp},
            {ckDefaultOptions_DotDuration, &C::DefaultOptions_DotDuration}};
  for (const TCategory& category : kCategories) FPanels.emplace_back(category.Node, this->*category.Panel);
}

void TfrmDravik::FillCategoryTree() {
  TTreeNodes& nodes = tvCate->Items();
  nodes.Clear();
  TTreeNode* general = nodes.AddChild(nullptr, "General");
  for (const char* child : {"Filter Info", "Author Info"}) nodes.AddChild(general, child);
  TTreeNode* options = nodes.AddChild(nullptr, "Filter Option");
  for (size_t i = 4; i < kCategories.size(); ++i) nodes.AddChild(options, kCategories[i].Node);
}

void TfrmDravik::ApplyFonts() {
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* box = dynamic_cast<TSkinGroupBox*>(Components(i));
    if (!box) continue;
    box->SetFont(Font());
    for (int c = 0; c < box->ControlCount(); ++c) box->Controls(c)->SetFont(Font());
  }
}

// ---------------------------------------------------------------- events

void TfrmDravik::FormCreate(TComponent*) {
  BindFields();
  FOldIdle = Application().OnIdle;
  Application().OnIdle = [this](TComponent* sender, bool& done) { AppIdle(sender, done); };
  TStringList order;
  for (const char* name : kInitialOrder) order.Add(name);
  lbMapperOrderMain->SetItems(order);
  lbMapperOrderMain->SetItemIndex(0);
  Config = std::make_unique<Dravik::TRingtoneFilterConfig>();
  FillCategoryTree();
  for (int i = 0; i < tvCate->Items().Count(); ++i) tvCate->Items().Item(i)->Expand(true);
  // The tree is the window's first control: taking the focus when the
  // window shows, it would make its first node current of its own and so
  // bring the general panel to the front. Told once that no node is
  // current, it leaves the choice to the user, and the options panel stays
  // in front until then.
  tvCate->SetSelected(nullptr);
  ApplyFonts();
  SetFilterFile("");
}

void TfrmDravik::FormDestroy(TComponent*) {
  Config.reset();
  Application().OnIdle = FOldIdle;
}

void TfrmDravik::FormResize(TComponent*) {
  if (pnlMain) pnlMain->SetBounds(pnlMain->Left(), pnlMain->Top(), Width() - 32, Height() - 72);
}

void TfrmDravik::tvCateChange(TComponent*, TTreeNode* Node) {
  if (!Node) return;
  for (const auto& [name, panel] : FPanels)
    if (SameText(Node->Text(), name)) {
      panel->SetVisible(true);
      panel->BringToFront();
      return;
    }
}

void TfrmDravik::SelectNodes(const std::string& name) {
  for (int i = 0; i < tvCate->Items().Count(); ++i)
    if (TTreeNode* node = tvCate->Items().Item(i); SameText(node->Text(), name)) tvCate->SetSelected(node);
}

void TfrmDravik::btnFilterInfoClick(TComponent*) { SelectNodes("Filter Info"); }
void TfrmDravik::btnAuthorInfoClick(TComponent*) { SelectNodes("Author Info"); }
void TfrmDravik::skinButton1Click(TComponent*) { SelectNodes("Default Options"); }
void TfrmDravik::skinButton2Click(TComponent*) { SelectNodes("Remember State Options"); }
void TfrmDravik::skinButton3Click(TComponent*) { SelectNodes("Note Mapper"); }
void TfrmDravik::skinButton4Click(TComponent*) { SelectNodes("Sharp Mapper"); }
void TfrmDravik::skinButton5Click(TComponent*) { SelectNodes("Dot Duration Mapper"); }
void TfrmDravik::skinButton6Click(TComponent*) { SelectNodes("Duration Mapper"); }
void TfrmDravik::skinButton7Click(TComponent*) { SelectNodes("Octave Mapper"); }
void TfrmDravik::skinButton8Click(TComponent*) { SelectNodes("Mapper Order"); }

void TfrmDravik::ControlChanged(TComponent*) {
  if (!FFilling) Modified = true;
}

// ---------------------------------------------------------------- mapper order

void TfrmDravik::lbMapperOrderMainClick(TComponent*) { UpdateMapperOrderButtons(); }

void TfrmDravik::UpdateMapperOrderButtons() {
  const int index = lbMapperOrderMain->ItemIndex();
  const int count = lbMapperOrderMain->Count();
  btnMapperOrderUpper->SetEnabled(index > 0);
  btnMapperOrderDowner->SetEnabled(index >= 0 && index < count - 1);
}

void TfrmDravik::MoveMapperOrderItem(int by) {
  const int index = lbMapperOrderMain->ItemIndex();
  const int target = index + by;
  if (index >= 0 && target >= 0 && target < lbMapperOrderMain->Count()) {
    TStringList items = lbMapperOrderMain->Items();
    const std::string item = items[index];
    items.Delete(index);
    items.Insert(target, item);
    lbMapperOrderMain->SetItems(items);
    lbMapperOrderMain->SetItemIndex(target);
    Modified = true;
  }
  UpdateMapperOrderButtons();
}

void TfrmDravik::btnMapperOrderUpperClick(TComponent*) { MoveMapperOrderItem(-1); }
void TfrmDravik::btnMapperOrderDownerClick(TComponent*) { MoveMapperOrderItem(+1); }

// ---------------------------------------------------------------- filter and controls

std::string TfrmDravik::GetDisplayName() const { return FileName.empty() ? "untitled" : ExtractFileName(FileName); }

void TfrmDravik::UpdateCaption() { skinForm1->SetCaption(kCaptionPrefix + GetDisplayName()); }

std::unique_ptr<Dravik::TRingtoneFilterConfig> TfrmDravik::LoadConfig(const std::string& path) const {
  auto config = std::make_unique<Dravik::TRingtoneFilterConfig>();
  if (!path.empty()) {
    config->LoadFromFile(path);
    return config;
  }
  // A new filter is the same phone's as the one shown, and starts with the
  // mapper types and the default duration that a save needs.
  if (Config) {
    config->FilterInfo->MobileBrand = Config->FilterInfo->MobileBrand;
    config->FilterInfo->MobileModel = Config->FilterInfo->MobileModel;
  }
  config->Clear();
  config->DravikVersion = kDravikVersion;
  config->FilterFileOID = NewFilterIdentifier();
  config->DurationMapper_MapperType = 0;
  config->DefaultOptions_Duration = 4;
  config->OctaveMapper_MapperType = 0;
  return config;
}

bool TfrmDravik::CheckConfig(const Dravik::TRingtoneFilterConfig& config, bool named) const {
  if (config.FilterInfo->FilterType > 1) {
    ShowSkinMessageBox("Filter File Error", "The Filter File is incorrect", "OK", mrOk, "", mrNone, "", mrNone, 1,
                       TSkinIconType::skinWarning, skinForm1->UIStyle(), Font());
    return false;
  }
  // The order list shows the file's mapper order: each step must be a number.
  if (named)
    for (int step = 0; step < 5; ++step) config.GetMapperOrder(step);
  return true;
}

bool TfrmDravik::SetFilterFile(const std::string& path) {
  std::unique_ptr<Dravik::TRingtoneFilterConfig> config;
  try {
    config = LoadConfig(path);
    if (!CheckConfig(*config, !path.empty())) return false;
  } catch (const EConvertError& e) {
    // A key that should hold a number does not: some other kind of file,
    // or a filter spoilt by hand. Which file, and what it lacks, is said;
    // it stays a conversion error.
    Application().HandleException(
        EConvertError("\"" + path + "\" is not a filter file that the filter editor can read: " + e.Message()));
    return false;
  } catch (const std::exception& e) {
    Application().HandleException(e);
    return false;
  }
  Config = std::move(config);
  FileName = path;
  UpdateCaption();
  ConfigToForm();
  return true;
}

void TfrmDravik::ConfigToForm() {
  const Dravik::TRingtoneFilterConfig& c = *Config;
  FFilling = true;
  ccmbFilterType->SetItemIndex(c.FilterInfo->FilterType);
  edtFilterVersion->SetText(c.FilterInfo->FilterVersion);
  if (const int brand = cmbMobileBrandClasses->Items().IndexOf(c.FilterInfo->MobileBrand); brand >= 0) {
    rbMobileBrandClasses->SetChecked(true);
    cmbMobileBrandClasses->SetItemIndex(brand);
  } else {
    rbMobileBrandOthers->SetChecked(true);
    edtMobileBrandOthers->SetText(c.FilterInfo->MobileBrand);
  }
  edtMobileModel->SetText(c.FilterInfo->MobileModel);
  mmFilterDesc->SetText(c.FilterInfo->FilterDesc);
  SelectNumber(*ccmbDurationMapperType, c.DurationMapper_MapperType);
  for (const TTextBinding& b : FTexts) b.Edit->SetText(c.*b.Field);
  edtAuthorName->SetText(c.AuthorInfo->AuthorName);
  edtAuthorEmail->SetText(c.AuthorInfo->AuthorEmail);
  edtAuthorHomepage->SetText(c.AuthorInfo->AuthorHomepage);
  for (const TFlagBinding& b : FFlags) b.Box->SetChecked(c.*b.Field);
  SelectNumber(*cmbDefaultOctave, c.DefaultOptions_Octave);
  SelectNumber(*cmbDefaultDuration, c.DefaultOptions_Duration);
  SelectNumber(*cmbOctaveMapperType, c.OctaveMapper_MapperType);
  // A new filter keeps the order the list has.
  if (!FileName.empty()) {
    TStringList order;
    for (int step = 0; step < 5; ++step) order.Add(MapperNameOfId(c.GetMapperOrder(step)));
    const int selected = lbMapperOrderMain->ItemIndex();
    lbMapperOrderMain->SetItems(order);
    lbMapperOrderMain->SetItemIndex(selected);
  }
  FFilling = false;
  Modified = false;
}

void TfrmDravik::FormToConfig() {
  Dravik::TRingtoneFilterConfig& c = *Config;
  if (const int type = ccmbFilterType->ItemIndex(); type == 0 || type == 1)
    c.FilterInfo->FilterType = static_cast<uint8_t>(type);
  c.FilterInfo->FilterVersion = edtFilterVersion->Text();
  if (rbMobileBrandClasses->Checked())
    c.FilterInfo->MobileBrand = cmbMobileBrandClasses->ComboText();
  else if (rbMobileBrandOthers->Checked())
    c.FilterInfo->MobileBrand = edtMobileBrandOthers->Text();
  c.FilterInfo->MobileModel = edtMobileModel->Text();
  c.FilterInfo->FilterDesc = ReplaceLineBreaks(mmFilterDesc->Text());
  c.DurationMapper_MapperType = SelectedNumber(*ccmbDurationMapperType);
  for (const TTextBinding& b : FTexts) c.*b.Field = b.Edit->Text();
  c.AuthorInfo->AuthorName = edtAuthorName->Text();
  c.AuthorInfo->AuthorEmail = edtAuthorEmail->Text();
  c.AuthorInfo->AuthorHomepage = edtAuthorHomepage->Text();
  for (const TFlagBinding& b : FFlags) c.*b.Field = b.Box->Checked();
  c.DefaultOptions_Octave = SelectedNumber(*cmbDefaultOctave);
  c.DefaultOptions_Duration = SelectedNumber(*cmbDefaultDuration);
  c.OctaveMapper_MapperType = SelectedNumber(*cmbOctaveMapperType);
  const TStringList order = lbMapperOrderMain->Items();
  std::string* steps[] = {&c.MapperOrder_1, &c.MapperOrder_2, &c.MapperOrder_3, &c.MapperOrder_4, &c.MapperOrder_5};
  for (int i = 0; i < 5; ++i) *steps[i] = IntToStr(i < order.Count() ? MapperIdOfName(order[i]) : -1);
}

void TfrmDravik::SaveFilter(const std::string& path) {
  FormToConfig();
  Config->SaveToFile(path);
  FileName = path;
  Modified = false;
  UpdateCaption();
}

bool TfrmDravik::SaveCommand() {
  if (const int type = ccmbFilterType->ItemIndex(); type == 0 || type == 1)
    Config->FilterInfo->FilterType = static_cast<uint8_t>(type);
  if (!FileName.empty()) {
    SaveFilter(FileName);
    return true;
  }
  const bool screenShow = Config->FilterInfo->FilterType == 0;
  SaveDialog1->SetDefaultExt(screenShow ? "mss" : "kps");
  SaveDialog1->SetFilter(screenShow ? "ScreenShow filteres (*.mss)|*.mss" : "KeyPress filteres (*.kps)|*.kps");
  if (!SaveDialog1->Execute()) return false;
  SaveFilter(SaveDialog1->FileName());
  return true;
}

bool TfrmDravik::SaveCheck() {
  if (!Modified) return true;
  const int answer = ShowSkinMessageBox("Save", "Save current file?", "Yes", mrYes, "No", mrNo, "Cancel", mrCancel, 3,
                                        TSkinIconType::skinInformation, skinForm1->UIStyle(), Font());
  if (answer == mrCancel) return false;
  // Unsaved edits are not dropped when saving them fails or is cancelled.
  if (answer == mrYes) return SaveCommand();
  return true;
}

void TfrmDravik::OpenFilter() {
  OpenDialog1->SetInitialDir(ExtractFilePath(FileName));
  if (!OpenDialog1->Execute() || !SaveCheck()) return;
  SetFilterFile(OpenDialog1->Files()[0]);
}

void TfrmDravik::ShowWithFile(const std::string& path) {
  SetFilterFile(path);
  ShowModal();
}

// ---------------------------------------------------------------- commands

void TfrmDravik::actNewExecute(TComponent*) {
  if (SaveCheck()) SetFilterFile("");
}

void TfrmDravik::actOpenExecute(TComponent*) { OpenFilter(); }

void TfrmDravik::actSaveExecute(TComponent*) { SaveCommand(); }

void TfrmDravik::actExitExecute(TComponent*) { Close(); }

TControl* TfrmDravik::ActiveEditControl() const {
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
    auto* control = dynamic_cast<TControl*>(w);
    if (!control) continue;
    if (GetParentForm(control) != this || OnHiddenPanel(*control)) return nullptr;
    return dynamic_cast<TSkinMemo*>(control) || dynamic_cast<TSkinEdit*>(control) ? control : nullptr;
  }
  return nullptr;
}

// The panels of the editing area lie one over the other; only the one in
// front is seen, and a selection under it is out of the user's sight.
bool TfrmDravik::OnHiddenPanel(const TControl& control) const {
  const TControl* area = FPanels.front().second->Parent();
  for (const TControl* c = &control; c->Parent(); c = c->Parent())
    if (c->Parent() == area) return area->Controls(area->ControlCount() - 1) != c;
  return false;
}

void TfrmDravik::EditCommand(void (TMemo::*onMemo)(), void (TEdit::*onEdit)()) const {
  TControl* control = ActiveEditControl();
  if (auto* memo = dynamic_cast<TSkinMemo*>(control)) (memo->*onMemo)();
  if (auto* edit = dynamic_cast<TSkinEdit*>(control)) (edit->*onEdit)();
}

void TfrmDravik::actCutExecute(TComponent*) { EditCommand(&TMemo::CutToClipboard, &TEdit::CutToClipboard); }
void TfrmDravik::actCopyExecute(TComponent*) { EditCommand(&TMemo::CopyToClipboard, &TEdit::CopyToClipboard); }
void TfrmDravik::actPasteExecute(TComponent*) { EditCommand(&TMemo::PasteFromClipboard, &TEdit::PasteFromClipboard); }
void TfrmDravik::actSelectAllExecute(TComponent*) { EditCommand(&TMemo::SelectAll, &TEdit::SelectAll); }

void TfrmDravik::actContentsExecute(TComponent*) { ShowHelpContents(); }
void TfrmDravik::actQNewsExecute(TComponent*) { ShellOpen(kFiltersPage); }
void TfrmDravik::actHomePageExecute(TComponent*) { ShellOpen(kHomePage); }
void TfrmDravik::actAboutExecute(TComponent*) { ShowAbout(); }

void TfrmDravik::ShowHelpContents() { ShellOpen(HelpFileName(Application().ExeFolder())); }

void TfrmDravik::ShowAbout() {
  const auto about = std::make_unique<TfrmDravikAbout>(nullptr);
  about->ShowModal();
}

// ---------------------------------------------------------------- idle

void TfrmDravik::AppIdle(TComponent* Sender, bool& Done) {
  if (FOldIdle) FOldIdle(Sender, Done);
  UpdateEditActions();
}

void TfrmDravik::UpdateEditActions() {
  TControl* control = ActiveEditControl();
  bool hasSelection = false, readOnly = false;
  if (auto* memo = dynamic_cast<TSkinMemo*>(control)) {
    hasSelection = !memo->SelText().empty();
    readOnly = memo->ReadOnly();
  } else if (auto* edit = dynamic_cast<TSkinEdit*>(control)) {
    hasSelection = !edit->SelText().empty();
    readOnly = edit->ReadOnly();
  }
  actCopy->SetEnabled(control && hasSelection);
  actCut->SetEnabled(control && hasSelection && !readOnly);
  actPaste->SetEnabled(control && Clipboard().HasFormat(CF_TEXT) && !Clipboard().AsText().empty());
  actSelectAll->SetEnabled(control != nullptr);
}
