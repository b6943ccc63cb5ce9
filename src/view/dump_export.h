#pragma once

#include <functional>
#include <string>

#include "document/file_access.h"
#include "document/file_error.h"
#include "jobs/job_progress.h"
#include "view/dump_text.h"

namespace orvel {

// The question the close guard asks while an export of the window's document runs.
inline constexpr char kStopExportQuestion[] =
    "You are still exporting the hex display, do you want to stop exporting and close the "
    "window?";

// Writes the whole dump text to the file at `path`, exactly as the view shows
// it (line breaks as "\n", nothing added at the end), in large blocks through
// a SafeFileWriter of `kinds`: an existing file is replaced only when the
// whole text was written, and a failed or abandoned export leaves it as it
// was. `progress` is told the characters written after every block; its
// last call (all written) comes before the file takes the target's place, so
// giving up even then leaves the target as it was. On failure `error` holds
// the cause (ECANCELED when `progress` gave up). The bytes behind `text` must
// not change while it runs.
[[nodiscard]] bool WriteDumpTextFile(const DumpText& text, const std::string& path,
                                     FileError& error, const ProgressSink& progress = {},
                                     FileKinds kinds = FileKinds::kRegularOnly);

// "Failed to save the hex display into the export file " + path + "\nCause: " + cause.
[[nodiscard]] std::string ExportErrorMessage(const std::string& path, const std::string& cause);

}  // namespace orvel
