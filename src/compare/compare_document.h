#pragma once

#include <atomic>
#include <string>

#include "compare/compare_engine.h"
#include "compare/diff_navigation.h"
#include "document/binary_document.h"
#include "document/file_io.h"
#include "document/marking_state.h"

namespace orvel {

inline constexpr char kSameFilesText[] = "You must select two different files for comparison!";

// The questions of the close guard, asked in this order (Yes/No, stop icon),
// the marking question (kStopMarkingQuestion) after the first.
inline constexpr char kStopComparingQuestion[] =
    "You are still in the comparing files process, do you want to stop comparing files and close "
    "the window?";
inline constexpr char kSaveFile1Question[] =
    "File1 has been changed, do you want to save the changes of file1?";
inline constexpr char kSaveFile2Question[] =
    "File2 has been changed, do you want to save the changes of file2?";

// True when the two paths must not be compared with each other: they are the
// same path or name the same file on disk (a hard link, a symbolic link, another
// spelling of the path, another letter case on a file system that ignores it).
// The user is then told kSameFilesText.
[[nodiscard]] bool IsSameFileForComparison(const std::string& path1, const std::string& path2);

// What a comparison says when the panes' marks cannot get the memory they need.
inline constexpr char kCompareOutOfMemoryText[] =
    "Not enough memory to colour the differences; the comparison was stopped.";

// Which step of a file operation failed, for the wording of its message.
enum class FileStep { kOpen, kRead, kWrite };

// The message of a failed load, e.g. "Failed to open first file " + path +
// "\nCause: " + the system's text (at most 255 characters).
[[nodiscard]] std::string LoadFailureText(ComparedFile file, FileStep step, const std::string& path,
                                          const FileError& error);
// The message of a failed Save File1/2 or Save As, e.g. "Failed to write file2 " + path + ...
[[nodiscard]] std::string SaveFailureText(ComparedFile file, FileStep step, const std::string& path,
                                          const FileError& error);

// What a load or save that failed tells the user.
struct CompareFileFailure {
    FileStep step = FileStep::kOpen;
    FileError error;
    std::string message;  // the full message box text
};

// The data of a comparison window: two files loaded whole, each a BinaryDocument
// with its own bytes, end marker and revision (edits go through its edit
// interface), and the state shared by everything that runs in the window: the
// comparison and one marking run for both panes (the files' own marking states
// are not used). Lives on the GUI thread. While a compare worker runs
// (m_bCompareIdle == 0) the arrays must not change; the worker reads them, and
// the flags below, without a lock.
class CompareDocument : public MarkingState {
  public:
    CompareDocument() = default;
    CompareDocument(const CompareDocument&) = delete;
    CompareDocument& operator=(const CompareDocument&) = delete;

    // Loads both files; nothing changes unless both loaded. The caller checks
    // IsSameFileForComparison first. Both changed flags are clear afterwards.
    // `progress` is told the share of the two files read so far (each file
    // counts half) and may give up (ECANCELED). A new document may be loaded
    // on another thread, as long as nothing else uses it meanwhile.
    [[nodiscard]] bool Load(const std::string& path1, const std::string& path2,
                            CompareFileFailure& failure, const ProgressSink& progress = {});

    [[nodiscard]] BinaryDocument& file(ComparedFile which) {
        return which == ComparedFile::kFirst ? file1_ : file2_;
    }
    [[nodiscard]] const BinaryDocument& file(ComparedFile which) const {
        return which == ComparedFile::kFirst ? file1_ : file2_;
    }
    [[nodiscard]] const std::string& path(ComparedFile which) const {
        return which == ComparedFile::kFirst ? m_strPath1 : m_strPath2;
    }
    // m_bData1Modified / m_bData2Modified: that file's own modified state, from
    // its revision; every edit of the file sets it, only a successful Save File1
    // / Save File2 clears it.
    [[nodiscard]] bool dataModified(ComparedFile which) const { return file(which).dataModified(); }

    // True when Save File1 / Save File2 would overwrite changes another program
    // made to that file since it was loaded or last saved.
    [[nodiscard]] bool IsChangedOnDisk(ComparedFile which) const {
        return file(which).IsChangedOnDisk(path(which), path(which));
    }
    // Save File1 / Save File2: writes the file's bytes to its path through a
    // SafeFileWriter; on success clears its changed flag, on failure changes
    // nothing (neither the file on disk nor the flag).
    [[nodiscard]] bool SaveFile(ComparedFile which, CompareFileFailure& failure);
    // Save File1 As / Save File2 As: writes a copy to `path`; the document's path,
    // changed flag and everything else stay as they were.
    [[nodiscard]] bool SaveFileAs(ComparedFile which, const std::string& path,
                                  CompareFileFailure& failure) const;
    // The two steps of a save, for a save that writes on another thread:
    // WriteFile writes the file's bytes to `path` (the file on disk stays as
    // it was on failure; `progress` may give up, ECANCELED) and may run on any
    // thread while the bytes stay unchanged; FileSaved then records that the
    // file at its own path holds them (`written`: its stamp).
    [[nodiscard]] bool WriteFile(ComparedFile which, const std::string& path,
                                 CompareFileFailure& failure, FileStamp* written = nullptr,
                                 const ProgressSink& progress = {}) const;
    void FileSaved(ComparedFile which, const FileStamp& written);

    // The comparison state: running (1, 0), stopping (0, 0), summary shown
    // (1, 0), idle (0, 1). Stop Compare stores 0 in m_bComparing.
    std::atomic<int> m_bComparing{0};
    std::atomic<int> m_bCompareIdle{1};
    // The offset difference navigation showed last; GUI thread only.
    Offset m_nLastDiff = -1;

    // True while neither a comparison nor a marking run owns the document.
    [[nodiscard]] bool IsCompareDocIdle() const {
        return m_bComparing != 1 && m_bCompareIdle == 1 && m_bMarking == 0 && m_bMarkIdle == 1;
    }
    // True while a compare worker may still read the files: running, stopping
    // or showing its summary.
    [[nodiscard]] bool IsComparing() const { return m_bComparing == 1 || m_bCompareIdle != 1; }

    // One navigation command given in `pane` (see NavigateDiff), on the arrays as
    // they are now; updates m_nLastDiff.
    [[nodiscard]] DiffNavigation NavigateDiff(DiffCommand command, ComparedFile pane,
                                              TextSelection paneSelection);

  private:
    BinaryDocument file1_;
    BinaryDocument file2_;
    std::string m_strPath1;
    std::string m_strPath2;
};

}  // namespace orvel
