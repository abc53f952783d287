// Small pictures: the inventory arrows and object place, the communication
// unit's signal lamp and Morse key, and the mouse pointers.
//
// The arrows, the place and the lamp and key states are shown as they are
// (opaque); the lamp and key are cut from the unit's case so they sit on it
// without a seam. Pointers are keyed, 32 x 32, drawn about their centre
// (16,16), which is where they point.
#include <cmath>

#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {

using namespace kit;

namespace {

// --- Inventory bar --------------------------------------------------------------

// A 30 x 30 button plate with a triangle pointing left or right; lit when the
// bar can scroll that way.
void InventoryArrow(Output& out, const char* name, bool right, bool lit) {
  Picture p(30, 30);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 30, 30, lit ? Rgb{58, 64, 76} : Rgb{38, 42, 50}, {22, 25, 31});
  Grain(p, 0, 0, 30, 30, right ? 1101 : 1102, 3);
  Bevel(cr, 0, 0, 30, 30, 2, true);
  cairo_save(cr);
  cairo_translate(cr, 15, 15);
  if (!right) cairo_scale(cr, -1, 1);
  auto triangle = [&](double dx, double dy) {
    cairo_move_to(cr, 7 + dx, dy);
    cairo_line_to(cr, -5 + dx, -9 + dy);
    cairo_line_to(cr, -5 + dx, 9 + dy);
    cairo_close_path(cr);
  };
  if (lit) {
    Glow(cr, 1, 0, 13, {255, 200, 90}, 0.25);
    triangle(1, 1);
    SetColor(cr, {0, 0, 0}, 0.7);
    cairo_fill(cr);
    triangle(0, 0);
    SetColor(cr, kBrassLight);
    cairo_fill_preserve(cr);
    SetColor(cr, kBrassDark);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  } else {
    // Pressed into the metal: a dark cut with a light lower lip.
    triangle(0, 1);
    SetColor(cr, {80, 88, 100});
    cairo_fill(cr);
    triangle(0, 0);
    SetColor(cr, {16, 18, 22});
    cairo_fill(cr);
  }
  cairo_restore(cr);
  FinishOpaque(p, kSteelDark);
  out.Save(p, name);
}

// The empty place an object is drawn over: a shallow dark tray.
void ObjectPlace(Output& out) {
  Picture p(30, 30);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 30, 30, {22, 28, 40}, {34, 42, 58});
  Glow(cr, 15, 15, 16, {70, 90, 130}, 0.25);
  Bevel(cr, 0, 0, 30, 30, 1, false);
  FinishOpaque(p, kSteelDark);
  out.Save(p, "Morvane11.dat");
}

// --- Communication unit: signal lamp (43,314) and Morse key (520,292) -------------

enum class Lamp { Idle, Dim, Bright };

