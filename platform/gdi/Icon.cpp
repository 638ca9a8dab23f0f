#include "platform/gdi/Icon.h"

#include <algorithm>

#include "platform/gdi/Fill.h"
#include "platform/gdi/PixelOps.h"

namespace {

constexpr int kLargeIcon = 32;

// A small window: dark outline, blue title bar, white inside.
qb::Surface ApplicationPicture() {
  qb::Surface picture(kLargeIcon, kLargeIcon);
  for (int y = 3; y < 29; ++y) {
    for (int x = 2; x < 30; ++x) {
      const bool edge = y == 3 || y == 28 || x == 2 || x == 29;
      picture.At(x, y) = edge ? 0xFF202840 : y < 9 ? 0xFF2A5BD7 : 0xFFF4F4F4;
    }
  }
  return picture;
}

}  // namespace

HICON CreateIconIndirect(const ICONINFO* info) {
  if (!info || !info->hbmColor) return nullptr;
  auto* icon = new HICON__{info->hbmColor->Pixels()};
  qb::Surface& p = icon->picture;
  const std::size_t count = std::size_t(p.Width()) * std::size_t(p.Height());
  const bool hasAlpha = std::any_of(p.Data(), p.Data() + count, [](std::uint32_t v) { return (v >> 24) != 0; });
  if (!hasAlpha) {
    const qb::Surface* mask = info->hbmMask ? &info->hbmMask->Pixels() : nullptr;
    for (int y = 0; y < p.Height(); ++y) {
      for (int x = 0; x < p.Width(); ++x) {
        const bool transparent = mask && x < mask->Width() && y < mask->Height() && (mask->At(x, y) & 0xFFFFFF) != 0;
        p.At(x, y) = transparent ? 0 : p.At(x, y) | 0xFF000000u;
      }
    }
  }
  return icon;
}

BOOL DestroyIcon(HICON icon) {
  if (!icon) return FALSE;
  delete icon;
  return TRUE;
}

HICON LoadIcon(HINSTANCE, std::uintptr_t id) {
  if (id != IDI_APPLICATION) return nullptr;
  return new HICON__{ApplicationPicture()};
}

HICON CopyImage(HICON icon, UINT type, int cx, int cy, UINT) {
  if (!icon || type != IMAGE_ICON || cx < 0 || cy < 0) return nullptr;
  const qb::Surface& from = icon->picture;
  const int width = cx ? cx : from.Width();
  const int height = cy ? cy : from.Height();
  auto* copy = new HICON__{qb::Surface(width, height)};
  if (from.Empty()) return copy;
  for (int y = 0; y < height; ++y) {
    const int y0 = y * from.Height() / height;
    const int y1 = std::max(y0 + 1, (y + 1) * from.Height() / height);
    for (int x = 0; x < width; ++x) {
      const int x0 = x * from.Width() / width;
      const int x1 = std::max(x0 + 1, (x + 1) * from.Width() / width);
      // Colours are weighted by their alpha so that transparent pixels do
      // not darken the edges.
      std::uint64_t sum[4] = {};
      for (int sy = y0; sy < y1; ++sy) {
        for (int sx = x0; sx < x1; ++sx) {
          const std::uint32_t p = from.At(sx, sy);
          const std::uint32_t a = p >> 24;
          sum[3] += a;
          for (int c = 0; c < 3; ++c) sum[c] += ((p >> (8 * c)) & 0xFF) * a;
        }
      }
      const std::uint64_t n = std::uint64_t(x1 - x0) * std::uint64_t(y1 - y0);
      std::uint32_t out = std::uint32_t((sum[3] + n / 2) / n) << 24;
      for (int c = 0; c < 3; ++c) {
        if (sum[3]) out |= std::uint32_t((sum[c] + sum[3] / 2) / sum[3]) << (8 * c);
      }
      copy->picture.At(x, y) = out;
    }
  }
  return copy;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT flags) {
  if (!dc || !icon || !(flags & DI_NORMAL)) return FALSE;
  const qb::Surface& picture = icon->picture;
  if (picture.Empty()) return TRUE;
  const int width = cx ? cx : picture.Width();
  const int height = cy ? cy : picture.Height();
  qb::DrawTarget t;
  if (!dc->Target(t)) return TRUE;
  const RECT area = qb::ToSurface(dc->state, t, RECT{x, y, x + width, y + height});
  for (const RECT& clip : t.clip.Rects()) {
    const LONG left = std::max(clip.left, area.left), right = std::min(clip.right, area.right);
    const LONG top = std::max(clip.top, area.top), bottom = std::min(clip.bottom, area.bottom);
    for (LONG py = top; py < bottom; ++py) {
      const std::uint32_t* src = picture.Row(int((py - area.top) * picture.Height() / height));
      std::uint32_t* out = t.surface->Row(py);
      for (LONG px = left; px < right; ++px) {
        const std::uint32_t s = src[(px - area.left) * picture.Width() / width];
        const std::uint32_t a = s >> 24;
        if (a == 0) continue;
        out[px] = qb::MixConstant(s, out[px], a) & 0x00FFFFFF;
      }
    }
  }
  dc->Changed(area);
  return TRUE;
}
