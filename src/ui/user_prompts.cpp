#include "ui/user_prompts.h"

#include "ui/file_filter.h"

QString DialogFilterText(std::string_view pairs) {
    return QString::fromStdString(orvel::DialogFilter(pairs));
}
