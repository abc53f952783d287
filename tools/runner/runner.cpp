// Playing a script: feeding input, running checks, reporting.
#include "tools/runner/runner.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>

#include "platform/files.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_media.h"
#include "savegame/save_load.h"
#include "shell/shell.h"
#include "tools/runner/dump.h"
#include "tools/runner/script.h"
#include "tools/runner/world_dump.h"
#include "util/printable.h"

namespace vt {

namespace {

struct ExpectationFailed {};

class ScriptPlayer {
 public:
  ScriptPlayer(const RunnerOptions& options, std::vector<ScriptCommand> commands, std::ostream& out,
               std::ostream& err)
      : options_(options),
        commands_(std::move(commands)),
        out_(out),
        err_(err),
        platform_(media_),
        shell_(platform_, options.dataFolder) {
    platform_.display = options.display;
    platform_.logPixelsX = options.dpi;
    platform_.anotherCopy = options.anotherCopy;
    platform_.feeder = [this] { return Feed(); };
    if (!options.savesFolder.empty()) {
      // A run that keeps its saves apart starts from five empty slots, so it plays the
      // same every time.
      shell_.game.savesFolder = options.savesFolder;
      MakeEmptySlots(options.savesFolder);
    }
  }

  int Play() {
    try {
      shell_.Run();
    } catch (const ScriptEnded&) {
      if (!stuckIn_.empty()) {
        err_ << options_.scriptName << ": the script ended while the window " << stuckIn_
             << " waits for input\n";
        return 3;
      }
      return 0;
    } catch (const ExpectationFailed&) {
      return 1;
    }
    // The program ended (or closed every window): what is left may only look.
    while (next_ < commands_.size()) {
      const ScriptCommand& c = commands_[next_++];
      if (c.IsInput()) {
        err_ << c.file << ":" << c.line << ": the program has ended; no more input can be given\n";
        return 1;
      }
      if (!RunCheck(c)) return 1;
    }
    return 0;
  }

 private:
  // Runs script lines until one hands input to the game; false at the end.
  bool Feed() {
    while (next_ < commands_.size()) {
      const ScriptCommand& c = commands_[next_];
      if (c.kind == ScriptCommand::Kind::Talk) {
        if (Conversing() && ++talkPresses_ <= kMostTalkPresses) {
          platform_.PushWait(1000);  // the line is typed meanwhile
          InputEvent enter;
          enter.kind = InputEvent::Kind::KeyDown;
          enter.keyCode = key::kEnter;
          platform_.Push(enter);
          return true;
        }
        talkPresses_ = 0;
        ++next_;
        continue;
      }
      ++next_;
      if (c.IsInput()) {
        QueueInput(c);
        return true;
      }
      if (!RunCheck(c)) throw ExpectationFailed{};
    }
    const Form* active = game_.ui.ActiveForm();
    if (!game_.ui.ModalStack().empty() && active) stuckIn_ = active->Name();
    return false;
  }

  // The conversation window is open and waits for nothing but Enter.
  bool Conversing() const {
    const auto& modal = game_.ui.ModalStack();
    return !modal.empty() && modal.back() == &shell_.talkForm && shell_.talkForm.Text1 &&
           !shell_.talkForm.Text1->Visible;
  }

  void QueueInput(const ScriptCommand& c) {
    using Kind = ScriptCommand::Kind;
    InputEvent e;
    e.shift = c.shift;
    switch (c.kind) {
      case Kind::Key:
        platform_.PushKey(c.keyCode, c.shift);
        break;
      case Kind::KeyDown:
      case Kind::KeyUp:
        e.kind = c.kind == Kind::KeyDown ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        e.keyCode = c.keyCode;
        platform_.Push(e);
        break;
      case Kind::Click:
        platform_.PushClick(c.x, c.y, c.button, c.shift);
        break;
      case Kind::Move:
        e.kind = InputEvent::Kind::MouseMove;
        e.x = c.x;
        e.y = c.y;
        platform_.Push(e);
        break;
      case Kind::Type:
        for (char ch : c.text) {
          InputEvent press;
          press.kind = InputEvent::Kind::KeyPress;
          press.ch = ch;
          platform_.Push(press);
        }
        break;
      case Kind::Pad:
      case Kind::PadDown:
      case Kind::PadUp: {
        const auto button = static_cast<PadButton>(c.keyCode);
        if (c.kind != Kind::PadUp) platform_.PushPad(button, true);
        if (c.kind != Kind::PadDown) platform_.PushPad(button, false);
        break;
      }
      case Kind::Stick:
        platform_.PushStick(c.x, c.y);
        break;
      case Kind::PadGone:
        platform_.PushPadGone();
        break;
      case Kind::Wait:
        platform_.PushWait(c.ms);
        break;
      default:
        break;
    }
  }

