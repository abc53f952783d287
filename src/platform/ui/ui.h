// The window toolkit over the platform seam.
//
// One Ui owns the 640 × 480 canvas and the event loop. Forms are painted onto
// the canvas in z-order whenever the loop is about to wait. Modal showing runs
// a nested loop: timers of every loaded form keep firing inside it, input goes
// only to the topmost modal form, and a timer never re-enters its own handler.
// Timers tick on a 55 ms quantum (about 18.2 ticks a second), the clock of the
// desktops the game was made for: an interval of 1 ms or 10 ms fires once per
// quantum, which sets the pace of walking and typing; longer intervals keep
// their own length. Sleep blocks without
// dispatching; input that arrives meanwhile is handled afterwards. End()
// unwinds every loop with ProgramEnded, caught where the program started.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/platform.h"
#include "platform/surface.h"
#include "platform/ui/form.h"

namespace vt {

// Thrown by Ui::End: the program is over. Only the program's start catches it.
struct ProgramEnded {};

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 480;
constexpr std::uint64_t kTimerQuantumUs = 55000;  // 55 ms

class Ui {
 public:
  explicit Ui(Platform& platform);
  Ui(const Ui&) = delete;
  Ui& operator=(const Ui&) = delete;

  Platform& platform() const { return platform_; }
  TextRenderer& Text() const { return platform_.Text(); }
  const Surface& Canvas() const { return canvas_; }

  // The part of the canvas the window shows.
  Rect View() const { return view_; }
  void SetView(Rect view);

  // Every form of the program, loaded or not, in creation order.
  const std::vector<Form*>& Forms() const { return forms_; }
  // Visible forms, bottom first.
  std::vector<Form*> ZOrder() const;
  Form* TopForm() const;
  // The form that receives the keyboard: the topmost modal one, else the top form.
  Form* ActiveForm() const;
  bool IsModal(const Form& form) const;
  const std::vector<Form*>& ModalStack() const { return modal_; }

  // The main loop: runs until no form is loaded or End() is called.
  void Run();
  void Sleep(int ms);
  void DoEvents();
  [[noreturn]] void End();
  bool Ended() const { return ended_; }

  // Paints every visible form and shows the canvas now.
  void Refresh();

  // What a window close request (the title bar's close box) does; ends by default.
  std::function<void()> OnQuitRequest;

  static std::uint64_t TimerPeriodUs(int intervalMs);

 private:
  friend class Form;
  void Register(Form& form);
  void Unregister(Form& form);
  void Raise(Form& form);
  void Lower(Form& form);
  void RunModal(Form& form);

  // One turn of a loop: due timers, painting, then one event (waiting for it).
  void PumpOnce();
  std::uint64_t NextTimerDue();
  void FireDueTimers();
  void Dispatch(const InputEvent& event);
  void DispatchKey(const InputEvent& event);
  void DispatchMouse(const InputEvent& event);
  Form* FormAt(int x, int y) const;
  // Shows the pointer of what lies under the mouse.
  void UpdatePointer(const Form* form, const Control* control);
  void Paint();

  Platform& platform_;
  Surface canvas_;
  Rect view_{0, 0, kCanvasWidth, kCanvasHeight};
  std::vector<Form*> forms_;
  std::vector<Form*> zorder_;  // shown forms, bottom first
  std::vector<Form*> modal_;
  bool ended_ = false;
  Control* captured_ = nullptr;  // control holding the mouse while a button is down
  Form* capturedForm_ = nullptr;
  int buttons_ = 0;
  int pointerShown_ = -1;
};

}  // namespace vt
