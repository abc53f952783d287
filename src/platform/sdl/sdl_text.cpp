// Font lookup (fontconfig), a cache of open TTF fonts, and glyph blending.
#include "platform/sdl/sdl_text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// fontconfig 2.14 loses a few bytes while parsing its configuration, once per
// process. Its frames carry no frame pointers, so the leak checker sees only
// the library's name: quiet it for that library alone.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

namespace vt {
namespace {

struct FontCloser {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
struct SurfaceFreer {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
struct PatternFreer {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using FontPtr = std::unique_ptr<TTF_Font, FontCloser>;
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFreer>;
using PatternPtr = std::unique_ptr<FcPattern, PatternFreer>;

// What fontconfig found for a family and style.
struct FontFile {
  std::string path;
  int index = 0;
  // The file lacks the weight or slant asked for: SDL_ttf makes it up.
  bool fakeBold = false;
  bool fakeItalic = false;
};

std::optional<FontFile> FindFontFile(const std::string& family, bool bold, bool italic) {
  if (!FcInit()) return std::nullopt;
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match || result != FcResultMatch) return std::nullopt;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file)
    return std::nullopt;
  FontFile found;
  found.path = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &found.index);
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  found.fakeBold = bold && weight < FC_WEIGHT_DEMIBOLD;
  found.fakeItalic = italic && slant == FC_SLANT_ROMAN;
  return found;
}

}  // namespace

int FontPixelSize(double sizePt) {
  return std::max(1, static_cast<int>(std::lround(sizePt * 96.0 / 72.0)));
}

struct SdlTextRenderer::Coverage {
  int w = 0;
  int h = 0;
  std::vector<std::uint8_t> alpha;  // w × h glyph coverage
};

struct SdlTextRenderer::Fonts {
  bool ttfReady = false;
  // Lookups by (family, bold, italic); nullopt remembers a failed lookup.
  std::map<std::tuple<std::string, bool, bool>, std::optional<FontFile>> files;
  // Open fonts by (file, face, pixel size, TTF style).
  std::map<std::tuple<std::string, int, int, int>, FontPtr> open;
  bool warned = false;

  // Windows repaint their captions many times a second and wrapping measures
  // every word: keep what was measured and rendered, by font and text.
  using TextKey = std::tuple<std::string, double, bool, bool, bool, std::string>;
  std::map<TextKey, TextSize> sizes;
  std::map<TextKey, Coverage> coverage;
  static constexpr std::size_t kCacheLimit = 2048;  // entries; start afresh beyond

  static TextKey KeyOf(const FontSpec& f, std::string_view text) {
    return {f.name, f.sizePt, f.bold, f.italic, f.underline, std::string(text)};
  }

  ~Fonts() {
    open.clear();  // fonts close before the library goes
    if (ttfReady) TTF_Quit();
  }

  TTF_Font* Get(const FontSpec& font) {
    if (!ttfReady) return nullptr;
    auto fileKey = std::make_tuple(font.name, font.bold, font.italic);
    auto fileIt = files.find(fileKey);
    if (fileIt == files.end())
      fileIt = files.emplace(fileKey, FindFontFile(font.name, font.bold, font.italic)).first;
    if (!fileIt->second) return Missing(font, "no font file");
    const FontFile& file = *fileIt->second;
    int style = TTF_STYLE_NORMAL;
    if (file.fakeBold) style |= TTF_STYLE_BOLD;
    if (file.fakeItalic) style |= TTF_STYLE_ITALIC;
    if (font.underline) style |= TTF_STYLE_UNDERLINE;
    const int px = FontPixelSize(font.sizePt);
    auto key = std::make_tuple(file.path, file.index, px, style);
    auto it = open.find(key);
    if (it != open.end()) return it->second.get();
    FontPtr opened(TTF_OpenFontIndex(file.path.c_str(), px, file.index));
    if (!opened) {
      fileIt->second.reset();  // an unreadable file stays unreadable: stop asking
      return Missing(font, TTF_GetError());
    }
    TTF_SetFontStyle(opened.get(), style);
    return open.emplace(key, std::move(opened)).first->second.get();
  }

