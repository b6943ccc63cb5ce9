#include "marking/mark_commands.h"

#include <QMetaObject>
#include <algorithm>
#include <new>

#include "editing/find_pattern.h"
#include "marking/mark_blocks_dlg.h"
#include "marking/mark_bytes_dlg.h"
#include "marking/mark_patterns.h"
#include "marking/mark_patterns_dlg.h"
#include "marking/mark_range.h"
#include "marking/mark_units_dlg.h"
#include "marking/mark_value.h"
#include "ui/close_guard.h"
#include "ui/command_route.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"
#include "view/color_table.h"

using orvel::MarkColor;
using orvel::Offset;

namespace {

MarkColor ColorOf(const std::string& name) {
    return orvel::MarkColorFromName(name).value_or(MarkColor::kBlack);
}

}  // namespace

MarkCommands::MarkCommands(COrvelView& view) : view_(view) {}

MarkCommands::~MarkCommands() {
    // The window goes while its run paints: end the run without asking.
    job_.EndAtOnce();
    if (owning_)
        EndRun();
}

void MarkCommands::OnMark(Kind kind) {
    orvel::MarkingState& state = view_.marking();
    if (state.m_bMarking == 1) {
        state.m_bMarking = 0;  // a stop request: the worker ends the run
    } else if (state.m_bMarkIdle == 1) {
        StartRun(kind);
    }
}

void MarkCommands::UpdateMark(Kind kind, orvel::CommandState& state) const {
    const orvel::MarkingState& marking = view_.marking();
    if (marking.m_bMarking == 0) {
        state.checked = false;
        state.enabled = marking.m_bMarkIdle == 1;
    } else {
        state.checked = state.enabled = marking.m_nMarkKind == kind;
    }
}

void MarkCommands::UpdateCommands() {
    view_.shell().UpdateCommands();
}

void MarkCommands::StartRun(Kind kind) {
    orvel::MarkingState& state = view_.marking();
    state.m_bMarking = 1;
    state.m_bMarkIdle = 0;
    state.m_nMarkKind = kind;
    owning_ = true;
    outOfMemory_ = false;
    // Closing the document's last window ends the run at once.
    view_.closeGuard().setMarkingEnder([this] {
        job_.EndAtOnce();
        EndRun();
    });
    UpdateCommands();
    std::vector<MarkingPass> passes;
    bool accepted = false;
    try {
        accepted = RunDialog(kind, passes);
    } catch (const std::bad_alloc&) {
        TellOutOfMemory();  // clearing the old marks needed memory
    }
    if (!accepted) {
        EndRun();
        UpdateCommands();
        return;
    }
    BackgroundJob::Setup setup;
    setup.waitCursor = true;  // no progress shows: the running command is checked
    job_.Start(
        setup,
        [this, &state, passes = std::move(passes)](JobContext& job) {
            RunMarkingPasses(
                job, state, passes,
                [this](const std::vector<orvel::BatchedRun>& runs) { PaintRequest(runs); });
        },
        [this] {
            EndRun();
            UpdateCommands();
        });
}

// Each request is applied here whole, on the GUI thread, so nothing else
// (typing, a click, Find Next, Mark Select) can come between its parts.
void MarkCommands::PaintRequest(const std::vector<orvel::BatchedRun>& runs) {
    if (runs.empty() || outOfMemory_)
        return;
    try {
        for (const orvel::BatchedRun& item : runs)
            view_.marks().Paint(item.run);
    } catch (const std::bad_alloc&) {
        // What is painted stays; the run stops after this request.
        view_.marking().m_bMarking = 0;
        TellOutOfMemory();
    }
    // The runs of several values come in value order, not in offset order.
    Offset first = runs.front().run.first;
    Offset last = runs.front().run.last;
    for (const orvel::BatchedRun& item : runs) {
        first = std::min(first, item.run.first);
        last = std::max(last, item.run.last);
    }
    view_.MarksChanged(first, last);
}

void MarkCommands::TellOutOfMemory() {
    outOfMemory_ = true;
    // Told once the request is over: the worker waits for it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            view_.shell().prompts().Tell(view_.window(),
                                         QString::fromUtf8(orvel::kMarkingOutOfMemoryText));
        },
        Qt::QueuedConnection);
}

void MarkCommands::EndRun() {
    orvel::MarkingState& state = view_.marking();
    state.m_bMarking = 0;
    state.m_nMarkKind = kNone;
    state.m_bMarkIdle = 1;
    owning_ = false;
    view_.closeGuard().setMarkingEnder({});
}

orvel::MarkBlock MarkCommands::PresetBlock() const {
    const orvel::ByteRange selected =
        view_.layout().GetSelectedBytes(view_.selection(), view_.data().endMarker());
    return orvel::PresetMarkBlock(selected.first, selected.last, view_.data().size());
}

