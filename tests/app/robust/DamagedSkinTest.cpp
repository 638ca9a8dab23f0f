// Damaged skins reaching a window set up like the notification window: a
// single-border form under a frame component with the layered frame, and a
// gauge, all bound to one skin data component. Each damage kind of the fuzz
// corpus is made from our own stored skin. The window starts with the good
// skin; the damaged one is then given to it. A damage that the stored-skin
// reader refuses never reaches the skin data, so the good skin stays; every
// other one must leave the window in its unskinned frame, and the good skin
// must bring the skinned frame back afterwards. Nothing may crash.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/window/DefaultFrame.h"
#include "platform/window/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "skin/controls/TskSkinGauge.h"
#include "skin/data/SkinCompression.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "skin/data/TskSkinData.h"
#include "skin/frame/TskSkinForm.h"
#include "tests/support/ApplicationLoop.h"
#include "toolkit/app/TApplication.h"
#include "toolkit/forms/TForm.h"
#include "tools/embed/EmbeddedSkin.h"

namespace qb {
namespace {

using Bytes = std::vector<BYTE>;

std::uint32_t GetUint32(const Bytes& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= std::uint32_t(bytes.at(at + i)) << (8 * i);
  return value;
}

void PutUint32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = BYTE(value >> (8 * i));
}

// Where the parts of our skin's package lie.
struct PackageLayout {
  std::size_t mainPicture = 0;  // the BMP image of the main picture slot
  std::size_t activeCount = 0;
  std::size_t definition = 0;
};

PackageLayout Locate(const Bytes& package) {
  PackageLayout layout;
  std::size_t at = 4;
  for (int slot = 0; slot < 3; ++slot) {
    const bool present = package.at(at++) == 0;
    if (slot == 0) layout.mainPicture = at;
    if (present) at += GetUint32(package, at + 2);
  }
  layout.activeCount = at;
  const std::uint32_t count = GetUint32(package, at);
  at += 4;
  for (std::uint32_t i = 0; i < count; ++i) at += GetUint32(package, at + 2);
  layout.definition = at;
  return layout;
}

Bytes OwnStoredSkin() {
  const std::span<const BYTE> skin = EmbeddedSkin();
  return Bytes(skin.begin(), skin.end());
}

Bytes OwnPackage() {
  TskCompressedStoredSkin stored(nullptr);
  stored.ReadSkinProperty(EmbeddedSkin());
  return stored.Unpack();
}

enum class Outcome { kRefusedByTheReader, kUnskinned };

struct Damage {
  const char* name;
  Outcome outcome;
  // Fills the stored skin with the damaged bytes; may throw as the reader
  // does.
  std::function<void(TskCompressedStoredSkin&)> store;
};

// The damage done to the stored form (header and zlib stream).
void StoreForm(TskCompressedStoredSkin& stored, const std::function<void(Bytes&)>& damage) {
  Bytes bytes = OwnStoredSkin();
  damage(bytes);
  stored.ReadSkinProperty(bytes);
}

// The damage done to the unpacked package, which is then packed properly.
void StorePackage(TskCompressedStoredSkin& stored, const std::function<void(Bytes&, const PackageLayout&)>& damage) {
  Bytes package = OwnPackage();
  damage(package, Locate(package));
  stored.ReadCompressedData(DeflateSkin(package));
}

std::vector<Damage> Damages() {
  constexpr std::size_t kStreamStart = 8;
  constexpr std::size_t kBmpBitCount = 14 + 14;
  return {
      {"HeaderLengthBeyondTheStream", Outcome::kRefusedByTheReader,
       [](TskCompressedStoredSkin& s) { StoreForm(s, [](Bytes& b) { b.resize(b.size() / 2); }); }},
      {"HeaderVersionAboveThree", Outcome::kRefusedByTheReader,
       [](TskCompressedStoredSkin& s) { StoreForm(s, [](Bytes& b) { PutUint32(b, 0, 4); }); }},
      {"ZlibStreamGarbled", Outcome::kUnskinned,
       [](TskCompressedStoredSkin& s) {
         StoreForm(s, [](Bytes& b) {
           for (std::size_t i = kStreamStart + 2; i < b.size(); i += 7) b[i] ^= 0x5A;
         });
       }},
      {"ZlibStreamCutShort", Outcome::kUnskinned,
       [](TskCompressedStoredSkin& s) {
         StoreForm(s, [](Bytes& b) {
           b.resize(kStreamStart + (b.size() - kStreamStart) / 2);
           PutUint32(b, 4, std::uint32_t(b.size() - kStreamStart));
         });
       }},
      {"PackageVersionAboveThree", Outcome::kUnskinned,
       [](TskCompressedStoredSkin& s) { StorePackage(s, [](Bytes& p, const PackageLayout&) { PutUint32(p, 0, 4); }); }},
      {"PackageCutInsideTheMainPicture", Outcome::kUnskinned,
       [](TskCompressedStoredSkin& s) {
         StorePackage(s, [](Bytes& p, const PackageLayout& l) { p.resize(l.mainPicture + 100); });
       }},
      {"PictureSizeBeyondThePackage", Outcome::kUnskinned,
       [](TskCompressedStoredSkin& s) {
         StorePackage(s, [](Bytes& p, const PackageLayout& l) { PutUint32(p, l.mainPicture + 2, 0x7FFFFFF0); });
       }},
      {"PictureWithAnImpossibleDepth", Outcome::kUnskinned,
       [](TskCompressedStoredSkin& s) {
         StorePackage(s, [](Bytes& p, const PackageLayout& l) { p.at(l.mainPicture + kBmpBitCount) = 7; });
       }},
      {"MoreActivePicturesThanThereAre", Outcome::kUnskinned,
       [](TskCompressedStoredSkin& s) {
         StorePackage(s, [](Bytes& p, const PackageLayout& l) {
           PutUint32(p, l.activeCount, GetUint32(p, l.activeCount) + 1000);
         });
       }},
      {"MalformedRectangleInTheDefinition", Outcome::kUnskinned,
       [](TskCompressedStoredSkin& s) {
         StorePackage(s, [](Bytes& p, const PackageLayout& l) {
           const std::string text(p.begin() + std::ptrdiff_t(l.definition), p.end());
           const std::size_t at = text.find("skinrect=");
           ASSERT_NE(at, std::string::npos);
           const std::size_t end = text.find('\n', at);
           const std::string damaged = text.substr(0, at) + "skinrect=1,2,x" + text.substr(end);
           p.resize(l.definition);
           p.insert(p.end(), damaged.begin(), damaged.end());
         });
       }},
  };
}

// Hands the skin data's notifications to the one form, as the window layer
// would to every form of the application.
class OneFormNotifier : public SkinFormNotifier {
 public:
  explicit OneFormNotifier(TForm& form) : form_(form) {}
  std::vector<TComponent*> Forms() const override { return {&form_}; }
  bool IsForm(const TComponent* component) const override { return component == &form_; }
  void SendToForm(TComponent*, UINT message, WPARAM wParam, LPARAM lParam) override {
    SendMessage(form_.Handle(), message, wParam, lParam);
  }

