#include "app/MainFrm.h"

#include <QApplication>
#include <algorithm>

#include "app/AboutFrm.h"
#include "app/uRingLib.h"
#include "filters/CaroluneHelp.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "skin/SkinButton.h"
#include "skin/SkinClasses.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinStatusBar.h"
#include "skin/SkinTrackBar.h"
#include "skin/VeskaroGlimaraCommon.h"
#include "windowing/Action.h"
#include "windowing/Application.h"
#include "windowing/Clipboard.h"
#include "windowing/Dialogs.h"
#include "windowing/FormResources.h"
#include "windowing/Guarded.h"
#include "windowing/Label.h"
#include "windowing/MenuItem.h"
#include "windowing/Shell.h"
#include "windowing/Timer.h"

namespace {

constexpr const char* kNewsPage = "https://veskaro.example.com/carolune/news";
constexpr const char* kHomePage = "https://veskaro.example.com/";
// Real tunes are a few kilobytes, the largest MIDI files some hundred; a
// source far beyond that would take its conversion minutes and gigabytes.
constexpr int64_t kMaxSourceSize = 4 * 1024 * 1024;

// The hourglass over every window of the program while it lives; the
// pointer comes back as it was however the scope ends.
class THourGlass {
 public:
  THourGlass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~THourGlass() { QApplication::restoreOverrideCursor(); }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;
};

// A recent file's path as a menu shows it literally.
std::string MenuCaptionOf(const std::string& path) {
  std::string caption;
  for (const char c : path) {
    if (c == '&') caption += '&';
    caption += c;
  }
  return caption;
}

}  // namespace

TfrmMain::TfrmMain(TComponent* owner, TfrmMainSetup setup) : TForm(owner), FSetup(std::move(setup)) {
  if (!CaroluneOption) throw Exception("The options of Carolune are not loaded");
  RegisterSkinClasses();
  LoadDesign(*this);
}

TfrmMain::~TfrmMain() { BeforeDestruction(); }

const TClassInfo& TfrmMain::StaticClassInfo() {
  static const auto info = DefineClass<TfrmMain>("TfrmMain", TForm::StaticClassInfo(), nullptr);
  return *info;
}

namespace {

// The form's component a table row names; none when the row names none.
template <class T>
T* ComponentIfAny(const TfrmMainDesign& design, T* TfrmMainDesign::*member) {
  return member ? design.*member : nullptr;
}

}  // namespace

void TfrmMain::FindComponents() {
  miRecent = {miRecent1, miRecent2, miRecent3, miRecent4, miRecent5};

  for (TTuneType type = 0; type < ttUnknown; ++type) {
    const TTargetPageNames& page = TuneTypeOf(type).Page;
    if (page.Sheet)
      FPages.push_back({type, this->*page.Sheet, this->*page.Memo, this->*page.Action, this->*page.MenuItem, page.Shown});
    const TSourcePanelNames& source = TuneTypeOf(type).Source;
    FSourcePanels[type] = {ComponentIfAny(*this, source.Panel), ComponentIfAny(*this, source.FileLabel),
                           ComponentIfAny(*this, source.Memo), ComponentIfAny(*this, source.Brand),
                           ComponentIfAny(*this, source.Model)};
  }
}

void TfrmMain::MakeParts() {
  FPhonePages = std::make_unique<TPhonePages>(
      TPhonePagesComponents{.cmbMMSMobile = cmbMMSMobile,
                            .cmbMMSModel = cmbMMSModel,
                            .cmbKpsMobile = cmbKpsMobile,
                            .cmbKpsModel = cmbKpsModel,
                            .lblMSSAuthorC = lblMSSAuthorC,
                            .lblMSSDescC = lblMSSDescC,
                            .lblKPSAuthorC = lblKPSAuthorC,
                            .lblKPSDescC = lblKPSDescC,
                            .odFilter = odFilter},
      FSetup.ProgramFolder, [this](TTuneType page, bool chosen) { PhoneChanged(page, chosen); });
  FPreview = std::make_unique<TMidiPreview>(
      TMidiPreviewComponents{.gbPlayMIDI = gbPlayMIDI,
                             .tbPlayMIDI = tbPlayMIDI,
                             .tbVoiceLevel = tbVoiceLevel,
                             .btnMIDIPlay = btnMIDIPlay,
                             .btnMidiPause = btnMidiPause,
                             .btnMIDIStop = btnMIDIStop,
                             .tmMIDIPlayer = tmMIDIPlayer},
      *this, FSetup.Player, FSetup.AudioDevices, FSourceFile);
  FTargetFiles = std::make_unique<TTargetFiles>(
      *sdSaveRingtone, *FPhonePages, *skinForm1, Font(),
      TTargetFiles::TWindow{.TargetMask = FTargetMask,
                            .SourceFile = FSourceFile,
                            .ShowPage = [this](TTuneType type) {
                              ShowTargetPage(type);
                              return TargetMemo(type)->Lines();
                            }});
}

