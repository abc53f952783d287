// The hero's sprite sheets: Dan in his cream linen suit (Morvane01.dat) and the same
// man in the olive uniform and peaked cap of a Republican Guard captain (Morvane14.dat).
//
// He is seen from straight above. Every pose is drawn once in the hero's own frame
// (across his shoulders, and forward where he faces) and laid on the sheet twice:
// turned to face right for the sideways set and facing down for the up-and-down set.
// The game reads Left, Up and Down one column to the left of each rectangle, so every
// picture keeps off the rectangle's last column and suits both readings.
#include <cmath>
#include <vector>

#include "forge.h"

namespace forge {
namespace {

constexpr int kSheetWidth = 130;
constexpr int kSheetHeight = 95;

struct Box {
  int x, y, w, h;
};

// One pose: where each foot and each hand is along the walking direction (pixels ahead
// of the shoulder line), how far the right hand reaches out, and how far the shoulder
// line lies from the back of the picture.
struct Pose {
  double leftFoot, rightFoot;
  double leftHand, rightHand;
  double reach;  // 0: the right arm swings; else the hand this far ahead, arm raised
  int back;
};

struct FrameRow {
  Box sideways;
  Box upDown;
  Pose pose;
};

// Stand, Walk1 (left leg ahead), Walk2/6, Walk3/5, Walk4 (right leg ahead), Use1, Use2.
// Standing and using keep the shoulders 7 pixels from the back, which is what the
// game's nudges during the use gesture expect; the walk spreads both ways.
constexpr FrameRow kFrames[] = {
    {{0, 0, 19, 31}, {67, 0, 31, 18}, {5, 5, 0, 0, 0, 7}},
    {{20, 0, 23, 31}, {67, 20, 31, 22}, {9, -7, -5, 6, 0, 10}},
    {{8, 31, 20, 31}, {98, 8, 31, 19}, {5.5, -1.5, -2, 2.5, 0, 8}},
    {{34, 31, 20, 31}, {98, 33, 31, 20}, {-1.5, 5.5, 2.5, -2, 0, 8}},
    {{43, 0, 23, 31}, {67, 42, 31, 23}, {-7, 9, 6, -5, 0, 10}},
    {{0, 63, 21, 30}, {67, 67, 30, 21}, {5, 5, 0, 0, 9, 7}},
    {{22, 63, 26, 30}, {98, 67, 30, 26}, {5, 5, 0, 0, 15.5, 7}},
};

struct Outfit {
  Rgb coat, coatShade, coatSeam;
  Rgb trousers, trouserShade;
  Rgb shoes, shoeShine;
  bool cap;
};

constexpr Rgb kSkin{192, 142, 102};
constexpr Rgb kSkinShade{150, 104, 72};
constexpr Rgb kHair{46, 36, 30};
constexpr Rgb kHairGrey{150, 146, 140};
constexpr Rgb kOutline{24, 20, 18};

constexpr Outfit kLinenSuit{{230, 218, 184}, {182, 166, 126}, {160, 144, 106},
                            {214, 200, 162}, {168, 152, 114}, {78, 50, 32},
                            {136, 96, 62}, false};
constexpr Outfit kUniform{{104, 112, 62}, {66, 72, 38}, {52, 56, 30},
                          {92, 98, 54},   {60, 66, 34}, {22, 20, 18},
                          {84, 84, 80},   true};

// --- Drawing in the hero's frame: x across (his left is +x), y forward -------------

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

void Limb(cairo_t* cr, double x1, double y1, double x2, double y2, double width, Rgb c) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Line(cr, x1, y1, x2, y2, c, width);
}

void LegAndShoe(cairo_t* cr, const Outfit& o, double side, double foot) {
  const double x = 4.6 * side;
  Limb(cr, x, 0, x, foot - 1, 6.2, o.trouserShade);
  Limb(cr, x - 0.4 * side, 0, x - 0.4 * side, foot - 1.5, 4.2, o.trousers);
  Ellipse(cr, x, foot + 0.5, 2.7, 3.4, o.shoes);
  Ellipse(cr, x - 0.3 * side, foot + 1.6, 1.3, 1.3, o.shoeShine);
}

// An arm hanging or swinging beside the body; the hand shows once it leaves the hip.
void SwingingArm(cairo_t* cr, const Outfit& o, double side, double hand) {
  const double x = 12.2 * side;
  if (std::abs(hand) > 2) {
    const double dir = hand > 0 ? 1 : -1;
    Ellipse(cr, x + 0.3 * side, hand + 1.2 * dir, 2.1, 2.3, kSkin);
  }
  Limb(cr, x, -1, x + 0.3 * side, hand, 5.0, o.coatShade);
  Limb(cr, x - 0.3 * side, -1, x, hand, 2.8, o.coat);
}

// The right arm raised ahead to touch what he faces, drawn over the shoulder.
void ReachingArm(cairo_t* cr, const Outfit& o, double reach) {
  const double hx = -9.5 + reach * 0.12;
  Limb(cr, -11.8, -0.5, hx, reach - 2, 5.2, o.coatShade);
  Limb(cr, -11.6, -0.5, hx + 0.3, reach - 2.3, 3.0, o.coat);
  Ellipse(cr, hx, reach, 2.2, 2.5, kSkin);
  Ellipse(cr, hx + 1.2, reach + 0.6, 0.9, 1.2, kSkinShade);  // thumb side
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void Shoulders(cairo_t* cr, const Outfit& o) {
  RoundedRect(cr, -11.6, -6, 23.2, 11.4, 5.2);
  cairo_pattern_t* light = cairo_pattern_create_radial(0, -0.5, 2, 0, -0.5, 12.5);
  cairo_pattern_add_color_stop_rgb(light, 0, o.coat.r / 255.0, o.coat.g / 255.0, o.coat.b / 255.0);
  cairo_pattern_add_color_stop_rgb(light, 0.55, o.coat.r / 255.0, o.coat.g / 255.0,
                                   o.coat.b / 255.0);
  cairo_pattern_add_color_stop_rgb(light, 1, o.coatShade.r / 255.0, o.coatShade.g / 255.0,
                                   o.coatShade.b / 255.0);
  cairo_set_source(cr, light);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(light);
  SetColor(cr, o.coatSeam);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  // Shoulder seams where the sleeves are set in.
  for (double side : {-1.0, 1.0}) Line(cr, 8.6 * side, -4.2, 8.6 * side, 3.6, o.coatSeam, 0.8);
}

// Uniform details: boards on both shoulders and the cross strap over the right one.
void UniformMarks(cairo_t* cr, const Outfit& o) {
  for (double side : {-1.0, 1.0}) {
    FillRect(cr, side > 0 ? 7.6 : -10.6, -3.2, 3.0, 6.0, o.coatSeam);
    FillRect(cr, side > 0 ? 8.6 : -9.6, -1.8, 1.0, 1.0, {226, 186, 70});
    FillRect(cr, side > 0 ? 8.6 : -9.6, 0.6, 1.0, 1.0, {226, 186, 70});
  }
  Line(cr, -5.6, -6, -4.2, 5.4, {112, 70, 36}, 1.6);
}

void HeadBare(cairo_t* cr) {
  Ellipse(cr, -5.3, 1.4, 1.2, 1.6, kSkinShade);  // ears
  Ellipse(cr, 5.3, 1.4, 1.2, 1.6, kSkinShade);
  Ellipse(cr, 0, 1.2, 5.0, 5.3, kSkin);  // the face shows at the front
  Ellipse(cr, 0, 6.2, 1.0, 0.9, kSkinShade);  // nose tip
  Ellipse(cr, 0, 0.2, 5.0, 5.3, kHair);
  Ellipse(cr, -3.4, 1.8, 1.5, 2.2, kHairGrey);  // greying temples
  Ellipse(cr, 3.4, 1.8, 1.5, 2.2, kHairGrey);
  Ellipse(cr, 0, 0.2, 3.1, 4.2, kHair);
  Ellipse(cr, -1.2, -1.2, 1.3, 1.8, {78, 64, 54});  // sheen on the crown
  // Sunglasses pushed up on the forehead.
  Line(cr, -4.6, 3.5, 4.6, 3.5, {18, 18, 20}, 1.5);
  FillRect(cr, -3.4, 3.0, 1.0, 0.7, {120, 120, 130});
}

void HeadCapped(cairo_t* cr, const Outfit& o) {
  Ellipse(cr, -5.4, 1.4, 1.1, 1.5, kSkinShade);  // ears under the cap
  Ellipse(cr, 5.4, 1.4, 1.1, 1.5, kSkinShade);
  Ellipse(cr, 0, 4.6, 4.6, 3.1, {20, 20, 18});  // the peak
  Ellipse(cr, -1.6, 5.6, 1.6, 0.8, {90, 90, 88});
  Ellipse(cr, 0, 0.2, 6.0, 5.6, o.coatSeam);
  Ellipse(cr, 0, 0.0, 5.2, 4.8, o.coat);
  Ellipse(cr, -1.0, -1.0, 2.4, 2.0, Mix(o.coat, {255, 255, 240}, 0.18));
  Ellipse(cr, 0, 4.2, 1.3, 1.0, {226, 186, 70});  // badge
  FillRect(cr, -0.5, 3.9, 1.0, 0.6, {170, 40, 36});
}

void DrawHero(cairo_t* cr, const Outfit& o, const Pose& p) {
  LegAndShoe(cr, o, 1, p.leftFoot);
  LegAndShoe(cr, o, -1, p.rightFoot);
  SwingingArm(cr, o, 1, p.leftHand);
  if (p.reach == 0) SwingingArm(cr, o, -1, p.rightHand);
  Shoulders(cr, o);
  if (o.cap) UniformMarks(cr, o);
  if (p.reach != 0) ReachingArm(cr, o, p.reach);
  // Collar behind the neck.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0.6, 6.0, M_PI * 1.12, M_PI * 1.88);
  SetColor(cr, o.coatSeam);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  if (o.cap)
    HeadCapped(cr, o);
  else
    HeadBare(cr);
}

// --- Frames on the sheet --------------------------------------------------------------

// A pixel at the edge of the figure is darkened so he stands out on any floor.
void Outline(Picture& frame) {
  auto keyed = [&](int x, int y) {
    return x < 0 || y < 0 || x >= frame.Width() || y >= frame.Height() ||
           (frame.Pixel(x, y) & 0x00FFFFFFu) == 0x0000FFFFu;
  };
  std::vector<std::pair<int, int>> edge;
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x)
      if (!keyed(x, y) && (keyed(x - 1, y) || keyed(x + 1, y) || keyed(x, y - 1) || keyed(x, y + 1)))
        edge.emplace_back(x, y);
  for (auto [x, y] : edge) {
    const std::uint32_t p = frame.Pixel(x, y);
    const Rgb c{static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255),
                static_cast<int>(p & 255)};
    frame.SetPixel(x, y, Mix(c, kOutline, 0.62));
  }
}

