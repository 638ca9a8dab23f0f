#include "skin/frame/FramePicture.h"

#include "skin/data/PictureCopy.h"
#include "skin/frame/FrameRects.h"

namespace qb {

void CopyPictureRectTo(const TBitmap& source, const RECT& from, int width, int height, TBitmap& target) {
  const Bgr24Pixels out = ResizeBgr24(target, width, height);
  if (source.Empty() || IsEmpty(from)) return;
  const Bgr24Source in(source);
  CopyPictureRect(*in, from, out, RECT{0, 0, width, height});
}

void DrawPictureRect(TCanvas& canvas, const RECT& to, const TBitmap& source, const RECT& from) {
  if (IsEmpty(to) || IsEmpty(from) || source.Empty()) return;
  TBitmap piece;
  CopyPictureRectTo(source, from, Width(to), Height(to), piece);
  canvas.Draw(to.left, to.top, piece);
}

}  // namespace qb