const TfrmMain::TTargetPage& TfrmMain::PageOfType(TTuneType type) const {
  for (const TTargetPage& page : FPages)
    if (page.Type == type) return page;
  throw Exception("No target page for the tune type " + IntToStr(type) + ".");
}

const TfrmMain::TTargetPage* TfrmMain::PageOfSheet(const TSkinTabSheet* sheet) const {
  for (const TTargetPage& page : FPages)
    if (page.Sheet == sheet) return &page;
  return nullptr;
}

// ---------------------------------------------------------------- start-up and closing

void TfrmMain::FormCreate(TComponent*) {
  FindComponents();
  MakeParts();
  // Each step that fails is reported and the next one still runs: a window
  // without its filter lists or folder watch is still of use.
  Guarded([this] {
    pgcTarget->ActivatePageIndex(0);
    FSourcePanels[ttMIDI].Panel->BringToFront();
  });
  Guarded([this] {
    for (const TTargetPage& page : FPages) page.Sheet->SetTabVisible(CaroluneOption.get()->*page.Shown);
    for (const TTargetPage& page : FPages) page.Sheet->SetVisible(page.Sheet->TabVisible());
  });
  // A hidden page keeps its size through resizes and takes the new one when
  // it shows again: its memo follows then.
  for (const TTargetPage& page : FPages) page.Sheet->OnResize = [this](TComponent*) { LayoutMemos(); };
  // A description that wraps on another number of lines moves the text below it.
  for (TLabel* description : {lblMSSDescC, lblKPSDescC})
    description->OnResize = [this](TComponent*) { LayoutMemos(); };
  FSourceLines = std::make_unique<TStringList>();
  Guarded([this] { FPreview->BindVolumeBar(); });
  Guarded([this] { ApplyFonts(); });
  Guarded([this] { FPhonePages->LoadFilterLists(); });
  Guarded([this] { UpdateRecentMenu(); });
  Guarded([this] {
    AlignMIDIPanel();
    LayoutMemos();
  });
  FOldOnIdle = Application().OnIdle;
  Application().OnIdle = [this](TComponent* sender, bool& done) { AppIdle(sender, done); };
  FIdleHooked = true;
  Guarded([this] { FPhonePages->StartFilterWatch(); });
}

void TfrmMain::FormDestroy(TComponent*) {
  // A window that goes while the program runs on leaves the idle chain as
  // it found it.
  if (FIdleHooked) Application().OnIdle = FOldOnIdle;
  FIdleHooked = false;
  // Saving reads the phone choice: it goes first.
  FTargetFiles.reset();
  FPhonePages.reset();
  FPreview.reset();
  FSourceLines.reset();
}

void TfrmMain::FormCloseQuery(TComponent*, bool& canClose) {
  if (!FSourceFile.empty()) canClose = QuerySaveCurrent();
}

bool TfrmMain::QuerySaveCurrent() {
  if (!FSourceFile.empty()) AddRecentFile(FSourceFile);
  return true;
}

void TfrmMain::AddRecentFile(const std::string& path) {
  CaroluneOption->AddRecentFile(path);
  UpdateRecentMenu();
}

void TfrmMain::ApplyFonts() {
  gbSource->SetParentFont(true);
  FPreview->gbPlayMIDI->SetParentFont(true);
  pnlMain->SetFont(Font());
  for (const TSourcePanel& source : FSourcePanels) source.Panel->SetFont(Font());
}

void TfrmMain::AlignMIDIPanel() { FSourcePanels[ttMIDI].Panel->SetAlign(TAlign::alClient); }

void TfrmMain::LayoutMemos() {
  // The description is still being read, or the window is going.
  if (FPages.empty() || !FPhonePages) return;
  // Each memo fills its own page, below the phone on the KeyPress and
  // ScreenShow pages.
  for (const TTargetPage& page : FPages) {
    const int top = TuneTypeOf(page.Type).Phone ? FPhonePages->LayOutPhone(page.Type, page.Sheet->Width()) : 8;
    page.Memo->SetBounds(8, top, page.Sheet->Width() - 16, page.Sheet->Height() - top - 8);
  }
  for (const TSourcePanel& source : FSourcePanels) {
    source.Panel->SetAlign(TAlign::alClient);
    if (source.Memo) source.Memo->SetBounds(8, 48, source.Panel->Width() - 16, source.Panel->Height() - 56);
  }
  if (stbMain->Panels().Count() > 0) stbMain->Panels().Items(0)->SetWidth(stbMain->Width() - 280);
}

