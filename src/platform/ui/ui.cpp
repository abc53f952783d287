// The event loop: timers, modal loops, Sleep and DoEvents, input routing, painting.
#include "platform/ui/ui.h"

#include <algorithm>
#include <limits>

namespace vt {
namespace {

// Restores a flag or pops a stack however a loop is left (End() unwinds).
template <class F>
class OnExit {
 public:
  explicit OnExit(F f) : f_(std::move(f)) {}
  ~OnExit() { f_(); }
  OnExit(const OnExit&) = delete;
  OnExit& operator=(const OnExit&) = delete;

 private:
  F f_;
};

constexpr std::uint64_t kIdleWaitUs = 3'600'000'000ULL;  // an hour: "until input comes"

}  // namespace

Ui::Ui(Platform& platform) : platform_(platform), canvas_(kCanvasWidth, kCanvasHeight) {
  OnQuitRequest = [this] { End(); };
}

void Ui::SetView(Rect view) { view_ = view; }

void Ui::Register(Form& form) { forms_.push_back(&form); }

void Ui::Unregister(Form& form) {
  std::erase(forms_, &form);
  std::erase(zorder_, &form);
  std::erase(modal_, &form);
}

void Ui::Raise(Form& form) {
  std::erase(zorder_, &form);
  zorder_.push_back(&form);
}

void Ui::Lower(Form& form) {
  std::erase(zorder_, &form);
  if (capturedForm_ == &form) {
    capturedForm_ = nullptr;
    captured_ = nullptr;
  }
}

std::vector<Form*> Ui::ZOrder() const {
  std::vector<Form*> shown;
  for (Form* f : zorder_)
    if (f->Visible()) shown.push_back(f);
  // A modal form stays above the forms that were shown before it.
  for (Form* m : modal_) {
    if (!m->Visible()) continue;
    auto it = std::find(shown.begin(), shown.end(), m);
    if (it != shown.end()) {
      shown.erase(it);
      shown.push_back(m);
    }
  }
  return shown;
}

Form* Ui::TopForm() const {
  const auto shown = ZOrder();
  return shown.empty() ? nullptr : shown.back();
}

Form* Ui::ActiveForm() const {
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
    if ((*it)->Visible()) return *it;
  return TopForm();
}

bool Ui::IsModal(const Form& form) const {
  return std::find(modal_.begin(), modal_.end(), &form) != modal_.end();
}

std::uint64_t Ui::TimerPeriodUs(int intervalMs) {
  // Short intervals fire once per quantum; longer ones keep their own length.
  const std::uint64_t us = static_cast<std::uint64_t>(std::max(1, intervalMs)) * 1000;
  return std::max(us, kTimerQuantumUs);
}

void Ui::Run() {
  while (!ended_) {
    const bool anyLoaded =
        std::any_of(forms_.begin(), forms_.end(), [](Form* f) { return f->IsLoaded(); });
    if (!anyLoaded) return;
    PumpOnce();
  }
}

void Ui::RunModal(Form& form) {
  modal_.push_back(&form);
  OnExit pop([this, &form] { std::erase(modal_, &form); });
  while (!ended_ && form.Visible()) PumpOnce();
}

void Ui::Sleep(int ms) {
  if (platform_.ShowsFrames()) Refresh();
  platform_.Delay(static_cast<std::uint64_t>(std::max(0, ms)) * 1000);
}

void Ui::DoEvents() {
  FireDueTimers();
  while (auto event = platform_.PollEvent()) Dispatch(*event);
  if (platform_.ShowsFrames()) Refresh();
}

void Ui::End() {
  ended_ = true;
  throw ProgramEnded{};
}

void Ui::Refresh() {
  Paint();
  platform_.Present(canvas_, view_);
}

void Ui::PumpOnce() {
  FireDueTimers();
  if (ended_) return;
  if (platform_.ShowsFrames()) Refresh();
  const std::uint64_t deadline = NextTimerDue();
  if (auto event = platform_.WaitEvent(deadline)) Dispatch(*event);
}

std::uint64_t Ui::NextTimerDue() {
  std::uint64_t due = platform_.NowUs() + kIdleWaitUs;
  for (Form* f : forms_) {
    if (!f->IsLoaded()) continue;
    for (const auto& t : f->Timers()) {
      if (!t->Enabled() || t->Interval() == 0 || t->running) continue;
      if (t->dueUs == 0) t->dueUs = platform_.NowUs() + TimerPeriodUs(t->Interval());
      due = std::min(due, t->dueUs);
    }
  }
  return due;
}

void Ui::FireDueTimers() {
  // Arm new timers first so that the snapshot below has every due time set.
  NextTimerDue();
  std::vector<Timer*> due;
  const std::uint64_t now = platform_.NowUs();
  for (Form* f : forms_) {
    if (!f->IsLoaded()) continue;
    for (const auto& t : f->Timers())
      if (t->Enabled() && t->Interval() > 0 && !t->running && t->dueUs != 0 && t->dueUs <= now)
        due.push_back(t.get());
  }
  for (Timer* t : due) {
    // An earlier handler may have stopped this timer or unloaded its form.
    if (!t->Owner().IsLoaded() || !t->Enabled() || t->Interval() == 0 || t->running) continue;
    const std::uint64_t period = TimerPeriodUs(t->Interval());
    t->running = true;
    OnExit done([t] { t->running = false; });
    const std::uint64_t firedDue = t->dueUs;
    if (t->OnTimer) t->OnTimer();
    // A handler that changed the timer re-armed it; otherwise schedule the next
    // tick. Ticks missed while the handler ran collapse into one, as they do
    // for window timers.
    if (t->dueUs == firedDue) {
      const std::uint64_t after = platform_.NowUs();
      t->dueUs = firedDue + period > after ? firedDue + period : after;
    }
  }
}

void Ui::Dispatch(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Kind::Quit:
      if (OnQuitRequest) OnQuitRequest();
      break;
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
    case InputEvent::Kind::KeyPress:
      DispatchKey(event);
      break;
    default:
      DispatchMouse(event);
  }
}

