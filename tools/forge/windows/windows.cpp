// Window backgrounds and pages. Each picture is exactly the client area (or the
// control) it fills; where the window's own layout gives no size, the size is
// taken from the controls it holds, as noted.
//
//   Trasken01  game screen frame        635 x 478  client area of the game screen
//   Trasken02  game bar                 572 x 97   the GameBar control
//   Trasken03  title screen             638 x 478  client area of the title screen
//   Trasken04  yes/no confirmation      311 x 148  from its labels: YES ends at x 295, so the
//                                                  right margin repeats NO's 16; buttons end at y
//                                                  136
//   Trasken05  save/load window         350 x 295  from its labels: the widest end at x 329, the
//                                                  buttons at y 279; margins of about 20 and 16
//   Trasken06  game menu                317 x 400  client area of the game menu
//   Trasken07  communication unit       582 x 416  client area of the unit (windows_morse.cpp)
//   Trasken09  how-to-play page         640 x 480  the cinematic window fills the whole screen
//   Trasken13  presentation background  640 x 480  (windows_pages.cpp)
//   Trasken16  options window           300 x 256  from its labels: the walking-mode line
//                                                  (about 240 wide from x 10) and CLOSE at y 220
//   Trasken19  credits page             640 x 480  (windows_pages.cpp)
//   Morvane02  speech background        440 x 172  client area of the conversation window
//   Morvane12  thought background       440 x 172  (windows_talk.cpp)
//   Morvane04  city map                 570 x 330  client area of the map (windows_map.cpp)
//   Morvane05  sign board               250 x 100  client area of the sign viewer
//   Morvane06  sign paper               250 x 100  (windows_talk.cpp)
//   Morvane13  message box              250 x 100
#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {

using namespace kit;

namespace {

// The game screen: a steel frame with two sunken wells for the play surface
// (34,23, 572 x 332) and the bar (34,368, 572 x 97).
void GameFrame(Output& out) {
  Picture p(635, 478);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 635, 478, {44, 50, 60}, {26, 30, 37});
  Brushed(p, 0, 0, 635, 478, 101, 7);
  Bevel(cr, 0, 0, 635, 478, 3, true);
  // Brass hairlines and sunken wells around both openings.
  Well(cr, 30, 19, 580, 340, kInk);
  Well(cr, 30, 364, 580, 105, kInk);
  // Side strips: rivets down both sides, screws in the corners.
  for (int y = 40; y < 460; y += 42) {
    Rivet(cr, 15, y, 2.6);
    Rivet(cr, 622, y, 2.6);
  }
  for (auto [x, y] : {std::pair{8, 8}, {627, 8}, {8, 470}, {627, 470}}) Screw(cr, x, y, 3.5, 0.7);
  // A small name plate in the top margin.
  Plate(p, 262, 2, 111, 15, {30, 34, 40}, 102);
  LettersCentred(cr, kSans, 317.5, 13, "VELTRANE", 9, kBrass, true, 3);
  FinishOpaque(p, kSteelDark);
  out.Save(p, "Trasken01.dat");
}

// The bar below the play surface: district and place captions on the left, the
// inventory tray in the middle, the two commands on the right.
void GameBar(Output& out) {
  Picture p(572, 97);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 572, 97, {38, 46, 60}, {22, 27, 36});
  Brushed(p, 0, 0, 572, 97, 201, 6);
  Bevel(cr, 0, 0, 572, 97, 2, true);
  // Captions: Zone at 8,21 and Location at 8,70 (145 x 14 each).
  Well(cr, 6, 19, 149, 18, kNight, false);
  Well(cr, 6, 68, 149, 18, kNight, false);
  Painted(cr, kSans, 80, 15, "DISTRICT", 8, kPaleGrey, true, 2);
  Painted(cr, kSans, 80, 64, "LOCATION", 8, kPaleGrey, true, 2);
  // Inventory: places at 180 + 36 i, 31 (30 x 30); the name below at 180,67.
  Painted(cr, kSans, 321, 19, "INVENTORY", 8, kPaleGrey, true, 2);
  Well(cr, 173, 25, 296, 40, {14, 18, 26});
  Well(cr, 176, 67, 290, 17, kNight, false);
  for (int i = 1; i <= 6; ++i) StrokeRect(cr, 180 + 36 * i - 1, 30, 32, 32, {40, 48, 62});
  // Grooves between the three sections.
  for (int x : {163, 479}) {
    Line(cr, x + 0.5, 8, x + 0.5, 89, {10, 12, 16});
    Line(cr, x + 1.5, 8, x + 1.5, 89, {70, 78, 92});
  }
  // Command plates under "JUMP TO CAR" (497,12) and "MENU" (492,59).
  Plate(p, 487, 8, 76, 33, {40, 44, 40}, 202);
  Plate(p, 487, 55, 76, 30, {40, 44, 40}, 203);
  for (auto [x, y] : {std::pair{5, 5}, {566, 5}, {5, 91}, {566, 91}}) Rivet(cr, x, y, 2);
  FinishOpaque(p, kSteelDark);
  out.Save(p, "Trasken02.dat");
}

}  // namespace

std::vector<PictureSpec> WindowManifest() {
  return {
      {"Trasken01.dat", 635, 478, false}, {"Trasken02.dat", 572, 97, false},
      {"Trasken03.dat", 638, 478, false}, {"Trasken04.dat", 311, 148, false},
      {"Trasken05.dat", 350, 295, false}, {"Trasken06.dat", 317, 400, false},
      {"Trasken07.dat", 582, 416, false}, {"Trasken09.dat", 640, 480, false},
      {"Trasken13.dat", 640, 480, false}, {"Trasken16.dat", 300, 256, false},
      {"Trasken19.dat", 640, 480, false}, {"Morvane02.dat", 440, 172, false},
      {"Morvane04.dat", 570, 330, false}, {"Morvane05.dat", 250, 100, false},
      {"Morvane06.dat", 250, 100, false}, {"Morvane12.dat", 440, 172, false},
      {"Morvane13.dat", 250, 100, false},
  };
}

void ForgeWindows(Output& out) {
  GameFrame(out);
  GameBar(out);
  ForgeTitleAndMenu(out);
  ForgeDialogs(out);
  ForgeTalkAndSigns(out);
  ForgeMorseCase(out);
  ForgeCityMap(out);
  ForgePages(out);
}

}  // namespace forge
