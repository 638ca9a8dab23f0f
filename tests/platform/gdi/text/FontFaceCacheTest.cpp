#include <gtest/gtest.h>

#include <string_view>

#include "platform/gdi/text/Font.h"
#include "platform/gdi/text/FontFace.h"

namespace qb {
namespace {

LOGFONT Described(const char16_t* face, LONG height, LONG weight) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  std::u16string_view(face).copy(lf.lfFaceName, LF_FACESIZE - 1);
  return lf;
}

// Windows recreate their fonts on every relayout; a face reopened each time
// would read its file and render its glyphs again.
TEST(FontFaceCache, AFaceAndItsGlyphsOutliveTheHandlesThatUsedThem) {
  const LOGFONT lf = Described(u"Tahoma", -13, FW_BOLD);
  const FontFace* first = nullptr;
  const GlyphImage* glyph = nullptr;
  {
    const GdiHandle<HFONT> font(CreateFontIndirect(&lf));
    first = font.get()->Face().get();
    glyph = &font.get()->Face()->Glyph(U'W');
  }
  const GdiHandle<HFONT> again(CreateFontIndirect(&lf));
  EXPECT_EQ(again.get()->Face().get(), first);
  EXPECT_EQ(&again.get()->Face()->Glyph(U'W'), glyph);

  // The same family in another case is the same face; another size is not.
  EXPECT_EQ(FontFace::For(Described(u"TAHOMA", -13, FW_BOLD)).get(), first);
  EXPECT_NE(FontFace::For(Described(u"Tahoma", -14, FW_BOLD)).get(), first);
}

}  // namespace
}  // namespace qb
