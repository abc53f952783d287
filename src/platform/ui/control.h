// The controls a form is built from: labels, text boxes, option buttons, push
// buttons and picture boxes. Properties are plain members, as a form designer
// sets them; the toolkit repaints the whole canvas, so no setter is needed.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "platform/text.h"

namespace vt {

class Form;

enum class ControlKind { Label, TextBox, OptionButton, CommandButton, PictureBox };
enum class Align { Left, Right, Center };

// Classic window colours.
constexpr Color kButtonFace = Rgb(192, 192, 192);
constexpr Color kButtonShadow = Rgb(128, 128, 128);
constexpr Color kGrayText = Rgb(128, 128, 128);
constexpr Color kSelection = Rgb(0, 0, 128);  // behind selected text

using MouseHandler = std::function<void(int button, int shift, int x, int y)>;

class Control {
 public:
  Control(Form& owner, ControlKind kind, std::string name, int index, Rect bounds);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& Owner() const { return owner_; }
  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // -1 when the control is not in an array
  // "Label1(0)" for array members, "Command1" otherwise.
  std::string Key() const;
  bool CanFocus() const;

  // Position and size in pixels of the owner's client area.
  Rect Bounds;
  bool Visible = true;
  bool Enabled = true;
  std::string Caption;
  Color ForeColor = kBlack;
  Color BackColor = kButtonFace;
  bool Transparent = false;  // background style: draw no background
  bool Border = false;
  Color BorderColor = kBlack;
  int BorderWidth = 1;
  Align Alignment = Align::Left;
  FontSpec Font;
  // Mouse pointer over the control (from Platform::CreatePointer); -1: the form's.
  int Pointer = -1;

  std::function<void()> Click;
  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;

  virtual void Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const;

  // Keyboard handling while the control has the focus; true when used.
  virtual bool KeyDown(int keyCode, int shift);
  virtual bool KeyPress(char ch);

  // Set by the toolkit while the left button is held down on the control.
  bool Pressed = false;

 private:
  Form& owner_;
  ControlKind kind_;
  std::string name_;
  int index_;
};

class Label : public Control {
 public:
  Label(Form& owner, std::string name, int index, Rect bounds)
      : Control(owner, ControlKind::Label, std::move(name), index, bounds) {}
};

class CommandButton : public Control {
 public:
  CommandButton(Form& owner, std::string name, int index, Rect bounds);
  void Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const override;
  bool KeyDown(int keyCode, int shift) override;
};

class OptionButton : public Control {
 public:
  OptionButton(Form& owner, std::string name, int index, Rect bounds);
  bool Value = false;
  // Selects this option and clears the others of its form, then runs Click.
  void Select();
  void Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const override;
  bool KeyDown(int keyCode, int shift) override;
};

class TextBox : public Control {
 public:
  TextBox(Form& owner, std::string name, int index, Rect bounds);
  std::string Text;
  // The whole text is selected: the next character typed, or Backspace, replaces
  // it; an arrow key or Home/End puts the caret at the end instead.
  bool SelectedAll = false;
  int MaxLength = 0;  // 0 = no limit
  bool Locked = false;
  std::function<void()> Change;
  void Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const override;
  bool KeyDown(int keyCode, int shift) override;
  bool KeyPress(char ch) override;
};

class PictureBox : public Control {
 public:
  PictureBox(Form& owner, std::string name, int index, Rect bounds);
  // What the box shows; drawing code writes into it directly.
  Surface Picture;
  // When set, the box shows this surface (owned elsewhere) instead of Picture.
  const Surface* Source = nullptr;
  // Printing pen, in pixels of the box.
  int CurrentX = 0;
  int CurrentY = 0;
  // Prints one line at the pen and moves the pen to the start of the next line.
  void Print(std::string_view line, TextRenderer& text);
  void Cls();
  void Paint(Surface& canvas, int originX, int originY, TextRenderer& text) const override;
};

// Ends the program with a message: code asked for a control index its form never made.
[[noreturn]] void MissingControl(int index);

// Indexed control set ("Label1(0)", "Label1(2)"): the form owns the controls. Asking
// for an index that was never put is a programming error, found by the suites: it
// stops the program at once rather than travelling as an exception through handlers.
template <class T>
class ControlArray {
 public:
  T& operator[](int index) const {
    const auto it = items_.find(index);
    if (it == items_.end()) MissingControl(index);
    return *it->second;
  }
  bool Has(int index) const { return items_.count(index) != 0; }
  void Put(int index, T& control) { items_[index] = &control; }
  void Clear() { items_.clear(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::map<int, T*> items_;
};

// Splits a caption into the lines a label of `width` pixels shows: at CR LF,
// and between words where a line would grow too long.
std::vector<std::string> WrapText(TextRenderer& text, const FontSpec& font,
                                  std::string_view caption, int width);

// A caption as shown: '&' marks the keyboard letter and is dropped ("&&" is one '&').
std::string StripMnemonic(std::string_view caption);

// Draws a wrapped caption inside `box` with the given alignment; `vcenter`
// centres the block of lines vertically.
void DrawCaption(Surface& canvas, TextRenderer& text, const FontSpec& font,
                 std::string_view caption, Rect box, Align align, Color color, bool vcenter);

}  // namespace vt
