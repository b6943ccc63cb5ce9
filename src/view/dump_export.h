#pragma once

#include <functional>
#include <string>

#include "document/file_access.h"
#include "document/file_error.h"
#include "view/dump_text.h"

namespace orvel {

// Told the fraction of the text written so far (0 to 1); returning false
// abandons the export.
using ExportProgress = std::function<bool(double fraction)>;

// Writes the whole dump text to the file at `path`, exactly as the view shows
// it (line breaks as "\n", nothing added at the end), in large blocks through
// a SafeFileWriter of `kinds`: an existing file is replaced only when the
// whole text was written, and a failed or abandoned export leaves it as it
// was. On failure `error` holds the cause (ECANCELED when `progress`
// abandoned the export). The bytes behind `text` must not change while it runs.
[[nodiscard]] bool WriteDumpTextFile(const DumpText& text, const std::string& path,
                                     FileError& error, const ExportProgress& progress = {},
                                     FileKinds kinds = FileKinds::RegularOnly);

// "Failed to save the hex display into the export file " + path + "\nCause: " + cause.
[[nodiscard]] std::string ExportErrorMessage(const std::string& path, const std::string& cause);

}  // namespace orvel
