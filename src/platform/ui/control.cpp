// Painting and keyboard behaviour of the standard controls.
#include "platform/ui/control.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"
#include "platform/ui/form.h"

namespace vt {

void MissingControl(int index) {
  std::fprintf(stderr, "Veltrane: no control with index %d\n", index);
  std::abort();
}

Control::Control(Form& owner, ControlKind kind, std::string name, int index, Rect bounds)
    : Bounds(bounds), owner_(owner), kind_(kind), name_(std::move(name)), index_(index) {}

std::string Control::Key() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::CanFocus() const {
  return Visible && Enabled &&
         (kind_ == ControlKind::TextBox || kind_ == ControlKind::OptionButton ||
          kind_ == ControlKind::CommandButton);
}

std::vector<std::string> WrapText(TextRenderer& text, const FontSpec& font,
                                  std::string_view caption, int width) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= caption.size()) {
    std::size_t end = caption.find('\n', start);
    if (end == std::string_view::npos) end = caption.size();
    std::string_view para = caption.substr(start, end - start);
    if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
    // Greedy word wrap within the paragraph.
    std::string line;
    std::size_t pos = 0;
    while (pos < para.size()) {
      std::size_t next = para.find(' ', pos);
      if (next == std::string_view::npos) next = para.size();
      std::string candidate = line;
      if (!candidate.empty()) candidate += ' ';
      candidate += para.substr(pos, next - pos);
      if (!line.empty() && text.Measure(font, candidate).w > width) {
        lines.push_back(line);
        line = std::string(para.substr(pos, next - pos));
      } else {
        line = std::move(candidate);
      }
      pos = next + 1;
    }
    lines.push_back(line);
    if (end == caption.size()) break;
    start = end + 1;
  }
  return lines;
}

std::string StripMnemonic(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&J" shows "J", "&&" shows "&"
    shown += caption[i];
  }
  return shown;
}

void DrawCaption(Surface& canvas, TextRenderer& text, const FontSpec& font,
                 std::string_view caption, Rect box, Align align, Color color, bool vcenter) {
  if (caption.empty()) return;
  // Captions mark their keyboard letter with '&', which is not shown.
  const auto lines = WrapText(text, font, StripMnemonic(caption), box.w);
  const int lineHeight = text.LineHeight(font);
  int y = box.y;
  if (vcenter) y += (box.h - lineHeight * static_cast<int>(lines.size())) / 2;
  // Text may not spill out of its control: draw into a scratch the box's size.
  Surface clip(box.w, box.h, kKeyColor);
  int lineY = y - box.y;
  for (const auto& line : lines) {
    const int w = text.Measure(font, line).w;
    int x = 0;
    if (align == Align::Center) x = (box.w - w) / 2;
    if (align == Align::Right) x = box.w - w;
    Copy(clip, 0, lineY, canvas, box.x, box.y + lineY, box.w, lineHeight);
    text.Draw(clip, x, lineY, font, line, color);
    Copy(canvas, box.x, box.y + lineY, clip, 0, lineY, box.w, std::min(lineHeight, box.h - lineY));
    lineY += lineHeight;
  }
}

void Control::Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const {
  const Rect r{originX + Bounds.x, originY + Bounds.y, Bounds.w, Bounds.h};
  if (!Transparent) FillRect(canvas, r, BackColor);
  const int border = Border ? BorderWidth : 0;
  for (int i = 0; i < border; ++i)
    FrameRect(canvas, {r.x + i, r.y + i, r.w - 2 * i, r.h - 2 * i}, BorderColor);
  const Rect inner{r.x + border, r.y + border, r.w - 2 * border, r.h - 2 * border};
  DrawCaption(canvas, text, Font, Caption, inner, Alignment, Enabled ? ForeColor : kGrayText,
              false);
}

bool Control::KeyDown(int, int) { return false; }
bool Control::KeyPress(char) { return false; }

// --- CommandButton ---------------------------------------------------------

CommandButton::CommandButton(Form& owner, std::string name, int index, Rect bounds)
    : Control(owner, ControlKind::CommandButton, std::move(name), index, bounds) {
  Alignment = Align::Center;
}

namespace {

void DottedFrame(Surface& canvas, Rect r) {
  for (int x = r.x; x < r.x + r.w; x += 2) {
    canvas.Set(x, r.y, kBlack);
    canvas.Set(x, r.y + r.h - 1, kBlack);
  }
  for (int y = r.y; y < r.y + r.h; y += 2) {
    canvas.Set(r.x, y, kBlack);
    canvas.Set(r.x + r.w - 1, y, kBlack);
  }
}

}  // namespace

