// Writes the seed corpora of the fuzz targets: one folder per target below
// the folder given on the command line. The seeds are small valid inputs
// made with the product's own writers, so that the fuzzers start from deep
// inside each format instead of spending their time finding its magic bytes.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gdi/BmpFile.h"
#include "skin/data/DefinitionText.h"
#include "skin/data/SkinCompression.h"
#include "skin/data/SkinPackageReader.h"
#include "skin/data/TskCompressedStoredSkin.h"
#include "tools/embed/EmbeddedSkin.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<BYTE>;

void WriteSeed(const fs::path& folder, const std::string& name, std::span<const BYTE> bytes) {
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
}

void PutUint32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<BYTE>(value >> (8 * i));
}

void AppendInt32(Bytes& bytes, std::int32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(static_cast<std::uint32_t>(value) >> (8 * i)));
}

// A picture whose pixel bytes count up, so that every row and every palette
// index differs.
qb::Dib CountingDib(int width, int height, int bitsPerPixel) {
  qb::Dib dib;
  dib.width = width;
  dib.height = height;
  dib.bitsPerPixel = bitsPerPixel;
  if (bitsPerPixel <= 8) {
    dib.palette.resize(std::size_t{1} << bitsPerPixel);
    for (std::size_t i = 0; i < dib.palette.size(); ++i) {
      dib.palette[i] = {static_cast<BYTE>(i * 7), static_cast<BYTE>(i * 13), static_cast<BYTE>(i * 29), 0};
    }
  }
  dib.bits.resize(std::size_t(dib.Stride()) * std::size_t(height));
  for (std::size_t i = 0; i < dib.bits.size(); ++i) dib.bits[i] = static_cast<BYTE>(i * 37 + 11);
  return dib;
}

// Offsets into a BMP file written by WriteBmp: the 14-byte file header, then
// the 40-byte BITMAPINFOHEADER.
constexpr std::size_t kFileSize = 2;
constexpr std::size_t kBitsOffset = 10;
constexpr std::size_t kHeight = 22;
constexpr std::size_t kCompression = 30;
constexpr std::size_t kImageSize = 34;

// A run-length encoded file: the header and palette of an uncompressed one
// with its pixel data replaced by the given runs.
Bytes RunLengthBmp(int bitsPerPixel, std::uint32_t compression, const Bytes& runs) {
  Bytes file = qb::WriteBmp(CountingDib(4, 2, bitsPerPixel));
  const std::uint32_t bitsOffset = file[kBitsOffset] | file[kBitsOffset + 1] << 8;
  file.resize(bitsOffset);
  file.insert(file.end(), runs.begin(), runs.end());
  PutUint32(file, kCompression, compression);
  PutUint32(file, kImageSize, static_cast<std::uint32_t>(runs.size()));
  PutUint32(file, kFileSize, static_cast<std::uint32_t>(file.size()));
  return file;
}

void WriteBmpSeeds(const fs::path& folder) {
  for (const int bits : {1, 4, 8, 24, 32}) {
    WriteSeed(folder, "depth" + std::to_string(bits) + ".bmp", qb::WriteBmp(CountingDib(5, 3, bits)));
  }
  Bytes topDown = qb::WriteBmp(CountingDib(3, 2, 24));
  PutUint32(topDown, kHeight, static_cast<std::uint32_t>(-2));
  WriteSeed(folder, "topdown.bmp", topDown);
  // A run, an end of line, absolute pixels, a delta, and the end of the bitmap.
  WriteSeed(folder, "rle8.bmp", RunLengthBmp(8, 1, {4, 5, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 1, 0, 0, 1}));
  WriteSeed(folder, "rle4.bmp", RunLengthBmp(4, 2, {4, 0x12, 0, 0, 0, 3, 0x45, 0x60, 0, 1}));
}

