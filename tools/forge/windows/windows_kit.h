// This folder draws the window backgrounds and pages (windows*, listed in windows.cpp) and
// the small pictures and pointers (small_pictures.cpp). See README.md here.
//
// The shared look of the game's windows: palette, metal and paper textures,
// bevels, rivets and lettering, so every window reads as one set of hardware.
#pragma once

#include <cstdint>
#include <string>

#include "picture.h"

namespace forge::kit {

// Night steel, brass and olive: the house palette.
inline constexpr Rgb kInk{8, 10, 14};
inline constexpr Rgb kSteelDeep{18, 22, 28};
inline constexpr Rgb kSteelDark{30, 35, 43};
inline constexpr Rgb kSteel{50, 57, 67};
inline constexpr Rgb kSteelLight{92, 101, 114};
inline constexpr Rgb kNight{12, 20, 38};
inline constexpr Rgb kNightBlue{24, 38, 70};
inline constexpr Rgb kBrassDark{112, 86, 38};
inline constexpr Rgb kBrass{178, 142, 68};
inline constexpr Rgb kBrassLight{232, 204, 128};
inline constexpr Rgb kOliveDark{46, 50, 32};
inline constexpr Rgb kOlive{72, 78, 48};
inline constexpr Rgb kCream{236, 226, 196};
inline constexpr Rgb kPaleGrey{176, 184, 194};

// A value in [0, 1) that depends only on the pixel and the seed, so a crop of a
// picture drawn again elsewhere has the very same grain.
double Hash(int x, int y, std::uint32_t seed);

// Per-pixel grain of +-amount (0..255 units) over an opaque area.
void Grain(Picture& p, int x, int y, int w, int h, std::uint32_t seed, double amount);
// Horizontal brushing: every row drifts a little, then fine grain on top.
void Brushed(Picture& p, int x, int y, int w, int h, std::uint32_t seed, double amount);

// Vertical gradient fill.
void Gradient(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);
// Darkens towards the edges of the picture.
void Vignette(Picture& p, double strength);
// Soft light pool (added brightness) around a point.
void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha);

// Raised (light top-left) or sunken (dark top-left) edge of `width` pixels.
void Bevel(cairo_t* cr, double x, double y, double w, double h, int width, bool raised);
// A sunken well: dark fill with a sunken bevel and a thin brass hairline outside.
void Well(cairo_t* cr, double x, double y, double w, double h, Rgb fill, bool brassLine = true);
// A raised plate of steel with a bevel.
void Plate(Picture& p, int x, int y, int w, int h, Rgb base, std::uint32_t seed);
// A round-headed rivet or a slotted screw.
void Rivet(cairo_t* cr, double cx, double cy, double r);
void Screw(cairo_t* cr, double cx, double cy, double r, double angle);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);

// Lettering in a named face ("Liberation Serif", "Liberation Sans", "Liberation Mono").
void Letters(cairo_t* cr, const char* face, double x, double baseline, const std::string& text,
             double size, Rgb c, bool bold = false, double spacing = 0);
double LettersWidth(cairo_t* cr, const char* face, const std::string& text, double size,
                    bool bold = false, double spacing = 0);
void LettersCentred(cairo_t* cr, const char* face, double cx, double baseline,
                    const std::string& text, double size, Rgb c, bool bold = false,
                    double spacing = 0);
// Letters cut into metal: a dark groove with a light lower lip.
void Engraved(cairo_t* cr, const char* face, double cx, double baseline, const std::string& text,
              double size, Rgb metal, bool bold = true, double spacing = 1);
// Painted lettering with a thin dark shadow, centred on cx.
void Painted(cairo_t* cr, const char* face, double cx, double baseline, const std::string& text,
             double size, Rgb paint, bool bold = true, double spacing = 1);
// Big brass title letters with a dark outline and a drop shadow, centred on cx.
void BrassTitle(cairo_t* cr, double cx, double baseline, const std::string& text, double size,
                double spacing);

// Copies a region of `from` (its top left at -x, -y) into `to`.
void Crop(const Picture& from, Picture& to, int x, int y);

inline constexpr const char* kSerif = "Liberation Serif";
inline constexpr const char* kSans = "Liberation Sans";
inline constexpr const char* kMono = "Liberation Mono";

}  // namespace forge::kit

namespace forge {
class Output;
// The window families, one file each.
void ForgeTitleAndMenu(Output& out);  // Trasken03, Trasken06
void ForgeDialogs(Output& out);       // Trasken04, Trasken05, Trasken16
void ForgeTalkAndSigns(Output& out);  // Morvane02, 12, 05, 06, 13
void ForgeMorseCase(Output& out);     // Trasken07
void ForgeCityMap(Output& out);       // Morvane04
void ForgePages(Output& out);         // Trasken09, 13, 19

// The communication unit's case, drawn at its full size; the lamp and key
// pictures are cut from it so they sit seamlessly on it.
void DrawMorseCase(Picture& p);
inline constexpr int kMorseWidth = 582;
inline constexpr int kMorseHeight = 416;
}  // namespace forge
