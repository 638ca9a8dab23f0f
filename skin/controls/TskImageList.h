// A list of equally sized images kept side by side in one picture, drawn
// beside a button's caption. Pixels of the transparent colour are not drawn.
#pragma once

#include "toolkit/component/TComponent.h"
#include "toolkit/graphics/TBitmap.h"

namespace qb {

class TskImageList : public TComponent {
 public:
  explicit TskImageList(TComponent* owner);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Sets the image size; the images are dropped.
  void SetSize(int width, int height);
  int Count() const { return int(images_.size()); }

  // Appends every whole image of `strip` (images side by side) and returns
  // the index of the first; the strip's height must be the image height.
  int AddStrip(const TBitmap& strip, TColor transparentColor);

  // Draws image `index` at (x, y); disabled images are drawn in grey.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const;

 private:
  struct Image {
    TBitmap picture;
    TColor transparentColor;
  };
  int width_ = 16;
  int height_ = 16;
  std::vector<std::unique_ptr<Image>> images_;
};

}  // namespace qb