// The definition text inside our own skin's package.
Bytes UnpackOwnDefinition() {
  qb::TskCompressedStoredSkin stored(nullptr);
  stored.ReadSkinProperty(qb::EmbeddedSkin());
  const Bytes package = stored.Unpack();
  qb::SkinPackageReader reader(package);
  reader.ReadInt32();
  qb::TBitmap ignored;
  for (int slot = 0; slot < 3; ++slot) reader.ReadPictureSlot(ignored);
  const std::int32_t active = reader.ReadInt32();
  for (std::int32_t i = 0; i < active; ++i) reader.ReadPicture(ignored);
  return Bytes(reader.Rest().begin(), reader.Rest().end());
}

// The sections of a definition, each from its "[" line to the next one.
std::vector<std::string> SplitSections(const Bytes& definition) {
  const std::string text(definition.begin(), definition.end());
  std::vector<std::string> sections;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t next = text.find("\n[", start);
    next = next == std::string::npos ? text.size() : next + 1;
    sections.push_back(text.substr(start, next - start));
    start = next;
  }
  return sections;
}

std::span<const BYTE> AsBytes(const std::string& text) {
  return {reinterpret_cast<const BYTE*>(text.data()), text.size()};
}

// Our own definition is large, and the fuzzer mutates a long input slowly,
// so it goes in as small pieces: the skin-wide sections, and each record
// section alone with the lists that name the records.
struct DefinitionPieces {
  std::string global;
  std::vector<std::string> records;
};

DefinitionPieces SplitDefinition(const Bytes& definition) {
  DefinitionPieces pieces;
  std::string lists;
  bool inRecords = false;
  for (const std::string& section : SplitSections(definition)) {
    const bool isList = section.starts_with("[SKINOBJECTS]") || section.starts_with("[SKINCONTROLS]");
    inRecords = inRecords || isList;
    if (isList) {
      lists += section;
    } else if (inRecords) {
      pieces.records.push_back(section);
    } else {
      pieces.global += section;
    }
  }
  for (std::string& record : pieces.records) record = lists + record;
  return pieces;
}

void WriteDefinitionSeeds(const fs::path& folder, const DefinitionPieces& pieces) {
  WriteSeed(folder, "global.ini", AsBytes(pieces.global));
  const std::u16string global = qb::DecodeDefinitionText(AsBytes(pieces.global)).text;
  WriteSeed(folder, "global-utf16.ini", qb::EncodeDefinitionText(global, qb::TextEncoding::Utf16LE));
  for (std::size_t i = 0; i < pieces.records.size(); ++i) {
    WriteSeed(folder, "record" + std::to_string(i) + ".ini", AsBytes(pieces.records[i]));
  }
}

// The package target reads its first byte as the choice of entry point: even
// for a stored skin with its header, odd for a bare package.
void WritePackageSeeds(const fs::path& folder, const std::string& definition) {
  Bytes package;
  AppendInt32(package, qb::SkinPackageReader::kVersion);
  for (const int bits : {24, 8}) {
    package.push_back(0);
    const Bytes picture = qb::WriteBmp(CountingDib(6, 4, bits));
    package.insert(package.end(), picture.begin(), picture.end());
  }
  package.push_back(1);
  AppendInt32(package, 1);
  const Bytes active = qb::WriteBmp(CountingDib(2, 2, 32));
  package.insert(package.end(), active.begin(), active.end());
  package.insert(package.end(), definition.begin(), definition.end());

  Bytes bare{1};
  bare.insert(bare.end(), package.begin(), package.end());
  WriteSeed(folder, "package.bin", bare);

  qb::TskCompressedStoredSkin stored(nullptr);
  stored.ReadCompressedData(qb::DeflateSkin(package));
  Bytes withHeader{0};
  stored.WriteSkinProperty(withHeader);
  WriteSeed(folder, "stored.skn", withHeader);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  const DefinitionPieces pieces = SplitDefinition(UnpackOwnDefinition());
  WriteBmpSeeds(root / "bmp_reader");
  WriteDefinitionSeeds(root / "skin_definition", pieces);
  WritePackageSeeds(root / "skin_package", pieces.global);
  return 0;
}
