// Text through SDL2_ttf, with font files found by family name through fontconfig.
#pragma once

#include <memory>

#include "platform/text.h"

namespace vt {

class SdlTextRenderer : public TextRenderer {
 public:
  // Takes a reference on SDL_ttf; fonts open on first use.
  SdlTextRenderer();
  ~SdlTextRenderer() override;
  SdlTextRenderer(const SdlTextRenderer&) = delete;
  SdlTextRenderer& operator=(const SdlTextRenderer&) = delete;

  TextSize Measure(const FontSpec& font, std::string_view text) override;
  int LineHeight(const FontSpec& font) override;
  // Blends the anti-aliased glyphs onto dst in `color`; nothing when no font exists.
  void Draw(Surface& dst, int x, int y, const FontSpec& font, std::string_view text,
            Color color) override;

  // True when a font file for `font` can be opened (the fallback estimate is
  // used otherwise).
  bool HasFont(const FontSpec& font);

 private:
  struct Fonts;
  // Glyph coverage of a rendered text, cached; nullptr when no font exists.
  struct Coverage;
  const Coverage* Render(const FontSpec& font, std::string_view text);
  TextSize MeasureUncached(const FontSpec& font, std::string_view text);
  std::unique_ptr<Fonts> fonts_;
};

// Pixels per em for a size in points on the game's 96 dpi canvas.
int FontPixelSize(double sizePt);

}  // namespace vt
