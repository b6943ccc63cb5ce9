#pragma once

#include <QFont>

#include "view/dump_text.h"

class QPrinter;

// Prints the dump text with margins of half an inch on all sides, as many
// lines per page as fit above the footer, and the page number drawn under
// each page. Honours the printer's page range (all pages when it has none).
void PrintDumpText(QPrinter& printer, const orvel::DumpText& text, const QFont& font);
