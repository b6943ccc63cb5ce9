#include "compare/compare_document.h"

#include <cerrno>
#include <utility>

#include "document/safe_file_writer.h"

namespace orvel {
namespace {

const char* OrdinalWord(ComparedFile file) {
    return file == ComparedFile::kFirst ? "first" : "second";
}

const char* FileWord(ComparedFile file) {
    return file == ComparedFile::kFirst ? "file1" : "file2";
}

const char* StepWord(FileStep step) {
    switch (step) {
        case FileStep::kOpen:
            return "open";
        case FileStep::kRead:
            return "read";
        case FileStep::kWrite:
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
    return error.code == EIO || error.code == ENOMEM ? FileStep::kRead : FileStep::kOpen;
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
                           CompareFileFailure& failure, const ProgressSink& progress) {
    ByteBuffer bytes[2];
    FileStamp stamps[2];
    const std::string* paths[2] = {&path1, &path2};
    for (int k = 0; k < 2; ++k) {
        // Each file is half of the work, whatever its size.
        const ProgressSink half = [&progress, k](Offset done, Offset total) {
            return !progress || total <= 0 || progress(k * total + done, 2 * total);
        };
        if (!LoadFile(*paths[k], bytes[k], failure.error, FileKinds::kRegularOnly, &stamps[k],
                      half)) {
            const auto which = k == 0 ? ComparedFile::kFirst : ComparedFile::kSecond;
            failure.step = LoadStep(failure.error);
            failure.message = LoadFailureText(which, failure.step, *paths[k], failure.error);
            return false;
        }
    }
    m_strPath1 = path1;
    m_strPath2 = path2;
    file1_.AssignBytes(std::move(bytes[0]), false);
    file2_.AssignBytes(std::move(bytes[1]), false);
    file1_.setDiskStamp(stamps[0]);
    file2_.setDiskStamp(stamps[1]);
    return true;
}

bool CompareDocument::WriteFile(ComparedFile which, const std::string& path,
                                CompareFileFailure& failure, FileStamp* written,
                                const ProgressSink& progress) const {
    SafeFileWriter writer(path);
    const bool opened = writer.Open(file(which).size());
    if (opened && WriteInPieces(writer, file(which).bytes(), failure.error, progress) &&
        writer.Commit()) {
        if (written != nullptr)
            *written = writer.stamp();
        return true;
    }
    if (failure.error.code != ECANCELED)
        failure.error = writer.error();
    failure.step = opened ? FileStep::kWrite : FileStep::kOpen;
    failure.message = SaveFailureText(which, failure.step, path, failure.error);
    return false;
}

void CompareDocument::FileSaved(ComparedFile which, const FileStamp& written) {
    file(which).MarkSaved();
    file(which).setDiskStamp(written);
}

bool CompareDocument::SaveFile(ComparedFile which, CompareFileFailure& failure) {
    FileStamp written;
    if (!WriteFile(which, path(which), failure, &written))
        return false;
    FileSaved(which, written);
    return true;
}

bool CompareDocument::SaveFileAs(ComparedFile which, const std::string& path,
                                 CompareFileFailure& failure) const {
    return WriteFile(which, path, failure);
}

DiffNavigation CompareDocument::NavigateDiff(DiffCommand command, ComparedFile pane,
                                             TextSelection paneSelection) {
    return orvel::NavigateDiff(command, pane, paneSelection, file1_.bytes().span(),
                               file2_.bytes().span(), m_nLastDiff);
}

}  // namespace orvel
