// The hero's sprite sheets: Dan in his cream linen suit (Morvane01.dat) and the same
// man in the olive uniform and peaked cap of a Republican Guard captain (Morvane14.dat).
//
// He is seen from straight above. Every pose is drawn once in the hero's own frame
// (across his shoulders, and forward where he faces) and laid on the sheet twice:
// turned to face right for the sideways set and facing down for the up-and-down set.
// The game reads Left, Up and Down one column to the left of each rectangle, so every
// picture keeps off the rectangle's last column and suits both readings.
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
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
    {{8, 31, 20, 31}, {98, 8, 31, 19}, {6.5, -3, -3, 3.5, 0, 8}},
    {{34, 31, 20, 31}, {98, 33, 31, 20}, {-3, 6.5, 3.5, -3, 0, 8}},
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
constexpr Rgb kHairGrey{128, 122, 116};
constexpr Rgb kOutline{24, 20, 18};
constexpr Rgb kCrown{82, 90, 46};  // the captain's cap, a shade darker than his tunic

constexpr Outfit kLinenSuit{{230, 218, 184}, {182, 166, 126}, {160, 144, 106}, {214, 200, 162},
                            {168, 152, 114}, {78, 50, 32},    {136, 96, 62},   false};
constexpr Outfit kUniform{{104, 112, 62}, {66, 72, 38}, {52, 56, 30}, {92, 98, 54},
                          {60, 66, 34},   {22, 20, 18}, {84, 84, 80}, true};

// --- Drawing in the hero's frame: x across (his left is +x), y forward -------------

// Every part is laid on a slightly larger dark copy of itself, so arms, shoulders and
// head stay apart at this size.
constexpr double kRim = 0.75;

Rgb Darker(Rgb c) { return Mix(c, kOutline, 0.55); }

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c) {
  EllipsePath(cr, cx, cy, rx, ry);
  SetColor(cr, c);
  cairo_fill(cr);
}

void RimmedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c) {
  Ellipse(cr, cx, cy, rx + kRim, ry + kRim, Darker(c));
  Ellipse(cr, cx, cy, rx, ry, c);
}

// A round-ended limb with its rim and a lighter middle.
void Limb(cairo_t* cr, double x1, double y1, double x2, double y2, double width, Rgb c, Rgb light) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Line(cr, x1, y1, x2, y2, Darker(c), width + 2 * kRim);
  Line(cr, x1, y1, x2, y2, c, width);
  Line(cr, x1, y1, x2, y2, Mix(c, light, 0.6), width * 0.5);
}

void LegAndShoe(cairo_t* cr, const Outfit& o, double side, double foot) {
  const double x = 4.4 * side;
  Limb(cr, x, -1, x, foot - 1.5, 4.6, o.trouserShade, o.trousers);
  RimmedEllipse(cr, x, foot + 0.4, 2.2, 3.0, o.shoes);
  Ellipse(cr, x - 0.4 * side, foot + 1.4, 1.0, 1.1, o.shoeShine);
}

// An arm hanging or swinging beside the body; the hand shows once it leaves the hip.
void SwingingArm(cairo_t* cr, const Outfit& o, double side, double hand) {
  const double x = 12.0 * side;
  const double end = std::abs(hand) > 2 ? hand : 2.4;
  const double dir = hand >= 0 ? 1 : -1;
  Limb(cr, x, -2.4, x + 0.2 * side, end, 4.4, o.coatShade, o.coat);
  if (std::abs(hand) > 2) RimmedEllipse(cr, x + 0.2 * side, hand + 2.6 * dir, 1.6, 1.7, kSkin);
}

// The right arm raised ahead to touch what he faces, drawn over the shoulder.
void ReachingArm(cairo_t* cr, const Outfit& o, double reach) {
  const double hx = -10.2 + reach * 0.16;
  Limb(cr, -11.4, -1.0, hx, reach - 2.2, 4.4, o.coatShade, o.coat);
  RimmedEllipse(cr, hx, reach, 1.8, 2.2, kSkin);
  Ellipse(cr, hx + 1.1, reach + 0.5, 0.7, 1.0, kSkinShade);  // thumb side
}

