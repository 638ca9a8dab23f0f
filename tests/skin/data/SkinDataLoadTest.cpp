#include <gtest/gtest.h>

#include "platform/gdi/BmpFile.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskDataSkinGaugeControl.h"
#include "skin/data/TskSkinData.h"
#include "tests/skin/data/SkinTestPackage.h"

namespace qb {
namespace {

using test::SolidDib;

constexpr std::string_view kDefinition =
    "[VERSION]\r\nskinname=Test skin\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=1\r\n0=a.bmp\r\n"
    "[FORMINFO]\r\nclientrect=3,26,282,207\r\n"
    "[SKINCOLORS]\r\ncbtnface=15263459\r\n"
    "[SKINOBJECTS]\r\ncount=0\r\n"
    "[SKINCONTROLS]\r\ncount=1\r\n0=gauge:gauge\r\n"
    "[gauge]\r\npictureindex=0\r\nskinrect=4,91,22,106\r\n";

test::PackageParts Parts(std::string_view definition = kDefinition) {
  test::PackageParts parts;
  parts.main = SolidDib(4, 3, 10, 20, 30);
  parts.mask = test::PaletteDib(4, 3, 8);
  parts.active = {SolidDib(2, 2, 1, 1, 1)};
  parts.definition = definition;
  return parts;
}

std::unique_ptr<TskCompressedStoredSkin> Stored(const std::vector<BYTE>& package) {
  auto skin = std::make_unique<TskCompressedStoredSkin>(nullptr);
  skin->ReadCompressedData(test::Compress(package));
  return skin;
}

// A form list of fake forms that records what each send saw.
class RecordingNotifier : public SkinFormNotifier {
 public:
  struct Sent {
    UINT message;
    bool empty;
    bool changing;
  };
  explicit RecordingNotifier(const TskSkinData& data) : data_(data) {}
  std::vector<TComponent*> Forms() const override { return {form_.get()}; }
  bool IsForm(const TComponent* c) const override { return c == form_.get(); }
  void SendToForm(TComponent*, UINT message, WPARAM wParam, LPARAM lParam) override {
    EXPECT_EQ(wParam, reinterpret_cast<WPARAM>(&data_));
    EXPECT_EQ(lParam, 1000);
    sent.push_back({message, data_.Empty(), data_.SkinChanging()});
  }
  std::vector<Sent> sent;

