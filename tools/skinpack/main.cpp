// skinpack DEFINITION_FILE OUTPUT_FILE
// Builds the stored skin from a skin folder (the definition file and the
// pictures beside it) and writes it as a compressed skin file.
#include <cstdio>
#include <exception>
#include <fstream>
#include <vector>

#include "platform/text/Utf.h"
#include "skin/data/TskCompressedStoredSkin.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinpack DEFINITION_FILE OUTPUT_FILE\n");
    return 2;
  }
  try {
    qb::TskCompressedStoredSkin skin(nullptr);
    skin.BuildFromDefinitionFile(qb::ToUtf16(argv[1]));
    if (skin.IsEmpty()) {
      std::fprintf(stderr, "skinpack: %s is not a complete skin definition\n", argv[1]);
      return 1;
    }
    std::vector<BYTE> bytes;
    skin.WriteSkinProperty(bytes);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "skinpack: cannot write %s\n", argv[2]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpack: %s\n", e.what());
    return 1;
  }
  return 0;
}
