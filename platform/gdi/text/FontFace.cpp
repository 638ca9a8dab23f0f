#include "platform/gdi/text/FontFace.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <future>
#include <map>
#include <tuple>

#include "platform/Check.h"
#include "platform/text/Utf.h"

namespace qb {
namespace {

// Windows keeps its fonts in its own folder; ours come from the Debian
// package of those fonts, in a folder fontconfig does not scan by default.
constexpr const char* kExtraFontFolder = "/usr/share/wine/fonts";

// Height in pixels of a font whose LOGFONT leaves the height 0.
constexpr int kDefaultCellHeight = 16;

struct FaceKey {
  std::u16string name;
  LONG height;
  bool bold;
  bool italic;
  bool mono;
  friend bool operator<(const FaceKey& a, const FaceKey& b) {
    return std::tie(a.name, a.height, a.bold, a.italic, a.mono) < std::tie(b.name, b.height, b.bold, b.italic, b.mono);
  }
};

struct MatchKey {
  std::string family;
  bool bold;
  bool italic;
  friend bool operator<(const MatchKey& a, const MatchKey& b) {
    return std::tie(a.family, a.bold, a.italic) < std::tie(b.family, b.bold, b.italic);
  }
};

struct FaceMatch {
  bool found = false;
  std::string file;
  int index = 0;
  bool isBold = false;  // whether the face is bold or italic by itself
  bool isItalic = false;
};

// The FreeType library, the fontconfig set-up and the table of open faces.
// It is made on first use and deliberately never destroyed: fonts may be
// freed during static destruction, after which FreeType must still be there.
class FontLibrary {
 public:
  static FontLibrary& Get() {
    static FontLibrary* library = new FontLibrary();
    return *library;
  }

  FT_Library Ft() const { return ft_; }

  // The file and face index for a family, and whether that face is bold or
  // italic by itself. Each question is put to fontconfig once per process:
  // its substitution rules cost more than all the rest of a face's set-up.
  const FaceMatch& Match(const std::string& family, bool bold, bool italic) {
    const MatchKey key{family, bold, italic};
    const auto known = matches_.find(key);
    if (known != matches_.end()) return known->second;
    return matches_.emplace(key, AskFontconfig(family, bold, italic)).first->second;
  }

  // Faces stay open for the whole run: windows recreate their fonts on
  // every relayout and repaint, and each reopening would read the file and
  // render the glyphs again.
  std::map<FaceKey, std::shared_ptr<FontFace>> faces;

  void StartLoadingConfig() {
    if (config_ || loading_.valid()) return;
    loading_ = std::async(std::launch::async, LoadConfig);
    // A program that ends before its first lookup must not leave the helper
    // inside fontconfig while the process tears down.
    std::atexit([] { Get().Config(); });
  }

 private:
  FontLibrary() { FT_Init_FreeType(&ft_); }

  static FcConfig* LoadConfig() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcConfigAppFontAddDir(config, reinterpret_cast<const FcChar8*>(kExtraFontFolder));
    return config;
  }

  FcConfig* Config() {
    if (!config_) config_ = loading_.valid() ? loading_.get() : LoadConfig();
    return config_;
  }

  FaceMatch AskFontconfig(const std::string& family, bool bold, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    if (!family.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(Config(), pattern, &result);
    FcPatternDestroy(pattern);
    FaceMatch found;
    if (!match) return found;
    FcChar8* path = nullptr;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    found.found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
    if (found.found) found.file = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    found.isBold = weight >= FC_WEIGHT_DEMIBOLD;
    found.isItalic = slant != FC_SLANT_ROMAN;
    FcPatternDestroy(match);
    return found;
  }

  FT_Library ft_ = nullptr;
  FcConfig* config_ = nullptr;
  // Fontconfig on a helper thread until the first question; nothing else
  // touches fontconfig before that question joins it.
  std::future<FcConfig*> loading_;
  std::map<MatchKey, FaceMatch> matches_;
};

int Round(double v) { return int(std::lround(v)); }

// Some bold faces, the free Tahoma Bold among them, carry the regular
// outlines with bold spacing only. Their stems are measured by the letter l:
// regular faces have stems of about 0.09 em, bold ones of 0.13 em and more.
bool OutlinesLookRegular(FT_Face face) {
  constexpr double kBoldStem = 0.115;
  if (FT_Load_Char(face, 'l', FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0 || face->units_per_EM == 0) return false;
  return double(face->glyph->metrics.width) / face->units_per_EM < kBoldStem;
}

}  // namespace

struct FontFace::Impl {
  FT_Face face = nullptr;
  FT_Pos thicken = 0;      // 26.6 pixels added to every stroke's width
  bool widen = false;      // whether the advance grows by the same