 private:
  TForm& form_;
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

// The form of the notification window in miniature.
class DamagedSkin : public ::testing::TestWithParam<Damage> {
 protected:
  DamagedSkin() {
    good.ReadSkinProperty(EmbeddedSkin());
    data->SetFormNotifier(&notifier);
    data->SetShowLayeredBorders(true);
    form->SetBorderStyle(bsSingle);
    form->SetBounds(1500, 900, 200, 60);
    skinForm = new TskSkinForm(form.get());
    skinForm->SetBorderIcons(TskBorderIcons{});
    skinForm->SetSkinData(data.get());
    gauge = new TskSkinGauge(form.get());
    gauge->SetParent(form.get());
    gauge->SetSkinDataName(u"gauge");
    gauge->SetSkinData(data.get());
    gauge->SetBounds(0, 0, 194, 30);
    form->Show();
    data->LoadStoredSkin(&good);
    Settle();
  }

  void Settle() {
    gauge->SetValue(gauge->Value() + 4);
    gauge->Repaint();
    test::ProcessPending(application);
  }

  void ExpectUnskinnedFrame() {
    EXPECT_TRUE(data->Empty());
    EXPECT_FALSE(skinForm->Skinned());
    EXPECT_FALSE(skinForm->LayeredActive());
    const DefaultFrame frame = DefaultFrameFor(DWORD(GetWindowLong(form->Handle(), GWL_STYLE)));
    EXPECT_GT(frame.border + frame.caption, 0);
    EXPECT_EQ(form->ClientWidth(), form->Width() - 2 * frame.border);
    EXPECT_EQ(form->ClientHeight(), form->Height() - frame.caption - 2 * frame.border);
  }

  void ExpectSkinnedFrame() {
    EXPECT_FALSE(data->Empty());
    EXPECT_TRUE(skinForm->Skinned());
  }

  TApplication application;
  std::unique_ptr<TskSkinData> data = std::make_unique<TskSkinData>(nullptr);
  TskCompressedStoredSkin good{nullptr};
  std::unique_ptr<TForm> form = NewForm<TForm>();
  OneFormNotifier notifier{*form};
  TskSkinForm* skinForm = nullptr;
  TskSkinGauge* gauge = nullptr;
};

TEST_P(DamagedSkin, FallsBackToTheUnskinnedFrameAndRecovers) {
  const Damage& damage = GetParam();
  ExpectSkinnedFrame();

  TskCompressedStoredSkin damaged(nullptr);
  bool refused = false;
  try {
    damage.store(damaged);
  } catch (const std::exception&) {
    refused = true;
  }
  refused = refused || damaged.IsEmpty();
  if (!refused) {
    try {
      data->LoadStoredSkin(&damaged);
    } catch (const std::exception&) {
    }
  }
  Settle();
  if (damage.outcome == Outcome::kRefusedByTheReader) {
    EXPECT_TRUE(refused);
    ExpectSkinnedFrame();
  } else {
    EXPECT_FALSE(refused);
    EXPECT_FALSE(data->SkinChanging());
    ExpectUnskinnedFrame();
  }

  data->LoadStoredSkin(&good);
  Settle();
  ExpectSkinnedFrame();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DamagedSkin, ::testing::ValuesIn(Damages()),
                         [](const ::testing::TestParamInfo<Damage>& info) { return info.param.name; });

}  // namespace
}  // namespace qb
