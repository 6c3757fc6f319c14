// The main window of Carolune. Its source group shows the opened tune; one
// tabbed page per target notation shows the tune converted by the
// conversion library, filled the first time the page is shown; the
// KeyPress and ScreenShow pages convert through the filter of the phone
// chosen on them. A MIDI source can be previewed with position and volume
// bars. The window keeps the recent files, saves a page as a file of its
// type, and follows the Filters folder beside the program.
//
// The window holds the source and its target pages, and hands the rest to
// parts of its own: the phone choice (TPhonePages), the MIDI preview
// (TMidiPreview) and saving (TTargetFiles). What differs by kind of tune
// comes from the table of tune types (TuneTypes.h).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/CaroluneOptions.h"
#include "app/MainFrm.dfm.h"
#include "app/MidiPreview.h"
#include "app/PhonePages.h"
#include "app/TargetFiles.h"
#include "app/TuneTypes.h"
#include "app/uRingLib.h"
#include "runtime/StringList.h"
#include "windowing/Application.h"
#include "windowing/AudioVolume.h"
#include "windowing/Form.h"
#include "windowing/MediaPlayer.h"

class TAction;
class TLabel;
class TMenuItem;
class TOpenDialog;
class TSkinEdit;
class TSkinForm;
class TSkinGroupBox;
class TSkinImagePanel;
class TSkinMemo;
class TSkinPageControl;
class TSkinStatusBar;
class TSkinTabSheet;

// What the main window uses besides the options object: the program's
// folder (its Filters folder and help file), the preview player's output and
// the audio devices the volume bar is tied to (null: the machine's).
struct TfrmMainSetup {
  std::string ProgramFolder = GetExeFolder();
  TMediaPlayerSetup Player;
  TAudioDevices* AudioDevices = nullptr;
};

class TfrmMain : public TForm, public TfrmMainDesign {
 public:
  explicit TfrmMain(TComponent* owner, TfrmMainSetup setup = {});
  ~TfrmMain() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The current source: its type, its path (empty while none is open), its
  // content (for MIDI one item holding the file's bytes) and the targets it
  // allows.
  TTuneType SourceType() const { return FSourceType; }
  const std::string& SourceFile() const { return FSourceFile; }
  const TStringList& SourceLines() const { return *FSourceLines; }
  TTargetMask TargetMask() const { return FTargetMask; }
  // The page of a target type and its text.
  TSkinTabSheet* TargetSheet(TTuneType type) const { return PageOfType(type).Sheet; }
  TSkinMemo* TargetMemo(TTuneType type) const { return PageOfType(type).Memo; }
  TPhonePages& PhonePages() const { return *FPhonePages; }
  TMidiPreview& Preview() const { return *FPreview; }
  TTargetFiles& TargetFiles() const { return *FTargetFiles; }

  virtual void ClearTargets();
  // Hands the open file (if any) to the recent files; true: it may be replaced.
  virtual bool QuerySaveCurrent();
  virtual void AddRecentFile(const std::string& path);
  virtual void ShowSource();
  virtual void ConvertForPage(TSkinTabSheet* page);
  virtual void ShowHelp();
  virtual void ShowAbout();
  virtual void UpdateRecentMenu();
  virtual void OpenRecentClick(TComponent* sender);
  virtual void UpdateCommands();
  virtual void AppIdle(TComponent* sender, bool& done);

  // The Open command: a file chosen in the open dialog becomes the source.
  void OpenSourceDialog();
  // Makes the file the current source; a file that cannot be read, is far
  // larger than any tune (over 4 MiB) or is a MIDI file the player refuses
  // raises and leaves the current source as it was.
  void OpenFile(TTuneType type, const std::string& path);
  // The tune type of the active page; ttUnknown when it is none of the targets.
  TTuneType PageType() const;
  void LayoutMemos();

  // The description's handlers.
  void FormCreate(TComponent* sender);
  void FormDestroy(TComponent* sender);
  void FormCloseQuery(TComponent* sender, bool& canClose);
  void actCloseExecute(TComponent*) {}
  void actExitExecute(TComponent* sender);
  void actCutExecute(TComponent* sender);
  void actCopyExecute(TComponent* sender);
  void actPasteExecute(TComponent* sender);
  void actSelectAllExecute(TComponent* sender);
  void actRTTTLExecute(TComponent* sender);
  void actiMelodyExecute(TComponent* sender);
  void acteMelodyExecute(TComponent* sender);
  void actComposerExecute(TComponent* sender);
  void actKeyPressExecute(TComponent* sender);
  void actScreenShowExecute(TComponent* sender);
  void actContentsExecute(TComponent* sender);
  void actQNewsExecute(TComponent* sender);
  void actHomePageExecute(TComponent* sender);
  void actAboutExecute(TComponent* sender);
  void pgcTargetChange(TComponent* sender);
  void pgcTargetResize(TComponent* sender);
  void cmbMMSMobileChange(TComponent* sender);
  void cmbKpsMobileChange(TComponent* sender);
  void cmbMMSModelChange(TComponent* sender);
  void cmbKpsModelChange(TComponent* sender);
  void btnMIDIPlayClick(TComponent* sender);
  void btnMidiPauseClick(TComponent* sender);
  void btnMIDIStopClick(TComponent* sender);
  void btnMIDIOpenClick(TComponent* sender);
  void tbPlayMIDIMouseUp(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y);
  void tmMIDIPlayerTimer(TComponent* sender);
  void actOpenExecute(TComponent* sender);
  void actSaveExecute(TComponent* sender);
  void actSaveAsExecute(TComponent* sender);
  void actOptionExecute(TComponent* sender);
  void actImportFilterExecute(TComponent* sender);
  void actFilterEditorExecute(TComponent* sender);
  void actFiltersExecute(TComponent* sender);

  // The recent files' items, miRecent1 .. miRecent5, as one row.
  std::array<TMenuItem*, 5> miRecent{};

 private:
  // A target page with what belongs to it, in the order the tabs are set:
  // RTTTL, iMelody, eMelody, Composer, KeyPress, ScreenShow.
  struct TTargetPage {
    TTuneType Type;
    TSkinTabSheet* Sheet;
    TSkinMemo* Memo;
    TAction* Action;
    TMenuItem* MenuItem;
    bool TCaroluneOption::*Shown;
  };
  // A source panel of the source group, by tune type.
  struct TSourcePanel {
    TSkinImagePanel* Panel = nullptr;
    TLabel* FileLabel = nullptr;
    TSkinMemo* Memo = nullptr;
    TSkinEdit* Brand = nullptr;
    TSkinEdit* Model = nullptr;
  };

  // Finds the window's components and the target pages and source panels of
  // the tune types; MakeParts makes the window's parts on theirs.
  void FindComponents();
  void MakeParts();
  // A file the user chose (in the open dialog or the recent files) becomes
  // the source, unless its type is unknown. The path is a copy: the file it
  // replaces joins the recent files on the way.
  void OpenChosenFile(std::string path);
  const TTargetPage& PageOfType(TTuneType type) const;
  const TTargetPage* PageOfSheet(const TSkinTabSheet* sheet) const;
  TSkinMemo* ActiveMemo() const;
  void ShowTargetPage(TTuneType type);
  // The options dialog on its first page or on the filters; display options
  // it stored show at once.
  void ShowOptions(bool filterPage);
  // Shows the tabs the source can be converted to and the options show,
  // enables the Convert items, and converts the active page: keep, when it
  // is still shown.
  void ShowTargetPages(TSkinTabSheet* keep);
  void ApplyFonts();
  void AlignMIDIPanel();
  // The phone choice of a page changed (TPhonePages::TPhoneChange).
  void PhoneChanged(TTuneType page, bool chosen);
  // Fills the target's page from the source, unless it holds a text already.
  void ConvertTarget(TTuneType sourceType, TTuneType targetType);
  void Convert(TTuneType sourceType, TTuneType targetType, const Carolune::TScrambledText& sourceText,
               const std::string& filterText, std::string& output);

  const TfrmMainSetup FSetup;
  TTuneType FSourceType = ttUnknown;
  std::string FSourceFile;
  std::unique_ptr<TStringList> FSourceLines;
  // The text of FSourceLines as every conversion hands it to the library.
  Carolune::TScrambledText FSourceText;
  TTargetMask FTargetMask = 0;
  TIdleEvent FOldOnIdle;
  bool FIdleHooked = false;

  std::vector<TTargetPage> FPages;
  std::array<TSourcePanel, ttUnknown> FSourcePanels{};
  std::unique_ptr<TPhonePages> FPhonePages;
  std::unique_ptr<TMidiPreview> FPreview;
  std::unique_ptr<TTargetFiles> FTargetFiles;
};
