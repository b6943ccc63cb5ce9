#include "app/menu_entry.h"

namespace orvel {

std::string NumberedMenuEntry(int number, std::string_view name) {
    std::string entry(1, '&');
    entry += std::to_string(number);
    entry += ' ';
    for (const char c : name) {
        if (c == '&')
            entry += '&';
        entry += c;
    }
    return entry;
}

}  // namespace orvel
