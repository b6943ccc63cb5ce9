#include "compare/compare_command_handlers.h"

#include <utility>

#include "compare/compare_command_table.h"
#include "compare/compare_diffs.h"
#include "compare/compare_files_child_frame.h"
#include "compare/compare_files_doc.h"
#include "compare/compared_file_view.h"

namespace Cmd = orvel::Cmd;
using orvel::ComparedFile;
using orvel::On;

void BindCompareCommands(orvel::CommandRegistry& registry) {
    registry.Bind(Cmd::FileSaveFile1, On<CCompareFilesDoc>([](CCompareFilesDoc& doc) {
                      (void)doc.OnSaveFile(ComparedFile::kFirst);
                  }));
    registry.Bind(Cmd::FileSaveFile2, On<CCompareFilesDoc>([](CCompareFilesDoc& doc) {
                      (void)doc.OnSaveFile(ComparedFile::kSecond);
                  }));
    registry.Bind(Cmd::FileSaveFile1As, On<CCompareFilesDoc>([](CCompareFilesDoc& doc) {
                      doc.OnSaveFileAs(ComparedFile::kFirst);
                  }));
    registry.Bind(Cmd::FileSaveFile2As, On<CCompareFilesDoc>([](CCompareFilesDoc& doc) {
                      doc.OnSaveFileAs(ComparedFile::kSecond);
                  }));

    registry.Bind(Cmd::OpStartCompare,
                  On<CCompareFilesChildFrame>(
                      [](CCompareFilesChildFrame& frame) { frame.OnStartCompare(); }));
    registry.Bind(
        Cmd::OpStopCompare,
        On<CCompareFilesChildFrame>([](CCompareFilesChildFrame& frame) { frame.OnStopCompare(); },
                                    [](CCompareFilesChildFrame& frame, orvel::CommandState& state) {
                                        state.enabled = frame.document()->data().m_bComparing == 1;
                                    }));
    registry.Bind(Cmd::OpCompareAligned,
                  On<CCompareFilesChildFrame>(
                      [](CCompareFilesChildFrame& frame) { frame.OnCompareAligned(); }));
    registry.Bind(Cmd::OpCopyToOtherFile,
                  On<CCompareFilesChildFrame>(
                      [](CCompareFilesChildFrame& frame) { frame.OnCopyToOtherFile(); },
                      [](CCompareFilesChildFrame& frame, orvel::CommandState& state) {
                          state.enabled = !frame.diffs().diffs().empty();
                      }));
    registry.Bind(
        Cmd::ViewSyncPanes,
        On<CCompareFilesChildFrame>([](CCompareFilesChildFrame& frame) { frame.OnSyncPanes(); },
                                    [](CCompareFilesChildFrame& frame, orvel::CommandState& state) {
                                        state.checked = frame.syncPanes();
                                    }));
    for (const orvel::CommandId pane : {Cmd::NextPane, Cmd::PrevPane}) {
        registry.Bind(pane, On<CCompareFilesChildFrame>(
                                [](CCompareFilesChildFrame& frame) { frame.ActivateOtherPane(); }));
    }

    constexpr std::pair<orvel::CommandId, orvel::DiffCommand> kNavigation[] = {
        {Cmd::OpFindNextDiff, orvel::DiffCommand::kNext},
        {Cmd::OpFindPrevDiff, orvel::DiffCommand::kPrev},
        {Cmd::OpFindFirstDiff, orvel::DiffCommand::kFirst},
        {Cmd::OpFindLastDiff, orvel::DiffCommand::kLast},
    };
    for (const auto& entry : kNavigation) {
        const orvel::DiffCommand command = entry.second;
        registry.Bind(entry.first, On<ComparedFileView>([command](ComparedFileView& view) {
                          view.NavigateDiff(command);
                      }));
    }
}
