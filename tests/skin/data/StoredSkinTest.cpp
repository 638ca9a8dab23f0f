#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gdi/BmpFile.h"
#include "platform/text/Utf.h"
#include "skin/data/DefinitionText.h"
#include "skin/data/SkinCompression.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/TskCompressedSkinList.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "tests/skin/data/SkinTestPackage.h"
#include "tests/support/TempDir.h"

namespace qb {
namespace {

using test::SolidDib;

std::string BmpText(const Dib& dib) {
  const std::vector<BYTE> bytes = WriteBmp(dib);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<BYTE> FormA(std::int32_t version, const std::vector<BYTE>& compressed) {
  std::vector<BYTE> out;
  for (std::int32_t v : {version, static_cast<std::int32_t>(compressed.size())}) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<BYTE>(std::uint32_t(v) >> shift));
  }
  out.insert(out.end(), compressed.begin(), compressed.end());
  return out;
}

TEST(StoredSkin, FormARoundTripsTheBufferByteForByte) {
  TskCompressedStoredSkin skin(nullptr);
  const std::vector<BYTE> compressed = test::Compress({3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0});
  skin.ReadSkinProperty(FormA(3, compressed));
  EXPECT_EQ(skin.CompressedBuffer(), compressed);

  std::vector<BYTE> written;
  skin.WriteSkinProperty(written);
  EXPECT_EQ(written, FormA(3, compressed));
  TskCompressedStoredSkin again(nullptr);
  again.ReadSkinProperty(written);
  EXPECT_EQ(again.CompressedBuffer(), compressed);
}

TEST(StoredSkin, FormAHeaderChecks) {
  const std::vector<BYTE> compressed = test::Compress({1, 2, 3});
  struct Case {
    std::vector<BYTE> stream;
    bool throws;
    bool empty;
  };
  std::vector<BYTE> cutShort = FormA(3, compressed);
  cutShort.pop_back();
  const Case cases[] = {
      {FormA(4, compressed), false, true},
      {FormA(2, compressed), false, false},
      {FormA(-1, compressed), false, false},
      {cutShort, true, true},
      {{3, 0, 0}, true, true},
  };
  for (const Case& c : cases) {
    TskCompressedStoredSkin skin(nullptr);
    skin.ReadCompressedData(std::vector<BYTE>{9, 9});
    if (c.throws) {
      EXPECT_THROW(skin.ReadSkinProperty(c.stream), EReadError);
    } else {
      skin.ReadSkinProperty(c.stream);
    }
    EXPECT_EQ(skin.IsEmpty(), c.empty);
  }
}

TEST(StoredSkin, FormBIsTheBufferItself) {
  TskCompressedStoredSkin skin(nullptr);
  skin.ReadCompressedData(std::vector<BYTE>{0x78, 0xDA, 1, 2});
  std::vector<BYTE> out;
  skin.WriteCompressedData(out);
  EXPECT_EQ(out, (std::vector<BYTE>{0x78, 0xDA, 1, 2}));
}

TEST(StoredSkin, CompressedFileIsFormA) {
  test::TempDir dir;
  const std::vector<BYTE> compressed = test::Compress({3, 0, 0, 0});
  const std::vector<BYTE> file = FormA(3, compressed);
  const auto path = dir.Write("Silver.skn", std::string(file.begin(), file.end()));
  TskCompressedStoredSkin skin(nullptr);
  skin.ReadCompressedFile(ToUtf16(path.string()));
  EXPECT_EQ(skin.CompressedBuffer(), compressed);
  EXPECT_THROW(skin.ReadCompressedFile(ToUtf16((dir.Path() / "missing.skn").string())), EFOpenError);
  EXPECT_TRUE(skin.IsEmpty());
}

TEST(StoredSkin, UnpackRejectsDataTheInflaterRejects) {
  TskCompressedStoredSkin skin(nullptr);
  std::vector<BYTE> compressed = test::Compress(std::vector<BYTE>(5000, 7));
  skin.ReadCompressedData(std::vector<BYTE>(compressed.begin(), compressed.end() - 4));
  EXPECT_THROW(skin.Unpack(), EDecompressionError);
  skin.ReadCompressedData(std::vector<BYTE>{1, 2, 3, 4, 5});
  try {
    skin.Unpack();
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "compression error");
  }
}

TEST(StoredSkin, InflatingStopsAtTheSizeLimit) {
  const std::vector<BYTE> compressed = DeflateSkin(std::vector<BYTE>(100000, 0));
  EXPECT_EQ(InflateSkin(compressed, 100000).size(), 100000u);
  EXPECT_THROW(InflateSkin(compressed, 99999), EDecompressionError);
}

constexpr std::string_view kFolderDefinition =
    "[VERSION]\r\nskinname=T\r\n[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\n"
    "activepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\n";

class BuildFromFolder : public ::testing::Test {
 protected:
  BuildFromFolder() {
    dir.Write("main.bmp", BmpText(SolidDib(3, 2, 1, 2, 3)));
    dir.Write("mask.bmp", BmpText(test::PaletteDib(3, 2, 8)));
    dir.Write("a.bmp", BmpText(SolidDib(2, 2, 9, 9, 9)));
    dir.Write("b.bmp", BmpText(test::PaletteDib(5, 1, 1)));
  }
  std::u16string Definition(std::string_view text) const {
    return ToUtf16(dir.Write("skin.ini", text).string());
  }
  test::TempDir dir;
};

