#include "skin/data/TskSkinData.h"

#include <algorithm>
#include <map>

#include "skin/data/DefinitionText.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/SkinPackageReader.h"
#include "skin/data/SkinRecordTypes.h"

namespace qb {
namespace {

// A definition may claim any count; the names list is informational and is
// never longer than this.
constexpr std::int32_t kMaxActivePictureNames = 65536;

// The index a key "0", "1", … stands for, or −1 for any other key.
std::int64_t KeyIndex(std::u16string_view key) {
  if (key.empty() || key.size() > 10 || (key.size() > 1 && key[0] == u'0')) return -1;
  std::int64_t value = 0;
  for (char16_t c : key) {
    if (c < u'0' || c > u'9') return -1;
    value = value * 10 + (c - u'0');
  }
  return value;
}

// The values of the keys "0" … "count − 1" that the section holds, in index
// order. The same as asking for each key in turn, but a huge count costs
// nothing when the keys are not there.
std::vector<std::u16string_view> IndexedValues(const SkinIni& ini, std::u16string_view section, std::int32_t count) {
  const SkinIni::Section* s = ini.FindSection(section);
  if (s == nullptr) return {};
  std::map<std::int64_t, std::u16string_view> byIndex;
  for (const SkinIni::Entry& entry : s->entries) {
    if (entry.bare) continue;
    const std::int64_t index = KeyIndex(entry.key);
    if (index >= 0 && index < count) byIndex.emplace(index, entry.value);
  }
  std::vector<std::u16string_view> values;
  values.reserve(byIndex.size());
  for (const auto& [index, value] : byIndex) values.push_back(value);
  return values;
}

// An entry "name:type"; without ":" both parts are empty.
std::pair<std::u16string, std::u16string_view> SplitEntry(std::u16string_view entry) {
  const std::size_t colon = entry.find(u':');
  if (colon == std::u16string_view::npos) return {};
  return {std::u16string(entry.substr(0, colon)), entry.substr(colon + 1)};
}

template <typename Record>
int FindIndex(const std::vector<std::unique_ptr<Record>>& records, std::u16string_view name) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i]->IDName == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

TskSkinData::TskSkinData(TComponent* owner) : TComponent(owner) {}

TskSkinData::~TskSkinData() = default;

void TskSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinList_) skinList_ = nullptr;
  if (component == storedSkin_) storedSkin_ = nullptr;
  if (component == resourceStrData_) resourceStrData_ = nullptr;
}

void TskSkinData::SetSkinList(TskCompressedSkinList* list) {
  if (skinList_ != nullptr && skinList_ != list) skinList_->RemoveFreeNotification(this);
  skinList_ = list;
  if (list == nullptr) return;
  list->FreeNotification(this);
  if (!Designing() && skinIndex_ >= 0 && skinIndex_ < list->Skins().Count()) {
    LoadStoredSkin(&list->Skins().Items(skinIndex_)->StoredSkin());
  }
}

void TskSkinData::SetSkinIndex(int index) {
  if (index == skinIndex_) return;
  if (skinList_ == nullptr) {
    skinIndex_ = index;
    return;
  }
  if (index < 0 || index >= skinList_->Skins().Count()) return;
  skinIndex_ = index;
  if (!Designing()) LoadStoredSkin(&skinList_->Skins().Items(index)->StoredSkin());
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* storedSkin) {
  if (storedSkin_ != nullptr && storedSkin_ != storedSkin) storedSkin_->RemoveFreeNotification(this);
  storedSkin_ = storedSkin;
  if (storedSkin == nullptr) return;
  storedSkin->FreeNotification(this);
  if (!Designing()) LoadStoredSkin(storedSkin);
}

void TskSkinData::SetSkinnableForm(bool value) {
  if (value == skinnableForm_) return;
  skinnableForm_ = value;
  if (AnnouncesSwitches()) NotifyForms(SKM_SKINNABLEFORMCHANGED);
}

void TskSkinData::SetShowLayeredBorders(bool value) {
  if (value == showLayeredBorders_) return;
  showLayeredBorders_ = value;
  if (AnnouncesSwitches()) NotifyForms(SKM_LAYEREDBORDERSCHANGED);
}

void TskSkinData::SetAeroBlurEnabled(bool value) {
  if (value == aeroBlurEnabled_) return;
  aeroBlurEnabled_ = value;
  if (AnnouncesSwitches()) NotifyForms(SKM_AEROBLURCHANGED);
}

void TskSkinData::SetResourceStrData(TskResourceStrData* value) {
  if (value == resourceStrData_) return;
  if (resourceStrData_ != nullptr) resourceStrData_->RemoveFreeNotification(this);
  resourceStrData_ = value;
  if (value != nullptr) value->FreeNotification(this);
  if (!Designing()) NotifyForms(SKM_STRINGSCHANGED);
}

void TskSkinData::LoadStoredSkin(const TskCompressedStoredSkin* storedSkin) {
  if (storedSkin == nullptr || storedSkin->IsEmpty()) return;
  empty_ = true;
  skinChanging_ = true;
  NotifyForms(SKM_BEFORECHANGE);
  ClearSkin();
  mainPicture_.Clear();
  inactivePicture_.Clear();
  maskPicture_.Clear();
  pictureName_.clear();
  inactivePictureName_.clear();
  maskName_.clear();

  // A failed load still ends the change for the forms: they must not stay
  // in the state in which they suppress their frame.
  bool read = false;
  try {
    const std::vector<BYTE> package = storedSkin->Unpack();
    SkinPackageReader reader(package);
    if (reader.ReadInt32() <= SkinPackageReader::kVersion) {
      ReadPackage(package);
      read = true;
    }
  } catch (...) {
    NotifyForms(SKM_CHANGE);
    skinChanging_ = false;
    NotifyForms(SKM_AFTERCHANGE);
    throw;
  }
  empty_ = !read;
  if (read && OnLoadData) OnLoadData(this);
  NotifyForms(SKM_CHANGE);
  skinChanging_ = false;
  NotifyForms(SKM_AFTERCHANGE);
}

