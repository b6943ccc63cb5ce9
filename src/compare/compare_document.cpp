#include "compare/compare_document.h"

#include <cerrno>
#include <utility>

#include "document/safe_file_writer.h"

namespace orvel {
namespace {

// The next character of a UTF-8 string as a code point; a byte that does not
// begin a well-formed sequence stands for itself (offset into a private range so
// that it never equals a real letter).
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    const auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > s.size()) {
        ++i;
        return 0x110000 + lead;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0x110000 + lead;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return cp;
}

// Lower case of the letters that commonly differ only in case in file names.
char32_t FoldCase(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A pairs upper/lower case as even/odd, except in these
        // stretches, where the upper case letter is odd.
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        if (c == 0x178)
            return 0xFF;
        if (oddUpper)
            return (c % 2 == 1) ? c + 1 : c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (FoldCase(NextCodePoint(a, i)) != FoldCase(NextCodePoint(b, j)))
            return false;
    }
    return i == a.size() && j == b.size();
}

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

bool IsSameFileForComparison(const std::string& path1, const std::string& path2) {
    if (EqualIgnoringCase(path1, path2))
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
    doc.setDataModified(false);
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
