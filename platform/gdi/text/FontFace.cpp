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
#include <filesystem>
#include <future>
#include <map>
#include <optional>
#include <tuple>

#include "platform/Check.h"
#include "platform/gdi/text/FontAnswerCache.h"
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

// What the remembered answers were drawn from besides files: fontconfig's
// version, the folder we add, how we ask, and the environment fontconfig
// reads.
std::vector<std::string> AnswerKeys() {
  std::vector<std::string> keys{"fontconfig " + std::to_string(FcGetVersion()),
                                std::string("extra fonts ") + kExtraFontFolder,
                                "scalable faces, regular or bold, roman or italic"};
  for (const char* name : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "HOME", "XDG_CONFIG_HOME",
                           "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
    const char* value = std::getenv(name);
    keys.push_back(std::string(name) + (value != nullptr ? "=" + std::string(value) : " unset"));
  }
  return keys;
}

// The files and folders a configuration was drawn from, and the places
// where a user's own configuration would appear.
FontAnswerInputs AnswerInputs(FcConfig* config) {
  FontAnswerInputs inputs{AnswerKeys(), {}};
  const auto add = [&inputs](FcStrList* list, bool withFolder) {
    if (list == nullptr) return;
    while (const FcChar8* item = FcStrListNext(list)) {
      const std::filesystem::path path(reinterpret_cast<const char*>(item));
      inputs.paths.push_back(path);
      if (withFolder) inputs.paths.push_back(path.parent_path());
    }
    FcStrListDone(list);
  };
  add(FcConfigGetConfigFiles(config), true);
  add(FcConfigGetConfigDirs(config), false);
  add(FcConfigGetFontDirs(config), false);
  inputs.paths.emplace_back(kExtraFontFolder);
  const char* home = std::getenv("HOME");
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  if (home != nullptr && *home == '/') {
    inputs.paths.push_back(std::filesystem::path(home) / ".fonts.conf");
    inputs.paths.push_back(std::filesystem::path(home) / ".fonts.conf.d");
  }
  std::filesystem::path userConfig;
  if (configHome != nullptr && *configHome == '/') {
    userConfig = std::filesystem::path(configHome) / "fontconfig";
  } else if (home != nullptr && *home == '/') {
    userConfig = std::filesystem::path(home) / ".config/fontconfig";
  }
  if (!userConfig.empty()) {
    inputs.paths.push_back(userConfig);
    for (const char* name : {"fonts.conf", "conf.d"}) inputs.paths.push_back(userConfig / name);
  }
  std::sort(inputs.paths.begin(), inputs.paths.end());
  inputs.paths.erase(std::unique(inputs.paths.begin(), inputs.paths.end()), inputs.paths.end());
  return inputs;
}

// The FreeType library, the answers to font questions and the table of open
// faces. It is made on first use and deliberately never destroyed: fonts
// may be freed during static destruction, after which FreeType must still
// be there.
class FontLibrary {
 public:
  static FontLibrary& Get() {
    static FontLibrary* library = new FontLibrary();
    return *library;
  }

  FT_Library Ft() const { return ft_; }

  // The file and face index for a family, and whether that face is bold or
  // italic by itself. Each question is put to fontconfig once per process,
  // and not at all while an answer from an earlier run is still valid: its
  // configuration takes longer to load than the rest of our start-up.
  const FontAnswer& Match(const std::string& family, bool bold, bool italic) {
    const FontQuestion question{family, bold, italic};
    if (const auto known = matches_.find(question); known != matches_.end()) return known->second;
    Settle();
    if (const auto remembered = remembered_.find(question); remembered != remembered_.end()) {
      return matches_.emplace(question, remembered->second).first->second;
    }
    const FontAnswer& answer = matches_.emplace(question, AskFontconfig(question)).first->second;
    Remember();
    return answer;
  }

  // Faces stay open for the whole run: windows recreate their fonts on
  // every relayout and repaint, and each reopening would read the file and
  // render the glyphs again.
  std::map<FaceKey, std::shared_ptr<FontFace>> faces;

  void StartPreparing() {
    if (settled_ || preparing_.valid()) return;
    preparing_ = std::async(std::launch::async, Prepare);
    // A program that ends before its first lookup must not leave the helper
    // inside fontconfig while the process tears down.
    std::atexit([] { Get().Settle(); });
  }

 private:
  struct Prepared {
    std::optional<FontAnswers> remembered;
    FcConfig* config = nullptr;
  };

  FontLibrary() { FT_Init_FreeType(&ft_); }

  static FcConfig* LoadConfig() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcConfigAppFontAddDir(config, reinterpret_cast<const FcChar8*>(kExtraFontFolder));
    return config;
  }

  // The remembered answers, and fontconfig's configuration only when they
  // cannot be trusted.
  static Prepared Prepare() {
    Prepared prepared;
    if (const auto file = FontAnswerFile()) prepared.remembered = LoadFontAnswers(*file, AnswerKeys());
    if (!prepared.remembered) prepared.config = LoadConfig();
    return prepared;
  }

  // Takes over the helper's work, or does it here when there was no helper.
  void Settle() {
    if (settled_) return;
    Prepared prepared = preparing_.valid() ? preparing_.get() : Prepare();
    remembered_ = std::move(prepared.remembered).value_or(FontAnswers{});
    config_ = prepared.config;
    settled_ = true;
  }

  FcConfig* Config() {
    Settle();
    if (!config_) config_ = LoadConfig();
    return config_;
  }

  // This run's answers and the remembered ones, for the next runs.
  void Remember() {
    const auto file = FontAnswerFile();
    if (!file) return;
    FontAnswers answers = remembered_;
    for (const auto& [question, answer] : matches_) answers.insert_or_assign(question, answer);
    SaveFontAnswers(*file, AnswerInputs(Config()), answers);
  }

  FontAnswer AskFontconfig(const FontQuestion& question) {
    FcPattern* pattern = FcPatternCreate();
    if (!question.family.empty()) {
      FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(question.family.c_str()));
    }
    FcPatternAddInteger(pattern, FC_WEIGHT, question.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, question.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(Config(), pattern, &result);
    FcPatternDestroy(pattern);
    FontAnswer found;
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
  // The helper's work, until the first question takes it over.
  std::future<Prepared> preparing_;
  bool settled_ = false;
  FcConfig* config_ = nullptr;
  FontAnswers remembered_;
  std::map<FontQuestion, FontAnswer> matches_;
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

void FontFace::PrepareMatching() { FontLibrary::Get().StartPreparing(); }

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
  const FontAnswer* match = &library.Match(ToUtf8(name), key.bold, key.italic);
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
  // The advance is the face's own, rounded to whole pixels. Hinting keeps
  // the stems sharp but must not move the glyphs apart: a face without
  // hinting instructions of its own (the free Tahoma among them) goes to
  // FreeType's auto-hinter, whose advances come out about a tenth wider
  // than the face's, and a label sized for the face would cut its text.
  // Faces with instructions advance by the same whole pixels either way.
  FT_Pos advance = (slot->linearHoriAdvance + 512) >> 10;  // 16.16 to 26.6
  if (impl_->thicken && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    FT_Outline_EmboldenXY(&slot->outline, impl_->thicken, 0);
    if (impl_->widen) advance += impl_->thicken;
  }
  if (impl_->obliqueSynthetic) FT_GlyphSlot_Oblique(slot);
  image.advance = int((advance + 32) >> 6);
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
