// The controls picture being laid out: pieces are packed around the pieces
// whose places are fixed, and every control gets its section of
// the definition with the rectangles of its pieces.
#pragma once

#include <vector>

#include "tools/skingen/IniSection.h"
#include "tools/skingen/Raster.h"
#include "tools/skingen/SkinPictureIndex.h"

namespace qb::skingen {

struct ControlEntry {
  std::string type;
  IniSection section;
};

class ControlSheet {
 public:
  static constexpr int kWidth = 682;
  static constexpr int kHeight = 396;

  ControlSheet();

  Raster& Picture() { return picture_; }
  const Raster& Picture() const { return picture_; }
  const std::vector<ControlEntry>& Entries() const { return entries_; }

  // Keeps a rectangle whose place is fixed free of other pieces.
  void Reserve(const RECT& r);
  // Finds room for a piece of width × height.
  RECT Allocate(int width, int height);
  // Starts the section of a control named name of the given type, with the
  // picture index and skin rectangle every control has; the pieces lie in
  // the controls picture unless another picture is named.
  IniSection& Add(const std::string& name, const std::string& type, const RECT& skinRect,
                  PictureIndex picture = PictureIndex::kControls);

 private:
  Raster picture_;
  std::vector<RECT> fixed_;
  std::vector<int> skyline_;  // per column, the first row free of pieces
  std::vector<ControlEntry> entries_;
};

}  // namespace qb::skingen