 private:
  const TskSkinData& data_;
  std::unique_ptr<TComponent> form_ = std::make_unique<TComponent>(nullptr);
};

class SkinDataLoad : public ::testing::Test {
 protected:
  SkinDataLoad() { data.SetFormNotifier(&notifier); }
  std::vector<UINT> Messages() const {
    std::vector<UINT> m;
    for (const auto& s : notifier.sent) m.push_back(s.message);
    return m;
  }
  TskSkinData data{nullptr};
  RecordingNotifier notifier{data};
};

TEST_F(SkinDataLoad, LoadsPicturesAndDefinitionAndAnnouncesTheChange) {
  int loaded = 0;
  data.OnLoadData = [&](TObject* sender) {
    EXPECT_EQ(sender, &data);
    ++loaded;
  };
  const auto stored = Stored(test::BuildPackage(Parts()));
  data.LoadStoredSkin(stored.get());

  EXPECT_FALSE(data.Empty());
  EXPECT_FALSE(data.SkinChanging());
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(data.MainPicture().Width(), 4);
  EXPECT_EQ(data.MainPicture().PixelFormat(), pf24bit);
  EXPECT_TRUE(data.InactivePicture().Empty());
  EXPECT_EQ(data.MaskPicture().PixelFormat(), pf8bit);
  ASSERT_EQ(data.ActivePictures().size(), 1u);
  EXPECT_EQ(data.ActivePictureNames(), std::vector<std::u16string>{u"a.bmp"});
  EXPECT_EQ(data.SkinName(), u"Test skin");
  EXPECT_EQ(data.SkinColors().cbtnface, 15263459);
  EXPECT_EQ(data.SkinColors().cbtntext, clBtnText);
  EXPECT_EQ(data.FindControlIndex(u"gauge"), 0);

  ASSERT_EQ(notifier.sent.size(), 3u);
  EXPECT_EQ(notifier.sent[0].message, SKM_BEFORECHANGE);
  EXPECT_TRUE(notifier.sent[0].empty && notifier.sent[0].changing);
  EXPECT_EQ(notifier.sent[1].message, SKM_CHANGE);
  EXPECT_TRUE(!notifier.sent[1].empty && notifier.sent[1].changing);
  EXPECT_EQ(notifier.sent[2].message, SKM_AFTERCHANGE);
  EXPECT_TRUE(!notifier.sent[2].empty && !notifier.sent[2].changing);

  data.LoadStoredSkin(stored.get());
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.ActivePictures().size(), 1u);
  EXPECT_EQ(data.SkinControls().size(), 1u);
}

TEST_F(SkinDataLoad, EmptyStoredSkinChangesNothing) {
  const auto stored = Stored(test::BuildPackage(Parts()));
  data.LoadStoredSkin(stored.get());
  notifier.sent.clear();
  TskCompressedStoredSkin empty(nullptr);
  data.LoadStoredSkin(&empty);
  EXPECT_FALSE(data.Empty());
  EXPECT_TRUE(notifier.sent.empty());
}

TEST_F(SkinDataLoad, PackageLayoutVariantsLoadTheSameSkin) {
  const std::vector<BYTE> v3 = test::BuildPackage(Parts());
  test::PackageParts v2parts = Parts();
  v2parts.version = 2;
  const std::vector<BYTE> v2 = test::BuildPackage(v2parts, {SolidDib(7, 7, 0, 0, 0), SolidDib(1, 9, 0, 0, 0)});
  for (const auto& package : {v3, v2}) {
    data.LoadStoredSkin(Stored(package).get());
    ASSERT_FALSE(data.Empty());
    EXPECT_EQ(data.MainPicture().Width(), 4);
    EXPECT_EQ(data.MaskPicture().Height(), 3);
    ASSERT_EQ(data.ActivePictures().size(), 1u);
    EXPECT_EQ(data.ActivePictures()[0]->Width(), 2);
    EXPECT_EQ(data.SkinName(), u"Test skin");
  }

  test::PackageParts none = Parts("[VERSION]\r\nskinname=No pictures\r\n");
  none.active.clear();
  none.main.reset();
  data.LoadStoredSkin(Stored(test::BuildPackage(none)).get());
  EXPECT_FALSE(data.Empty());
  EXPECT_TRUE(data.MainPicture().Empty());
  EXPECT_EQ(data.MaskPicture().Width(), 4);
  EXPECT_TRUE(data.ActivePictures().empty());
  EXPECT_EQ(data.SkinName(), u"No pictures");
}

// Every failure leaves the data cleared and Empty, and ends the change for
// the forms so that none stays unable to paint its frame.
TEST_F(SkinDataLoad, FailedLoadsLeaveTheDataClearedAndTheFormsOutOfTheChange) {
  std::vector<BYTE> cutInPicture = test::BuildPackage(Parts());
  cutInPicture.resize(40);
  test::PackageParts v4 = Parts();
  v4.version = 4;
  struct Case {
    const char* what;
    std::vector<BYTE> compressed;
    bool throws;
  };
  std::vector<BYTE> badZlib = test::Compress(test::BuildPackage(Parts()));
  badZlib[badZlib.size() / 2] ^= 0xFF;
  const Case cases[] = {
      {"version 4", test::Compress(test::BuildPackage(v4)), false},
      {"bad zlib", badZlib, true},
      {"cut in a picture", test::Compress(cutInPicture), true},
      {"cut in the header", test::Compress({3, 0}), true},
      {"bad rectangle", test::Compress(test::BuildPackage(Parts(
                            "[FORMINFO]\r\nclientrect=1,2,3\r\n[SKINCONTROLS]\r\ncount=1\r\n0=gauge:gauge\r\n"))),
       true},
  };
  const auto good = Stored(test::BuildPackage(Parts()));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    data.LoadStoredSkin(good.get());
    ASSERT_FALSE(data.Empty());
    notifier.sent.clear();
    TskCompressedStoredSkin bad(nullptr);
    bad.ReadCompressedData(c.compressed);
    if (c.throws) {
      EXPECT_ANY_THROW(data.LoadStoredSkin(&bad));
    } else {
      data.LoadStoredSkin(&bad);
    }
    EXPECT_TRUE(data.Empty());
    EXPECT_FALSE(data.SkinChanging());
    EXPECT_EQ(data.FindControlIndex(u"gauge"), -1);
    EXPECT_EQ(Messages(), (std::vector<UINT>{SKM_BEFORECHANGE, SKM_CHANGE, SKM_AFTERCHANGE}));
  }
}