  bool obliqueSynthetic = false;
  bool mono = false;
  ~Impl() {
    if (face) FT_Done_Face(face);
  }
};

void FontFace::PrepareMatching() { FontLibrary::Get().StartLoadingConfig(); }

FontFace::FontFace(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

FontFace::~FontFace() = default;

std::shared_ptr<FontFace> FontFace::For(const LOGFONT& lf) {
  FontLibrary& library = FontLibrary::Get();
  std::u16string name(lf.lfFaceName, std::find(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE, u'\0'));
  const FaceKey key{LowerCase(name), lf.lfHeight, lf.lfWeight >= 600, lf.lfItalic != 0,
                    lf.lfQuality == NONANTIALIASED_QUALITY};
  if (const auto existing = library.faces.find(key); existing != library.faces.end()) return existing->second;

  auto impl = std::make_unique<Impl>();
  impl->mono = key.mono;
  const FaceMatch* match = &library.Match(ToUtf8(name), key.bold, key.italic);
  if (!match->found || FT_New_Face(library.Ft(), match->file.c_str(), match->index, &impl->face) != 0) {
    // Without any usable face the fontconfig default has to do.
    match = &library.Match("", key.bold, key.italic);
    QB_CHECK(FT_New_Face(library.Ft(), match->file.c_str(), match->index, &impl->face) == 0);
  }
  const std::string& file = match->file;
  const bool isBold = match->isBold;
  impl->obliqueSynthetic = key.italic && !match->isItalic;
  FT_Face face = impl->face;

  // Windows sizes fonts by the OS/2 table's win ascent and descent; faces
  // without one use the horizontal header's.
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const double unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
  const double winAscent = os2 && os2->usWinAscent ? os2->usWinAscent : face->ascender;
  const double winDescent = os2 && os2->usWinAscent ? os2->usWinDescent : -face->descender;
  const double cell = winAscent + winDescent;

  FontMetrics m;
  double emPixels;
  if (lf.lfHeight < 0) {
    emPixels = -double(lf.lfHeight);
    m.ascent = Round(winAscent * emPixels / unitsPerEm);
    m.descent = Round(winDescent * emPixels / unitsPerEm);
  } else {
    const int cellHeight = lf.lfHeight > 0 ? lf.lfHeight : kDefaultCellHeight;
    emPixels = cellHeight * unitsPerEm / cell;
    m.ascent = Round(winAscent * cellHeight / cell);
    m.descent = cellHeight - m.ascent;
  }
  m.height = m.ascent + m.descent;
  m.internalLeading = std::max(0, m.height - Round(emPixels));
  const double scale = emPixels / unitsPerEm;
  m.aveCharWidth = os2 ? Round(os2->xAvgCharWidth * scale) : Round(emPixels / 2);
  m.maxCharWidth = Round((face->bbox.xMax - face->bbox.xMin) * scale);
  m.underlineThickness = std::max(1, Round(face->underline_thickness * scale));
  m.underlineOffset = std::max(1, Round(-face->underline_position * scale) - m.underlineThickness / 2);
  m.strikeoutThickness = os2 ? std::max(1, Round(os2->yStrikeoutSize * scale)) : m.underlineThickness;
  m.strikeoutOffset = os2 ? Round(os2->yStrikeoutPosition * scale) : m.ascent / 3;
  if (key.bold && (!isBold || OutlinesLookRegular(face))) {
    // About a twelfth of the em, and at least a pixel, as bold stems are.
    impl->thicken = std::max<FT_Pos>(64, FT_Pos(std::lround(emPixels * 64 / 12)));
    impl->widen = !isBold;
  }
  FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(emPixels * 64)), 72, 72);

  std::shared_ptr<FontFace> result(new FontFace(std::move(impl)));
  result->metrics_ = m;
  result->file_ = file;
  library.faces[key] = result;
  return result;
}

const GlyphImage& FontFace::Glyph(char32_t character) {
  const auto cached = glyphs_.find(character);
  if (cached != glyphs_.end()) return cached->second;
  GlyphImage& image = glyphs_[character];
  FT_Face face = impl_->face;
  // Embedded bitmap strikes are skipped: some faces carry bold strikes that
  // are identical to the regular ones.
  const FT_Int32 load = FT_LOAD_NO_BITMAP | (impl_->mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
  if (FT_Load_Char(face, character, load) != 0) return image;
  FT_GlyphSlot slot = face->glyph;
  if (impl_->thicken && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    FT_Outline_EmboldenXY(&slot->outline, impl_->thicken, 0);
    if (impl_->widen) slot->advance.x += impl_->thicken;
  }
  if (impl_->obliqueSynthetic) FT_GlyphSlot_Oblique(slot);
  image.advance = int((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, impl_->mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return image;
  const FT_Bitmap& bitmap = slot->bitmap;
  image.left = slot->bitmap_left;
  image.top = slot->bitmap_top;
  image.width = int(bitmap.width);
  image.rows = int(bitmap.rows);
  image.coverage.resize(std::size_t(image.width) * std::size_t(image.rows));
  for (int y = 0; y < image.rows; ++y) {
    const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
    BYTE* out = image.coverage.data() + std::size_t(y) * std::size_t(image.width);
    for (int x = 0; x < image.width; ++x) {
      out[x] = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0) : row[x];
    }
  }
  return image;
}

}  // namespace qb

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QB_LEAK_CHECKED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(QB_LEAK_CHECKED)
// Fontconfig 2.14 loses a few small blocks while it parses its own
// configuration files; the leak checker is told to pass over them so that
// sanitized programs that draw text can still end cleanly.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif
