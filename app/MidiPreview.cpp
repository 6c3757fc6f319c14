#include "app/MidiPreview.h"

#include <cstdio>

#include "app/VeskaroDateTime.h"
#include "app/Volumes.h"
#include "runtime/SysUtils.h"
#include "skin/SkinButton.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinTrackBar.h"
#include "windowing/Timer.h"

namespace {

std::string TimeCaption(int32_t totalMinutes, int32_t totalSeconds, int32_t minutes, int32_t seconds) {
  char caption[64];
  std::snprintf(caption, sizeof caption, "%02d:%02d - %02d:%02d", totalMinutes, totalSeconds, minutes, seconds);
  return caption;
}

TMediaPlayer* NewPlayer(TComponent& owner, const TMediaPlayerSetup& setup) {
  auto* player = new TMediaPlayer(&owner, setup);
  player->SetName("mpMIDI");
  return player;
}

}  // namespace

TMidiPreview::TMidiPreview(const TMidiPreviewComponents& components, TComponent& owner, const TMediaPlayerSetup& player,
                           TAudioDevices* audioDevices, const std::string& sourceFile)
    : TMidiPreviewComponents(components),
      mpMIDI(NewPlayer(owner, player)),
      FAudioDevices(audioDevices),
      FSourceFile(sourceFile) {}

TMidiPreview::~TMidiPreview() = default;

void TMidiPreview::BindVolumeBar() {
  FVolumeControl = FAudioDevices ? std::make_unique<TVolumeControl>(nullptr, *FAudioDevices)
                                 : std::make_unique<TVolumeControl>(nullptr);
  FVolumeControl->SetMidiTrackBar(tbVoiceLevel);
}

void TMidiPreview::ShowPlayButton(bool play) {
  btnMIDIPlay->SetVisible(play);
  btnMidiPause->SetVisible(!play);
}

void TMidiPreview::ShowLength() {
  const int32_t length = mpMIDI->Length();
  SecondsToMinSec(length / 1000, FTotalMinutes, FTotalSeconds);
  gbPlayMIDI->SetCaption(TimeCaption(FTotalMinutes, FTotalSeconds, 0, 0));
  tbPlayMIDI->SetPosition(0);
  tbPlayMIDI->SetMax(length);
  ShowPlayButton(true);
}

void TMidiPreview::Open(const std::string& path) {
  const std::string previous = mpMIDI->FileName();
  mpMIDI->Close();
  mpMIDI->SetFileName(path);
  try {
    mpMIDI->Open();
  } catch (...) {
    mpMIDI->SetFileName(previous);
    throw;
  }
  mpMIDI->SetTimeFormat(tfMilliseconds);
}

void TMidiPreview::Close() {
  mpMIDI->Close();
  ShowPlayButton(true);
}

void TMidiPreview::Play() {
  if (Trim(FSourceFile).empty()) return;
  if (mpMIDI->Mode() == mpNotReady) {
    mpMIDI->Open();
    mpMIDI->SetTimeFormat(tfMilliseconds);
  }
  if (mpMIDI->Mode() == mpNotReady) return;
  // Pause shows once the sound really plays: a missing sound device raises here.
  mpMIDI->Play();
  ShowPlayButton(false);
  tmMIDIPlayer->SetEnabled(true);
}

void TMidiPreview::Pause() {
  ShowPlayButton(true);
  mpMIDI->Pause();
}

void TMidiPreview::Stop() {
  mpMIDI->Stop();
  mpMIDI->Seek(0);
  tbPlayMIDI->SetPosition(0);
  ShowPlayButton(true);
}

void TMidiPreview::SeekToBar() {
  try {
    const TMPModes mode = mpMIDI->Mode();
    if (mode == mpPlaying) {
      mpMIDI->Pause();
      mpMIDI->Seek(tbPlayMIDI->Position());
      mpMIDI->Play();
    } else if (mode == mpPaused) {
      mpMIDI->Seek(tbPlayMIDI->Position());
    }
  } catch (const std::exception&) {
    // A seek that fails leaves the preview where it was.
  }
}

void TMidiPreview::ShowPosition() {
  if (mpMIDI->Mode() != mpPlaying) return;
  const int32_t position = mpMIDI->Position();
  tbPlayMIDI->SetPosition(position);
  int32_t minutes = 0, seconds = 0;
  SecondsToMinSec(position / 1000, minutes, seconds);
  gbPlayMIDI->SetCaption(TimeCaption(FTotalMinutes, FTotalSeconds, minutes, seconds));
}

void TMidiPreview::UpdateButtons() {
  btnMIDIPlay->SetEnabled(!FSourceFile.empty());
  btnMIDIStop->SetEnabled(mpMIDI->Mode() == mpPlaying);
}