void Ui::DispatchKey(const InputEvent& event) {
  Form* form = ActiveForm();
  if (form == nullptr) return;
  if (event.kind == InputEvent::Kind::KeyPress) {
    char ch = event.ch;
    form->Form_KeyPress(ch);
    if (ch != 0 && form->Visible() && form->Focus) form->Focus->KeyPress(ch);
    return;
  }
  int code = event.keyCode;
  if (event.kind == InputEvent::Kind::KeyUp) {
    form->Form_KeyUp(code, event.shift);
    return;
  }
  form->Form_KeyDown(code, event.shift);
  if (code == 0 || !form->Visible()) return;
  if (form->Focus && form->Focus->CanFocus() && form->Focus->KeyDown(code, event.shift)) return;
  if (code == key::kTab) {
    form->MoveFocus((event.shift & kShiftMask) == 0);
  } else if (code == key::kEnter && form->DefaultButton && form->DefaultButton->Enabled) {
    if (form->DefaultButton->Click) form->DefaultButton->Click();
  } else if (code == key::kEscape && form->CancelButton && form->CancelButton->Enabled) {
    if (form->CancelButton->Click) form->CancelButton->Click();
  }
}

Form* Ui::FormAt(int x, int y) const {
  const auto shown = ZOrder();
  for (auto it = shown.rbegin(); it != shown.rend(); ++it)
    if ((*it)->Bounds.Contains(x, y)) return *it;
  return nullptr;
}

void Ui::DispatchMouse(const InputEvent& event) {
  using Kind = InputEvent::Kind;
  Form* form = capturedForm_ ? capturedForm_ : FormAt(event.x, event.y);
  // While a modal form is up, the other forms see no mouse at all.
  Form* modal = modal_.empty() ? nullptr : ActiveForm();
  if (modal && form != modal) form = nullptr;
  if (event.kind == Kind::MouseDown) buttons_ |= event.button;
  if (event.kind == Kind::MouseUp) buttons_ &= ~event.button;
  if (form == nullptr) return;

  const int fx = event.x - form->Bounds.x;
  const int fy = event.y - form->Bounds.y;
  Control* control = captured_ ? captured_ : form->ControlAt(fx, fy);
  if (control && !control->Enabled) control = nullptr;
  // Controls hear positions in their own pixels, inside a picture box's border.
  int cx = 0;
  int cy = 0;
  if (control) {
    const int inset = control->Kind() == ControlKind::PictureBox && control->Border ? 1 : 0;
    cx = fx - control->Bounds.x - inset;
    cy = fy - control->Bounds.y - inset;
  }

  if (event.kind == Kind::MouseDown) {
    if (!modal && form != TopForm()) form->BringToFront();
    captured_ = control;
    capturedForm_ = form;
    if (control) {
      if (control->CanFocus()) form->SetFocus(control);
      if (event.button == kLeftButton) control->Pressed = true;
      if (control->MouseDown) control->MouseDown(event.button, event.shift, cx, cy);
    } else {
      form->Form_MouseDown(event.button, event.shift, fx, fy);
    }
    return;
  }
  if (event.kind == Kind::MouseMove) {
    if (control) {
      if (control->MouseMove) control->MouseMove(buttons_, event.shift, cx, cy);
    } else {
      form->Form_MouseMove(buttons_, event.shift, fx, fy);
    }
    // After the handler: it may have just chosen the pointer to show.
    if (form->Visible()) UpdatePointer(form, control);
    return;
  }
  // MouseUp: the click belongs to the control the button went down on, if the
  // pointer is still over it.
  if (buttons_ == 0) {
    captured_ = nullptr;
    capturedForm_ = nullptr;
  }
  if (control) {
    const bool wasPressed = control->Pressed;
    control->Pressed = false;
    if (control->MouseUp) control->MouseUp(event.button, event.shift, cx, cy);
    const bool over = control->Visible && control->Bounds.Contains(fx, fy);
    if (over && wasPressed && event.button == kLeftButton) {
      if (control->Kind() == ControlKind::OptionButton)
        static_cast<OptionButton*>(control)->Select();
      else if (control->Click)
        control->Click();
    }
  } else {
    form->Form_MouseUp(event.button, event.shift, fx, fy);
    if (event.button == kLeftButton) form->Form_Click();
  }
}

void Ui::UpdatePointer(const Form* form, const Control* control) {
  int pointer = control && control->Pointer >= 0 ? control->Pointer : -1;
  if (pointer < 0 && form) pointer = form->Pointer;
  if (pointer != pointerShown_) {
    pointerShown_ = pointer;
    platform_.SetPointer(pointer);
  }
}

void Ui::Paint() {
  // A form that covers the whole canvas paints every pixel of it (its back
  // colour first): the black and the forms under it need not be painted.
  const std::vector<Form*> shown = ZOrder();
  auto from = shown.end();
  for (auto it = shown.begin(); it != shown.end(); ++it) {
    const Rect& b = (*it)->Bounds;
    if (b.x <= 0 && b.y <= 0 && b.x + b.w >= canvas_.Width() && b.y + b.h >= canvas_.Height())
      from = it;
  }
  if (from == shown.end()) {
    canvas_.Clear(kBlack);
    from = shown.begin();
  }
  for (auto it = from; it != shown.end(); ++it) (*it)->Paint(canvas_, Text());
}

}  // namespace vt
