// The finished glows of the last few caption texts. A glow depends only on
// its text, the size of the text's rectangle, the font and the glow's own
// settings, yet blurring it costs more than the rest of a caption's paint,
// and a layered frame repaints its caption on every resize and activation.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/gdi/text/Font.h"
#include "skin/data/TskBitmap.h"

namespace qb {

class GlowTextCache {
 public:
  struct Key {
    int kind = 0;  // which painter made the glow
    std::u16string text;
    int width = 0;
    int height = 0;
    int size = 0;  // the painter's glow size or look
    TColor color = 0;
    UINT format = 0;
    LOGFONT font;
    bool operator==(const Key& other) const;
  };

  // The glow for `key`; `make` paints it into an empty surface when none of
  // the kept glows fits.
  const TskBitmap& Get(const Key& key, const std::function<void(TskBitmap&)>& make);

 private:
  static constexpr std::size_t kKept = 4;
  std::deque<std::pair<Key, std::unique_ptr<TskBitmap>>> glows_;
};

}  // namespace qb
