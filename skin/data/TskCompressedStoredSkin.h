// A stored skin: one zlib-compressed skin package (pictures and skin
// definition) kept in memory for the component's whole life. Unpacking
// never changes it, so it can be loaded any number of times.
//
// Serialised form A (the form property "Skin" of a list item, and the layout
// of a compressed skin file ".skn"), little-endian:
//   header version, signed 32-bit: written as 3, read when 3 or less;
//   n, signed 32-bit: the length of the compressed stream;
//   n bytes of zlib stream.
// Form B (the form property "CompressedData") is the zlib stream alone.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/WinTypes.h"
#include "toolkit/component/TComponent.h"

namespace qb {

class TskCompressedStoredSkin : public TComponent {
 public:
  static constexpr std::int32_t kHeaderVersion = 3;

  explicit TskCompressedStoredSkin(TComponent* owner);

  const std::u16string& Description() const { return description_; }
  void SetDescription(const std::u16string& value) { description_ = value; }
  // In design mode (and not while read from a form stream) setting FileName
  // keeps only the file name part and builds the stored skin from that
  // definition file; CompressedFileName likewise reads that ".skn" file.
  // Otherwise the setters only store the value.
  const std::u16string& FileName() const { return fileName_; }
  void SetFileName(const std::u16string& value);
  const std::u16string& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const std::u16string& value);

  const std::vector<BYTE>& CompressedBuffer() const { return buffer_; }
  bool IsEmpty() const { return buffer_.empty(); }

  // Form A. Reading empties the buffer, then takes the stream from its start;
  // a header version above 3 leaves the buffer empty. A header whose length
  // exceeds the bytes that follow throws EReadError (buffer empty).
  void ReadSkinProperty(std::span<const BYTE> stream);
  void WriteSkinProperty(std::vector<BYTE>& stream) const;
  // Form B: the whole stream is the buffer.
  void ReadCompressedData(std::span<const BYTE> stream);
  void WriteCompressedData(std::vector<BYTE>& stream) const;
  // A compressed skin file in form A. A file that cannot be opened throws
  // EFOpenError.
  void ReadCompressedFile(const std::u16string& path);

  // Builds the stored skin from a skin folder's definition file: the package
  // of the pictures the definition names (from the file's folder) and the
  // definition text, deflated at level 9. A definition without [VERSION],
  // [PICTURES], [FORMINFO], [SKINOBJECTS] or [SKINCONTROLS] changes nothing.
  // A picture that cannot be loaded throws and leaves the buffer empty.
  void BuildFromDefinitionFile(const std::u16string& path);

  // The skin package: the whole zlib stream inflated. Throws
  // EDecompressionError ("compression error") on bad data.
  std::vector<BYTE> Unpack() const;

 private:
  bool SettersImportFiles() const;

  std::u16string description_;
  std::u16string fileName_;
  std::u16string compressedFileName_;
  std::vector<BYTE> buffer_;
};

// The part of a path after its last "/" or "\".
std::u16string ExtractFileName(const std::u16string& path);

}  // namespace qb
