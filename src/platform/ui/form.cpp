// Forms: loading, showing, hiding, focus, timers and painting.
#include "platform/ui/form.h"

#include <algorithm>

#include "platform/ui/ui.h"

namespace vt {

void Timer::SetInterval(int ms) {
  interval_ = std::max(0, ms);
  dueUs = 0;
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  dueUs = 0;
}

Form::Form(Ui& ui, std::string name) : ui_(ui), name_(std::move(name)) { ui_.Register(*this); }

Form::~Form() { ui_.Unregister(*this); }

bool Form::IsModal() const { return ui_.IsModal(*this); }

void Form::Load() {
  if (loaded_) return;
  controls_.clear();
  timers_.clear();
  Focus = nullptr;
  DefaultButton = nullptr;
  CancelButton = nullptr;
  Build();
  loaded_ = true;
  for (const auto& c : controls_) {
    if (c->CanFocus()) {
      Focus = c.get();
      break;
    }
  }
  Form_Load();
}

void Form::Show() {
  Load();
  if (!loaded_) return;  // Form_Load may have unloaded it again
  visible_ = true;
  ui_.Raise(*this);
}

void Form::ShowModal() {
  Show();
  if (Visible()) ui_.RunModal(*this);
}

void Form::Hide() {
  visible_ = false;
  ui_.Lower(*this);
}

void Form::Unload() {
  if (!loaded_) return;
  Form_Unload();
  visible_ = false;
  loaded_ = false;
  for (const auto& t : timers_) t->SetEnabled(false);
  ui_.Lower(*this);
}

void Form::BringToFront() {
  if (Visible()) ui_.Raise(*this);
}

void Form::PlaceOver(const Form& owner, int leftTwips) {
  const int left = owner.Bounds.x * kTwipsPerPixel + owner.Bounds.w * kTwipsPerPixel / 2 -
                   Bounds.w * kTwipsPerPixel / 2 - leftTwips;
  const int top = owner.Bounds.y * kTwipsPerPixel + owner.Bounds.h * kTwipsPerPixel / 2 -
                  Bounds.h * kTwipsPerPixel / 2;
  Bounds.x = TwipsToPixels(left);
  Bounds.y = TwipsToPixels(top);
}

void Form::CenterOnCanvas() {
  Bounds.x = (kCanvasWidth - Bounds.w) / 2;
  Bounds.y = (kCanvasHeight - Bounds.h) / 2;
}

Timer& Form::AddTimer(std::string name, int intervalMs, bool enabled) {
  timers_.push_back(std::make_unique<Timer>(*this, std::move(name)));
  Timer& t = *timers_.back();
  t.SetInterval(intervalMs);
  t.SetEnabled(enabled);
  return t;
}

Control* Form::FindControl(std::string_view name, int index) const {
  for (const auto& c : controls_)
    if (c->Name() == name && c->Index() == index) return c.get();
  return nullptr;
}

Control* Form::ControlAt(int x, int y) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if ((*it)->Visible && (*it)->Bounds.Contains(x, y)) return it->get();
  return nullptr;
}

void Form::SetFocus(Control* control) {
  if (control == nullptr || control->CanFocus()) Focus = control;
}

void Form::MoveFocus(bool forward) {
  std::vector<Control*> order;
  for (const auto& c : controls_)
    if (c->CanFocus()) order.push_back(c.get());
  if (order.empty()) return;
  auto it = std::find(order.begin(), order.end(), Focus);
  std::size_t at = it == order.end() ? 0 : static_cast<std::size_t>(it - order.begin());
  if (it != order.end())
    at = forward ? (at + 1) % order.size() : (at + order.size() - 1) % order.size();
  Focus = order[at];
}

void Form::Paint(Surface& canvas, TextRenderer& text) const {
  // The back colour shows only where the picture does not reach.
  if (Picture.Width() < Bounds.w || Picture.Height() < Bounds.h)
    FillRect(canvas, Bounds, BackColor);
  Copy(canvas, Bounds.x, Bounds.y, Picture, 0, 0, std::min(Bounds.w, Picture.Width()),
       std::min(Bounds.h, Picture.Height()));
  for (const auto& c : controls_)
    if (c->Visible) c->Paint(canvas, Bounds.x, Bounds.y, text);
}

}  // namespace vt
