// Standard MIDI File reading: chunks, delta times, running status, meta and
// system-exclusive events, and the tempo map that turns ticks into seconds.
#include "sound/midi_length.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>

namespace forge {

namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter (120 bpm)

struct Cursor {
  const std::vector<std::uint8_t>& bytes;
  std::size_t pos;
  std::size_t end;
  bool ok = true;

  bool More() const { return ok && pos < end; }
  std::uint8_t Byte() {
    if (pos >= end) {
      ok = false;
      return 0;
    }
    return bytes[pos++];
  }
  std::uint32_t Fixed(int count) {
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i) v = (v << 8) | Byte();
    return v;
  }
  // Variable-length quantity: at most four bytes of seven bits.
  std::uint32_t Varlen() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b = Byte();
      v = (v << 7) | (b & 0x7f);
      if (!(b & 0x80)) return v;
    }
    ok = false;
    return 0;
  }
  void Skip(std::uint32_t count) {
    if (count > end - pos) {
      ok = false;
      pos = end;
      return;
    }
    pos += count;
  }
};

struct TrackData {
  std::vector<std::pair<std::uint64_t, std::uint32_t>> tempos;  // tick, microseconds per quarter
  std::uint64_t lastTick = 0;
  std::uint64_t lastNoteOffTick = 0;
  bool ended = false;
};

void NoteOff(std::map<int, int>& open, int key, std::uint64_t tick, TrackData& t) {
  auto it = open.find(key);
  if (it == open.end() || it->second == 0) return;
  if (--it->second == 0) open.erase(it);
  t.lastNoteOffTick = std::max(t.lastNoteOffTick, tick);
}

// Reads one MTrk body; returns false with the summary's error set on bad data.
bool ReadTrack(Cursor& c, MidiSummary& s, TrackData& t) {
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  std::map<int, int> open;  // channel * 128 + key -> sounding count
  while (c.More() && !t.ended) {
    tick += c.Varlen();
    std::uint8_t status = c.Byte();
    if (status < 0x80) {  // running status: this byte is already data
      if (running == 0) {
        s.error = "data byte without a status";
        return false;
      }
      --c.pos;
      status = running;
    }
    if (status == 0xff) {
      running = 0;
      std::uint8_t type = c.Byte();
      std::uint32_t len = c.Varlen();
      std::size_t at = c.pos;
      c.Skip(len);
      if (!c.ok) break;
      if (type == 0x51 && len == 3)
        t.tempos.emplace_back(tick, (c.bytes[at] << 16) | (c.bytes[at + 1] << 8) | c.bytes[at + 2]);
      if (type == 0x2f) t.ended = true;
    } else if (status == 0xf0 || status == 0xf7) {
      running = 0;
      c.Skip(c.Varlen());
    } else if (status >= 0xf0) {
      s.error = "system message inside a track";
      return false;
    } else {
      running = status;
      int kind = status & 0xf0, channel = status & 0x0f;
      int a = c.Byte();
      int b = (kind == 0xc0 || kind == 0xd0) ? 0 : c.Byte();
      if (a > 0x7f || b > 0x7f) {
        s.error = "data byte out of range";
        return false;
      }
      if (kind == 0xc0) s.programs.insert(a);
      if (kind == 0x90 && b > 0) {
        ++s.notesPerChannel[channel];
        ++open[channel * 128 + a];
      } else if (kind == 0x80 || kind == 0x90) {
        NoteOff(open, channel * 128 + a, tick, t);
      }
    }
    t.lastTick = tick;
  }
  if (!c.ok) {
    s.error = "track cut short";
    return false;
  }
  if (!t.ended) {
    s.error = "track without an end";
    return false;
  }
  for (const auto& [key, count] : open) s.hangingNotes += count;
  return true;
}

// Seconds at a tick, walking the merged tempo map.
double TickSeconds(std::uint64_t tick, int division,
                   const std::vector<std::pair<std::uint64_t, std::uint32_t>>& tempos) {
  if (division < 0) {  // SMPTE: frames per second times ticks per frame
    int fps = -(division >> 8), perFrame = division & 0xff;
    return static_cast<double>(tick) / (fps * perFrame);
  }
  double seconds = 0;
  std::uint64_t at = 0;
  std::uint32_t tempo = kDefaultTempo;
  for (const auto& [when, value] : tempos) {
    if (when >= tick) break;
    seconds += static_cast<double>(when - at) * tempo / (1e6 * division);
    at = when;
    tempo = value;
  }
  return seconds + static_cast<double>(tick - at) * tempo / (1e6 * division);
}

}  // namespace

int MidiSummary::ChannelsWithNotes() const {
  return static_cast<int>(
      std::count_if(notesPerChannel.begin(), notesPerChannel.end(), [](int n) { return n > 0; }));
}

MidiSummary ReadMidi(const std::vector<std::uint8_t>& bytes) {
  MidiSummary s;
  Cursor c{bytes, 0, bytes.size()};
  if (c.Fixed(4) != 0x4d546864) {
    s.error = "no MThd header";
    return s;
  }
  std::uint32_t headerLen = c.Fixed(4);
  if (!c.ok || headerLen < 6) {
    s.error = "short header";
    return s;
  }
  std::size_t headerEnd = c.pos + headerLen;
  s.format = static_cast<int>(c.Fixed(2));
  int declared = static_cast<int>(c.Fixed(2));
  int division = static_cast<std::int16_t>(c.Fixed(2));
  if (!c.ok || headerEnd > bytes.size() || s.format > 2 || division == 0) {
    s.error = "bad header";
    return s;
  }
  c.pos = headerEnd;

  std::vector<TrackData> tracks;
  while (c.pos + 8 <= bytes.size()) {
    std::uint32_t id = c.Fixed(4), len = c.Fixed(4);
    if (len > bytes.size() - c.pos) {
      s.error = "chunk runs past the end";
      return s;
    }
    if (id != 0x4d54726b) {
      c.pos += len;
      continue;
    }  // unknown chunks are skipped
    Cursor body{bytes, c.pos, c.pos + len};
    TrackData t;
    if (!ReadTrack(body, s, t)) return s;
    tracks.push_back(std::move(t));
    c.pos += len;
  }
  s.trackCount = static_cast<int>(tracks.size());
  if (s.trackCount == 0 || s.trackCount != declared) {
    s.error = "track count mismatch";
    return s;
  }

  // Tempo changes in any track govern the shared timeline.
  std::vector<std::pair<std::uint64_t, std::uint32_t>> tempos;
  std::uint64_t last = 0, lastOff = 0;
  for (const auto& t : tracks) {
    tempos.insert(tempos.end(), t.tempos.begin(), t.tempos.end());
    last = std::max(last, t.lastTick);
    lastOff = std::max(lastOff, t.lastNoteOffTick);
  }
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  s.seconds = TickSeconds(last, division, tempos);
  s.lastNoteOffSeconds = TickSeconds(lastOff, division, tempos);
  s.valid = true;
  return s;
}

MidiSummary ReadMidiFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    MidiSummary s;
    s.error = "cannot open " + path;
    return s;
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  return ReadMidi(bytes);
}

}  // namespace forge
