// A small Standard MIDI File reader: enough to know how long a track plays
// (the game restarts its music by the clock, so the file's own length matters),
// which instruments it asks for and which channels sound.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace forge {

struct MidiSummary {
  bool valid = false;
  std::string error;  // why the file was refused
  int format = 0;
  int trackCount = 0;
  double seconds = 0;             // time of the last event of any track (end-of-track included)
  double lastNoteOffSeconds = 0;  // time the last sounding note is released
  std::set<int> programs;         // every program change (0-127)
  std::array<int, 16> notesPerChannel{};  // note-ons with a velocity, by channel (0-15)
  int hangingNotes = 0;                   // note-ons never released

  int ChannelsWithNotes() const;
};

// Reads a whole file from memory; never throws.
MidiSummary ReadMidi(const std::vector<std::uint8_t>& bytes);
MidiSummary ReadMidiFile(const std::string& path);

}  // namespace forge
