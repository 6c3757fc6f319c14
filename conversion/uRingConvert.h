// Copying a tune between any two notations, and the two conversions between
// a MIDI file's events and the tune's tones that the copy runs on the way.
#pragma once

#include <functional>
#include <memory>

class TRingFile;
class TMidiFile;

// Copies name, volume, default octave, tempo and the tones; the target keeps
// its own default duration, style and composer. A MIDI source is reduced to
// tones first; a MIDI target gets a track built from the tones.
void AssignRingFile(TRingFile& source, TRingFile& target);
// The same for a source that is done with once copied: its tones move into
// the target rather than being copied, and freeSource frees it then, before
// the target's track is written. The source is not read after.
void AssignRingFile(TRingFile& source, TRingFile& target, const std::function<void()>& freeSource);
// The same for a source made on the heap: it is freed, whether the copy
// succeeds or raises.
void AssignRingFile(std::unique_ptr<TRingFile> source, TRingFile& target);

// Fills the tune's Tempo and Track from its first MIDI track that sounds a
// note: the melody line of its notes in time order, the highest of notes
// that start together, a note cut where the next starts, rests where the
// line is silent; false when the file has no track.
bool MidiToTones(TMidiFile& midi);

// Appends one MIDI track built from the tune's own tones: each note sounds
// from its start for its own length, and a rest is the time between.
void TonesToMidi(TMidiFile& midi);
