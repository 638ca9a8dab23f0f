// skingen SKIN_FOLDER [PREVIEW_FOLDER]
// Paints our skin and writes its folder (definition and pictures) and,
// when a second folder is given, preview PNGs of the window's look.
#include <cstdio>
#include <exception>

#include "tools/skingen/Preview.h"
#include "tools/skingen/SkinFolder.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: skingen SKIN_FOLDER [PREVIEW_FOLDER]\n");
    return 2;
  }
  try {
    const qb::skingen::PaintedSkin skin = qb::skingen::PaintSkin();
    qb::skingen::WriteSkinFolder(skin, argv[1]);
    if (argc == 3) qb::skingen::WritePreviews(skin, argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