void TskSkinData::ReadPackage(std::span<const BYTE> package) {
  SkinPackageReader reader(package);
  const std::int32_t version = reader.ReadInt32();
  reader.ReadPictureSlot(mainPicture_);
  reader.ReadPictureSlot(inactivePicture_);
  reader.ReadPictureSlot(maskPicture_);
  if (version == 2) {
    TBitmap dropped;
    reader.ReadPictureSlot(dropped);
    reader.ReadPictureSlot(dropped);
  }
  const std::int32_t count = reader.ReadInt32();
  for (std::int32_t i = 0; i < count; ++i) {
    auto picture = std::make_unique<TBitmap>();
    reader.ReadPicture(*picture);
    activePictures_.push_back(std::move(picture));
  }
  const SkinIni ini(DecodeDefinitionText(reader.Rest()).text);
  ReadSkinDefinition(ini);
}

void TskSkinData::ReadSkinDefinition(const SkinIni& ini) {
  skinName_ = ini.ReadString(u"VERSION", u"skinname", u"");
  skinAuthor_ = ini.ReadString(u"VERSION", u"skinauthor", u"");
  authorEmail_ = ini.ReadString(u"VERSION", u"authoremail", u"");
  authorURL_ = ini.ReadString(u"VERSION", u"authorurl", u"");
  skinComments_ = ini.ReadString(u"VERSION", u"skincomments", u"");
  ReadPictureNames(ini);
  formInfo_.LoadFromIni(ini, maskName_);
  popupWindow_.LoadFromIni(ini);
  layerFrame_.LoadFromIni(ini);
  layerFrame_.BuildImages(activePictures_);
  hintWindow_.LoadFromIni(ini);
  skinColors_.LoadFromIni(ini);
  ReadSkinObjects(ini);
  ReadSkinControls(ini);
}

void TskSkinData::ReadPictureNames(const SkinIni& ini) {
  pictureName_ = ini.ReadString(u"PICTURES", u"picture", u"");
  inactivePictureName_ = ini.ReadString(u"PICTURES", u"inactivepicture", u"");
  maskName_ = ini.ReadString(u"PICTURES", u"mask", u"");
  const std::int32_t count =
      std::clamp(ini.ReadInteger(u"PICTURES", u"activepicturescount", 0), 0, kMaxActivePictureNames);
  activePictureNames_.assign(static_cast<std::size_t>(count), std::u16string());
  for (std::int32_t i = 0; i < count; ++i) {
    activePictureNames_[static_cast<std::size_t>(i)] = ini.ReadString(u"PICTURES", FormatInteger(i), u"");
  }
}

void TskSkinData::ReadSkinObjects(const SkinIni& ini) {
  const std::int32_t count = ini.ReadInteger(u"SKINOBJECTS", u"count", 0);
  for (std::u16string_view entry : IndexedValues(ini, u"SKINOBJECTS", count)) {
    auto [name, type] = SplitEntry(entry);
    std::unique_ptr<TskDataSkinObject> record = CreateSkinObject(type, std::move(name));
    if (!record) continue;
    TskDataSkinObject& added = *skinObjects_.emplace_back(std::move(record));
    added.LoadFromIni(ini);
    added.PrepareImages(*this);
  }
}

void TskSkinData::ReadSkinControls(const SkinIni& ini) {
  const std::int32_t count = ini.ReadInteger(u"SKINCONTROLS", u"count", 0);
  for (std::u16string_view entry : IndexedValues(ini, u"SKINCONTROLS", count)) {
    auto [name, type] = SplitEntry(entry);
    std::unique_ptr<TskDataSkinControl> record = CreateSkinControl(type, std::move(name));
    if (!record) continue;
    skinControls_.emplace_back(std::move(record))->LoadFromIni(ini);
  }
}

void TskSkinData::ClearSkin() {
  skinObjects_.clear();
  skinControls_.clear();
  activePictures_.clear();
  layerFrame_.Clear();
  popupWindow_.windowpictureindex = -1;
  hintWindow_.windowpictureindex = -1;
  activePictureNames_.clear();
  skinColors_.SetDefaults();
}

const TBitmap* TskSkinData::ActivePicture(std::int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= activePictures_.size()) return nullptr;
  return activePictures_[static_cast<std::size_t>(index)].get();
}

int TskSkinData::FindObjectIndex(std::u16string_view name) const { return FindIndex(skinObjects_, name); }

int TskSkinData::FindControlIndex(std::u16string_view name) const { return FindIndex(skinControls_, name); }

void TskSkinData::NotifyForms(UINT message) {
  if (notifier_ == nullptr) return;
  TComponent* owner = Owner();
  TComponent* ownerForm = owner != nullptr && notifier_->IsForm(owner) ? owner : nullptr;
  const std::vector<TComponent*> order = SkinNotificationOrder(notifier_->Forms(), ownerForm, showLayeredBorders_,
                                                               layerFrame_.pictureindex != -1);
  for (TComponent* form : order) {
    // A handler may close forms; only forms that still exist are reached.
    const std::vector<TComponent*> current = notifier_->Forms();
    if (form != ownerForm && std::find(current.begin(), current.end(), form) == current.end()) continue;
    notifier_->SendToForm(form, message, reinterpret_cast<WPARAM>(this), SKM_NOTIFY_LPARAM);
  }
}

}  // namespace qb
