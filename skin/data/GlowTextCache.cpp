#include "skin/data/GlowTextCache.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <type_traits>

namespace qb {

bool GlowTextCache::Key::operator==(const Key& other) const {
  // A font description is compared byte for byte, which needs a layout
  // without padding.
  static_assert(std::has_unique_object_representations_v<LOGFONT>);
  return std::tie(kind, text, width, height, size, color, format) ==
             std::tie(other.kind, other.text, other.width, other.height, other.size, other.color, other.format) &&
         std::memcmp(&font, &other.font, sizeof font) == 0;
}

const TskBitmap& GlowTextCache::Get(const Key& key, const std::function<void(TskBitmap&)>& make) {
  const auto kept = std::find_if(glows_.begin(), glows_.end(), [&](const auto& glow) { return glow.first == key; });
  if (kept != glows_.end()) return *kept->second;
  if (glows_.size() == kKept) glows_.pop_front();
  auto glow = std::make_unique<TskBitmap>();
  make(*glow);
  glows_.emplace_back(key, std::move(glow));
  return *glows_.back().second;
}

}  // namespace qb
