#include "marking/mark_commands.h"

#include <QMetaObject>
#include <algorithm>
#include <new>

#include "app/main_frame.h"
#include "app/orvel_app.h"
#include "app/wait_cursor.h"
#include "document/orvel_doc.h"
#include "editing/find_pattern.h"
#include "marking/mark_blocks_dlg.h"
#include "marking/mark_bytes_dlg.h"
#include "marking/mark_patterns.h"
#include "marking/mark_patterns_dlg.h"
#include "marking/mark_range.h"
#include "marking/mark_units_dlg.h"
#include "marking/mark_value.h"
#include "view/color_table.h"
#include "view/orvel_view.h"

using orvel::Cmd;
using orvel::MarkColor;
using orvel::Offset;
using Pass = CMarkingRun::Pass;

namespace {

CMarkCommands::Kind KindOf(Cmd cmd) {
    switch (cmd) {
        case Cmd::MarkBytes:
            return CMarkCommands::kBytes;
        case Cmd::MarkBlocks:
            return CMarkCommands::kBlocks;
        case Cmd::MarkPatterns:
            return CMarkCommands::kPatterns;
        case Cmd::MarkUnits:
            return CMarkCommands::kUnits;
        default:
            return CMarkCommands::kNone;
    }
}

MarkColor ColorOf(const std::string& name) {
    return orvel::MarkColorFromName(name).value_or(MarkColor::Black);
}

}  // namespace

CMarkCommands::CMarkCommands(COrvelView& view)
    : view_(view), doc_(dynamic_cast<COrvelDoc*>(view.documentTarget())) {}

CMarkCommands::~CMarkCommands() {
    // The window goes while its run paints: end the run without asking.
    run_.reset();
    if (owning_)
        EndRun();
}

bool CMarkCommands::OnCommand(Cmd cmd) {
    const Kind kind = KindOf(cmd);
    if (kind == kNone)
        return false;
    orvel::BinaryDocument& data = view_.data();
    if (data.m_bMarking == 1) {
        data.m_bMarking = 0;  // a stop request: the worker ends the run
    } else if (data.m_bMarkIdle == 1) {
        StartRun(kind);
    }
    return true;
}

bool CMarkCommands::OnUpdateCommand(Cmd cmd, CommandState& state) {
    const orvel::BinaryDocument& data = view_.data();
    const Kind kind = KindOf(cmd);
    if (kind == kNone)
        return false;
    if (data.m_bMarking == 0) {
        state.checked = false;
        state.enabled = data.m_bMarkIdle == 1;
    } else {
        state.checked = state.enabled = data.m_nMarkKind == kind;
    }
    return true;
}

void CMarkCommands::UpdateCommands() {
    if (CMainFrame* frame = COrvelApp::instance()->mainFrame())
        frame->UpdateCommands();
}

void CMarkCommands::StartRun(Kind kind) {
    orvel::BinaryDocument& data = view_.data();
    run_.reset();  // a finished run's thread is joined here at the latest
    data.m_bMarking = 1;
    data.m_bMarkIdle = 0;
    data.m_nMarkKind = kind;
    owning_ = true;
    if (doc_ != nullptr)
        doc_->setCloseGuard([this] { return CloseGuard(); });
    UpdateCommands();
    std::vector<Pass> passes;
    if (!RunDialog(kind, passes)) {
        EndRun();
        UpdateCommands();
        return;
    }
    wait_ = std::make_unique<WaitCursor>();
    run_ = std::make_unique<CMarkingRun>(
        data, this, std::move(passes),
        [this](const std::vector<orvel::PaintRun>& runs) { PaintRequest(runs); },
        [this] {
            EndRun();
            UpdateCommands();
            // The worker is still returning from this request: join it later.
            QMetaObject::invokeMethod(
                this,
                [this, run = run_.get()] {
                    if (run_.get() == run)
                        run_.reset();
                },
                Qt::QueuedConnection);
        });
}

// Each request is applied here whole, on the GUI thread, so nothing else
// (typing, a click, Find Next, Mark Select) can come between its parts.
void CMarkCommands::PaintRequest(const std::vector<orvel::PaintRun>& runs) {
    if (runs.empty())
        return;
    try {
        for (const orvel::PaintRun& run : runs)
            view_.marks().Paint(run);
    } catch (const std::bad_alloc&) {
        // No memory for more marks: the run stops; what is painted stays.
        view_.data().m_bMarking = 0;
    }
    // The runs of several values come in value order, not in offset order.
    Offset first = runs.front().first;
    Offset last = runs.front().last;
    for (const orvel::PaintRun& run : runs) {
        first = std::min(first, run.first);
        last = std::max(last, run.last);
    }
    view_.MarksChanged(first, last);
}

