#include "search/search_commands.h"

#include <QMainWindow>
#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <new>
#include <utility>

#include "jobs/document_job.h"
#include "search/hit_iterator.h"
#include "search/hit_list_model.h"
#include "search/hit_scan.h"
#include "search/replace_all.h"
#include "search/search_panel.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"
#include "ui/wait_cursor.h"
#include "view/color_table.h"

using orvel::ByteSpan;
using orvel::Offset;
using orvel::SearchDirection;

namespace {

constexpr int kDefaultMaxHits = 1'000'000;
// The model counts its rows in int.
constexpr int kMostHits = 100'000'000;

QString Hex(Offset value) {
    return QString::number(value, 16).toUpper();
}

std::u32string Characters(const QString& text) {
    const QList<uint> units = text.toUcs4();
    return {units.begin(), units.end()};
}

SearchDirection Reverse(SearchDirection direction) {
    return direction == SearchDirection::kForward ? SearchDirection::kBackward
                                                  : SearchDirection::kForward;
}

}  // namespace

SearchCommands::SearchCommands(COrvelView& view)
    : view_(view), hits_(new HitListModel(view.data(), this)) {
    QStringList stored = view_.shell().settings().value(kSearchHistoryKey).toStringList();
    std::vector<std::string> texts;
    for (const QString& text : stored)
        texts.push_back(text.toStdString());
    history_.Assign(texts);
    // The list names offsets of the bytes as they were found.
    observerId_ = view_.data().AddObserver([this](const orvel::ByteEdit& edit) {
        if (edit.kind == orvel::EditKind::kGroupEnd)
            return;
        // A kept selection no longer names the same bytes once bytes come or go.
        if (scope_ && edit.oldLength != edit.newLength) {
            scope_.reset();
            if (panel_ != nullptr)
                panel_->SetScopeText({});
        }
        if (hits_->hits().empty())
            return;
        hits_->Clear();
        if (panel_ != nullptr)
            panel_->SetCountText(QStringLiteral("The bytes changed; the list was cleared."));
    });
}

SearchCommands::~SearchCommands() {
    view_.data().RemoveObserver(observerId_);
    delete panel_.data();
}

bool SearchCommands::CanHost(const COrvelView& view) {
    return qobject_cast<QMainWindow*>(view.parentWidget()) != nullptr;
}

void SearchCommands::OpenPanel() {
    if (panel_ == nullptr) {
        auto* host = qobject_cast<QMainWindow*>(view_.parentWidget());
        if (host == nullptr)
            return;
        panel_ = new SearchPanel(host);
        host->addDockWidget(Qt::RightDockWidgetArea, panel_);
        panel_->SetHistory(history_.entries());
        panel_->SetHitModel(hits_);
        connect(panel_, &SearchPanel::findNextRequested, this, &SearchCommands::FindNext);
        connect(panel_, &SearchPanel::findPreviousRequested, this, &SearchCommands::FindPrevious);
        connect(panel_, &SearchPanel::findAllRequested, this, &SearchCommands::FindAll);
        connect(panel_, &SearchPanel::replaceRequested, this, &SearchCommands::Replace);
        connect(panel_, &SearchPanel::replaceAllRequested, this, &SearchCommands::ReplaceAll);
        connect(panel_, &SearchPanel::markHitsRequested, this, &SearchCommands::MarkHits);
        connect(panel_, &SearchPanel::hitChosen, this, &SearchCommands::SelectHit);
        connect(panel_, &SearchPanel::withinSelectionToggled, this,
                &SearchCommands::OnWithinSelection);
    }
    panel_->show();
    panel_->raise();
    panel_->FocusPattern();
}

void SearchCommands::Status(const QString& text) {
    view_.shell().ShowStatusMessage(text);
}

bool SearchCommands::CheckIdle() {
    if (view_.IsMarkIdle())
        return true;
    Status(QStringLiteral("Wait until the work on this file has ended."));
    return false;
}

std::optional<orvel::Searcher> SearchCommands::ReadPattern() {
    const QString text = panel_->patternText();
    const orvel::ParsedPattern parsed =
        orvel::ParseSearchQuery(Characters(text), panel_->mode(), panel_->caseSensitive());
    if (!parsed.pattern) {
        view_.shell().prompts().Tell(panel_, QString::fromStdString(parsed.error));
        panel_->FocusPattern();
        return std::nullopt;
    }
    history_.Add(text.toStdString());
    QStringList stored;
    for (const std::string& entry : history_.entries())
        stored << QString::fromStdString(entry);
    view_.shell().settings().setValue(kSearchHistoryKey, stored);
    panel_->SetHistory(history_.entries());
    return orvel::Searcher(*parsed.pattern);
}

ByteSpan SearchCommands::Scope() const {
    const Offset size = view_.data().size();
    if (!scope_)
        return {0, size};
    return {std::min(scope_->first, size), std::min(scope_->last, size)};
}