TEST_F(BuildFromFolder, PackageHoldsThePicturesThenTheDefinition) {
  TskCompressedStoredSkin skin(nullptr);
  skin.BuildFromDefinitionFile(Definition(kFolderDefinition));
  ASSERT_FALSE(skin.IsEmpty());
  EXPECT_EQ(skin.CompressedBuffer()[0], 0x78);
  EXPECT_EQ(skin.CompressedBuffer()[1], 0xDA);

  test::PackageParts parts;
  parts.main = SolidDib(3, 2, 1, 2, 3);
  parts.mask = test::PaletteDib(3, 2, 8);
  parts.active = {SolidDib(2, 2, 9, 9, 9), test::PaletteDib(5, 1, 1)};
  std::string definition(kFolderDefinition);
  definition.replace(definition.size() - 1, 1, "\r\n");  // every line break becomes CR LF
  parts.definition = definition;
  EXPECT_EQ(skin.Unpack(), test::BuildPackage(parts));
}

TEST_F(BuildFromFolder, KeepsTheDefinitionsEncoding) {
  const std::u16string text = ToUtf16(kFolderDefinition);
  const std::vector<BYTE> file = EncodeDefinitionText(text, TextEncoding::Utf16LE);
  TskCompressedStoredSkin skin(nullptr);
  skin.BuildFromDefinitionFile(Definition(std::string(file.begin(), file.end())));
  const std::vector<BYTE> package = skin.Unpack();
  const std::vector<BYTE> expected =
      EncodeDefinitionText(text.substr(0, text.size() - 1) + u"\r\n", TextEncoding::Utf16LE);
  ASSERT_GT(package.size(), expected.size());
  EXPECT_TRUE(std::equal(expected.rbegin(), expected.rend(), package.rbegin()));
}

TEST_F(BuildFromFolder, DefinitionWithoutARequiredSectionChangesNothing) {
  TskCompressedStoredSkin skin(nullptr);
  skin.ReadCompressedData(std::vector<BYTE>{1, 2});
  for (std::string_view missing : {"[VERSION]", "[PICTURES]", "[FORMINFO]", "[SKINOBJECTS]", "[SKINCONTROLS]"}) {
    std::string text(kFolderDefinition);
    text.replace(text.find(missing), missing.size(), "[OTHER]");
    skin.BuildFromDefinitionFile(Definition(text));
    EXPECT_EQ(skin.CompressedBuffer(), (std::vector<BYTE>{1, 2})) << missing;
  }
}

TEST_F(BuildFromFolder, UnloadablePictureLeavesTheBufferEmpty) {
  TskCompressedStoredSkin skin(nullptr);
  skin.ReadCompressedData(std::vector<BYTE>{1, 2});
  std::string text(kFolderDefinition);
  text.replace(text.find("b.bmp"), 5, "x.bmp");
  EXPECT_THROW(skin.BuildFromDefinitionFile(Definition(text)), EFOpenError);
  EXPECT_TRUE(skin.IsEmpty());
  dir.Write("x.bmp", "BM not a bitmap");
  EXPECT_THROW(skin.BuildFromDefinitionFile(Definition(text)), BmpError);
  EXPECT_TRUE(skin.IsEmpty());
}

TEST_F(BuildFromFolder, SettersImportOnlyInDesignMode) {
  const std::u16string path = Definition(kFolderDefinition);
  TskCompressedStoredSkin skin(nullptr);
  skin.SetFileName(path);
  EXPECT_EQ(skin.FileName(), path);
  EXPECT_TRUE(skin.IsEmpty());

  skin.SetDesigning(true);
  skin.SetFileName(path);
  EXPECT_EQ(skin.FileName(), u"skin.ini");
  EXPECT_FALSE(skin.IsEmpty());

  TskCompressedSkinList list(nullptr);
  TskSkinListItem* item = list.Skins().Add();
  item->SetFileName(path);
  EXPECT_TRUE(item->StoredSkin().IsEmpty());
  list.SetDesigning(true);
  item->SetFileName(path);
  EXPECT_EQ(item->FileName(), u"skin.ini");
  EXPECT_EQ(item->StoredSkin().CompressedBuffer(), skin.CompressedBuffer());
}

TEST(SkinList, ItemsAreNamedByIndexAndAssignCopiesThem) {
  TskCompressedSkinList list(nullptr);
  TskSkinListItem* first = list.Skins().Add();
  TskSkinListItem* second = list.Skins().Add();
  EXPECT_EQ(first->Name(), u"skSkin0");
  EXPECT_EQ(second->DisplayName(), u"skSkin1");
  first->SetCompressedFileName(u"Silver.skn");
  first->StoredSkin().ReadCompressedData(std::vector<BYTE>{5, 6});

  TskCompressedSkinList copy(nullptr);
  copy.SetSkins(list.Skins());
  ASSERT_EQ(copy.Skins().Count(), 2);
  EXPECT_EQ(copy.Skins().Items(0)->Name(), u"skSkin0");
  EXPECT_EQ(copy.Skins().Items(0)->CompressedFileName(), u"Silver.skn");
  EXPECT_EQ(copy.Skins().Items(0)->StoredSkin().CompressedBuffer(), (std::vector<BYTE>{5, 6}));
  EXPECT_EQ(copy.Skins().Items(1)->Name(), u"skSkin1");
}

}  // namespace
}  // namespace qb
