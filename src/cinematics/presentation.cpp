// The start-up presentation: the presenter's name tapped out in Morse, letter
// by letter onto the telegram, then "PRESENTS", then the title screen.
#include <string>

#include "cinematics/info_form.h"
#include "core/game.h"
#include "data/transmissions.h"

namespace vt {
namespace {

constexpr int kInnerWidthTwips = 640 * kTwipsPerPixel;
constexpr int kInnerHeightTwips = 480 * kTwipsPerPixel;
constexpr Color kInk = Rgb(0, 0, 0);
constexpr Color kDarkRed = Rgb(0x80, 0, 0);

// A telegram's typewriter face.
FontSpec TelegramFont() {
  FontSpec f;
  f.name = "Courier New";
  f.sizePt = 12;
  f.bold = true;
  return f;
}

}  // namespace

void InfoForm::PlayPresentation() {
  ui().DoEvents();
  int x = kInnerWidthTwips / 2 - 810;
  const int y = kInnerHeightTwips / 2 - 200;
  for (const char c : std::string(kPresenterLine)) {
    for (const char symbol : MorsePattern(c)) game_.PlaySound(symbol == '-' ? "Dah" : "Dit");
    Print(x, y, kInk, c);
    x += ui().Text().Measure(TelegramFont(), std::string(1, c)).w * kTwipsPerPixel;
    ui().Sleep(c == ' ' ? 100 : 50);  // shows the letter first
  }
  ui().Sleep(500);
  game_.PlaySound("Presents");
  x = kInnerWidthTwips / 2 - 830;
  for (const char c : std::string("PRESENTS")) {
    Print(x, kInnerHeightTwips / 2 + 50, kDarkRed, c);
    x += ui().Text().Measure(TelegramFont(), std::string(1, c)).w * kTwipsPerPixel;
  }
  ui().Sleep(1500);
  game_.windows.ShowTitle();
}

void InfoForm::Print(int xTwips, int yTwips, Color color, char c) {
  printed_.push_back({xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel, color, c});
}

void InfoForm::Paint(Surface& canvas, TextRenderer& text) const {
  Form::Paint(canvas, text);
  for (const Letter& l : printed_)
    text.Draw(canvas, Bounds.x + l.x, Bounds.y + l.y, TelegramFont(), std::string(1, l.c), l.color);
}

}  // namespace vt