void CommandButton::Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const {
  const Rect r{originX + Bounds.x, originY + Bounds.y, Bounds.w, Bounds.h};
  FillRect(canvas, r, BackColor);
  const Color light = Pressed ? kBlack : kWhite;
  const Color dark = Pressed ? kWhite : kBlack;
  FillRect(canvas, {r.x, r.y, r.w, 1}, light);
  FillRect(canvas, {r.x, r.y, 1, r.h}, light);
  FillRect(canvas, {r.x, r.y + r.h - 1, r.w, 1}, dark);
  FillRect(canvas, {r.x + r.w - 1, r.y, 1, r.h}, dark);
  if (!Pressed) {
    FillRect(canvas, {r.x + 1, r.y + r.h - 2, r.w - 2, 1}, kButtonShadow);
    FillRect(canvas, {r.x + r.w - 2, r.y + 1, 1, r.h - 2}, kButtonShadow);
  }
  const int shiftPx = Pressed ? 1 : 0;
  const Rect inner{r.x + 4 + shiftPx, r.y + 4 + shiftPx, r.w - 8, r.h - 8};
  DrawCaption(canvas, text, Font, Caption, inner, Align::Center, Enabled ? ForeColor : kGrayText,
              true);
  if (Owner().Focus == this) DottedFrame(canvas, {r.x + 3, r.y + 3, r.w - 6, r.h - 6});
}

bool CommandButton::KeyDown(int keyCode, int) {
  if (keyCode != key::kSpace && keyCode != key::kEnter) return false;
  if (Click) Click();
  return true;
}

// --- OptionButton ----------------------------------------------------------

OptionButton::OptionButton(Form& owner, std::string name, int index, Rect bounds)
    : Control(owner, ControlKind::OptionButton, std::move(name), index, bounds) {}

void OptionButton::Select() {
  for (const auto& c : Owner().Controls()) {
    if (c.get() != this && c->Kind() == ControlKind::OptionButton)
      static_cast<OptionButton&>(*c).Value = false;
  }
  Value = true;
  if (Click) Click();
}

void OptionButton::Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const {
  const Rect r{originX + Bounds.x, originY + Bounds.y, Bounds.w, Bounds.h};
  if (!Transparent) FillRect(canvas, r, BackColor);
  // A round 12-pixel box: white inside, grey rim, black dot when chosen.
  const int d = 12;
  const int cx = r.x + d / 2;
  const int cy = r.y + r.h / 2;
  for (int y = -d / 2; y < d / 2; ++y) {
    for (int x = -d / 2; x < d / 2; ++x) {
      const double dist = (x + 0.5) * (x + 0.5) + (y + 0.5) * (y + 0.5);
      if (dist <= 36.0) canvas.Set(cx + x, cy + y, dist > 25.0 ? kButtonShadow : kWhite);
      if (Value && dist <= 5.0) canvas.Set(cx + x, cy + y, Enabled ? kBlack : kGrayText);
    }
  }
  const Rect label{r.x + d + 5, r.y, r.w - d - 5, r.h};
  DrawCaption(canvas, text, Font, Caption, label, Align::Left, Enabled ? ForeColor : kGrayText,
              true);
  if (Owner().Focus == this) {
    const int w = std::min(label.w, text.Measure(Font, Caption).w + 2);
    DottedFrame(canvas, {label.x - 1, r.y, w, r.h});
  }
}

bool OptionButton::KeyDown(int keyCode, int) {
  const bool forward = keyCode == key::kDown || keyCode == key::kRight;
  const bool back = keyCode == key::kUp || keyCode == key::kLeft;
  if (keyCode == key::kSpace) {
    Select();
    return true;
  }
  if (!forward && !back) return false;
  // Arrow keys walk the group in tab order and choose the option they reach.
  std::vector<OptionButton*> group;
  for (const auto& c : Owner().Controls())
    if (c->Kind() == ControlKind::OptionButton && c->CanFocus())
      group.push_back(static_cast<OptionButton*>(c.get()));
  auto it = std::find(group.begin(), group.end(), this);
  if (it == group.end() || group.size() < 2) return true;
  std::size_t at = static_cast<std::size_t>(it - group.begin());
  at = forward ? (at + 1) % group.size() : (at + group.size() - 1) % group.size();
  Owner().SetFocus(group[at]);
  group[at]->Select();
  return true;
}