void TfrmMain::pgcTargetResize(TComponent*) { LayoutMemos(); }

// ---------------------------------------------------------------- commands

void TfrmMain::AppIdle(TComponent* sender, bool& done) {
  if (FOldOnIdle) FOldOnIdle(sender, done);
  UpdateCommands();
}

TSkinMemo* TfrmMain::ActiveMemo() const { return dynamic_cast<TSkinMemo*>(ActiveControl()); }

void TfrmMain::UpdateCommands() {
  FPreview->UpdateButtons();
  bool anyTab = false;
  for (const TTargetPage& page : FPages) anyTab = anyTab || page.Sheet->TabVisible();
  // Without a source that converts to some target the save dialog would
  // offer no file type, and nothing could be written.
  const bool canSave = anyTab && FTargetMask != 0;
  actSave->SetEnabled(canSave);
  actSaveAs->SetEnabled(canSave);
  if (const TSkinMemo* memo = ActiveMemo()) {
    // Asked on every idle pass: the selection's length, not its text.
    actCopy->SetEnabled(memo->SelLength() > 0);
    actCut->SetEnabled(actCopy->Enabled() && !memo->ReadOnly());
    actPaste->SetEnabled(Clipboard().HasFormat(CF_TEXT) && !Clipboard().AsText().empty());
    actSelectAll->SetEnabled(true);
  } else {
    for (TAction* action : {actCut, actCopy, actPaste, actSelectAll}) action->SetEnabled(false);
  }
  for (const TTargetPage& page : FPages) page.MenuItem->SetChecked(pgcTarget->ActivePage() == page.Sheet);
}

void TfrmMain::UpdateRecentMenu() {
  for (TMenuItem* item : miRecent) item->SetVisible(false);
  const TStringList& recent = CaroluneOption->RecentFiles;
  // The newest file stands highest: entry 0 (the oldest) is the lowest item.
  const int shown = std::min(recent.Count(), static_cast<int>(miRecent.size()));
  const int first = recent.Count() - shown;
  for (int i = 0; i < shown; ++i) {
    TMenuItem* item = miRecent[miRecent.size() - 1 - static_cast<size_t>(i)];
    item->SetCaption(MenuCaptionOf(recent[first + i]));
    item->SetTag(first + i);
    item->OnClick = [this](TComponent* sender) { OpenRecentClick(sender); };
    item->OnMeasureItem = miSaveas->OnMeasureItem;
    item->OnAdvancedDrawItem = miSaveas->OnAdvancedDrawItem;
    item->SetVisible(true);
  }
}

void TfrmMain::OpenRecentClick(TComponent* sender) {
  const auto* item = dynamic_cast<const TMenuItem*>(sender);
  if (!item) return;
  const TStringList& recent = CaroluneOption->RecentFiles;
  if (item->Tag() < 0 || item->Tag() >= recent.Count()) return;
  OpenChosenFile(recent[item->Tag()]);
}

void TfrmMain::OpenChosenFile(std::string path) {
  const TTuneType type = FileTypeOfExt(ExtractFileExt(path));
  if (type == ttUnknown) {
    ShowSkinMessageBox("error", "Unknown ringtone format.", "OK", mrOk, "", mrNone, "", mrNone, 1,
                       TSkinIconType::skinWarning, skinForm1->UIStyle(), Font());
    return;
  }
  if (QuerySaveCurrent()) OpenFile(type, path);
}

void TfrmMain::actExitExecute(TComponent*) { Close(); }

void TfrmMain::actCutExecute(TComponent*) {
  if (TSkinMemo* memo = ActiveMemo()) memo->CutToClipboard();
}

void TfrmMain::actCopyExecute(TComponent*) {
  if (TSkinMemo* memo = ActiveMemo()) memo->CopyToClipboard();
}

void TfrmMain::actPasteExecute(TComponent*) {
  if (TSkinMemo* memo = ActiveMemo()) memo->PasteFromClipboard();
}

void TfrmMain::actSelectAllExecute(TComponent*) {
  if (TSkinMemo* memo = ActiveMemo()) memo->SelectAll();
}

void TfrmMain::ShowHelp() { ShellOpen(HelpFileName(FSetup.ProgramFolder)); }