// Red signal lens on the left, a small line lamp on the right: green when idle,
// amber while a transmission plays.
void SignalLamp(Output& out, const Picture& unit, const char* name, Lamp state) {
  Picture p(101, 21);
  Crop(unit, p, 43, 314);
  cairo_t* cr = p.cr();
  FillCircle(cr, 14, 10.5, 8.5, {60, 60, 56});
  const Rgb lens = state == Lamp::Bright ? Rgb{255, 90, 60} : Rgb{90, 20, 16};
  cairo_pattern_t* g = cairo_pattern_create_radial(12, 8, 0.5, 14, 10.5, 7);
  const Rgb hot = state == Lamp::Bright ? Rgb{255, 230, 200} : Rgb{150, 60, 50};
  cairo_pattern_add_color_stop_rgb(g, 0, hot.r / 255.0, hot.g / 255.0, hot.b / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, lens.r / 255.0, lens.g / 255.0, lens.b / 255.0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 14, 10.5, 7, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  if (state == Lamp::Bright) Glow(cr, 14, 10.5, 10, {255, 80, 40}, 0.45);  // stays in the picture
  Letters(cr, kSans, 30, 14.5, "RX / TX", 8, {170, 166, 134}, true, 1);
  const Rgb line = state == Lamp::Idle ? Rgb{70, 230, 90} : Rgb{255, 180, 40};
  FillCircle(cr, 88, 10.5, 4.5, {40, 40, 36});
  FillCircle(cr, 88, 10.5, 3.2, line);
  Glow(cr, 88, 10.5, 8, line, 0.35);
  FillCircle(cr, 87, 9.5, 1, {255, 255, 230});
  FinishOpaque(p, {10, 10, 8});
  out.Save(p, name);
}

enum class KeyState { Idle, Released, Pressed };

// Side view of a straight key: knob on the left (the part of the picture the
// window shows is its left 62 pixels), lever back to a pivot on the right.
void MorseKey(Output& out, const Picture& unit, const char* name, KeyState state) {
  Picture p(105, 33);
  cairo_t* cr = p.cr();
  Crop(unit, p, 520, 292);
  // Beyond the window's edge the base plate goes on.
  cairo_save(cr);
  cairo_rectangle(cr, kMorseWidth - 520, 0, 105, 33);
  cairo_clip(cr);
  Gradient(cr, 0, 0, 105, 33, {60, 62, 64}, {40, 42, 44});
  cairo_restore(cr);
  const bool down = state == KeyState::Pressed;
  // Base bar, contact post and pivot block.
  FillRect(cr, 2, 27, 101, 5, {26, 27, 28});
  FillRect(cr, 2, 27, 101, 1, {90, 92, 96});
  FillRect(cr, 17, 22, 6, 5, kBrassDark);
  FillRect(cr, 86, 14, 12, 13, {30, 31, 33});
  // The lever dips at the knob when pressed.
  const double front = down ? 19 : 14;
  SetColor(cr, kBrass);
  cairo_move_to(cr, 20, front);
  cairo_line_to(cr, 92, 16);
  cairo_line_to(cr, 92, 19);
  cairo_line_to(cr, 20, front + 3.5);
  cairo_close_path(cr);
  cairo_fill(cr);
  Line(cr, 20, front + 0.5, 92, 16.5, kBrassLight);
  // Spring between lever and base.
  for (int i = 0; i < 4; ++i) Line(cr, 46, 20 + i * 2, 52, 21 + i * 2, {150, 150, 150});
  // Knob: a black cap seen from the side.
  const double top = front - 10;
  FillRect(cr, 18, top + 9, 4, front - top - 8, {110, 110, 116});
  FillRect(cr, 8, top + 3, 24, 8, {16, 16, 18});
  EllipseArc(cr, 20, top + 3, 12, 3);
  SetColor(cr, {70, 70, 76});
  cairo_fill(cr);
  Line(cr, 9, top + 6, 9, top + 10, {60, 60, 66});
  if (down) Glow(cr, 20, 23, 7, {255, 240, 170}, 0.9);  // the contact closes
  // Indicator: unlit at rest, green while sending, amber on the tone.
  const Rgb led = state == KeyState::Idle ? Rgb{30, 46, 30}
                  : down                  ? Rgb{255, 170, 40}
                                          : Rgb{70, 230, 90};
  FillCircle(cr, 50, 8, 3.5, {24, 24, 24});
  FillCircle(cr, 50, 8, 2.4, led);
  if (state != KeyState::Idle) Glow(cr, 50, 8, 7, led, 0.35);
  FinishOpaque(p, {40, 42, 44});
  out.Save(p, name);
}

// --- Mouse pointers ---------------------------------------------------------------

void Outlined(cairo_t* cr, Rgb fill) {
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, {0, 0, 0});
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

// Busy (and plain) pointer: a stopwatch.
void Stopwatch(Output& out) {
  Picture p(32, 32);
  cairo_t* cr = p.cr();
  cairo_rectangle(cr, 13.5, 3, 5, 4);
  Outlined(cr, kBrass);
  cairo_rectangle(cr, 22, 6, 4, 3);
  Outlined(cr, kBrass);
  cairo_arc(cr, 16, 17, 11, 0, 2 * M_PI);
  Outlined(cr, kBrass);
  cairo_arc(cr, 16, 17, 8, 0, 2 * M_PI);
  Outlined(cr, {240, 236, 220});
  Line(cr, 16, 17, 16, 10.5, {0, 0, 0}, 1.6);
  Line(cr, 16, 17, 20.5, 19.5, {170, 20, 20}, 1.6);
  FillCircle(cr, 16, 17, 1.6, {0, 0, 0});
  FinishKeyed(p);
  out.Save(p, "Morvane18.dat");
}

// Walking (and normal) pointer: a sight ring with its centre open.
void Sight(Output& out) {
  Picture p(32, 32);
  cairo_t* cr = p.cr();
  for (int pass = 0; pass < 2; ++pass) {
    SetColor(cr, pass == 0 ? Rgb{0, 0, 0} : Rgb{250, 250, 245});
    cairo_set_line_width(cr, pass == 0 ? 4.2 : 2);
    cairo_new_path(cr);
    cairo_arc(cr, 16, 16, 9, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      cairo_move_to(cr, 16 + dx * 4, 16 + dy * 4);
      cairo_line_to(cr, 16 + dx * 14, 16 + dy * 14);
    }
    cairo_stroke(cr);
  }
  FillCircle(cr, 16, 16, 1.5, {220, 40, 30});
  FinishKeyed(p);
  out.Save(p, "Morvane19.dat");
}

// Edge pointers: an arrow striking a bar, turned towards the neighbouring street.
void EdgeArrow(Output& out, const char* name, double angle) {
  Picture p(32, 32);
  cairo_t* cr = p.cr();
  cairo_translate(cr, 16, 16);
  cairo_rotate(cr, angle);
  cairo_scale(cr, 0.88, 0.88);
  cairo_move_to(cr, -12, -4);
  cairo_line_to(cr, 0, -4);
  cairo_line_to(cr, 0, -10);
  cairo_line_to(cr, 10, 0);
  cairo_line_to(cr, 0, 10);
  cairo_line_to(cr, 0, 4);
  cairo_line_to(cr, -12, 4);
  cairo_close_path(cr);
  Outlined(cr, kBrassLight);
  cairo_rectangle(cr, 12, -12, 4, 24);
  Outlined(cr, {250, 250, 245});
  cairo_identity_matrix(cr);
  FinishKeyed(p);
  out.Save(p, name);
}

}  // namespace

