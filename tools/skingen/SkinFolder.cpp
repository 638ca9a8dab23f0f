#include "tools/skingen/SkinFolder.h"

#include <fstream>
#include <stdexcept>

#include "platform/gdi/BmpFile.h"

namespace qb::skingen {
namespace {

void WriteFile(const std::filesystem::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), std::streamsize(size));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void WriteSkinFolder(const PaintedSkin& skin, const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const SkinFile& file : skin.Files()) {
    const std::vector<BYTE> bytes = WriteBmp(file.dib);
    WriteFile(folder / file.name, bytes.data(), bytes.size());
  }
  WriteFile(folder / kDefinitionFileName, skin.definition.data(), skin.definition.size());
}

}  // namespace qb::skingen
