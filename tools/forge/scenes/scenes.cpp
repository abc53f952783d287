// Scene pictures "Zorl01.dat" - "Zorl14.dat" of the introduction and the ending,
// and the pieces they share.
//
// Sizes follow where the cinematic window shows each picture (window 640 x 480):
//  - Zorl01-05 are loaded into the centre picture place at 152,52 without being
//    re-centred, so they take exactly that place, 357 x 256, ending above the
//    caption at y 316.
//  - Zorl06/07 fill the two telephone speaker places, 188 x 175.
//  - The others are centred and lifted by their step's amount (15 twips a
//    pixel); each is as tall as it can be while its lower edge stays a few
//    pixels above the caption below it:
//      Zorl08 lift 67 px, caption moved to y 349  -> 400 x 300 (y 23..323)
//      Zorl09 lift 40 px, caption at y 316        -> 300 x 220 (y 90..310)
//      Zorl10 lift 20 px, caption moved to y 333  -> 320 x 210 (y 115..325)
//      Zorl11 lift 43 px, caption at y 316        -> 320 x 224 (y 85..309)
//      Zorl12 lift 30 px, caption at y 316        -> 320 x 200 (y 110..310)
//      Zorl13/14 lift 27 px, caption at y 316     -> 300 x 192 (y 117..309)
#include <cmath>
#include <cstdio>

#include "forge.h"
#include "scenes/scenes_parts.h"

namespace forge {

namespace {

struct SceneDef {
  int number;
  int width;
  int height;
  void (*draw)(cairo_t*, double, double);
};

// Laid out by hand, two scenes to a row.
// clang-format off
constexpr SceneDef kScenes[] = {
    {1, 357, 256, scene::Studio},         {2, 357, 256, scene::Parade},
    {3, 357, 256, scene::OilTower},       {4, 357, 256, scene::Balcony},
    {5, 357, 256, scene::RibbonCutting},  {6, 188, 175, scene::Bedroom},
    {7, 188, 175, scene::NightOffice},    {8, 400, 300, scene::OperationsRoom},
    {9, 300, 220, scene::Library},        {10, 320, 210, scene::Airliner},
    {11, 320, 224, scene::NightRaid},     {12, 320, 200, scene::Uprising},
    {13, 300, 192, scene::Ceremony},      {14, 300, 192, scene::Beach},
};
// clang-format on

std::string SceneName(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "Zorl%02d.dat", number);
  return name;
}

}  // namespace

void ForgeScenes(Output& out) {
  for (const SceneDef& s : kScenes) {
    Picture pic(s.width, s.height);
    s.draw(pic.cr(), s.width, s.height);
    // A thin dark frame sets the picture off the black window.
    StrokeRect(pic.cr(), 0, 0, s.width, s.height, Rgb{60, 52, 44}, 2);
    FinishOpaque(pic, Rgb{0, 0, 0});
    out.Save(pic, SceneName(s.number));
  }
}

std::vector<PictureSpec> SceneManifest() {
  std::vector<PictureSpec> all;
  for (const SceneDef& s : kScenes) all.push_back({SceneName(s.number), s.width, s.height, false});
  return all;
}

