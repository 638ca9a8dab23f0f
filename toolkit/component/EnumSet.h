// A set of values of one enumeration, like the toolkit's set types
// (TChangeActions, TComponentState). The enumeration's values must lie in
// 0 … 63.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace qb {

template <typename Enum>
class EnumSet {
 public:
  constexpr EnumSet() = default;
  constexpr EnumSet(std::initializer_list<Enum> values) {
    for (Enum value : values) Include(value);
  }

  constexpr bool Contains(Enum value) const { return (bits_ & Bit(value)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(Enum value) { bits_ |= Bit(value); }
  constexpr void Exclude(Enum value) { bits_ &= ~Bit(value); }

  constexpr EnumSet operator|(EnumSet other) const { return FromBits(bits_ | other.bits_); }
  constexpr EnumSet operator&(EnumSet other) const { return FromBits(bits_ & other.bits_); }
  constexpr EnumSet operator-(EnumSet other) const { return FromBits(bits_ & ~other.bits_); }
  friend constexpr bool operator==(EnumSet, EnumSet) = default;

 private:
  static constexpr std::uint64_t Bit(Enum value) { return std::uint64_t{1} << unsigned(value); }
  static constexpr EnumSet FromBits(std::uint64_t bits) {
    EnumSet set;
    set.bits_ = bits;
    return set;
  }

  std::uint64_t bits_ = 0;
};

}  // namespace qb
