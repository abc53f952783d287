// Gamepads: plugging in and out, buttons, the left stick and the triggers.
#include "platform/sdl/sdl_pads.h"

#include <cstdio>

namespace vt {

PadButton PadButtonOf(int sdlButton) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A:
      return PadButton::South;
    case SDL_CONTROLLER_BUTTON_B:
      return PadButton::East;
    case SDL_CONTROLLER_BUTTON_X:
      return PadButton::West;
    case SDL_CONTROLLER_BUTTON_Y:
      return PadButton::North;
    case SDL_CONTROLLER_BUTTON_BACK:
      return PadButton::Back;
    case SDL_CONTROLLER_BUTTON_START:
      return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
      return PadButton::LeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return PadButton::RightShoulder;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return PadButton::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return PadButton::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return PadButton::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return PadButton::Right;
    default:
      return PadButton::Count;
  }
}

SdlPads::SdlPads() {
  // Pads already plugged in arrive as "added" events once this is up.
  ready_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlPads::~SdlPads() {
  for (auto& [id, pad] : open_) SDL_GameControllerClose(pad);
  open_.clear();
  if (ready_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlPads::Translate(const SDL_Event& e, std::deque<InputEvent>& out) {
  switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED: {
      // `which` is the device index here; the pad is known by its instance id after.
      if (SDL_GameController* pad = SDL_GameControllerOpen(e.cdevice.which)) {
        const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
        if (open_.count(id) != 0) {
          SDL_GameControllerClose(pad);  // opened already (it was there at start)
        } else {
          open_[id] = pad;
          const char* name = SDL_GameControllerName(pad);
          std::fprintf(stderr, "veltrane: gamepad %s ready\n", name ? name : "(unnamed)");
        }
      }
      return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
      if (auto it = open_.find(e.cdevice.which); it != open_.end()) {
        SDL_GameControllerClose(it->second);
        open_.erase(it);
        stickX_ = stickY_ = 0;
        keys_.ReleaseAll(out);
      }
      return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      keys_.Button(PadButtonOf(e.cbutton.button), e.type == SDL_CONTROLLERBUTTONDOWN, out);
      return true;
    case SDL_CONTROLLERAXISMOTION:
      switch (e.caxis.axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
          stickX_ = e.caxis.value;
          keys_.Stick(stickX_, stickY_, out);
          break;
        case SDL_CONTROLLER_AXIS_LEFTY:
          stickY_ = e.caxis.value;
          keys_.Stick(stickX_, stickY_, out);
          break;
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
          keys_.Trigger(PadButton::LeftTrigger, e.caxis.value, out);
          break;
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
          keys_.Trigger(PadButton::RightTrigger, e.caxis.value, out);
          break;
        default:
          break;
      }
      return true;
    default:
      return false;
  }
}

}  // namespace vt
