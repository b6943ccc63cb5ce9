#include "ui/menu_entry.h"

#include <algorithm>

namespace orvel {
namespace {

void AppendShowingAmpersands(std::string& text, std::string_view name) {
    for (const char c : name) {
        if (c == '&')
            text += '&';
        text += c;
    }
}

}  // namespace

std::string NumberedMenuEntry(int number, std::string_view name) {
    std::string entry(1, '&');
    entry += std::to_string(number);
    entry += ' ';
    AppendShowingAmpersands(entry, name);
    return entry;
}

std::string MenuName(std::string_view text) {
    text = text.substr(0, text.find('\t'));
    if (text.ends_with("..."))
        text.remove_suffix(3);
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && ++i == text.size())
            break;
        name += text[i];
    }
    return name;
}

std::string NamedMenuEntry(std::string_view text, std::string_view name) {
    if (name.empty())
        return std::string(text);
    const std::size_t tab = std::min(text.find('\t'), text.size());
    std::string entry(text.substr(0, tab));
    entry += ' ';
    AppendShowingAmpersands(entry, name);
    entry += text.substr(tab);
    return entry;
}

}  // namespace orvel
