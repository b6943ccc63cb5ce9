#include "app/recent_file_list.h"

#include <algorithm>

namespace orvel {

void RecentFileList::Add(const std::string& path) {
    if (path.empty())
        return;
    Remove(path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity_)
        entries_.resize(capacity_);
}

void RecentFileList::Remove(const std::string& path) {
    std::erase(entries_, path);
}

}  // namespace orvel
