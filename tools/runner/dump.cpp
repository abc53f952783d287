// Building the state dump from a running game.
#include "tools/runner/dump.h"

#include <cstdio>

#include "cinematics/info_form.h"
#include "core/game.h"
#include "dialogue/talk_form.h"
#include "platform/headless/headless_platform.h"
#include "platform/text.h"
#include "shell/game_menu.h"
#include "shell/title_form.h"
#include "tools/runner/world_dump.h"
#include "transmission/morse_form.h"

namespace vt {

std::string ColorText(unsigned color) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", (color >> 16) & 255, (color >> 8) & 255,
                color & 255);
  return buf;
}

namespace {

Json DumpControl(const Control& c) {
  Json j = Json::MakeObject();
  j.Set("caption", Cp1252ToUtf8(c.Caption));
  j.Set("visible", c.Visible);
  j.Set("enabled", c.Enabled);
  j.Set("forecolor", ColorText(c.ForeColor));
  j.Set("border", c.Border);
  if (c.Kind() == ControlKind::Label && !c.Transparent) j.Set("backcolor", ColorText(c.BackColor));
  if (c.Kind() == ControlKind::OptionButton)
    j.Set("value", static_cast<const OptionButton&>(c).Value);
  if (c.Kind() == ControlKind::TextBox)
    j.Set("text", Cp1252ToUtf8(static_cast<const TextBox&>(c).Text));
  return j;
}

Json DumpWindows(const Ui& ui) {
  Json windows = Json::MakeObject();
  for (const Form* f : ui.Forms()) {
    if (!f->IsLoaded()) continue;
    Json w = Json::MakeObject();
    w.Set("visible", f->Visible());
    w.Set("modal", f->IsModal());
    w.Set("x", f->Bounds.x);
    w.Set("y", f->Bounds.y);
    Json controls = Json::MakeObject();
    for (const auto& c : f->Controls()) controls.Set(c->Key(), DumpControl(*c));
    w.Set("controls", std::move(controls));
    if (const auto* talk = dynamic_cast<const TalkForm*>(f)) {
      // What the player reads: who speaks and the rows typed so far.
      w.Set("speaker", talk->Speaker());
      Json rows = Json::MakeArray();
      for (const std::string& row : talk->Rows()) rows.Push(Cp1252ToUtf8(row));
      w.Set("rows", std::move(rows));
    }
    if (const auto* morse = dynamic_cast<const MorseForm*>(f)) {
      // The terminal's lines as printed, the status line and the reports waiting.
      Json lines = Json::MakeArray();
      for (const std::string& line : morse->Screen().Lines()) lines.Push(Cp1252ToUtf8(line));
      w.Set("terminal", std::move(lines));
      w.Set("status", Cp1252ToUtf8(morse->Status->Caption));
      w.Set("statuscolor", ColorText(morse->Status->ForeColor));
      Json pending = Json::MakeArray();
      for (const auto& [index, line] : morse->Label2)
        if (line->Visible) pending.Push(Cp1252ToUtf8(line->Caption));
      w.Set("pending", std::move(pending));
    }
    if (const auto* info = dynamic_cast<const InfoForm*>(f)) {
      // Which sequence plays, the step on the screen, the presentation's lettering.
      w.Set("sequence", info->Sequence());
      w.Set("step", info->StepShown());
      w.Set("printed", info->Printed());
    }
    if (const auto* title = dynamic_cast<const Big*>(f)) w.Set("selected", title->Selected());
    if (const auto* menu = dynamic_cast<const Menu*>(f)) w.Set("selected", menu->Selected());
    windows.Set(f->Name(), std::move(w));
  }
  return windows;
}

}  // namespace

Json DumpState(const Game& game, HeadlessPlatform& platform, bool withWorld) {
  Json root = Json::MakeObject();
  if (withWorld) root.Set("world", DumpWorld(game.world));
  const Form* top = game.ui.TopForm();
  root.Set("top", top ? Json(top->Name()) : Json());
  root.Set("windows", DumpWindows(game.ui));
  Json effects = Json::MakeArray();
  for (const auto& e : platform.effects) effects.Push(e.name);
  root.Set("effects", std::move(effects));
  Json music = Json::MakeArray();
  for (const auto& m : platform.musicCommands) music.Push(m);
  root.Set("music", std::move(music));
  Json messages = Json::MakeArray();
  for (const auto& m : platform.messages) {
    Json box = Json::MakeObject();
    box.Set("title", Cp1252ToUtf8(m.title));
    box.Set("text", Cp1252ToUtf8(m.text));
    messages.Push(std::move(box));
  }
  root.Set("messages", std::move(messages));
  Json requests = Json::MakeArray();
  for (const auto& r : game.requests)
    requests.Push(r.times == 1 ? r.what : r.what + " (" + std::to_string(r.times) + " times)");
  root.Set("requests", std::move(requests));
  Json sections = Json::MakeArray();
  for (const auto& section : game.sectionsPlayed) sections.Push(section);
  root.Set("sections", std::move(sections));
  Json problems = Json::MakeArray();
  for (const auto& problem : game.Reported()) problems.Push(Cp1252ToUtf8(problem));
  root.Set("problems", std::move(problems));
  root.Set("ended", game.ui.Ended());
  root.Set("clock_ms", static_cast<double>(platform.NowUs() / 1000));
  return root;
}

}  // namespace vt