TEST_F(SkinDataLoad, ConversionErrorAbortsAfterTheRecordsReadSoFar) {
  const auto stored = Stored(test::BuildPackage(Parts(
      "[SKINCONTROLS]\r\ncount=3\r\n0=first:gauge\r\n1=second:gauge\r\n2=third:gauge\r\n"
      "[first]\r\nskinrect=1,2,3,4\r\n[second]\r\npictureindex=5\r\nskinrect=1,2\r\n")));
  EXPECT_THROW(data.LoadStoredSkin(stored.get()), EConvertError);
  ASSERT_EQ(data.SkinControls().size(), 2u);
  EXPECT_EQ(data.SkinControls()[1]->pictureindex, 5);
  EXPECT_TRUE(data.Empty());
}

TEST_F(SkinDataLoad, SelectingAStoredSkin) {
  TskCompressedSkinList list(nullptr);
  list.Skins().Add()->StoredSkin().ReadCompressedData(test::Compress(test::BuildPackage(Parts())));
  list.Skins().Add()->StoredSkin().ReadCompressedData(
      test::Compress(test::BuildPackage(Parts("[VERSION]\r\nskinname=Second\r\n"))));

  data.SetSkinIndex(1);
  EXPECT_EQ(data.SkinIndex(), 1);
  data.SetSkinIndex(0);
  EXPECT_TRUE(data.Empty());

  data.SetSkinList(&list);
  EXPECT_EQ(data.SkinName(), u"Test skin");
  notifier.sent.clear();
  data.SetSkinIndex(0);
  data.SetSkinIndex(2);
  data.SetSkinIndex(-1);
  EXPECT_EQ(data.SkinIndex(), 0);
  EXPECT_TRUE(notifier.sent.empty());
  data.SetSkinIndex(1);
  EXPECT_EQ(data.SkinName(), u"Second");

  TskSkinData designed(nullptr);
  designed.SetDesigning(true);
  designed.SetSkinList(&list);
  EXPECT_TRUE(designed.Empty());
}

TEST_F(SkinDataLoad, DestroyedReferencesAreDroppedAndTheSkinStays) {
  auto list = std::make_unique<TskCompressedSkinList>(nullptr);
  list->Skins().Add()->StoredSkin().ReadCompressedData(test::Compress(test::BuildPackage(Parts())));
  auto stored = Stored(test::BuildPackage(Parts()));
  auto strings = std::make_unique<TskResourceStrData>(nullptr);
  data.SetSkinList(list.get());
  data.SetCompressedStoredSkin(stored.get());
  data.SetResourceStrData(strings.get());
  list.reset();
  stored.reset();
  strings.reset();
  EXPECT_EQ(data.SkinList(), nullptr);
  EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
  EXPECT_EQ(data.ResourceStrData(), nullptr);
  EXPECT_FALSE(data.Empty());
}

TEST_F(SkinDataLoad, SwitchesAnnounceTheirChangeOutsideDesignAndLoading) {
  data.SetSkinnableForm(false);
  data.SetShowLayeredBorders(false);
  data.SetAeroBlurEnabled(false);
  data.SetAeroBlurEnabled(false);
  TskResourceStrData strings(nullptr);
  data.SetResourceStrData(&strings);
  EXPECT_EQ(Messages(), (std::vector<UINT>{SKM_SKINNABLEFORMCHANGED, SKM_LAYEREDBORDERSCHANGED, SKM_AEROBLURCHANGED,
                                           SKM_STRINGSCHANGED}));
  notifier.sent.clear();
  data.BeginLoading();
  data.SetSkinnableForm(true);
  data.SetDesigning(true);
  data.SetShowLayeredBorders(true);
  data.SetResourceStrData(nullptr);
  EXPECT_TRUE(notifier.sent.empty());
  EXPECT_TRUE(data.SkinnableForm());
  EXPECT_TRUE(data.ShowLayeredBorders());
}

TEST(ResourceStrings, LookupIgnoresCaseAndTakesTheFirstLine) {
  TskResourceStrData strings(nullptr);
  EXPECT_EQ(strings.GetResStr(u"mi_closecaption"), u"&Close");
  EXPECT_EQ(strings.GetResStr(u"MINBUTTON_HINT"), u"Minimize");
  EXPECT_EQ(strings.GetResStr(u"MSG_BTN_OK"), u"OK");
  strings.SetResStrings({u"A=x=y", u"a=second", u"B"});
  EXPECT_EQ(strings.GetResStr(u"a"), u"x=y");
  EXPECT_EQ(strings.GetResStr(u"B"), u"");
  EXPECT_EQ(strings.CharSet(), 1);
}

}  // namespace
}  // namespace qb