  TTF_Font* Missing(const FontSpec& font, const char* why) {
    if (!warned) {
      std::fprintf(stderr, "veltrane: cannot open font \"%s\" (%s); text will not show\n",
                   font.name.c_str(), why);
      warned = true;
    }
    return nullptr;
  }
};

SdlTextRenderer::SdlTextRenderer() : fonts_(std::make_unique<Fonts>()) {
  fonts_->ttfReady = TTF_Init() == 0;
  if (!fonts_->ttfReady) std::fprintf(stderr, "veltrane: SDL_ttf: %s\n", TTF_GetError());
}

SdlTextRenderer::~SdlTextRenderer() = default;

bool SdlTextRenderer::HasFont(const FontSpec& font) { return fonts_->Get(font) != nullptr; }

TextSize SdlTextRenderer::Measure(const FontSpec& font, std::string_view text) {
  auto key = Fonts::KeyOf(font, text);
  if (auto it = fonts_->sizes.find(key); it != fonts_->sizes.end()) return it->second;
  const TextSize size = MeasureUncached(font, text);
  if (fonts_->sizes.size() >= Fonts::kCacheLimit) fonts_->sizes.clear();
  fonts_->sizes.emplace(std::move(key), size);
  return size;
}

TextSize SdlTextRenderer::MeasureUncached(const FontSpec& font, std::string_view text) {
  TTF_Font* f = fonts_->Get(font);
  if (!f) {
    // A rough serif average, so layouts still make sense without fonts.
    const int px = FontPixelSize(font.sizePt);
    return {static_cast<int>(text.size()) * px / 2, LineHeight(font)};
  }
  if (text.empty()) return {0, TTF_FontHeight(f)};
  int w = 0;
  int h = 0;
  if (TTF_SizeUTF8(f, Cp1252ToUtf8(text).c_str(), &w, &h) != 0) return {0, TTF_FontHeight(f)};
  return {w, h};
}

int SdlTextRenderer::LineHeight(const FontSpec& font) {
  TTF_Font* f = fonts_->Get(font);
  if (!f) return FontPixelSize(font.sizePt) * 23 / 20 + 1;
  return TTF_FontLineSkip(f);
}

const SdlTextRenderer::Coverage* SdlTextRenderer::Render(const FontSpec& font,
                                                         std::string_view text) {
  auto key = Fonts::KeyOf(font, text);
  if (auto it = fonts_->coverage.find(key); it != fonts_->coverage.end()) return &it->second;
  TTF_Font* f = fonts_->Get(font);
  if (!f) return nullptr;
  const SDL_Color white = {255, 255, 255, 255};
  SdlSurfacePtr glyphs(TTF_RenderUTF8_Blended(f, Cp1252ToUtf8(text).c_str(), white));
  if (!glyphs) return nullptr;
  // Blended output is ARGB8888 with the coverage in alpha; make sure of it.
  if (glyphs->format->format != SDL_PIXELFORMAT_ARGB8888) {
    glyphs.reset(SDL_ConvertSurfaceFormat(glyphs.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!glyphs) return nullptr;
  }
  if (SDL_LockSurface(glyphs.get()) != 0) return nullptr;
  Coverage c;
  c.w = glyphs->w;
  c.h = glyphs->h;
  c.alpha.resize(static_cast<std::size_t>(c.w) * c.h);
  for (int gy = 0; gy < c.h; ++gy) {
    const auto* src = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(glyphs->pixels) +
                                                      static_cast<std::size_t>(gy) * glyphs->pitch);
    for (int gx = 0; gx < c.w; ++gx)
      c.alpha[static_cast<std::size_t>(gy) * c.w + gx] = static_cast<std::uint8_t>(src[gx] >> 24);
  }
  SDL_UnlockSurface(glyphs.get());
  if (fonts_->coverage.size() >= Fonts::kCacheLimit) fonts_->coverage.clear();
  return &fonts_->coverage.emplace(std::move(key), std::move(c)).first->second;
}

void SdlTextRenderer::Draw(Surface& dst, int x, int y, const FontSpec& font, std::string_view text,
                           Color color) {
  if (text.empty() || dst.Empty()) return;
  const Coverage* glyphs = Render(font, text);
  if (!glyphs) return;
  const int x0 = std::max(0, -x);
  const int y0 = std::max(0, -y);
  const int x1 = std::min(glyphs->w, dst.Width() - x);
  const int y1 = std::min(glyphs->h, dst.Height() - y);
  const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  for (int gy = y0; gy < y1; ++gy) {
    const std::uint8_t* src = glyphs->alpha.data() + static_cast<std::size_t>(gy) * glyphs->w;
    Color* out = dst.Row(y + gy) + x;
    for (int gx = x0; gx < x1; ++gx) {
      const int a = src[gx];
      if (a == 0) continue;
      const Color under = out[gx];
      const int inv = 255 - a;
      out[gx] =
          Rgb((r * a + RedOf(under) * inv + 127) / 255, (g * a + GreenOf(under) * inv + 127) / 255,
              (b * a + BlueOf(under) * inv + 127) / 255);
    }
  }
}

}  // namespace vt
