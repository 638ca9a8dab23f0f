// One stored skin of a TskCompressedSkinList, with its name and file names.
// Its form property "Skin" holds the stored skin in form A.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/data/TskCompressedStoredSkin.h"
#include "toolkit/component/TCollection.h"
#include "toolkit/component/TCollectionItem.h"

namespace qb {

class TskSkinListItem : public TCollectionItem {
 public:
  // The new item is named "skSkin" followed by its index.
  explicit TskSkinListItem(TCollection* collection);
  ~TskSkinListItem() override;

  const std::u16string& Description() const { return description_; }
  void SetDescription(const std::u16string& value) { description_ = value; }
  const std::u16string& Name() const { return name_; }
  void SetName(const std::u16string& value) { name_ = value; }
  // While the owning list is designed, the setters first import the file
  // (a definition file, or a ".skn" file), then keep its file name part.
  const std::u16string& FileName() const { return fileName_; }
  void SetFileName(const std::u16string& value);
  const std::u16string& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const std::u16string& value);

  TskCompressedStoredSkin& StoredSkin() const { return *storedSkin_; }

  // The form property "Skin".
  void ReadSkin(std::span<const BYTE> stream) { storedSkin_->ReadSkinProperty(stream); }
  void WriteSkin(std::vector<BYTE>& stream) const { storedSkin_->WriteSkinProperty(stream); }

  std::u16string DisplayName() const override { return name_; }
  // From another item: the texts and the stored skin's buffer.
  void Assign(const TPersistent* source) override;

 private:
  bool ListIsDesigned() const;

  std::u16string description_;
  std::u16string fileName_;
  std::u16string compressedFileName_;
  std::u16string name_;
  std::unique_ptr<TskCompressedStoredSkin> storedSkin_;
};

}  // namespace qb
