#include "skin/controls/TskImageList.h"

#include "platform/gdi/Blit.h"
#include "skin/data/PictureCopy.h"

namespace qb {

TskImageList::TskImageList(TComponent* owner) : TComponent(owner) {}

void TskImageList::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  images_.clear();
}

int TskImageList::AddStrip(const TBitmap& strip, TColor transparentColor) {
  const int first = Count();
  if (width_ <= 0 || height_ <= 0 || strip.Height() != height_) return first;
  const Bgr24Source source(strip);
  for (int x = 0; x + width_ <= strip.Width(); x += width_) {
    auto image = std::make_unique<Image>();
    const Bgr24Pixels target = ResizeBgr24(image->picture, width_, height_);
    CopyPictureRect(*source, RECT{x, 0, x + width_, height_}, target, RECT{0, 0, width_, height_});
    image->transparentColor = transparentColor;
    images_.push_back(std::move(image));
  }
  return first;
}

void TskImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  Image& image = *images_[std::size_t(index)];
  TBitmap drawn;
  drawn.Assign(&image.picture);
  if (!enabled) {
    // Grey of the same brightness, lightened towards the button face.
    const Bgr24Pixels pixels = ResizeBgr24(drawn, width_, height_);
    const COLORREF key = ColorToRGB(image.transparentColor);
    for (int row = 0; row < height_; ++row) {
      BYTE* p = pixels.Row(row);
      for (int column = 0; column < width_; ++column, p += 3) {
        if (RGB(p[2], p[1], p[0]) == key) continue;
        const BYTE grey = BYTE((p[0] * 29 + p[1] * 150 + p[2] * 77) / 256 / 2 + 96);
        p[0] = p[1] = p[2] = grey;
      }
    }
  }
  TransparentBlt(canvas.Handle(), x, y, width_, height_, drawn.Canvas().Handle(), 0, 0, width_, height_,
                 ColorToRGB(image.transparentColor));
}

}  // namespace qb
