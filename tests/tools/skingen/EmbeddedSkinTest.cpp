#include <gtest/gtest.h>

#include <string>

#include "skin/data/TskDataSkinStdButton.h"
#include "skin/data/TskSkinData.h"
#include "tools/embed/EmbeddedSkin.h"

namespace qb {
namespace {

// The skin the program carries, loaded the way the window loads it.
class EmbeddedSkinTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    stored_ = new TskCompressedStoredSkin(nullptr);
    stored_->ReadSkinProperty(EmbeddedSkin());
    data_ = new TskSkinData(nullptr);
    data_->LoadStoredSkin(stored_);
    QB_CHECK(!data_->Empty());
  }
  static void TearDownTestSuite() {
    delete data_;
    delete stored_;
  }
  template <typename Record>
  static const Record& Object(const char16_t* name) {
    const int index = data_->FindObjectIndex(name);
    QB_CHECK(index >= 0);
    const auto* record = dynamic_cast<const Record*>(data_->SkinObjects()[std::size_t(index)].get());
    QB_CHECK(record != nullptr);
    return *record;
  }

 private:
  static inline TskCompressedStoredSkin* stored_ = nullptr;
  static inline TskSkinData* data_ = nullptr;
};

TEST_F(EmbeddedSkinTest, IsAFormAFileOfHeaderVersionThree) {
  const auto bytes = EmbeddedSkin();
  ASSERT_GT(bytes.size(), 10u);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
  const std::size_t n = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | std::size_t(bytes[7]) << 24;
  EXPECT_EQ(n + 8, bytes.size());
  EXPECT_EQ(bytes[8], 0x78);
  EXPECT_EQ(bytes[9], 0xDA) << "deflated at level 9";
}

// The record values themselves are checked with the skin data's own tests;
// here, that the masks give the caption buttons their shape: every look of
// every button the same size as its mask, round corners that let the caption
// bar through and an opaque middle.
TEST_F(EmbeddedSkinTest, CaptionButtonsArePreparedWithRoundedAlpha) {
  struct Button {
    const char16_t* name;
    int width;
  };
  const Button buttons[] = {{u"closebutton", 17}, {u"maxbutton", 17}, {u"minbutton", 17}, {u"sysmenubutton", 16}};
  for (const Button& b : buttons) {
    const auto& r = Object<TskDataSkinStdButton>(b.name);
    const std::string name(b.name, b.name + std::char_traits<char16_t>::length(b.name));
    ASSERT_TRUE(r.AlphaImage && r.ActiveAlphaImage && r.DownAlphaImage && r.InactiveAlphaImage) << name;
    for (const TskBitmap* image : {r.AlphaImage.get(), r.ActiveAlphaImage.get(), r.DownAlphaImage.get(),
                                   r.InactiveAlphaImage.get()}) {
      ASSERT_EQ(image->Width(), b.width) << name;
      ASSERT_EQ(image->Height(), 15) << name;
      EXPECT_FALSE(image->KeyTransparent) << name;
      EXPECT_LT(image->ScanLine(0)[0] >> 24, 128u) << name;
      EXPECT_LT(image->ScanLine(14)[b.width - 1] >> 24, 128u) << name;
      EXPECT_EQ(image->ScanLine(7)[b.width / 2] >> 24, 255u) << name;
    }
  }
}

}  // namespace
}  // namespace qb
