// The city map window: its labels, opening and the drive to a district.
#include "citymap/map_form.h"

#include <array>
#include <string>

#include "core/game.h"
#include "data/district_file.h"
#include "data/places.h"
#include "platform/platform.h"

namespace vt {
namespace {

constexpr int kWidth = 570;
constexpr int kHeight = 330;
// The map stands this far right of and below the game screen's corner.
constexpr int kLeftTwips = 360;
constexpr int kTopTwips = 520;

constexpr Color kBackColor = Rgb(0, 0, 64);
constexpr Color kDistrictColor = Rgb(255, 255, 192);

struct DistrictLabel {
  const char* caption;
  Rect bounds;
};

// Each name lies on its district of the map picture.
constexpr std::array<DistrictLabel, 8> kLabels = {{
    {"Back To ", {516, 0, 54, 45}},
    {"Prestigious Quarter", {240, 144, 65, 31}},
    {"Penurious Quarter", {472, 208, 59, 31}},
    {"Ministers' Living Quarters", {8, 224, 113, 33}},
    {"Islamia University", {4, 80, 57, 31}},
    {"Club Nargila", {160, 160, 47, 31}},
    {"City Park", {200, 280, 57, 15}},
    {"Islamia Oil Inc.", {508, 48, 43, 31}},
}};

}  // namespace

MapForm::MapForm(Game& game) : Form(game.ui, "MapForm"), game_(game) {
  Bounds = {0, 0, kWidth, kHeight};
  BackColor = kBackColor;
}

void MapForm::Build() {
  Bounds.w = kWidth;
  Bounds.h = kHeight;
  Label2.Clear();
  for (int n = 0; n < static_cast<int>(kLabels.size()); ++n) {
    Label& l = Add<Label>("Label2", n, kLabels[static_cast<std::size_t>(n)].bounds);
    l.Caption = kLabels[static_cast<std::size_t>(n)].caption;
    l.Transparent = true;
    l.Alignment = Align::Center;
    // The way back holds a whole district name in the map's corner.
    l.Font = Times(n == 0 ? 6.75 : 8.25, true);
    l.ForeColor = n == 0 ? kBackColor : kDistrictColor;
    l.Visible = n == 0;
    l.Click = [this, n] { Label2_Click(n); };
    Label2.Put(n, l);
  }
}

void MapForm::Open(const Form& owner, std::string_view backTo) {
  if (IsLoaded()) Unload();
  Load();
  Label2[0].Caption = std::string(backTo);
  Bounds.x = owner.Bounds.x + TwipsToPixels(kLeftTwips);
  Bounds.y = owner.Bounds.y + TwipsToPixels(kTopTwips);
  ShowModal();
}

void MapForm::Form_Load() {
  game_.LoadPicture(Picture, "Morvane04.dat");
  for (int n = 1; n <= 7; ++n)
    if (game_.world.DistrictOpen[static_cast<std::size_t>(n)]) Label2[n].Visible = true;
  game_.PlaySound("StartEngine");  // heard to its end
  game_.PlaySound("BackEngine");   // idles until the next effect
}

void MapForm::Form_Unload() { game_.world.KeysUsed = false; }

void MapForm::Form_KeyDown(int& keyCode, int) {
  const int code = keyCode;
  keyCode = 0;
  if (code == key::kEscape) Leave();
}

void MapForm::Label2_Click(int n) {
  WorldState& w = game_.world;
  PlaceHero(w, n, true);
  if (n == w.District || n == 0) {
    Leave();
    return;
  }
  w.District = static_cast<std::int16_t>(n);
  // The old district's signs and switches mean nothing in the new one.
  ApplyDistrictLists(w, DistrictLists{});
  game_.windows.Screen().SetScreen();
  game_.PlaySound("Drive");  // heard to its end
  game_.PlaySound("SlamDoor");
  Unload();
}

// Back where he was (or at the arrival point of the district he is in).
void MapForm::Leave() {
  game_.windows.Screen().SetScreen();
  game_.PlaySound("SlamDoor");
  Unload();
}

}  // namespace vt