// Draws one pose into the drawable part of a rectangle (all but its last column) and
// copies its figure onto the sheet.
void PlaceFrame(Picture& sheet, const Outfit& o, const Pose& pose, Box box, bool sideways) {
  Picture frame(box.w - 1, box.h);
  cairo_t* cr = frame.cr();
  cairo_matrix_t m;
  if (sideways)  // forward is +x, his left is up the sheet
    cairo_matrix_init(&m, 0, -1, 1, 0, pose.back, box.h / 2.0);
  else  // forward is +y, his left is to the right
    cairo_matrix_init(&m, 1, 0, 0, 1, (box.w - 1) / 2.0, pose.back);
  cairo_set_matrix(cr, &m);
  DrawHero(cr, o, pose);
  FinishKeyed(frame);
  Outline(frame);
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x) {
      const std::uint32_t p = frame.Pixel(x, y);
      if ((p & 0x00FFFFFFu) == 0x0000FFFFu) continue;
      sheet.SetPixel(box.x + x, box.y + y,
                     {static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255),
                      static_cast<int>(p & 255)});
    }
}

void ForgeSheet(Output& out, const Outfit& o, const std::string& name) {
  Picture sheet(kSheetWidth, kSheetHeight);
  FinishKeyed(sheet);  // all key to begin with
  for (const FrameRow& row : kFrames) {
    PlaceFrame(sheet, o, row.pose, row.sideways, true);
    PlaceFrame(sheet, o, row.pose, row.upDown, false);
  }
  out.Save(sheet, name);
}

}  // namespace

void ForgeHeroSheets(Output& out) {
  ForgeSheet(out, kLinenSuit, "Morvane01.dat");
  ForgeSheet(out, kUniform, "Morvane14.dat");
}

std::vector<PictureSpec> HeroManifest() {
  return {{"Morvane01.dat", kSheetWidth, kSheetHeight, true},
          {"Morvane14.dat", kSheetWidth, kSheetHeight, true}};
}

}  // namespace forge
