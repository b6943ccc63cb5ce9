#include "search/search_history.h"

#include <algorithm>

namespace orvel {

void SearchHistory::Add(const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return;
    std::erase(entries_, text);
    entries_.insert(entries_.begin(), text);
    if (entries_.size() > capacity_)
        entries_.resize(capacity_);
}

void SearchHistory::Assign(const std::vector<std::string>& texts) {
    entries_.clear();
    // Oldest first, so that each Add puts the later ones in front.
    std::for_each(texts.rbegin(), texts.rend(), [this](const std::string& text) { Add(text); });
}

}  // namespace orvel