void MarkCommands::ClearRange(Offset start, Offset end) {
    view_.marks().ClearRange(start, end);
    view_.MarksChanged(start, end);
}

bool MarkCommands::RunDialog(Kind kind, std::vector<MarkingPass>& passes) {
    // The dialogs belong to the main window, not to one document window.
    QWidget* owner = view_.window();
    UserPrompts& prompts = view_.shell().prompts();
    const auto bytes = view_.data().bytes().span();
    const Offset size = view_.data().size();
    switch (kind) {
        case kBytes: {
            CMarkBytesDlg dialog(bytesSettings_, PresetBlock(), size, prompts, owner);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            bytesSettings_ = dialog.settings();
            const orvel::MarkBlock block = dialog.block();
            if (bytesSettings_.clearBlock)
                ClearRange(block.start, block.end);
            for (std::size_t slot = 0; slot < orvel::kMarkValueSlots; ++slot) {
                const orvel::BytePattern value =
                    orvel::ParseFindPattern(bytesSettings_.values[slot]);
                if (value.empty())
                    continue;
                const MarkColor color = ColorOf(bytesSettings_.colors[slot]);
                passes.push_back([=](const orvel::RunSink& sink, const orvel::StopCheck& stop) {
                    return orvel::MarkValue(bytes, block.start, block.end, value.view(), color,
                                            sink, stop);
                });
            }
            return true;
        }
        case kBlocks: {
            CMarkBlocksDlg dialog(blocksSettings_, size, prompts, owner);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            blocksSettings_ = dialog.settings();
            if (blocksSettings_.clearFile)
                view_.ClearAllMarks();
            for (std::size_t k = 0; k < orvel::kMarkBlockCount; ++k) {
                const Offset first = blocksSettings_.starts[k];
                const Offset last = blocksSettings_.ends[k];
                if (first < 0 || last < 0)
                    continue;
                const MarkColor color = ColorOf(blocksSettings_.colors[k]);
                passes.push_back([=](const orvel::RunSink& sink, const orvel::StopCheck&) {
                    return orvel::MarkRange(first, last, size, color, sink);
                });
            }
            return true;
        }
        case kUnits: {
            CMarkUnitsDlg dialog(unitsSettings_, PresetBlock(), size, prompts, owner);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            unitsSettings_ = dialog.settings();
            const orvel::MarkBlock block = dialog.block();
            if (unitsSettings_.clearBlock)
                ClearRange(block.start, block.end);
            const Offset unit = unitsSettings_.unitSize;
            const MarkColor color1 = ColorOf(unitsSettings_.color1);
            const MarkColor color2 = ColorOf(unitsSettings_.color2);
            passes.push_back([=](const orvel::RunSink& sink, const orvel::StopCheck& stop) {
                return orvel::PaintUnits(block.start, block.end, size, unit, color1, color2, sink,
                                         stop);
            });
            return true;
        }
        case kPatterns: {
            CMarkPatternsDlg dialog(patternsSettings_, PresetBlock(), size, prompts, owner);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            patternsSettings_ = dialog.settings();
            const orvel::MarkBlock block = dialog.block();
            if (patternsSettings_.clearBlock)
                ClearRange(block.start, block.end);
            const orvel::PatternTypeSettings& chosen =
                patternsSettings_.types[static_cast<std::size_t>(patternsSettings_.type)];
            const orvel::BytePattern header = orvel::ParseFindPattern(chosen.header);
            const orvel::BytePattern tail = orvel::ParseFindPattern(chosen.tail);
            const Offset count = orvel::PatternCountValue(chosen.count);
            const orvel::PatternColors colors{ColorOf(chosen.colors[0]), ColorOf(chosen.colors[1]),
                                              ColorOf(chosen.colors[2])};
            const orvel::PatternType type = patternsSettings_.type;
            passes.push_back([=](const orvel::RunSink& sink, const orvel::StopCheck& stop) {
                switch (type) {
                    case orvel::PatternType::kType1:
                        return orvel::MarkPatternType1(bytes, block.start, block.end, header.view(),
                                                       tail.view(), colors, sink, stop);
                    case orvel::PatternType::kType2:
                        return orvel::MarkPatternType2(bytes, block.start, block.end, header.view(),
                                                       count, tail.view(), colors, sink, stop);
                    case orvel::PatternType::kType3:
                        break;
                }
                return orvel::MarkPatternType3(bytes, block.start, block.end, header.view(), count,
                                               colors, sink, stop);
            });
            return true;
        }
        case kNone:
            break;
    }
    return false;
}
