// Forms (windows) and their timers. A form builds its controls afresh each
// time it loads, as a designed window does; handlers are virtual members named
// as the window events they answer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/surface.h"
#include "platform/ui/control.h"

namespace vt {

class Ui;

// Window layouts are worked in twips, fifteen to a pixel at the game's 96 dpi.
constexpr int kTwipsPerPixel = 15;
// The nearest pixel, halves away from zero.
constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

class Timer {
 public:
  Timer(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
  Form& Owner() const { return owner_; }
  const std::string& Name() const { return name_; }

  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  // Changing either restarts the count from now; an interval of 0 stops the timer.
  void SetInterval(int ms);
  void SetEnabled(bool enabled);

  std::function<void()> OnTimer;

  // Kept by the event loop.
  std::uint64_t dueUs = 0;  // 0: not armed yet
  bool running = false;

 private:
  Form& owner_;
  std::string name_;
  int interval_ = 0;
  bool enabled_ = false;
};

class Form {
 public:
  Form(Ui& ui, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Ui& ui() const { return ui_; }
  const std::string& Name() const { return name_; }

  bool IsLoaded() const { return loaded_; }
  bool Visible() const { return loaded_ && visible_; }
  bool IsModal() const;

  // Loads the form if it is not loaded: builds its controls, then Form_Load.
  void Load();
  // Loads if needed, shows the form and brings it to the front.
  void Show();
  // Shows the form and waits, dispatching events, until it is hidden or unloaded.
  void ShowModal();
  void Hide();
  // Form_Unload, then the form is hidden and no longer loaded.
  void Unload();
  void BringToFront();

  // Position (pixels of the canvas) and client size.
  Rect Bounds{0, 0, 640, 480};
  void CenterOnCanvas();
  // Stands `leftTwips` left of `owner`'s centre and on its centre vertically, worked in
  // twips as window layouts are and rounded to the nearest pixel.
  void PlaceOver(const Form& owner, int leftTwips);
  // Background: the colour, then the picture (if any) at the top-left corner.
  Color BackColor = kButtonFace;
  Surface Picture;
  // Mouse pointer over the form (from Platform::CreatePointer); -1: the arrow.
  int Pointer = -1;

  template <class T>
  T& Add(std::string name, int index, Rect bounds) {
    auto control = std::make_unique<T>(*this, std::move(name), index, bounds);
    T& ref = *control;
    controls_.push_back(std::move(control));
    return ref;
  }
  Timer& AddTimer(std::string name, int intervalMs, bool enabled);

  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  const std::vector<std::unique_ptr<Timer>>& Timers() const { return timers_; }
  Control* FindControl(std::string_view name, int index = -1) const;
  // Topmost visible control at a client position, or nullptr.
  Control* ControlAt(int x, int y) const;

  Control* Focus = nullptr;
  void SetFocus(Control* control);
  void MoveFocus(bool forward);
  // Enter clicks the default button, Esc the cancel button.
  CommandButton* DefaultButton = nullptr;
  CommandButton* CancelButton = nullptr;

  // Events. Key handlers see keys first (the form previews its controls'
  // keys) and may set the code to 0 to keep it from the focused control.
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  virtual void Form_KeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
  virtual void Form_KeyUp(int& keyCode, int shift) { (void)keyCode, (void)shift; }
  virtual void Form_KeyPress(char& ch) { (void)ch; }
  virtual void Form_MouseDown(int button, int shift, int x, int y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  virtual void Form_MouseMove(int button, int shift, int x, int y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  virtual void Form_MouseUp(int button, int shift, int x, int y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  virtual void Form_Click() {}

  // Draws the form onto the canvas at its position.
  virtual void Paint(Surface& canvas, TextRenderer& text) const;

 protected:
  // Creates the controls and timers with their design-time values.
  virtual void Build() {}

 private:
  friend class Ui;
  Ui& ui_;
  std::string name_;
  bool loaded_ = false;
  bool visible_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace vt