std::vector<PictureSpec> SmallPictureManifest() {
  return {
      {"Morvane07.dat", 30, 30, false},  {"Morvane08.dat", 30, 30, false},
      {"Morvane09.dat", 30, 30, false},  {"Morvane10.dat", 30, 30, false},
      {"Morvane11.dat", 30, 30, false},  {"Trasken10.dat", 101, 21, false},
      {"Trasken11.dat", 101, 21, false}, {"Trasken12.dat", 101, 21, false},
      {"Trasken14.dat", 105, 33, false}, {"Trasken15.dat", 105, 33, false},
      {"Trasken20.dat", 105, 33, false}, {"Morvane18.dat", 32, 32, true},
      {"Morvane19.dat", 32, 32, true},   {"Comm20.dat", 32, 32, true},
      {"Comm21.dat", 32, 32, true},      {"Comm22.dat", 32, 32, true},
      {"Comm23.dat", 32, 32, true},
  };
}

void ForgeSmallPictures(Output& out) {
  InventoryArrow(out, "Morvane07.dat", true, true);
  InventoryArrow(out, "Morvane08.dat", true, false);
  InventoryArrow(out, "Morvane09.dat", false, true);
  InventoryArrow(out, "Morvane10.dat", false, false);
  ObjectPlace(out);
  Picture unit(kMorseWidth, kMorseHeight);
  DrawMorseCase(unit);
  SignalLamp(out, unit, "Trasken12.dat", Lamp::Idle);
  SignalLamp(out, unit, "Trasken10.dat", Lamp::Dim);
  SignalLamp(out, unit, "Trasken11.dat", Lamp::Bright);
  MorseKey(out, unit, "Trasken20.dat", KeyState::Idle);
  MorseKey(out, unit, "Trasken14.dat", KeyState::Released);
  MorseKey(out, unit, "Trasken15.dat", KeyState::Pressed);
  Stopwatch(out);
  Sight(out);
  EdgeArrow(out, "Comm20.dat", M_PI / 2);   // down
  EdgeArrow(out, "Comm21.dat", M_PI);       // left
  EdgeArrow(out, "Comm22.dat", 0);          // right
  EdgeArrow(out, "Comm23.dat", -M_PI / 2);  // up
}

}  // namespace forge
