#include "skin/data/TskCompressedStoredSkin.h"

#include <fstream>
#include <iterator>

#include "platform/text/Utf.h"
#include "skin/data/DefinitionText.h"
#include "skin/data/SkinCompression.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinPackageReader.h"
#include "skin/data/SkinPackageWriter.h"

namespace qb {
namespace {

std::vector<BYTE> ReadFileBytes(const std::u16string& path) {
  std::ifstream in(ToUtf8(path), std::ios::binary);
  if (!in) throw EFOpenError("Cannot open file \"" + ToUtf8(path) + "\"");
  std::vector<BYTE> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw EFOpenError("Cannot read file \"" + ToUtf8(path) + "\"");
  return bytes;
}

std::u16string FolderOf(const std::u16string& path) {
  const std::size_t slash = path.find_last_of(u"/\\");
  return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

void LoadPicture(TBitmap& picture, const std::u16string& path) { picture.LoadFromStream(ReadFileBytes(path)); }

}  // namespace

std::u16string ExtractFileName(const std::u16string& path) {
  const std::size_t slash = path.find_last_of(u"/\\");
  return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

TskCompressedStoredSkin::TskCompressedStoredSkin(TComponent* owner) : TComponent(owner) {}

bool TskCompressedStoredSkin::SettersImportFiles() const {
  return ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading);
}

void TskCompressedStoredSkin::SetFileName(const std::u16string& value) {
  if (!SettersImportFiles()) {
    fileName_ = value;
    return;
  }
  fileName_ = ExtractFileName(value);
  BuildFromDefinitionFile(value);
}

void TskCompressedStoredSkin::SetCompressedFileName(const std::u16string& value) {
  if (!SettersImportFiles()) {
    compressedFileName_ = value;
    return;
  }
  compressedFileName_ = ExtractFileName(value);
  ReadCompressedFile(value);
}

void TskCompressedStoredSkin::ReadSkinProperty(std::span<const BYTE> stream) {
  buffer_.clear();
  SkinPackageReader reader(stream);
  if (reader.ReadInt32() > kHeaderVersion) return;
  const std::int32_t length = reader.ReadInt32();
  if (length < 0 || static_cast<std::size_t>(length) > reader.Rest().size()) throw EReadError("Stream read error");
  const auto compressed = reader.Rest().first(static_cast<std::size_t>(length));
  buffer_.assign(compressed.begin(), compressed.end());
}

void TskCompressedStoredSkin::WriteSkinProperty(std::vector<BYTE>& stream) const {
  SkinPackageWriter header;
  header.WriteInt32(kHeaderVersion);
  header.WriteInt32(static_cast<std::int32_t>(buffer_.size()));
  stream.insert(stream.end(), header.Bytes().begin(), header.Bytes().end());
  stream.insert(stream.end(), buffer_.begin(), buffer_.end());
}

void TskCompressedStoredSkin::ReadCompressedData(std::span<const BYTE> stream) {
  buffer_.assign(stream.begin(), stream.end());
}

void TskCompressedStoredSkin::WriteCompressedData(std::vector<BYTE>& stream) const {
  stream.insert(stream.end(), buffer_.begin(), buffer_.end());
}

void TskCompressedStoredSkin::ReadCompressedFile(const std::u16string& path) {
  buffer_.clear();
  ReadSkinProperty(ReadFileBytes(path));
}

void TskCompressedStoredSkin::BuildFromDefinitionFile(const std::u16string& path) {
  const DefinitionText definition = DecodeDefinitionText(ReadFileBytes(path));
  const std::u16string text = JoinLines(SplitLines(definition.text));
  const SkinIni ini(text);
  for (std::u16string_view section : {u"VERSION", u"PICTURES", u"FORMINFO", u"SKINOBJECTS", u"SKINCONTROLS"}) {
    if (!ini.SectionExists(section)) return;
  }
  const std::u16string folder = FolderOf(path);
  buffer_.clear();

  SkinPackageWriter package;
  package.WriteInt32(SkinPackageReader::kVersion);
  for (std::u16string_view key : {u"picture", u"inactivepicture", u"mask"}) {
    const std::u16string name = ini.ReadString(u"PICTURES", key, u"");
    TBitmap picture;
    if (!name.empty()) LoadPicture(picture, folder + name);
    package.WritePictureSlot(&picture);
  }
  const std::int32_t count = ini.ReadInteger(u"PICTURES", u"activepicturescount", 0);
  package.WriteInt32(count);
  for (std::int32_t i = 0; i < count; ++i) {
    TBitmap picture;
    LoadPicture(picture, folder + ini.ReadString(u"PICTURES", FormatInteger(i), u""));
    package.WritePicture(picture);
  }
  package.WriteBytes(EncodeDefinitionText(text, definition.encoding));
  buffer_ = DeflateSkin(package.Bytes());
}

std::vector<BYTE> TskCompressedStoredSkin::Unpack() const { return InflateSkin(buffer_); }

}  // namespace qb