ByteSpan SearchCommands::SelectedBytes() const {
    const orvel::DumpLayout layout = view_.layout();
    const orvel::TextSelection selection = view_.selection();
    if (!selection.empty()) {
        const orvel::ByteRange bytes = layout.GetSelectedBytes(selection, view_.data().endMarker());
        if (bytes.first >= 0 && bytes.last >= bytes.first)
            return {bytes.first, bytes.last + 1};
    }
    Offset byte = layout.TextPosToByte(selection.caret);
    const Offset size = view_.data().size();
    // Past the last byte's cells the caret stands at the end of the file.
    if (byte < 0)
        byte = size > 0 && selection.caret > layout.ByteToHexPos(size - 1).low ? size : 0;
    return {byte, byte};
}

void SearchCommands::SelectBytes(Offset first, Offset count) {
    const orvel::DumpLayout layout = view_.layout();
    if (count <= 0) {
        // Where the bytes went: the caret before the byte that followed them.
        const Offset size = view_.data().size();
        if (size > 0)
            view_.SetCaret(layout.ByteToHexPos(std::min(first, size - 1)).high);
        return;
    }
    view_.SetSelection(
        {layout.ByteToHexPos(first).high, layout.ByteToHexPos(first + count - 1).low + 1});
}

void SearchCommands::OnWithinSelection(bool on) {
    scope_.reset();
    if (on) {
        const ByteSpan selected = SelectedBytes();
        if (selected.last > selected.first)
            scope_ = selected;
        else
            Status(QStringLiteral("Select the bytes to search within first."));
    }
    panel_->SetScopeText(
        scope_ ? QStringLiteral("%1-%2").arg(Hex(scope_->first), Hex(scope_->last - 1))
               : QString());
}

void SearchCommands::FindNext() {
    if (panel_ == nullptr || panel_->patternText().isEmpty()) {
        OpenPanel();
        return;
    }
    Find(panel_->direction());
}

void SearchCommands::FindPrevious() {
    if (panel_ == nullptr || panel_->patternText().isEmpty()) {
        OpenPanel();
        return;
    }
    Find(Reverse(panel_->direction()));
}

void SearchCommands::Find(SearchDirection direction) {
    const std::optional<orvel::Searcher> searcher = ReadPattern();
    if (!searcher)
        return;
    const WaitCursor wait;
    const std::span<const std::uint8_t> bytes = view_.data().bytes().span();
    const std::vector<ByteSpan> ranges = orvel::FindStepRanges(
        Scope(), SelectedBytes(), searcher->length(), direction, panel_->wrap());
    for (std::size_t pass = 0; pass < ranges.size(); ++pass) {
        orvel::HitIterator hits(*searcher, bytes, ranges[pass].first, ranges[pass].last, direction);
        const Offset hit = hits.Next();
        if (hit < 0)
            continue;
        SelectBytes(hit, searcher->length());
        Status(pass == 0 ? QStringLiteral("Found at %1.").arg(Hex(hit))
                         : QStringLiteral("Found at %1, wrapped around.").arg(Hex(hit)));
        return;
    }
    Status(QStringLiteral("Not found: %1").arg(panel_->patternText()));
}

void SearchCommands::FindAll() {
    std::optional<orvel::Searcher> parsed = ReadPattern();
    if (!parsed || !CheckIdle())
        return;
    const int setting = view_.shell().settings().value(kSearchMaxHitsKey, kDefaultMaxHits).toInt();
    const auto limit =
        static_cast<std::size_t>(setting > 0 ? std::min(setting, kMostHits) : kDefaultMaxHits);
    const ByteSpan scope = Scope();
    auto searcher = std::make_shared<const orvel::Searcher>(std::move(*parsed));
    hits_->Clear();
    panel_->SetCountText(QStringLiteral("Searching..."));
    DocumentJob::Setup setup;
    setup.label = QStringLiteral("Searching");
    setup.stoppable = true;
    setup.total = scope.last - scope.first;
    // The bytes stay as they are while the job holds the document.
    view_.documentJob().Start(
        DocumentJob::Kind::kSearch, setup,
        [searcher, bytes = view_.data().bytes().span(), scope, limit](JobContext& context) {
            orvel::HitList list;
            try {
                list = orvel::CollectHits(*searcher, bytes, scope.first, scope.last, limit,
                                          context.Tracker());
            } catch (const std::bad_alloc&) {
                list.stopped = true;  // what was found could not be kept
            }
            return list;
        },
        [self = QPointer<SearchCommands>(this), searcher, limit](orvel::HitList list) {
            if (self == nullptr || self->panel_ == nullptr)
                return;
            const auto count = static_cast<qlonglong>(list.offsets.size());
            QString text =
                count == 1 ? QStringLiteral("1 hit") : QStringLiteral("%1 hits").arg(count);
            if (list.limited)
                text = QStringLiteral("The first %1 hits: the list stops at %2.")
                           .arg(count)
                           .arg(static_cast<qulonglong>(limit));
            else if (list.stopped)
                text += QStringLiteral(" (stopped before the end)");
            self->hits_->SetHits(std::move(list.offsets), searcher->length());
            self->panel_->SetCountText(text);
            self->Status(text);
        });
}