void TfrmMain::actContentsExecute(TComponent*) { ShowHelp(); }
void TfrmMain::actQNewsExecute(TComponent*) { ShellOpen(kNewsPage); }
void TfrmMain::actHomePageExecute(TComponent*) { ShellOpen(kHomePage); }
void TfrmMain::actAboutExecute(TComponent*) { ShowAbout(); }


// ---------------------------------------------------------------- sources

void TfrmMain::ClearTargets() {
  for (const TTargetPage& page : FPages) page.Memo->Clear();
}

void TfrmMain::OpenFile(TTuneType type, const std::string& path) {
  // The file is read before anything of the current source changes: a
  // file that cannot be read leaves it all as it was.
  const TTuneType oldType = FSourceType;
  const std::string oldFile = FSourceFile;
  FSourceType = type;
  FSourceFile = path;
  try {
    ShowSource();
  } catch (...) {
    FSourceType = oldType;
    FSourceFile = oldFile;
    throw;
  }
  // Joined and scrambled once for every page: a source of megabytes is not
  // joined again for each.
  FSourceText = Carolune::TScrambledText(FSourceLines->Text());
  ClearTargets();
  FTargetMask = TargetMaskForSource(type);
  ShowTargetPages(nullptr);
}

void TfrmMain::ShowTargetPages(TSkinTabSheet* keep) {
  const TNotifyEvent change = pgcTarget->OnChange;
  pgcTarget->OnChange = nullptr;
  setUpdatesEnabled(false);
  try {
    for (const TTargetPage& page : FPages)
      page.Sheet->SetTabVisible((FTargetMask & TargetBit(page.Type)) != 0 && CaroluneOption.get()->*page.Shown);
    for (const TTargetPage& page : FPages) page.Sheet->SetVisible(page.Sheet->TabVisible());
    for (const TTargetPage& page : FPages) page.Action->SetEnabled((FTargetMask & TargetBit(page.Type)) != 0);
    // Showing a tab makes it the active one.
    if (keep && keep->TabVisible()) pgcTarget->SetActivePage(keep);
  } catch (...) {
    pgcTarget->OnChange = change;
    setUpdatesEnabled(true);
    throw;
  }
  pgcTarget->OnChange = change;
  setUpdatesEnabled(true);
  ConvertForPage(pgcTarget->ActivePage());
}

void TfrmMain::ShowSource() {
  // Everything is read first; the panels show it only once it is whole.
  if (!TuneTypeOf(FSourceType).Source.Panel) throw Exception("Unknown ringtone format.");
  TStringList lines;
  std::string brand, model;
  const std::string bytes = ReadFileBytes(FSourceFile, kMaxSourceSize);
  if (FSourceType == ttMIDI) {
    lines.Add(bytes);
    FPreview->Open(FSourceFile);
  } else {
    lines.SetText(bytes);
    if (TuneTypeOf(FSourceType).Phone) {
      brand = lines.Values("Brand");
      model = lines.Values("Model");
      for (int i = 0; i < 3 && lines.Count() > 0; ++i) lines.Delete(0);
    }
  }
  stbMain->Panels().Items(0)->SetText(" " + FSourceFile);
  const TSourcePanel& source = FSourcePanels[FSourceType];
  source.Panel->BringToFront();
  source.FileLabel->SetCaption(FSourceFile);
  *FSourceLines = lines;
  if (source.Brand) source.Brand->SetText(brand);
  if (source.Model) source.Model->SetText(model);
  if (source.Memo) source.Memo->SetText(FSourceLines->Text());
  if (FSourceType == ttMIDI) FPreview->ShowLength();
  gbSource->SetCaption(SourceGroupCaption(FSourceType));
}

void TfrmMain::ConvertForPage(TSkinTabSheet* page) {
  const THourGlass hourGlass;
  if (FSourceFile.empty()) return;
  FPreview->Close();
  if (const TTargetPage* target = PageOfSheet(page)) ConvertTarget(FSourceType, target->Type);
}

void TfrmMain::PhoneChanged(TTuneType page, bool chosen) {
  // No phone, no text; a new phone makes the page anew when a file is open,
  // also while its tab is hidden.
  if (chosen && Trim(FSourceFile).empty()) return;
  TargetMemo(page)->Clear();
  if (chosen) ConvertTarget(FSourceType, page);
}

void TfrmMain::ConvertTarget(TTuneType sourceType, TTuneType targetType) {
  TSkinMemo* memo = TargetMemo(targetType);
  // A page is converted once per opened file: its text stays until the next open.
  if (!memo->IsEmpty()) return;
  std::string filterText;
  if (TuneTypeOf(targetType).Phone) {
    // The phone's notations are made through the filter of the phone chosen
    // on their page; without one there is nothing to make.
    const TFilterCfg* filter = FPhonePages->ChosenFilter(targetType);
    if (!filter) return;
    filterText = filter->Text();
  }
  std::string output;
  Convert(sourceType, targetType, FSourceText, filterText, output);
  memo->SetText(output);
}