  // The state at a dump path; a path into the world builds only what it names.
  std::optional<Json> StateAt(std::string_view path) {
    constexpr std::string_view kWorld = "world.";
    if (path.starts_with(kWorld)) return DumpWorldPath(game_.world, path.substr(kWorld.size()));
    const bool wholeWorld = path.empty() || path == "world";
    const Json state = DumpState(game_, platform_, wholeWorld);
    const Json* part = path.empty() ? &state : state.AtPath(path);
    if (part == nullptr) return std::nullopt;
    return *part;
  }

  // Puts a file into a slot, or checks that a slot holds exactly a file's bytes.
  bool RunSlot(const ScriptCommand& c, const std::string& where) {
    const std::string file = ScriptFileBeside(c.file, c.text);
    const std::string slot = SlotPath(game_, c.x - 1);
    const auto wanted = ReadBytes(file);
    if (!wanted) {
      err_ << where << "cannot read " << file << "\n";
      return false;
    }
    if (c.kind == ScriptCommand::Kind::Slot) {
      std::ofstream out(slot, std::ios::binary);
      out << *wanted;
      if (!out) err_ << where << "cannot write " << slot << "\n";
      return static_cast<bool>(out);
    }
    const std::string held = ReadBytes(slot).value_or("");
    if (held == *wanted) return true;
    // Name the first line that differs, so a changed story is easy to follow.
    std::size_t line = 1;
    std::size_t at = 0;
    while (at < held.size() && at < wanted->size() && held[at] == (*wanted)[at])
      line += held[at++] == '\n';
    auto lineAt = [at](const std::string& s) {
      const std::size_t start = s.rfind('\n', at == 0 ? 0 : at - 1);
      const std::size_t from = start == std::string::npos || at == 0 ? 0 : start + 1;
      std::string text = s.substr(from, s.find('\n', from) - from);
      if (!text.empty() && text.back() == '\r') text.pop_back();
      return Printable(text);
    };
    err_ << where << "slot " << c.x << " differs from " << file << " at line " << line
         << ": expected \"" << lineAt(*wanted) << "\", got \"" << lineAt(held) << "\"\n";
    return false;
  }

  static std::optional<std::string> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  bool RunCheck(const ScriptCommand& c) {
    using Kind = ScriptCommand::Kind;
    const std::string where = c.file + ":" + std::to_string(c.line) + ": ";
    if (c.kind == Kind::Shot) {
      game_.ui.Refresh();
      if (!media_.SavePng(game_.ui.Canvas(), c.text)) {
        err_ << where << "could not write " << c.text << "\n";
        return false;
      }
      return true;
    }
    if (c.kind == Kind::Slot || c.kind == Kind::ExpectSlot) return RunSlot(c, where);
    const std::optional<Json> found = StateAt(c.text);
    const Json* part = found ? &*found : nullptr;
    if (c.kind == Kind::Dump) {
      if (part == nullptr) {
        err_ << where << "dump: nothing at " << c.text << "\n";
        return false;
      }
      out_ << part->Dump() << "\n";
      return true;
    }
    if (c.value == "absent") {
      // A closed window, or anything else not in the state.
      if (part == nullptr) return true;
      err_ << where << "expect " << c.text << ": expected nothing there, got " << part->Dump()
           << "\n";
      return false;
    }
    const auto expected = Json::Parse(c.value);
    if (!expected) {
      err_ << where << "expect " << c.text << ": the value " << c.value << " is not JSON\n";
      return false;
    }
    const Json* actual = part;
    if (actual == nullptr) {
      err_ << where << "expect " << c.text << ": expected " << expected->Dump()
           << ", but there is nothing at that path\n";
      return false;
    }
    if (!(*actual == *expected)) {
      err_ << where << "expect " << c.text << ": expected " << expected->Dump() << ", got "
           << actual->Dump() << "\n";
      return false;
    }
    return true;
  }

  const RunnerOptions& options_;
  std::vector<ScriptCommand> commands_;
  std::size_t next_ = 0;
  std::ostream& out_;
  std::ostream& err_;
  SdlMedia media_;
  HeadlessPlatform platform_;
  static constexpr int kMostTalkPresses = 2000;  // a conversation never needs as many
  int talkPresses_ = 0;
  Shell shell_;
  Game& game_ = shell_.game;
  std::string stuckIn_;
};

}  // namespace

int RunScript(const RunnerOptions& options, const std::string& scriptText, std::ostream& out,
              std::ostream& err) {
  ScriptParse parsed = ParseScript(scriptText, options.scriptName);
  if (!parsed.error.empty()) {
    err << options.scriptName << ": " << parsed.error << "\n";
    return 2;
  }
  ScriptPlayer player(options, std::move(parsed.commands), out, err);
  return player.Play();
}

}  // namespace vt
