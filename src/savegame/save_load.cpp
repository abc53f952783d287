// Saving into a slot and loading from one.
#include "savegame/save_load.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "audio/sound.h"
#include "core/game.h"
#include "data/district_file.h"
#include "interaction/interaction.h"
#include "platform/files.h"
#include "savegame/safe_write.h"
#include "savegame/saved_game.h"

namespace vt {
namespace {

constexpr const char* kMessagePicture = "Morvane13.dat";
constexpr const char* kContinue = "Press any key or Click to Continue";

// The whole file, or nothing when it cannot be read or is too large to be a save.
std::optional<std::string> ReadSlotFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text;
  char buf[4096];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    text.append(buf, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxSaveBytes) break;  // the reader says why
  }
  return text;
}

const Form* TopWindow(Game& game) { return game.ui.TopForm(); }

void Tell(Game& game, const char* message) {
  game.windows.ShowSign(kMessagePicture, message, kContinue, TopWindow(game));
}

// The screen must lie inside its district, as the district file draws it.
std::string CheckAgainstDistrict(const Game& game, const SavedGame& g) {
  const DistrictScreenResult district =
      ReadDistrictScreen(game.Path(DistrictFileName(g.district)), g.screenRow, g.screenCol);
  const int rows = district.screen.height / 12;
  const int cols = district.screen.width / 20;
  if (rows <= 0 || cols <= 0) return "district " + std::to_string(g.district) + " cannot be read";
  if (g.screenRow > rows || g.screenCol > cols || !district.screen.found)
    return "screen " + std::to_string(g.screenRow) + "," + std::to_string(g.screenCol) +
           " lies outside district " + std::to_string(g.district);
  return "";
}

void Apply(Game& game, const SavedGame& g) {
  WorldState& w = game.world;
  GameScreen& screen = game.windows.Screen();
  CloseMusic(game.platform);
  w.District = static_cast<std::int16_t>(g.district);
  if (!screen.Window().IsLoaded()) screen.Window().Load();  // loading from the title screen
  screen.StartNewGame(GameStart::Load);
  w.ScreenRow = static_cast<std::int16_t>(g.screenRow);
  w.ScreenCol = static_cast<std::int16_t>(g.screenCol);
  w.HeroX = static_cast<std::int16_t>(g.heroX);
  w.HeroY = static_cast<std::int16_t>(g.heroY);
  w.HeroFacing = g.facing;
  w.IncomingText = g.incomingText;
  w.TransNumber = static_cast<std::uint8_t>(g.transNumber);
  screen.SetPlaceCaptions(g.districtName, g.locationName);
  for (const int object : g.inventory) InventoryAction(game, InvAction::Load, object);
  w.DistrictOpen = g.districtOpen;
  w.StoryFlags = g.storyFlags;
  w.Transmissions = g.transmissions;
  for (const ChangedCell& c : g.cells)
    w.CellChanged[static_cast<std::size_t>(c.district)][static_cast<std::size_t>(c.screenRow)]
                 [static_cast<std::size_t>(c.screenCol)][static_cast<std::size_t>(c.tileRow)]
                 [static_cast<std::size_t>(c.tileCol)] = true;
  screen.SetScreen();
  w.ScriptFlag1 = false;
  w.SaveLoadOK = true;
  w.TalkFlag = true;
}

}  // namespace

std::string SlotFileName(int slot) { return "Zorl" + std::to_string(slot + 15) + ".dat"; }

std::string SlotPath(const Game& game, int slot) {
  return DataPath(game.savesFolder, SlotFileName(slot));
}

void MakeEmptySlots(const std::string& folder) {
  std::filesystem::create_directories(folder);
  for (int slot = 0; slot < kSlotCount; ++slot)
    std::ofstream(DataPath(folder, SlotFileName(slot)), std::ios::binary) << kEmptySlot << "\r\n";
}

SlotSummary ReadSlotSummary(const Game& game, int slot) {
  SlotSummary summary;
  const auto text = ReadSlotFile(SlotPath(game, slot));
  if (!text) return summary;
  const std::vector<std::string_view> lines = SplitLines(*text);
  if (lines.empty() || lines[0] == kEmptySlot) return summary;
  summary.name = ShownName(lines[0]);
  summary.empty = false;
  if (lines.size() >= 10) {
    summary.where = std::string(lines[8]);
    if (lines[9] != "*") summary.where += ", " + std::string(lines[9]);
    summary.where += ".";
  }
  return summary;
}

bool SaveGame(Game& game, int slot, std::string_view name, FileOps& files) {
  const GameScreen& screen = game.windows.Screen();
  const SavedGame g =
      CaptureSavedGame(game.world, name, screen.DistrictCaption(), screen.LocationCaption());
  std::string problem;
  if (!WriteFileSafely(files, SlotPath(game, slot), FormatSavedGame(g), problem)) {
    game.ReportOnce("the game could not be saved: " + problem);
    game.world.SaveLoadOK = false;
    Tell(game, "The game could not be saved");
    return false;
  }
  game.world.SaveLoadOK = true;
  return true;
}

bool SaveGame(Game& game, int slot, std::string_view name) {
  return SaveGame(game, slot, name, SystemFiles());
}

bool LoadGame(Game& game, int slot) {
  const std::string path = SlotPath(game, slot);
  const auto text = ReadSlotFile(path);
  ParsedSave parsed =
      text ? ParseSavedGame(*text) : ParsedSave{std::nullopt, "the file cannot be read"};
  if (parsed.game) parsed.problem = CheckAgainstDistrict(game, *parsed.game);
  if (!parsed.game || !parsed.problem.empty()) {
    game.ReportOnce("the saved game " + path + " cannot be read: " + parsed.problem);
    game.world.SaveLoadOK = false;
    Tell(game, "This saved game cannot be read");
    return false;
  }
  Apply(game, *parsed.game);
  return true;
}

}  // namespace vt
