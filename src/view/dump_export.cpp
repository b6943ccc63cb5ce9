#include "view/dump_export.h"

#include <cerrno>

#include "document/safe_file_writer.h"

namespace orvel {
namespace {

constexpr std::size_t kWriteBlock = std::size_t{1} << 20;

}  // namespace

bool WriteDumpTextFile(const DumpText& text, const std::string& path, FileError& error,
                       const ProgressSink& progress, FileKinds kinds) {
    SafeFileWriter writer(path, kinds);
    const Offset length = text.Length();
    if (!writer.Open(length)) {
        error = writer.error();
        return false;
    }
    Offset written = 0;
    bool cancelled = false;
    const bool ok = text.Write(
        [&](const char* data, std::size_t size) {
            if (!writer.Write(data, size))
                return false;
            written += static_cast<Offset>(size);
            if (progress && !progress(written, length)) {
                cancelled = true;
                return false;
            }
            return true;
        },
        kWriteBlock);
    if (cancelled) {
        error = {ECANCELED, SystemErrorText(ECANCELED)};
        return false;  // the writer removes its temporary file
    }
    if (!ok || !writer.Commit()) {
        error = writer.error();
        return false;
    }
    return true;
}

std::string ExportErrorMessage(const std::string& path, const std::string& cause) {
    return "Failed to save the hex display into the export file " + path + "\nCause: " + cause;
}

}  // namespace orvel
