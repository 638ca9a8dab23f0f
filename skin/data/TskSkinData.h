// The skin data component that every skinned form and control binds to. It
// unpacks a stored skin into its pictures and the typed records of the skin
// definition, serves the records by name, and tells all forms when the skin
// or one of its global switches changes.
//
// Flags: Empty is true whenever no fully read skin is held (from creation
// until the first successful load, during a load, after a failed load).
// SkinChanging is true while a load runs. Records live until the next load;
// users look them up again after SKM_CHANGE and keep no references across a
// load.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinFormNotifier.h"
#include "skin/data/SkinIni.h"
#include "skin/data/TskCompressedSkinList.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "skin/data/TskDataSkinControl.h"
#include "skin/data/TskDataSkinHintWindow.h"
#include "skin/data/TskDataSkinLayerFrame.h"
#include "skin/data/TskDataSkinObject.h"
#include "skin/data/TskDataSkinPopupWindow.h"
#include "skin/data/TskResourceStrData.h"
#include "skin/data/TskSkinColors.h"
#include "skin/data/TskSkinFormInfo.h"
#include "toolkit/component/Events.h"
#include "toolkit/component/TComponent.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class TskSkinData : public TComponent {
 public:
  explicit TskSkinData(TComponent* owner);
  ~TskSkinData() override;

  // Selecting a stored skin. Outside design mode, setting a list loads
  // SkinList.Skins[SkinIndex] when the index is in range; setting an index
  // in range loads that item; an index out of range while a list is set is
  // ignored; setting a stored skin loads it. A destroyed list, stored skin
  // or string component is dropped; the loaded skin stays.
  TskCompressedSkinList* SkinList() const { return skinList_; }
  void SetSkinList(TskCompressedSkinList* list);
  int SkinIndex() const { return skinIndex_; }
  void SetSkinIndex(int index);
  TskCompressedStoredSkin* CompressedStoredSkin() const { return storedSkin_; }
  void SetCompressedStoredSkin(TskCompressedStoredSkin* storedSkin);
  // Raised after each successful load, with this component as sender.
  TNotifyEvent OnLoadData;

  // Switches whose change (outside design mode and form loading) is
  // announced to all forms.
  bool SkinnableForm() const { return skinnableForm_; }
  void SetSkinnableForm(bool value);
  bool ShowLayeredBorders() const { return showLayeredBorders_; }
  void SetShowLayeredBorders(bool value);
  bool AeroBlurEnabled() const { return aeroBlurEnabled_; }
  void SetAeroBlurEnabled(bool value);
  TskResourceStrData* ResourceStrData() const { return resourceStrData_; }
  void SetResourceStrData(TskResourceStrData* value);

  // Switches only stored here, read by the frame and the controls.
  bool EnableSkinEffects = true;
  bool ShowButtonGlowFrames = true;
  bool ShowCaptionButtonGlowFrames = true;
  bool AnimationForAllWindows = false;
  bool DlgTreeViewDrawSkin = true;
  bool DlgListViewDrawSkin = true;
  std::u16string DlgTreeViewItemSkinDataName = u"listbox";
  std::u16string DlgListViewItemSkinDataName = u"listbox";

  // Unpacks the stored skin and reads it. An empty stored skin changes
  // nothing. Forms get SKM_BEFORECHANGE, then SKM_CHANGE and, with
  // SkinChanging already false, SKM_AFTERCHANGE. A load that fails (bad
  // data, a package version above 3) leaves the data cleared with Empty
  // true, still finishes the notifications so that forms leave their
  // skin-change state, and then rethrows the error (a version above 3 is
  // not an error).
  void LoadStoredSkin(const TskCompressedStoredSkin* storedSkin);

  // Reads a skin definition into the records, in the order the later steps
  // rely on; the pictures must be in place. Used by LoadStoredSkin.
  void ReadSkinDefinition(const SkinIni& ini);

  bool Empty() const { return empty_; }
  bool SkinChanging() const { return skinChanging_; }

  // The first record whose IDName equals `name` exactly, or −1.
  int FindObjectIndex(std::u16string_view name) const;
  int FindControlIndex(std::u16string_view name) const;
  const std::vector<std::unique_ptr<TskDataSkinObject>>& SkinObjects() const { return skinObjects_; }
  const std::vector<std::unique_ptr<TskDataSkinControl>>& SkinControls() const { return skinControls_; }

  const TBitmap& MainPicture() const { return mainPicture_; }
  const TBitmap& InactivePicture() const { return inactivePicture_; }
  const TBitmap& MaskPicture() const { return maskPicture_; }
  const std::vector<std::unique_ptr<TBitmap>>& ActivePictures() const { return activePictures_; }
  // ActivePictures[index], or null when the index is out of range.
  const TBitmap* ActivePicture(std::int32_t index) const;
  const std::vector<std::u16string>& ActivePictureNames() const { return activePictureNames_; }
  const std::u16string& PictureName() const { return pictureName_; }
  const std::u16string& InactivePictureName() const { return inactivePictureName_; }
  const std::u16string& MaskName() const { return maskName_; }

  const std::u16string& SkinName() const { return skinName_; }
  const std::u16string& SkinAuthor() const { return skinAuthor_; }
  const std::u16string& AuthorEmail() const { return authorEmail_; }
  const std::u16string& AuthorURL() const { return authorURL_; }
  const std::u16string& SkinComments() const { return skinComments_; }

  const TskSkinFormInfo& FormInfo() const { return formInfo_; }
  const TskDataSkinPopupWindow& PopupWindow() const { return popupWindow_; }
  const TskDataSkinLayerFrame& LayerFrame() const { return layerFrame_; }
  const TskDataSkinHintWindow& HintWindow() const { return hintWindow_; }
  const TskSkinColors& SkinColors() const { return skinColors_; }

  // Sends `message` synchronously to the forms in SkinNotificationOrder,
  // with this component as word parameter and 1000 as long parameter.
  // Nothing is sent while no notifier is installed.
  void NotifyForms(UINT message);
  void SetFormNotifier(SkinFormNotifier* notifier) { notifier_ = notifier; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool AnnouncesSwitches() const { return !Designing() && !ComponentState().Contains(csLoading); }
  void ClearSkin();
  void ReadPackage(std::span<const BYTE> package);
  void ReadPictureNames(const SkinIni& ini);
  void ReadSkinObjects(const SkinIni& ini);
  void ReadSkinControls(const SkinIni& ini);

  TskCompressedSkinList* skinList_ = nullptr;
  int skinIndex_ = 0;
  TskCompressedStoredSkin* storedSkin_ = nullptr;
  TskResourceStrData* resourceStrData_ = nullptr;
  bool skinnableForm_ = true;
  bool showLayeredBorders_ = true;
  bool aeroBlurEnabled_ = true;
  SkinFormNotifier* notifier_ = nullptr;

  bool empty_ = true;
  bool skinChanging_ = false;

  TBitmap mainPicture_;
  TBitmap inactivePicture_;
  TBitmap maskPicture_;
  std::vector<std::unique_ptr<TBitmap>> activePictures_;
  std::vector<std::u16string> activePictureNames_;
  std::u16string pictureName_;
  std::u16string inactivePictureName_;
  std::u16string maskName_;
  std::u16string skinName_;
  std::u16string skinAuthor_;
  std::u16string authorEmail_;
  std::u16string authorURL_;
  std::u16string skinComments_;

  TskSkinFormInfo formInfo_;
  TskDataSkinPopupWindow popupWindow_;
  TskDataSkinLayerFrame layerFrame_;
  TskDataSkinHintWindow hintWindow_;
  TskSkinColors skinColors_;
  std::vector<std::unique_ptr<TskDataSkinObject>> skinObjects_;
  std::vector<std::unique_ptr<TskDataSkinControl>> skinControls_;
};

}  // namespace qb
