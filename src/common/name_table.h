// SPDX-License-Identifier: GPL-3.0-or-later
// Names to values in an open-addressed table, for the controls of a window: a press looks names
// up dozens of times, and a node-based map's division, pointer chasing and byte-wise hash cost
// more than the rest of the press's bookkeeping.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace velmora {

/// A short name as two words that together hold every byte of it (overlapping where the name is
/// shorter than 16 bytes): with the length, they tell two names of up to 16 bytes apart exactly.
struct NameWords {
  std::uint64_t first = 0;
  std::uint64_t last = 0;
  explicit NameWords(std::string_view name) {
    const char* p = name.data();
    const std::size_t n = name.size();
    if (n >= 8) {
      std::memcpy(&first, p, 8);
      std::memcpy(&last, p + n - 8, 8);
    } else if (n >= 4) {
      std::uint32_t a = 0;
      std::uint32_t b = 0;
      std::memcpy(&a, p, 4);
      std::memcpy(&b, p + n - 4, 4);
      first = a;
      last = b;
    } else if (n > 0) {
      first = static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[n / 2]) << 8U |
              static_cast<unsigned>(static_cast<unsigned char>(p[n - 1])) << 16U;
    }
  }
  bool operator==(const NameWords&) const = default;
  std::size_t Hash(std::size_t n) const {
    const std::uint64_t h = (first * 0x9E3779B97F4A7C15ULL) ^ (last * 0xC2B2AE3D27D4EB4FULL) ^ n;
    return static_cast<std::size_t>(h ^ (h >> 29U));
  }
};

/// Names (which must outlive the table) to values; built once, then only read.
template <typename T>
class NameTable {
 public:
  /// The first entry of a name wins, as a search in description order would find it.
  void Add(std::string_view name, T value) {
    for (const Entry& e : entries_)
      if (e.name == name) return;
    entries_.push_back({name, NameWords(name), value});
  }
  /// Lays the entries out for lookup; call once, after the last Add.
  void Seal() {
    std::size_t size = 8;
    while (size < 2 * entries_.size()) size *= 2;
    slots_.assign(size, kEmpty);
    mask_ = size - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      const Entry& e = entries_[i];
      std::size_t at = e.words.Hash(e.name.size()) & mask_;
      while (slots_[at] != kEmpty) at = (at + 1) & mask_;
      slots_[at] = static_cast<std::uint32_t>(i);
    }
  }
  /// The value of the name, or null.
  const T* Find(std::string_view name) const {
    const NameWords words(name);
    for (std::size_t at = words.Hash(name.size()) & mask_;; at = (at + 1) & mask_) {
      const std::uint32_t i = slots_[at];
      if (i == kEmpty) return nullptr;
      const Entry& e = entries_[i];
      if (e.words == words && e.name.size() == name.size() &&
          (name.size() <= 16 || e.name == name)) {
        return &e.value;
      }
    }
  }

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
  struct Entry {
    std::string_view name;
    NameWords words;
    T value;
  };
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> slots_ = std::vector<std::uint32_t>(1, kEmpty);
  std::size_t mask_ = 0;
};

}  // namespace velmora
