// Full-window pages of the cinematic window: how to play, the start-up
// presentation's desk and the credits. The pages are whole pictures, so their
// text is painted here; the presentation leaves the card blank for the game's
// own black lettering (at about 266,227 and 265,243).
#include <cmath>
#include <iterator>
#include <sstream>
#include <vector>

#include "forge.h"
#include "windows/windows_kit.h"

namespace forge {

using namespace kit;

namespace {

constexpr Rgb kText{226, 230, 238};
constexpr Rgb kDim{150, 160, 182};

void DossierBackground(Picture& p, std::uint32_t seed) {
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 640, 480, {18, 26, 46}, {7, 10, 20});
  Glow(cr, 320, 160, 360, {40, 60, 110}, 0.25);
  Grain(p, 0, 0, 640, 480, seed, 4);
  Vignette(p, 0.5);
  SetColor(cr, kBrassDark);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 10.5, 10.5, 619, 459);
  cairo_stroke(cr);
  SetColor(cr, kBrass, 0.6);
  cairo_rectangle(cr, 13.5, 13.5, 613, 453);
  cairo_stroke(cr);
}

// Breaks a text into lines no wider than `width`; returns the baseline after the last.
double Wrapped(cairo_t* cr, double x, double baseline, double width, const std::string& text,
               double size, Rgb c, double leading) {
  std::istringstream words(text);
  std::string word, line;
  while (words >> word) {
    const std::string tryLine = line.empty() ? word : line + " " + word;
    if (!line.empty() && LettersWidth(cr, kSerif, tryLine, size) > width) {
      Letters(cr, kSerif, x, baseline, line, size, c);
      baseline += leading;
      line = word;
    } else {
      line = tryLine;
    }
  }
  if (!line.empty()) Letters(cr, kSerif, x, baseline, line, size, c);
  return baseline + leading;
}

// A key cap with its legend; returns its width.
double KeyCap(cairo_t* cr, double x, double y, const std::string& legend) {
  const double w = std::max(22.0, LettersWidth(cr, kSans, legend, 11, true) + 12);
  SetColor(cr, {0, 0, 0}, 0.6);
  RoundedRect(cr, x + 1, y + 2, w, 20, 3);
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + 20);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.86, 0.84, 0.78);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.60, 0.58, 0.54);
  cairo_set_source(cr, g);
  RoundedRect(cr, x, y, w, 20, 3);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  LettersCentred(cr, kSans, x + w / 2, y + 14, legend, 11, {24, 24, 28}, true);
  return w;
}

// A cap with a drawn arrow (the fonts' arrows are not everywhere).
void ArrowCap(cairo_t* cr, double x, double y, double angle) {
  KeyCap(cr, x, y, "");
  cairo_save(cr);
  cairo_translate(cr, x + 11, y + 10);
  cairo_rotate(cr, angle);
  SetColor(cr, {24, 24, 28});
  cairo_move_to(cr, 5, 0);
  cairo_line_to(cr, -2, -5);
  cairo_line_to(cr, -2, 5);
  cairo_close_path(cr);
  cairo_fill(cr);
  FillRect(cr, -6, -1.5, 5, 3, {24, 24, 28});
  cairo_restore(cr);
}

struct KeyRow {
  const char* caps;  // keys separated by '|'; "ARROWS" draws the four arrow caps
  const char* what;
};
constexpr KeyRow kKeys[] = {
    {"ARROWS", "Walk"},
    {"Space", "Use, talk or look, bare-handed"},
    {"Ctrl", "Use the selected object"},
    {"End|PgDn", "Select the previous / next object"},
    {"J", "Jump back to your car"},
    {"Esc", "Game menu: save, load, options"},
    {"F1", "This page"},
    {"F2", "Sound, music and walking options"},
    {"F3", "Mouse walking on or off"},
    {"Enter", "Next line of a conversation"},
};

// Key rows start under the column heading, one every kKeyPitch pixels.
constexpr double kKeyTop = 102, kKeyPitch = 23;

void KeyboardColumn(cairo_t* cr) {
  Painted(cr, kSans, 170, 92, "THE KEYBOARD", 12, kBrassLight, true, 3);
  double y = kKeyTop;
  for (const KeyRow& row : kKeys) {
    double x = 34;
    const std::string caps = row.caps;
    if (caps == "ARROWS") {
      for (int i = 0; i < 4; ++i)
        ArrowCap(cr, 34 + i * 24, y, M_PI * (i == 0 ? 1 : i == 1 ? -0.5 : i == 2 ? 0.5 : 0));
    } else {
      std::size_t start = 0;
      while (start <= caps.size()) {
        const std::size_t bar = caps.find('|', start);
        const std::string cap = caps.substr(start, bar - start);
        x += KeyCap(cr, x, y, cap) + 4;
        if (bar == std::string::npos) break;
        start = bar + 1;
      }
    }
    Letters(cr, kSerif, 138, y + 15, row.what, 14, kText);
    y += kKeyPitch;
  }
}

