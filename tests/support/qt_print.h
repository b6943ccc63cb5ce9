#pragma once

#include <QString>

#include <ostream>

// Lets a failed check show a Qt string (and a list of them) as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
