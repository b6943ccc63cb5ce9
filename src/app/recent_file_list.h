#pragma once

#include <string>
#include <vector>

namespace orvel {

// The most recently used files, newest first, at most `capacity` of them.
class RecentFileList {
  public:
    explicit RecentFileList(std::size_t capacity = 4) : capacity_(capacity) {}

    // Puts `path` first, dropping an older entry of the same path and the
    // oldest entry when the list is full.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    [[nodiscard]] const std::vector<std::string>& entries() const { return entries_; }
    [[nodiscard]] std::size_t capacity() const { return capacity_; }

  private:
    std::size_t capacity_;
    std::vector<std::string> entries_;
};

}  // namespace orvel
