// Whether a spoken text fits the talk window: typed into rows by the window's own rule, each
// row measured in its font, letter by letter as the window prints it.
#include <cairo.h>

#include <cmath>
#include <memory>

#include "data/script_lines.h"
#include "script/script.h"
#include "windows/windows_kit.h"

namespace forge {
namespace {

inline constexpr int kMaxRows = 5;         // rows from y 20 down to the MORE button
inline constexpr double kRowWidth = 225;   // from x 215 to the window's right edge at 440
inline constexpr double kTalkFontPx = 19;  // Times New Roman 14.25 pt at 96 dpi

struct CairoDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

// A context to measure with; nothing is drawn.
cairo_t* Measure() {
  static const std::unique_ptr<cairo_surface_t, CairoDeleter> surface(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1));
  static const std::unique_ptr<cairo_t, CairoDeleter> context(cairo_create(surface.get()));
  return context.get();
}

}  // namespace

std::string TextFitProblem(const std::string& text) {
  const auto rows = vt::TypedRows(text);
  if (static_cast<int>(rows.size()) > kMaxRows)
    return "the text takes " + std::to_string(rows.size()) + " rows in the window (at most " +
           std::to_string(kMaxRows) + ")";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double width = kit::LettersWidth(Measure(), kit::kSerif, rows[i], kTalkFontPx);
    if (width > kRowWidth)
      return "row " + std::to_string(i + 1) + " \"" + rows[i] + "\" is " +
             std::to_string(static_cast<int>(std::ceil(width))) + " pixels wide (at most " +
             std::to_string(static_cast<int>(kRowWidth)) + ")";
  }
  return {};
}

}  // namespace forge