void CMarkCommands::EndRun() {
    orvel::BinaryDocument& data = view_.data();
    data.m_bMarking = 0;
    data.m_nMarkKind = kNone;
    data.m_bMarkIdle = 1;
    owning_ = false;
    if (doc_ != nullptr)
        doc_->setCloseGuard({});
    wait_.reset();
}

bool CMarkCommands::CloseGuard() {
    if (view_.data().m_bMarking == 1) {
        const auto answer = COrvelApp::instance()->prompts().Ask(
            view_.window(),
            QStringLiteral("You are still in the marking process, do you want to stop marking "
                           "and close the window?"),
            UserPrompts::Buttons::YesNo, UserPrompts::Icon::Stop);
        if (answer != UserPrompts::Answer::Yes)
            return false;
    }
    run_.reset();  // ends the worker at once
    EndRun();
    return true;
}

orvel::MarkBlock CMarkCommands::PresetBlock() const {
    const orvel::ByteRange selected =
        view_.layout().GetSelectedBytes(view_.selection(), view_.data().endMarker());
    return orvel::PresetMarkBlock(selected.first, selected.last, view_.data().size());
}

void CMarkCommands::ClearRange(Offset start, Offset end) {
    view_.marks().ClearRange(start, end);
    view_.MarksChanged(start, end);
}

bool CMarkCommands::RunDialog(Kind kind, std::vector<Pass>& passes) {
    QWidget* owner = COrvelApp::instance()->mainFrame();
    const auto bytes = view_.data().bytes().span();
    const Offset size = view_.data().size();
    switch (kind) {
        case kBytes: {
            CMarkBytesDlg dialog(bytesSettings, PresetBlock(), size, owner);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            bytesSettings = dialog.settings();
            const orvel::MarkBlock block = dialog.block();
            if (bytesSettings.clearBlock)
                ClearRange(block.start, block.end);
            for (std::size_t slot = 0; slot < orvel::kMarkValueSlots; ++slot) {
                const orvel::BytePattern value =
                    orvel::ParseFindPattern(bytesSettings.values[slot]);
                if (value.empty())
                    continue;
                const MarkColor color = ColorOf(bytesSettings.colors[slot]);
                passes.push_back([=](const orvel::RunSink& sink, const orvel::StopCheck& stop) {
                    return orvel::MarkValue(bytes, block.start, block.end, value.view(), color,
                                            sink, stop);
                });
            }
            return true;
        }
        case kBlocks: {
            CMarkBlocksDlg dialog(blocksSettings, size, owner);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            blocksSettings = dialog.settings();
            if (blocksSettings.clearFile)
                view_.ClearAllMarks();
            for (std::size_t k = 0; k < orvel::kMarkBlockCount; ++k) {
                const Offset first = blocksSettings.starts[k];
                const Offset last = blocksSettings.ends[k];
                if (first < 0 || last < 0)
                    continue;
                const MarkColor color = ColorOf(blocksSettings.colors[k]);
                passes.push_back([=](const orvel::RunSink& sink, const orvel::StopCheck&) {
                    return orvel::MarkRange(first, last, size, color, sink);
                });
            }
            return true;
        }
        case kUnits: {
            CMarkUnitsDlg dialog(unitsSettings, PresetBlock(), size, owner);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            unitsSettings = dialog.settings();
            const orvel::MarkBlock block = dialog.block();
            if (unitsSettings.clearBlock)
                ClearRange(block.start, block.end);
            const Offset unit = unitsSettings.unitSize;
            const MarkColor color1 = ColorOf(unitsSettings.color1);
            const MarkColor color2 = ColorOf(unitsSettings.color2);
            passes.push_back([=](const orvel::RunSink& sink, const orvel::StopCheck& stop) {
                return orvel::PaintUnits(block.start, block.end, size, unit, color1, color2, sink,
                                         stop);
            });
            return true;
        }
        case kPatterns: {
            CMarkPatternsDlg dialog(patternsSettings, PresetBlock(), size, owner);
            if (dialog.exec() != QDialog::Accepted)
                return false;
            patternsSettings = dialog.settings();
            const orvel::MarkBlock block = dialog.block();
            if (patternsSettings.clearBlock)
                ClearRange(block.start, block.end);
            const orvel::PatternTypeSettings& chosen =
                patternsSettings.types[static_cast<std::size_t>(patternsSettings.type)];
            const orvel::BytePattern header = orvel::ParseFindPattern(chosen.header);
            const orvel::BytePattern tail = orvel::ParseFindPattern(chosen.tail);
            const Offset count = orvel::PatternCountValue(chosen.count);
            const orvel::PatternColors colors{ColorOf(chosen.colors[0]), ColorOf(chosen.colors[1]),
                                              ColorOf(chosen.colors[2])};
            const orvel::PatternType type = patternsSettings.type;
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