// --- TextBox ---------------------------------------------------------------

TextBox::TextBox(Form& owner, std::string name, int index, Rect bounds)
    : Control(owner, ControlKind::TextBox, std::move(name), index, bounds) {
  BackColor = kWhite;
}

void TextBox::Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const {
  const Rect r{originX + Bounds.x, originY + Bounds.y, Bounds.w, Bounds.h};
  if (!Transparent) FillRect(canvas, r, BackColor);
  if (Border) {
    FillRect(canvas, {r.x, r.y, r.w, 1}, kButtonShadow);
    FillRect(canvas, {r.x, r.y, 1, r.h}, kButtonShadow);
  }
  const Rect inner{r.x + 3, r.y + 2, r.w - 6, r.h - 4};
  Surface clip(std::max(0, inner.w), std::max(0, inner.h));
  Copy(clip, 0, 0, canvas, inner.x, inner.y, inner.w, inner.h);
  const int lineH = text.LineHeight(Font);
  const int y = (inner.h - lineH) / 2;
  if (SelectedAll && !Text.empty()) {
    // Selected text shows reversed, as the desktop draws it.
    FillRect(clip, {0, std::max(0, y), text.Measure(Font, Text).w + 1, lineH}, kSelection);
    text.Draw(clip, 0, y, Font, Text, kWhite);
  } else {
    text.Draw(clip, 0, y, Font, Text, Enabled ? ForeColor : kGrayText);
  }
  if (Owner().Focus == this && !SelectedAll) {
    const int caretX = std::min(inner.w - 1, text.Measure(Font, Text).w + 1);
    FillRect(clip, {caretX, std::max(0, y), 1, std::min(lineH, inner.h)}, ForeColor);
  }
  Copy(canvas, inner.x, inner.y, clip, 0, 0, inner.w, inner.h);
}

// Editing happens at the end of the text only (typed characters and
// Backspace arrive as key presses); the game's boxes hold short names.
bool TextBox::KeyDown(int keyCode, int) {
  if (keyCode == key::kLeft || keyCode == key::kRight || keyCode == key::kHome ||
      keyCode == key::kEnd)
    SelectedAll = false;
  return false;
}

bool TextBox::KeyPress(char ch) {
  if (Locked || !Enabled) return false;
  if (SelectedAll && (ch == '\b' || static_cast<unsigned char>(ch) >= 32)) {
    SelectedAll = false;
    Text.clear();
    if (ch == '\b') {
      if (Change) Change();
      return true;
    }
  }
  if (ch == '\b') {
    if (!Text.empty()) {
      Text.pop_back();
      if (Change) Change();
    }
    return true;
  }
  if (static_cast<unsigned char>(ch) < 32) return false;
  if (MaxLength > 0 && static_cast<int>(Text.size()) >= MaxLength) return true;
  Text += ch;
  if (Change) Change();
  return true;
}

// --- PictureBox ------------------------------------------------------------

PictureBox::PictureBox(Form& owner, std::string name, int index, Rect bounds)
    : Control(owner, ControlKind::PictureBox, std::move(name), index, bounds) {
  Picture.Resize(std::max(0, bounds.w), std::max(0, bounds.h), BackColor);
}

void PictureBox::Print(std::string_view line, TextRenderer& text) {
  text.Draw(Picture, CurrentX, CurrentY, Font, line, ForeColor);
  CurrentX = 0;
  CurrentY += text.LineHeight(Font);
}

void PictureBox::Cls() {
  Picture.Clear(BackColor);
  CurrentX = 0;
  CurrentY = 0;
}

void PictureBox::Paint(Surface& canvas, int originX, int originY, TextRenderer&) const {
  const Rect r{originX + Bounds.x, originY + Bounds.y, Bounds.w, Bounds.h};
  if (!Transparent) FillRect(canvas, r, BackColor);
  // A border takes the outer pixel; the picture shows inside it.
  const int inset = Border ? 1 : 0;
  const Surface& shown = Source ? *Source : Picture;
  const int w = std::min(Bounds.w - 2 * inset, shown.Width());
  const int h = std::min(Bounds.h - 2 * inset, shown.Height());
  if (Transparent)
    CopyKeyed(canvas, r.x + inset, r.y + inset, shown, 0, 0, w, h);
  else
    Copy(canvas, r.x + inset, r.y + inset, shown, 0, 0, w, h);
  if (Border) FrameRect(canvas, r, kBlack);
}

}  // namespace vt
