#include "skin/controls/TskSkinCustomControl.h"

#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "skin/data/MaskRegion.h"
#include "skin/data/PictureCopy.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TskDataSkinCustomControl.h"
#include "skin/data/TskSkinData.h"

namespace qb {

namespace {

int RectWidth(const RECT& r) { return r.right - r.left; }
int RectHeight(const RECT& r) { return r.bottom - r.top; }
bool RectEmpty(const RECT& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }

TskStretchType ToStretchType(TStretchType type) {
  switch (type) {
    case TStretchType::stHorz:
      return stHorizontal;
    case TStretchType::stVert:
      return stVertical;
    case TStretchType::stFull:
      break;
  }
  return stFull;
}

}  // namespace

TskSkinCustomControl::TskSkinCustomControl(TComponent* owner)
    : TskSkinControl(owner), defaultFont_(std::make_unique<TFont>()) {
  defaultFont_->SetName(u"Tahoma");
  defaultFont_->SetHeight(13);
  defaultFont_->OnChange = [this](TObject*) {
    DefaultFontChanged();
    if (!Skinned()) Invalidate();
  };
}

TskSkinCustomControl::~TskSkinCustomControl() { defaultFont_->OnChange = nullptr; }

void TskSkinCustomControl::SetDefaultWidth(int value) {
  defaultWidth_ = value;
  if (!Skinned() && value > 0) SetWidth(value);
}

void TskSkinCustomControl::SetDefaultHeight(int value) {
  defaultHeight_ = value;
  if (!Skinned() && value > 0) SetHeight(value);
}

void TskSkinCustomControl::FetchSkinRecord() {
  TskSkinControl::FetchSkinRecord();
  if (!Skinned()) return;
  const auto* record = dynamic_cast<const TskDataSkinCustomControl*>(SkinRecord());
  if (record == nullptr) {
    resizeMode_ = 0;
    ControlPicture = nullptr;
    ControlMask = nullptr;
    return;
  }
  lefttoppoint = record->lefttoppoint;
  righttoppoint = record->righttoppoint;
  leftbottompoint = record->leftbottompoint;
  rightbottompoint = record->rightbottompoint;
  skinrect = record->skinrect;
  stretcheffect = record->stretcheffect;
  stretchtype = ToStretchType(record->stretchtype);
  leftstretch = record->leftstretch;
  topstretch = record->topstretch;
  rightstretch = record->rightstretch;
  bottomstretch = record->bottomstretch;
  clientrect = record->clientrect;
  ControlPicture = SkinData()->ActivePicture(record->pictureindex);
  ControlMask = SkinData()->ActivePicture(record->maskpictureindex);
  if (RectEmpty(skinrect)) {
    resizeMode_ = -1;
  } else if (rightbottompoint.x != 0 && rightbottompoint.y != 0) {
    resizeMode_ = 1;
  } else if (righttoppoint.x != 0 || righttoppoint.y != 0) {
    resizeMode_ = 2;
  } else if (leftbottompoint.x != 0 || leftbottompoint.y != 0) {
    resizeMode_ = 3;
  } else {
    resizeMode_ = 0;
  }
}

void TskSkinCustomControl::AdjustSkinSize(int& width, int& height) {
  const int sw = RectWidth(skinrect);
  const int sh = RectHeight(skinrect);
  switch (resizeMode_) {
    case 0:
      if (!Skinned()) return;
      width = sw;
      height = sh;
      NewClientRect = clientrect;
      return;
    case 1:
    case 2:
    case 3:
      break;
    default:
      return;
  }
  const int dw = width - sw;
  const int dh = height - sh;
  NewLeftTopPoint = lefttoppoint;
  NewClientRect = clientrect;
  if (resizeMode_ == 1) {
    NewRightTopPoint = POINT{righttoppoint.x + dw, righttoppoint.y};
    NewLeftBottomPoint = POINT{leftbottompoint.x, leftbottompoint.y + dh};
    NewRightBottomPoint = POINT{rightbottompoint.x + dw, rightbottompoint.y + dh};
    NewClientRect.right += dw;
    NewClientRect.bottom += dh;
  } else if (resizeMode_ == 2) {
    height = sh;
    NewRightTopPoint = POINT{righttoppoint.x + dw, righttoppoint.y};
    NewClientRect.right += dw;
  } else {
    width = sw;
    NewLeftBottomPoint = POINT{leftbottompoint.x, leftbottompoint.y + dh};
    NewClientRect.bottom += dh;
  }
}

PieceCorners TskSkinCustomControl::RecordCorners() const {
  return PieceCorners{lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect};
}

PieceCorners TskSkinCustomControl::MovedCorners() const {
  return PieceCorners{NewLeftTopPoint, NewRightTopPoint, NewLeftBottomPoint, NewRightBottomPoint, NewClientRect};
}

PieceStretching TskSkinCustomControl::Stretching() const {
  return PieceStretching{topstretch, bottomstretch, leftstretch, rightstretch, stretcheffect, stretchtype};
}

void TskSkinCustomControl::UpdateSkinRegion() {
  if (Parent() == nullptr) return;
  if (ControlMask == nullptr || !Skinned()) {
    if (hasSkinRegion_) {
      SetWindowRgn(Handle(), nullptr, TRUE);
      hasSkinRegion_ = false;
    }
    return;
  }
  int width = Width();
  int height = Height();
  AdjustSkinSize(width, height);
  GdiHandle<HRGN> region;
  PieceCorners piece = RecordCorners();
  PieceCorners moved = MovedCorners();
  switch (resizeMode_) {
    case 0:
      region = RegionFromMask(*ControlMask);
      break;
    case 1:
    case 2:
    case 3:
      // A piece stretched in one direction only has its far corners on the
      // fixed edges.
      if (resizeMode_ == 2) {
        piece.leftBottom = piece.leftTop;
        piece.rightBottom = piece.rightTop;
        moved.leftBottom = moved.leftTop;
        moved.rightBottom = moved.rightTop;
      } else if (resizeMode_ == 3) {
        piece.rightTop = piece.leftTop;
        piece.rightBottom = piece.leftBottom;
        moved.rightTop = moved.leftTop;
        moved.rightBottom = moved.leftBottom;
      }
      region = RegionFromMaskForSize(piece, *ControlMask, Width(), Height(), moved);
      break;
    default:
      return;
  }
  // The window takes the region and frees the one it had.
  hasSkinRegion_ = bool(region);
  SetWindowRgn(Handle(), region.release(), TRUE);
}

void TskSkinCustomControl::ChangeSkinData() {
  FetchSkinRecord();
  bool sizeChanged = false;
  if (!Skinned()) {
    if (defaultWidth_ > 0) SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) SetHeight(defaultHeight_);
  } else {
    int width = Width();
    int height = Height();
    AdjustSkinSize(width, height);
    sizeChanged = width != Width() || height != Height();
    if (width != Width()) SetWidth(width);
    if (height != Height()) SetHeight(height);
  }
  if (!sizeChanged || !Skinned()) {
    UpdateSkinRegion();
    Invalidate();
  }
}

void TskSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  FetchSkinRecord();
  const bool changed = (width != Width() || height != Height()) && Skinned();
  if (changed) AdjustSkinSize(width, height);
  TskSkinControl::SetBounds(left, top, width, height);
  if (changed) {
    UpdateSkinRegion();
    Invalidate();
  }
  if (Skinned() && stretcheffect) {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* child = Controls(i);
      auto* windowed = dynamic_cast<TWinControl*>(child);
      if (windowed != nullptr && windowed->HandleAllocated()) {
        SendMessage(windowed->Handle(), SKM_BACKGROUNDCHANGED, 0, 0);
      } else {
        child->Perform(SKM_BACKGROUNDCHANGED);
      }
    }
  }
}

void TskSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  FetchSkinRecord();
  int width = Width();
  int height = Height();
  AdjustSkinSize(width, height);
  TskSkinControl::Paint();
}

BYTE TskSkinCustomControl::TextCharset() const {
  const TskResourceStrData* strings = SkinData() != nullptr ? SkinData()->ResourceStrData() : nullptr;
  return strings != nullptr ? BYTE(strings->CharSet()) : defaultFont_->Charset();
}

void TskSkinCustomControl::DrawDefaultLook(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(RECT{0, 0, bitmap.Width(), bitmap.Height()});
}

void TskSkinCustomControl::DrawSkinLook(TBitmap& bitmap) { ComposeSkinRect(skinrect, bitmap); }

void TskSkinCustomControl::ComposeSkinRect(const RECT& skinRect, TBitmap& bitmap) {
  if (resizeMode_ == -1) return;
  if (ControlPicture == nullptr) {
    // A record without a picture to compose from looks unskinned.
    DrawDefaultLook(bitmap);
    return;
  }
  const int sw = RectWidth(skinrect);
  const int sh = RectHeight(skinrect);
  switch (resizeMode_) {
    case 0: {
      const Bgr24Source source(*ControlPicture);
      const Bgr24Pixels target = ResizeBgr24(bitmap, RectWidth(skinRect), RectHeight(skinRect));
      CopyPictureRect(*source, skinRect, target, RECT{0, 0, target.width, target.height});
      return;
    }
    case 1:
      ComposeSkinImage(RecordCorners(), skinRect, *ControlPicture, Stretching(), true, Width(), Height(),
                       MovedCorners(), bitmap);
      return;
    case 2:
      ComposeHorizontal(lefttoppoint.x, sw - righttoppoint.x, stretcheffect, Width(), skinRect, *ControlPicture,
                        bitmap);
      return;
    case 3:
      ComposeVertical(lefttoppoint.y, sh - leftbottompoint.y, stretcheffect, Height(), skinRect, *ControlPicture,
                      bitmap);
      return;
    default:
      return;
  }
}

}  // namespace qb