namespace scene {

using namespace fig;

void Place(cairo_t* cr, const Person& p, double x, double y, double s, std::uint32_t seed) {
  PlacePosed(cr, p, x, y, s, seed, [](cairo_t*) {});
}

void VerticalGradient(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom) {
  cairo_pattern_t* pat = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(pat, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
  cairo_pattern_add_color_stop_rgb(pat, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, pat);
  cairo_fill(cr);
  cairo_pattern_destroy(pat);
}

void Sky(cairo_t* cr, double w, double h, Rgb top, Rgb middle, Rgb horizon, double mid) {
  cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(pat, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
  cairo_pattern_add_color_stop_rgb(pat, mid, middle.r / 255.0, middle.g / 255.0, middle.b / 255.0);
  cairo_pattern_add_color_stop_rgb(pat, 1, horizon.r / 255.0, horizon.g / 255.0, horizon.b / 255.0);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, pat);
  cairo_fill(cr);
  cairo_pattern_destroy(pat);
}

void Glow(cairo_t* cr, double x, double y, double r, Rgb c, double alpha) {
  cairo_pattern_t* pat = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(pat, 0, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
  cairo_pattern_add_color_stop_rgba(pat, 1, c.r / 255.0, c.g / 255.0, c.b / 255.0, 0);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_set_source(cr, pat);
  cairo_fill(cr);
  cairo_pattern_destroy(pat);
}

void CrowdFigure(cairo_t* cr, double x, double y, double s, Rgb shirt, Rgb skin, Rgb hair,
                 bool raised) {
  if (raised) DrawArm(cr, x + s * 1.2, y + s * 1.8, x + s * 1.9, y - s * 1.6, shirt, skin, s * 0.8);
  Ellipse(cr, x, y + s * 2.6, s * 1.7, s * 1.6);
  Paint(cr, shirt, x - s, y + s, x + s, y + s * 4, 0.8);
  Ellipse(cr, x, y, s, s * 1.1);
  ShadeRound(cr, skin, x - s * 0.3, y - s * 0.3, s * 1.4, 0.8);
  cairo_move_to(cr, x - s, y - s * 0.1);
  cairo_curve_to(cr, x - s, y - s * 1.4, x + s, y - s * 1.4, x + s, y - s * 0.1);
  cairo_curve_to(cr, x + s * 0.5, y - s * 0.6, x - s * 0.5, y - s * 0.6, x - s, y - s * 0.1);
  SetColor(cr, hair);
  cairo_fill(cr);
}

void IslamiaFlag(cairo_t* cr, double x, double y, double w, double h) {
  // Green over white over green, a red hoist band with a gold star; the cloth waves.
  auto wave = [&](double t) { return std::sin(t * 2 * M_PI * 1.3) * h * 0.06; };
  constexpr Rgb kBands[] = {{30, 110, 60}, {236, 232, 220}, {30, 110, 60}};
  for (int b = 0; b < 3; ++b) {
    const double y0 = y + h * b / 3.0;
    cairo_move_to(cr, x, y0 + wave(0));
    for (int i = 1; i <= 20; ++i) cairo_line_to(cr, x + w * i / 20.0, y0 + wave(i / 20.0));
    for (int i = 20; i >= 0; --i)
      cairo_line_to(cr, x + w * i / 20.0, y0 + h / 3.0 + wave(i / 20.0));
    cairo_close_path(cr);
    Shade(cr, kBands[b], x, y, x + w, y + h);
  }
  cairo_move_to(cr, x, y);
  for (int i = 0; i <= 5; ++i) cairo_line_to(cr, x + w * 0.25 * i / 5.0, y + wave(i / 20.0));
  for (int i = 5; i >= 0; --i) cairo_line_to(cr, x + w * 0.25 * i / 5.0, y + h + wave(i / 20.0));
  cairo_close_path(cr);
  Shade(cr, Rgb{170, 30, 36}, x, y, x + w * 0.25, y + h);
  const double sx = x + w * 0.125;
  const double sy = y + h * 0.5 + wave(0.06);
  const double r = std::min(w, h) * 0.12;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double rr = (i % 2) ? r * 0.45 : r;
    if (i == 0)
      cairo_move_to(cr, sx + std::cos(a) * rr, sy + std::sin(a) * rr);
    else
      cairo_line_to(cr, sx + std::cos(a) * rr, sy + std::sin(a) * rr);
  }
  cairo_close_path(cr);
  SetColor(cr, Rgb{236, 196, 70});
  cairo_fill(cr);
}

void Receiver(cairo_t* cr, double x, double y, double angle, double len, Rgb c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_rectangle(cr, -len / 2, -len * 0.08, len, len * 0.16);
  Paint(cr, c, 0, -len * 0.1, 0, len * 0.1, 1.0);
  for (int end : {-1, 1}) {
    Ellipse(cr, end * len * 0.45, len * 0.1, len * 0.14, len * 0.2);
    Paint(cr, c, end * len * 0.45, 0, end * len * 0.45, len * 0.3, 1.0);
  }
  cairo_restore(cr);
}

void CentredText(cairo_t* cr, double cx, double baseline, const char* text, double size, Rgb c,
                 bool bold) {
  Text(cr, cx - TextWidth(cr, text, size, bold) / 2, baseline, text, size, c, bold);
}

Rgb CrowdSkin(int i) {
  constexpr Rgb kTones[] = {{184, 134, 98}, {164, 114, 80}, {200, 152, 114}, {146, 100, 68}};
  return kTones[((i % 4) + 4) % 4];
}

namespace {
// Laid out by hand, a few fields to a line, so each look reads as one block.
// clang-format off
constexpr Person kPresident{.skin = {182, 134, 98}, .hair = {24, 20, 20},
                            .hairStyle = Hair::kSideParted, .facial = Facial::kBigMoustache,
                            .mouth = Mouth::kOpen, .brows = Brows::kStern,
                            .outfit = Outfit::kBraidedUniform, .cloth = {60, 70, 44},
                            .cloth2 = {170, 160, 120}, .age = 0.6, .width = 1.1, .build = 1.1,
                            .props = kMedals | kSash};
constexpr Person kNewsreader{.skin = {196, 150, 112}, .hair = {30, 26, 24},
                             .hairStyle = Hair::kOiled, .facial = Facial::kMoustache,
                             .outfit = Outfit::kSuit, .cloth = {46, 52, 70},
                             .cloth2 = {150, 30, 40}, .age = 0.4};
constexpr Person kTavori{.skin = {214, 172, 140}, .hair = {176, 174, 170},
                         .hairStyle = Hair::kCropped, .glasses = Glasses::kRound,
                         .brows = Brows::kStern, .outfit = Outfit::kShirtSleeves,
                         .cloth = {196, 206, 220}, .cloth2 = {60, 60, 90}, .age = 0.66};
constexpr Person kLivne{.skin = {218, 176, 142}, .hair = {120, 70, 40},
                        .hairStyle = Hair::kShort, .glasses = Glasses::kRound,
                        .outfit = Outfit::kJumper, .cloth = {70, 90, 110},
                        .cloth2 = {230, 226, 214}, .age = 0.38, .width = 0.93, .build = 0.9,
                        .female = true};
constexpr Person kMeron{.skin = {204, 160, 124}, .hair = {60, 50, 40},
                        .hairStyle = Hair::kCropped, .brows = Brows::kStern,
                        .outfit = Outfit::kAirForce, .cloth = {120, 136, 160}, .age = 0.48};
constexpr Person kKarmi{.skin = {210, 166, 128}, .hair = {40, 30, 26},
                        .hairStyle = Hair::kCurly, .facial = Facial::kBeard,
                        .outfit = Outfit::kJumper, .cloth = {110, 60, 50},
                        .cloth2 = {220, 214, 200}, .age = 0.34, .facialColour = {50, 38, 30}};
constexpr Person kChief{.skin = {214, 170, 136}, .hair = {210, 208, 204},
                        .hairStyle = Hair::kReceding, .mouth = Mouth::kSmile,
                        .outfit = Outfit::kSuit, .cloth = {36, 40, 56}, .cloth2 = {40, 60, 130},
                        .age = 0.74};
constexpr Person kOfficials[3] = {
    {.skin = {186, 138, 100}, .hair = {30, 26, 24}, .hairStyle = Hair::kReceding,
     .facial = Facial::kMoustache, .mouth = Mouth::kSmile, .outfit = Outfit::kSuit,
     .cloth = {60, 62, 70}, .cloth2 = {30, 100, 60}, .age = 0.55, .width = 1.1, .build = 1.15},
    {.skin = {170, 120, 86}, .hair = {40, 34, 30}, .hairStyle = Hair::kShort,
     .facial = Facial::kMoustache, .glasses = Glasses::kSunglasses, .outfit = Outfit::kSuit,
     .cloth = {40, 40, 46}, .cloth2 = {120, 30, 40}, .age = 0.45},
    {.skin = {196, 150, 112}, .hair = {110, 106, 100}, .hairStyle = Hair::kBald,
     .facial = Facial::kBeard, .mouth = Mouth::kSmile, .outfit = Outfit::kSuit,
     .cloth = {90, 80, 66}, .cloth2 = {180, 150, 60}, .age = 0.62,
     .facialColour = {120, 116, 110}},
};
// clang-format on
}  // namespace

const Person& President() { return kPresident; }
const Person& Newsreader() { return kNewsreader; }
const Person& Tavori() { return kTavori; }
const Person& Livne() { return kLivne; }
const Person& Meron() { return kMeron; }
const Person& Karmi() { return kKarmi; }
const Person& Chief() { return kChief; }
const Person& Official(int which) { return kOfficials[((which % 3) + 3) % 3]; }

}  // namespace scene

}  // namespace forge
