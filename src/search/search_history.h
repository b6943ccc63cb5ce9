#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orvel {

// The texts searched for lately, the latest first, as the pattern field offers
// them: a text searched again moves to the front rather than showing twice,
// blank texts are not kept, and the oldest go beyond the capacity.
class SearchHistory {
  public:
    static constexpr std::size_t kDefaultCapacity = 20;

    explicit SearchHistory(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    void Add(const std::string& text);
    // Replaces the entries with `texts` (latest first, as stored), under the
    // same rules.
    void Assign(const std::vector<std::string>& texts);
    [[nodiscard]] const std::vector<std::string>& entries() const { return entries_; }

  private:
    std::size_t capacity_;
    std::vector<std::string> entries_;
};

}  // namespace orvel