void SearchCommands::SelectHit(int row) {
    if (row < 0 || row >= hits_->rowCount())
        return;
    const Offset hit = hits_->hits()[static_cast<std::size_t>(row)];
    if (hit + hits_->length() <= view_.data().size())
        SelectBytes(hit, hits_->length());
}

void SearchCommands::MarkHits() {
    if (hits_->hits().empty()) {
        Status(QStringLiteral("No hits to mark: use Find All first."));
        return;
    }
    if (!CheckIdle())
        return;
    const orvel::MarkColor color =
        orvel::MarkColorFromName(panel_->markColorName()).value_or(orvel::MarkColor::kRed);
    const Offset n = hits_->length();
    for (const Offset hit : hits_->hits())
        view_.marks().Paint(hit, hit + n - 1, color);
    view_.MarksChanged(hits_->hits().front(), hits_->hits().back() + n - 1);
}

void SearchCommands::Replace() {
    std::optional<orvel::Searcher> searcher = ReadPattern();
    if (!searcher || !CheckIdle())
        return;
    const orvel::ParsedReplacement replacement =
        orvel::ParseReplacement(Characters(panel_->replacementText()), panel_->mode());
    if (!replacement.bytes) {
        view_.shell().prompts().Tell(panel_, QString::fromStdString(replacement.error));
        return;
    }
    // The selected hit is replaced; otherwise the next one is only found.
    const ByteSpan selected = SelectedBytes();
    const Offset n = searcher->length();
    const auto& bytes = view_.data().bytes();
    if (selected.last - selected.first != n ||
        !searcher->pattern().MatchesAt(bytes.data() + selected.first)) {
        Find(panel_->direction());
        return;
    }
    const orvel::EditOutcome outcome =
        orvel::SpliceBytes(view_.data(), selected.first, n, *replacement.bytes, "Replace");
    if (outcome != orvel::EditOutcome::kDone) {
        view_.ReportOutcome(outcome);
        return;
    }
    SelectBytes(selected.first, static_cast<Offset>(replacement.bytes->size()));
    Find(panel_->direction());
}

void SearchCommands::ReplaceAll() {
    std::optional<orvel::Searcher> parsed = ReadPattern();
    if (!parsed || !CheckIdle())
        return;
    orvel::ParsedReplacement replacement =
        orvel::ParseReplacement(Characters(panel_->replacementText()), panel_->mode());
    if (!replacement.bytes) {
        view_.shell().prompts().Tell(panel_, QString::fromStdString(replacement.error));
        return;
    }
    const ByteSpan scope = Scope();
    auto searcher = std::make_shared<const orvel::Searcher>(std::move(*parsed));
    auto newBytes =
        std::make_shared<const std::vector<std::uint8_t>>(std::move(*replacement.bytes));
    DocumentJob::Setup setup;
    setup.label = QStringLiteral("Replacing");
    setup.stoppable = true;
    setup.total = scope.last - scope.first;
    struct Result {
        orvel::ReplaceAllPlan plan;
        bool noMemory = false;
    };
    view_.documentJob().Start(
        DocumentJob::Kind::kSearch, setup,
        [searcher, newBytes, bytes = view_.data().bytes().span(), scope](JobContext& context) {
            Result result;
            try {
                result.plan = orvel::PlanReplaceAll(*searcher, bytes, scope.first, scope.last,
                                                    *newBytes, context.Tracker());
            } catch (const std::bad_alloc&) {
                result.plan = {};
                result.noMemory = true;
            }
            return result;
        },
        [self = QPointer<SearchCommands>(this)](Result result) {
            if (self == nullptr)
                return;
            COrvelView& view = self->view_;
            if (result.noMemory) {
                view.ReportOutcome(orvel::EditOutcome::kOutOfMemory);
                return;
            }
            if (result.plan.stopped) {
                self->Status(QStringLiteral("Replace All was stopped; nothing was replaced."));
                return;
            }
            if (result.plan.count == 0) {
                self->Status(QStringLiteral("Not found: %1").arg(self->panel_->patternText()));
                return;
            }
            const orvel::ReplaceAllPlan& plan = result.plan;
            const orvel::EditOutcome outcome = orvel::SpliceBytes(
                view.data(), plan.first, plan.oldLength, plan.bytes, "Replace All");
            if (outcome != orvel::EditOutcome::kDone) {
                view.ReportOutcome(outcome);
                return;
            }
            self->Status(plan.count == 1 ? QStringLiteral("1 hit replaced.")
                                         : QStringLiteral("%1 hits replaced.").arg(plan.count));
        });
}