void Shoulders(cairo_t* cr, const Outfit& o) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Line(cr, -6.2, -0.6, 6.2, -0.6, Darker(o.coatShade), 10.6 + 2 * kRim);
  cairo_move_to(cr, -6.2, -0.6);
  cairo_line_to(cr, 6.2, -0.6);
  cairo_set_line_width(cr, 10.6);
  cairo_pattern_t* light = cairo_pattern_create_radial(0, -0.6, 2, 0, -0.6, 11.5);
  auto stop = [&](double at, Rgb c) {
    cairo_pattern_add_color_stop_rgb(light, at, c.r / 255.0, c.g / 255.0, c.b / 255.0);
  };
  stop(0, o.coat);
  stop(0.6, o.coat);
  stop(1, o.coatShade);
  cairo_set_source(cr, light);
  cairo_stroke(cr);
  cairo_pattern_destroy(light);
  // Back seam of the jacket.
  Line(cr, 0, -5.6, 0, -3, o.coatSeam, 0.8);
}

// Uniform details: boards on both shoulders and the cross strap over the right one.
void UniformMarks(cairo_t* cr, const Outfit& o) {
  constexpr Rgb kGold{226, 186, 70};
  for (double side : {-1.0, 1.0}) {
    const double x = side > 0 ? 6.6 : -9.6;
    FillRect(cr, x, -3.4, 3.0, 5.6, Darker(o.coatShade));
    FillRect(cr, x + 0.5, -3.0, 2.0, 4.8, o.coatSeam);
    FillRect(cr, x + 1.0, -2.0, 1.0, 1.0, kGold);
    FillRect(cr, x + 1.0, 0.2, 1.0, 1.0, kGold);
  }
  Line(cr, -5.2, -5.8, -3.8, 4.6, {122, 78, 40}, 1.5);
}

void HeadBare(cairo_t* cr) {
  RimmedEllipse(cr, -4.7, 1.6, 0.9, 1.3, kSkinShade);  // ears
  RimmedEllipse(cr, 4.7, 1.6, 0.9, 1.3, kSkinShade);
  RimmedEllipse(cr, 0, 1.1, 4.5, 4.8, kSkin);  // the face shows at the front
  Ellipse(cr, 0, 5.9, 0.9, 0.8, kSkinShade);   // nose tip
  Ellipse(cr, 0, 0.0, 4.6, 4.7, kHair);
  Ellipse(cr, -3.9, 1.8, 0.8, 1.6, kHairGrey);  // greying temples
  Ellipse(cr, 3.9, 1.8, 0.8, 1.6, kHairGrey);
  Ellipse(cr, 0, -0.2, 2.6, 3.6, kHair);
  Ellipse(cr, -1.0, -1.4, 1.2, 1.5, {84, 70, 58});  // sheen on the crown
  // Sunglasses pushed up on the forehead.
  Line(cr, -4.3, 3.3, 4.3, 3.3, {16, 16, 18}, 1.4);
  FillRect(cr, -3.0, 2.8, 1.0, 0.6, {130, 130, 140});
}

void HeadCapped(cairo_t* cr) {
  RimmedEllipse(cr, -4.8, 1.6, 0.9, 1.2, kSkinShade);  // ears under the cap
  RimmedEllipse(cr, 4.8, 1.6, 0.9, 1.2, kSkinShade);
  RimmedEllipse(cr, 0, 4.9, 4.0, 2.9, {20, 20, 18});  // the peak
  Ellipse(cr, -1.5, 6.2, 1.5, 0.7, {96, 96, 92});
  Ellipse(cr, 0, 0.2, 5.4 + kRim, 5.0 + kRim, kOutline);
  Ellipse(cr, 0, 0.2, 5.4, 5.0, Darker(kCrown));
  Ellipse(cr, 0, 0.0, 4.5, 4.1, kCrown);
  Ellipse(cr, -1.0, -1.0, 2.2, 1.8, Mix(kCrown, {255, 255, 240}, 0.22));
  Ellipse(cr, 0, 3.9, 1.4, 1.1, {226, 186, 70});  // badge
  FillRect(cr, -0.5, 3.6, 1.0, 0.6, {170, 40, 36});
}

void DrawHero(cairo_t* cr, const Outfit& o, const Pose& p) {
  LegAndShoe(cr, o, 1, p.leftFoot);
  LegAndShoe(cr, o, -1, p.rightFoot);
  SwingingArm(cr, o, 1, p.leftHand);
  if (p.reach == 0) SwingingArm(cr, o, -1, p.rightHand);
  Shoulders(cr, o);
  if (o.cap) UniformMarks(cr, o);
  if (p.reach != 0) ReachingArm(cr, o, p.reach);
  if (o.cap)
    HeadCapped(cr);
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
      if (!keyed(x, y) &&
          (keyed(x - 1, y) || keyed(x + 1, y) || keyed(x, y - 1) || keyed(x, y + 1)))
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
