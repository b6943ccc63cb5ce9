#include "editing/find_commands.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "editing/find_bytes_dlg.h"
#include "editing/find_pattern.h"
#include "search/find_search.h"
#include "ui/shell_services.h"
#include "view/color_table.h"
#include "view/orvel_view.h"

using orvel::Offset;

namespace {

// The client area that holds the view's window, if any.
const QMdiArea* MdiAreaOf(const QWidget& view) {
    for (const QWidget* widget = &view; widget != nullptr; widget = widget->parentWidget()) {
        if (const auto* window = qobject_cast<const QMdiSubWindow*>(widget))
            return window->mdiArea();
    }
    return nullptr;
}

}  // namespace

FindCommands::FindCommands(COrvelView& view) : view_(view) {}

void FindCommands::OpenDialog() {
    if (dialog_ != nullptr) {
        dialog_->activateWindow();
        dialog_->raise();
        return;
    }
    dialog_ = new CFindBytesDlg(view_.shell().prompts(), &view_);
    if (const QMdiArea* area = MdiAreaOf(view_)) {
        connect(area, &QMdiArea::subWindowActivated, dialog_,
                [this](QMdiSubWindow* window) { OnWindowActivated(window); });
    }
    connect(dialog_, &CFindBytesDlg::findNextRequested, this, &FindCommands::FindNext);
    connect(dialog_, &CFindBytesDlg::markSelectRequested, this, &FindCommands::MarkSelect);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        dialog_->move(area.width() / 2, area.height() / 2);
    }
    dialog_->show();
}

// Each window's Find dialog shows only while that window is active. (No
// window at all is active while the application is in the background; the
// dialog then stays as it is.)
void FindCommands::OnWindowActivated(QMdiSubWindow* window) {
    if (dialog_ == nullptr || window == nullptr)
        return;
    dialog_->setVisible(window->isAncestorOf(&view_));
}

// Find Next and Mark Select may come while a marking worker paints this view:
// each of the worker's paint requests is applied whole on this thread, so they
// can never fall between its parts, and they need not wait for the run.
void FindCommands::FindNext() {
    CFindBytesDlg& dialog = *dialog_;
    const orvel::BytePattern pattern = orvel::ParseFindPattern(dialog.m_strFindWhat);
    if (pattern.empty())
        return;
    Offset next = dialog.m_nNextStart;
    const Offset found = orvel::FindNext(view_.data().bytes().span(), pattern.view(), next);
    if (found == orvel::kNotFound)
        return;
    const Offset last = found + static_cast<Offset>(pattern.size) - 1;
    if (dialog.m_bAutoMark) {
        view_.marks().Paint(
            found, last,
            orvel::MarkColorFromName(dialog.m_strMarkColor).value_or(orvel::MarkColor::kBlack));
        view_.MarksChanged(found, last);
    }
    const orvel::DumpLayout layout = view_.layout();
    view_.SetSelection({layout.ByteToHexPos(found).high, layout.ByteToHexPos(last).low + 1});
    dialog.m_nNextStart = static_cast<std::uint32_t>(next);
    dialog.UpdateNextStart();
}

void FindCommands::MarkSelect() {
    const orvel::DumpLayout layout = view_.layout();
    const orvel::HexPos range = layout.GetSelectedHexRange(view_.selection());
    const Offset first = std::max<Offset>(layout.TextPosToByte(range.high), 0);
    const Offset last =
        std::min(std::max<Offset>(layout.TextPosToByte(range.low), 0), view_.data().size() - 1);
    if (first > last)
        return;
    view_.marks().Paint(
        first, last,
        orvel::MarkColorFromName(dialog_->m_strMarkColor).value_or(orvel::MarkColor::kBlack));
    view_.MarksChanged(first, last);
}