void TfrmMain::Convert(TTuneType sourceType, TTuneType targetType, const Carolune::TScrambledText& sourceText,
                       const std::string& filterText, std::string& output) {
  const std::string sourceFormat = FormatCodeOfType(sourceType);
  const std::string targetFormat = FormatCodeOfType(targetType);
  // The library writes its own notations by their format code; what it has
  // no code for, it maps through the filter.
  if (targetFormat.empty())
    Carolune::RingToMap(sourceText, sourceFormat, filterText, "R", "R", output);
  else
    Carolune::RingToRing(sourceText, sourceFormat, targetFormat, output);
}

void TfrmMain::pgcTargetChange(TComponent*) { ConvertForPage(pgcTarget->ActivePage()); }

void TfrmMain::ShowTargetPage(TTuneType type) {
  const TTargetPage& page = PageOfType(type);
  page.Sheet->SetTabVisible(true);
  pgcTarget->SetActivePage(page.Sheet);
}

void TfrmMain::actRTTTLExecute(TComponent*) { ShowTargetPage(ttRTTTL); }
void TfrmMain::actiMelodyExecute(TComponent*) { ShowTargetPage(ttiMelody); }
void TfrmMain::acteMelodyExecute(TComponent*) { ShowTargetPage(tteMelody); }
void TfrmMain::actComposerExecute(TComponent*) { ShowTargetPage(ttComposer); }
void TfrmMain::actKeyPressExecute(TComponent*) { ShowTargetPage(ttKeyPress); }
void TfrmMain::actScreenShowExecute(TComponent*) { ShowTargetPage(ttScreenShow); }

TTuneType TfrmMain::PageType() const {
  const TTargetPage* page = PageOfSheet(pgcTarget->ActivePage());
  return page ? page->Type : ttUnknown;
}

// ---------------------------------------------------------------- filter selection

void TfrmMain::cmbMMSMobileChange(TComponent*) { FPhonePages->BrandChange(ttScreenShow); }
void TfrmMain::cmbKpsMobileChange(TComponent*) { FPhonePages->BrandChange(ttKeyPress); }
void TfrmMain::cmbMMSModelChange(TComponent*) { FPhonePages->ModelChange(ttScreenShow); }
void TfrmMain::cmbKpsModelChange(TComponent*) { FPhonePages->ModelChange(ttKeyPress); }
void TfrmMain::actImportFilterExecute(TComponent*) { FPhonePages->ImportFilters(); }
void TfrmMain::actFilterEditorExecute(TComponent*) { FPhonePages->RunFilterEditor(); }

// ---------------------------------------------------------------- MIDI preview

void TfrmMain::btnMIDIPlayClick(TComponent*) { FPreview->Play(); }
void TfrmMain::btnMidiPauseClick(TComponent*) { FPreview->Pause(); }
void TfrmMain::btnMIDIStopClick(TComponent*) { FPreview->Stop(); }
void TfrmMain::tbPlayMIDIMouseUp(TComponent*, TMouseButton, TShiftState, int, int) { FPreview->SeekToBar(); }
void TfrmMain::tmMIDIPlayerTimer(TComponent*) { FPreview->ShowPosition(); }

// ---------------------------------------------------------------- opening

void TfrmMain::OpenSourceDialog() {
  opMIDI->SetInitialDir(ExtractFilePath(FSourceFile));
  if (opMIDI->Execute()) OpenChosenFile(opMIDI->FileName());
}

// ---------------------------------------------------------------- commands of other windows

void TfrmMain::actOpenExecute(TComponent*) { OpenSourceDialog(); }
void TfrmMain::btnMIDIOpenClick(TComponent*) { OpenSourceDialog(); }
void TfrmMain::actSaveExecute(TComponent*) { FTargetFiles->Save(PageType()); }
void TfrmMain::actSaveAsExecute(TComponent*) { FTargetFiles->SaveAs(); }
void TfrmMain::actOptionExecute(TComponent*) { ShowOptions(false); }
void TfrmMain::actFiltersExecute(TComponent*) { ShowOptions(true); }

void TfrmMain::ShowOptions(bool filterPage) {
  // Pages shown or hidden in the dialog show so at once, not at the next open.
  if (FPhonePages->ShowOptions(filterPage) && FSourceType != ttUnknown) ShowTargetPages(pgcTarget->ActivePage());
}

void TfrmMain::ShowAbout() { ShowAboutBox(); }
