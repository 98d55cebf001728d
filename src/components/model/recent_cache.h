#pragma once

#include <cstddef>
#include <iterator>
#include <list>
#include <utility>

namespace ostrevin {

// A few values kept by their keys; once it is full, a new value pushes out
// the one used longest ago. It is meant to stay small: keys are compared with
// == and searched in order of use.
template <typename Key, typename Value>
class RecentCache {
 public:
  explicit RecentCache(std::size_t capacity) : capacity_(capacity) {}

  // The value kept for the key, made by `make` when there is none. The value
  // stays the cache's; the reference holds until a later value pushes it out
  // or the cache is cleared. When `make` throws, the cache is as it was.
  template <typename Make>
  Value& FindOrMake(const Key& key, Make&& make) {
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
      if (entry->first == key) {
        entries_.splice(entries_.begin(), entries_, entry);
        return entries_.front().second;
      }
    }
    entries_.emplace_front(key, make());
    if (entries_.size() > capacity_) entries_.pop_back();
    return entries_.front().second;
  }

  void Clear() { entries_.clear(); }
  std::size_t Size() const { return entries_.size(); }

 private:
  std::size_t capacity_;
  // The value used last comes first.
  std::list<std::pair<Key, Value>> entries_;
};

}  // namespace ostrevin
