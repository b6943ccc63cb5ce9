#include "compare/compare_document.h"

#include <cerrno>
#include <utility>

#include "document/safe_file_writer.h"

namespace orvel {
namespace {

const char* OrdinalWord(ComparedFile file) {
    return file == ComparedFile::First ? "first" : "second";
}

const char* FileWord(ComparedFile file) {
    return file == ComparedFile::First ? "file1" : "file2";
}

const char* StepWord(FileStep step) {
    switch (step) {
        case FileStep::Open:
            return "open";
        case FileStep::Read:
            return "read";
        case FileStep::Write:
            break;
    }
    return "write";
}

std::string Cause(const FileError& error) {
    constexpr std::size_t kMaxCause = 255;
    return "\nCause: " + error.text.substr(0, kMaxCause);
}

// LoadFile reports one error for the whole load; an error that only reading
// can give is worded as a read failure, any other as a failure to open.
FileStep LoadStep(const FileError& error) {
    return error.code == EIO || error.code == ENOMEM ? FileStep::Read : FileStep::Open;
}

// Writes `bytes` to `path` through a SafeFileWriter, telling which step failed.
bool WriteWhole(const std::string& path, const ByteBuffer& bytes, ComparedFile which,
                CompareFileFailure& failure, FileStamp* written = nullptr) {
    SafeFileWriter writer(path);
    const bool opened = writer.Open(bytes.size());
    if (opened && writer.Write(bytes.data(), static_cast<std::size_t>(bytes.size())) &&
        writer.Commit()) {
        if (written != nullptr)
            *written = writer.stamp();
        return true;
    }
    failure.step = opened ? FileStep::Write : FileStep::Open;
    failure.error = writer.error();
    failure.message = SaveFailureText(which, failure.step, path, failure.error);
    return false;
}

}  // namespace

// Letter case is never folded: where the file system folds it, both names
// resolve to the same file, and where it does not they may be two files.
bool IsSameFileForComparison(const std::string& path1, const std::string& path2) {
    if (path1 == path2)
        return true;
    return IsSameFileOnDisk(path1, path2);
}

std::string LoadFailureText(ComparedFile file, FileStep step, const std::string& path,
                            const FileError& error) {
    return std::string("Failed to ") + StepWord(step) + " " + OrdinalWord(file) + " file " + path +
           Cause(error);
}

std::string SaveFailureText(ComparedFile file, FileStep step, const std::string& path,
                            const FileError& error) {
    return std::string("Failed to ") + StepWord(step) + " " + FileWord(file) + " " + path +
           Cause(error);
}

bool CompareDocument::Load(const std::string& path1, const std::string& path2,
                           CompareFileFailure& failure) {
    ByteBuffer bytes[2];
    FileStamp stamps[2];
    const std::string* paths[2] = {&path1, &path2};
    for (int k = 0; k < 2; ++k) {
        if (!LoadFile(*paths[k], bytes[k], failure.error, FileKinds::RegularOnly, &stamps[k])) {
            const auto which = k == 0 ? ComparedFile::First : ComparedFile::Second;
            failure.step = LoadStep(failure.error);
            failure.message = LoadFailureText(which, failure.step, *paths[k], failure.error);
            return false;
        }
    }
    m_strPath1 = path1;
    m_strPath2 = path2;
    m_file1.AssignBytes(std::move(bytes[0]), false);
    m_file2.AssignBytes(std::move(bytes[1]), false);
    m_file1.setDiskStamp(stamps[0]);
    m_file2.setDiskStamp(stamps[1]);
    return true;
}

bool CompareDocument::SaveFile(ComparedFile which, CompareFileFailure& failure) {
    BinaryDocument& doc = file(which);
    FileStamp written;
    if (!WriteWhole(path(which), doc.bytes(), which, failure, &written))
        return false;
    doc.MarkSaved();
    doc.setDiskStamp(written);
    return true;
}

bool CompareDocument::SaveFileAs(ComparedFile which, const std::string& path,
                                 CompareFileFailure& failure) const {
    return WriteWhole(path, file(which).bytes(), which, failure);
}

DiffNavigation CompareDocument::NavigateDiff(DiffCommand command, ComparedFile pane,
                                             TextSelection paneSelection) {
    return orvel::NavigateDiff(command, pane, paneSelection, m_file1.bytes().span(),
                               m_file2.bytes().span(), m_nLastDiff);
}

}  // namespace orvel