// A small mouse with one button lit.
void MouseIcon(cairo_t* cr, double x, double y, int lit) {
  SetColor(cr, {0, 0, 0}, 0.6);
  RoundedRect(cr, x + 1, y + 2, 18, 26, 8);
  cairo_fill(cr);
  SetColor(cr, {200, 198, 190});
  RoundedRect(cr, x, y, 18, 26, 8);
  cairo_fill(cr);
  if (lit >= 0) {
    cairo_save(cr);
    cairo_rectangle(cr, x + lit * 9, y, 9, 11);
    cairo_clip(cr);
    SetColor(cr, kBrass);
    RoundedRect(cr, x, y, 18, 26, 8);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  Line(cr, x + 9, y, x + 9, y + 11, {40, 40, 44});
  Line(cr, x, y + 11, x + 18, y + 11, {40, 40, 44});
}

// The edge pointer as it looks in the game, pointing right.
void EdgeArrowIcon(cairo_t* cr, double x, double y) {
  SetColor(cr, kBrassLight);
  cairo_move_to(cr, x, y + 8);
  cairo_line_to(cr, x + 12, y + 8);
  cairo_line_to(cr, x + 12, y + 2);
  cairo_line_to(cr, x + 22, y + 13);
  cairo_line_to(cr, x + 12, y + 24);
  cairo_line_to(cr, x + 12, y + 18);
  cairo_line_to(cr, x, y + 18);
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  SetColor(cr, {0, 0, 0});
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  FillRect(cr, x + 24, y, 3, 26, kBrassLight);
}

void MouseColumn(cairo_t* cr) {
  Painted(cr, kSans, 486, 92, "THE MOUSE", 12, kBrassLight, true, 3);
  constexpr double kX = 404, kWidth = 214, kSize = 13, kLeading = 15;
  double y = Wrapped(cr, 376, 112, 242, "With mouse walking on (F3):", kSize, kDim, kLeading);
  MouseIcon(cr, 376, y - 10, 0);
  y = Wrapped(cr, kX, y + 2, kWidth, "Left button: walk to the spot, the longer way first.", kSize,
              kText, kLeading);
  MouseIcon(cr, 376, y - 8, 1);
  y = Wrapped(cr, kX, y + 4, kWidth, "Right button: use, talk or look, as Space.", kSize, kText,
              kLeading);
  MouseIcon(cr, 376, y - 8, 1);
  y = Wrapped(cr, kX, y + 4, kWidth, "Shift and right button: use the selected object.", kSize,
              kText, kLeading);
  EdgeArrowIcon(cr, 372, y - 6);
  y = Wrapped(cr, kX, y + 4, kWidth,
              "At the edge of the street the pointer becomes an arrow: walk on to the next "
              "street.",
              kSize, kText, kLeading);
  Wrapped(cr, 376, y + 6, 242,
          "The bar below the street holds your objects: click one to select it, or scroll with "
          "the arrows at its ends. MENU and JUMP TO CAR work with a click.",
          kSize, kText, kLeading);
}

struct Topic {
  const char* title;
  const char* text;
};
constexpr Topic kTopics[] = {
    {"SAVING",
     "Esc or MENU opens the game menu: SAVE GAME and LOAD GAME, five named slots. "
     "Not every moment allows saving."},
    {"THE CITY MAP",
     "Space at your car opens the city map: click a district you have opened "
     "to drive there, or Esc to stay."},
    {"COMMUNICATION UNIT",
     "Space at the kit in the secret room: G receives your orders, "
     "S sends a report, Esc closes it."},
};

// Three short notes side by side under the two columns.
void TopicRow(cairo_t* cr, double top) {
  constexpr double kWidth = 176, kGap = 22, kLeft = 34;
  for (int i = 0; i < 3; ++i) {
    const double x = kLeft + i * (kWidth + kGap);
    Painted(cr, kSans, x + kWidth / 2, top + 14, kTopics[i].title, 11, kBrassLight, true, 1.5);
    Wrapped(cr, x, top + 30, kWidth, kTopics[i].text, 12, kText, 14);
    if (i > 0) Line(cr, x - kGap / 2 + 0.5, top + 4, x - kGap / 2 + 0.5, top + 72, {70, 80, 104});
  }
}

void HowToPlay(Output& out) {
  Picture p(640, 480);
  cairo_t* cr = p.cr();
  DossierBackground(p, 901);
  BrassTitle(cr, 320, 50, "HOW TO PLAY", 32, 4);
  cairo_select_font_face(cr, kSerif, CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 13);
  const char* sub = "Field manual for agent HERON";
  cairo_text_extents_t ext;
  cairo_text_extents(cr, sub, &ext);
  SetColor(cr, kDim);
  cairo_move_to(cr, std::round(320 - ext.x_advance / 2), 69);
  cairo_show_text(cr, sub);
  Line(cr, 358.5, 80, 358.5, 334, {70, 80, 104});
  KeyboardColumn(cr);
  MouseColumn(cr);
  Line(cr, 34, 340.5, 606, 340.5, {70, 80, 104});
  TopicRow(cr, 342);
  LettersCentred(cr, kSerif, 320, 424,
                 "Gamepad: stick or cross walks, A acts, X uses, Y is Enter, B and Start are Esc,",
                 12, kText);
  LettersCentred(cr, kSerif, 320, 437, "the shoulders pick an object, the triggers are G and S.",
                 12, kText);
  LettersCentred(cr, kSerif, 320, 451,
                 "Signs and messages close with a click, Enter, Space or Esc.", 12, kDim);
  LettersCentred(cr, kSans, 320, 464, "CLICK OR PRESS ENTER, SPACE OR ESC TO RETURN", 11,
                 kBrassLight, true, 2);
  FinishOpaque(p, kNight);
  out.Save(p, "Trasken09.dat");
}

// A telegram form on a dark desk under a lamp; its middle stays blank.
void Presentation(Output& out) {
  Picture p(640, 480);
  cairo_t* cr = p.cr();
  Gradient(cr, 0, 0, 640, 480, {30, 22, 16}, {12, 9, 7});
  Brushed(p, 0, 0, 640, 480, 911, 6);
  Glow(cr, 300, 220, 330, {255, 220, 150}, 0.22);
  // A pencil lying across the desk.
  cairo_save(cr);
  cairo_translate(cr, 520, 380);
  cairo_rotate(cr, -0.5);
  FillRect(cr, -70, -4, 120, 8, {170, 130, 30});
  FillRect(cr, 50, -4, 10, 8, {190, 190, 180});
  cairo_move_to(cr, -70, -4);
  cairo_line_to(cr, -86, 0);
  cairo_line_to(cr, -70, 4);
  cairo_close_path(cr);
  SetColor(cr, {214, 184, 140});
  cairo_fill(cr);
  cairo_restore(cr);
  // The form: shadow, paper, printed header and footer.
  SetColor(cr, {0, 0, 0}, 0.5);
  cairo_rectangle(cr, 186, 168, 290, 150);
  cairo_fill(cr);
  FillRect(cr, 180, 160, 290, 150, {236, 228, 204});
  Grain(p, 180, 160, 290, 150, 912, 4);
  Letters(cr, kSans, 194, 182, "TELEGRAM", 11, {150, 50, 40}, true, 3);
  Letters(cr, kMono, 396, 182, "No. 0412", 10, {110, 104, 90});
  Line(cr, 192, 190.5, 458, 190.5, {150, 50, 40});
  Line(cr, 192, 284.5, 458, 284.5, {150, 50, 40});
  Letters(cr, kMono, 194, 298, "HANDED IN 0500  VIA HQ", 9, {110, 104, 90});
  // A faded URGENT stamp in the corner, clear of the message.
  cairo_save(cr);
  cairo_translate(cr, 418, 294);
  cairo_rotate(cr, -0.18);
  SetColor(cr, {180, 40, 40}, 0.55);
  cairo_set_line_width(cr, 1.5);
  cairo_rectangle(cr, -34, -10, 68, 18);
  cairo_stroke(cr);
  Letters(cr, kSans, -28, 4, "URGENT", 11, {180, 40, 40}, true, 2);
  cairo_restore(cr);
  Vignette(p, 0.55);
  FinishOpaque(p, {12, 9, 7});
  out.Save(p, "Trasken13.dat");
}

struct Credit {
  const char* role;
  const char* name;
};
// Heron Works credits its people by code name, as agents are. The producer
// stands alone on the first row, the others three to a row under him.
constexpr Credit kCredits[] = {
    {"PRODUCER", "Grey Heron"},
    {"GAME DESIGN", "Kestrel"},
    {"STORY AND DIALOGUE", "Nightjar"},
    {"PROGRAMMING", "Osprey  \xc2\xb7  Shrike"},
    {"ART AND ANIMATION", "Kingfisher"},
    {"PORTRAITS AND SCENES", "Waxwing"},
    {"MUSIC", "Skylark"},
    {"SOUND EFFECTS", "Curlew"},
    {"CITY MAPS", "Plover"},
    {"TESTING", "The Rookery"},
};

// The free software and fonts the game is made and played with, and their licences
// (CREDITS.md at the top of the sources says the same at more length).
struct Notice {
  const char* what;
  const char* licence;
};
constexpr Notice kLibraries[] = {
    {"SDL2", "zlib licence"},     {"SDL2_image", "zlib licence"},
    {"SDL2_ttf", "zlib licence"}, {"SDL2_mixer", "zlib licence"},
    {"FluidSynth", "LGPL 2.1+"},  {"Cairo", "LGPL 2.1 / MPL 1.1"},
    {"fontconfig", "MIT-style"},  {"FreeType", "FreeType Licence"},
    {"HarfBuzz", "MIT licence"},  {"libpng", "libpng licence"},
    {"zlib", "zlib licence"},
};
constexpr Notice kMaterials[] = {
    {"Liberation fonts", "SIL OFL 1.1"},
    {"TimGM6mb sound font", "GPL 2"},
    {"abcMIDI (abc2midi)", "GPL 2+"},
    {"SoX", "GPL 2+"},
    {"eSpeak NG", "GPL 3+"},
    {"GoogleTest", "BSD 3-clause"},
};
constexpr double kNoticePitch = 16;

// One column of names, each with its licence set flush right.
void NoticeColumn(cairo_t* cr, double x, double width, double baseline, const Notice* first,
                  const Notice* last) {
  for (const Notice* n = first; n != last; ++n, baseline += kNoticePitch) {
    Letters(cr, kSerif, x, baseline, n->what, 14, kText);
    const double w = LettersWidth(cr, kSans, n->licence, 11);
    Letters(cr, kSans, std::round(x + width - w), baseline, n->licence, 11, kPaleGrey);
  }
}

void CentredItalic(cairo_t* cr, double baseline, const char* line, double size) {
  cairo_select_font_face(cr, kSerif, CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  SetColor(cr, kDim);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, line, &ext);
  cairo_move_to(cr, std::round(320 - ext.x_advance / 2), baseline);
  cairo_show_text(cr, line);
}

void Credits(Output& out) {
  Picture p(640, 480);
  cairo_t* cr = p.cr();
  DossierBackground(p, 921);
  BrassTitle(cr, 320, 58, "VELTRANE", 40, 5);
  LettersCentred(cr, kSans, 320, 80, "A  HERON  WORKS  PRODUCTION", 11, kDim, true, 3);
  Line(cr, 200, 90.5, 440, 90.5, kBrassDark);
  // The makers: role above name, centred in its cell.
  for (int i = 0; i < 10; ++i) {
    const Credit& c = kCredits[i];
    const double cx = i == 0 ? 320 : 130 + ((i - 1) % 3) * 190;
    const double top = i == 0 ? 110 : 148 + ((i - 1) / 3) * 37;
    LettersCentred(cr, kSans, cx, top, c.role, 11, kBrass, true, 2);
    LettersCentred(cr, kSerif, cx, top + 18, c.name, 17, kText);
  }
  CentredItalic(cr, 272, "Every agent of Heron Works is credited by code name.", 13);
  Line(cr, 34, 284.5, 606, 284.5, {70, 80, 104});
  // Third-party work: the libraries in two columns, fonts, sound and tools in a third.
  Painted(cr, kSans, 203, 304, "BUILT WITH", 11, kBrassLight, true, 3);
  Painted(cr, kSans, 505, 304, "FONTS, SOUND AND TOOLS", 11, kBrassLight, true, 2);
  NoticeColumn(cr, 34, 162, 324, kLibraries, kLibraries + 6);
  NoticeColumn(cr, 210, 162, 324, kLibraries + 6, std::end(kLibraries));
  NoticeColumn(cr, 404, 202, 324, std::begin(kMaterials), std::end(kMaterials));
  Line(cr, 389.5, 292, 389.5, 410, {70, 80, 104});
  CentredItalic(cr, 424,
                "Portions of this software are copyright \xc2\xa9 The FreeType Project "
                "(www.freetype.org).",
                12);
  CentredItalic(cr, 440, "All persons and places of this story are invented.", 12);
  LettersCentred(cr, kSans, 320, 460, "CLICK OR PRESS ENTER, SPACE OR ESC TO RETURN", 11,
                 kBrassLight, true, 2);
  FinishOpaque(p, kNight);
  out.Save(p, "Trasken19.dat");
}

}  // namespace

void ForgePages(Output& out) {
  HowToPlay(out);
  Presentation(out);
  Credits(out);
}

}  // namespace forge
