#include "app/child_frame.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <algorithm>

#include "document/orvel_doc.h"
#include "ui/window_title.h"
#include "view/orvel_view.h"

CChildFrame::CChildFrame(ShellServices& shell, COrvelDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), doc_(doc) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The view sits in a frame of its own, where panels (search) can dock beside it.
    auto* client = new QMainWindow(this);
    client->setWindowFlags(Qt::Widget);
    view_ = new COrvelView(shell, doc, client);
    client->setCentralWidget(view_);
    client->setFocusProxy(view_);
    setWidget(client);
    UpdateTitle();
    connect(doc_, &COrvelDoc::stateChanged, this, &CChildFrame::UpdateTitle);
}

std::vector<CChildFrame*> CChildFrame::DocumentFrames() const {
    std::vector<CChildFrame*> frames;
    if (mdiArea() == nullptr)
        return frames;
    for (QMdiSubWindow* window : mdiArea()->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(window);
        if (child != nullptr && child->document() == doc_)
            frames.push_back(child);
    }
    return frames;
}

// A document shown in several windows numbers them: "Orvel1:1", "Orvel1:2".
// The title marks unsaved changes the Qt way ("Orvel1*"), following the
// document's modified state, which an undo to the saved bytes ends.
void CChildFrame::UpdateTitle() {
    const std::vector<CChildFrame*> frames = DocumentFrames();
    const auto self = std::find(frames.begin(), frames.end(), this);
    QString title = doc_->title();
    if (frames.size() >= 2 && self != frames.end())
        title += QStringLiteral(":%1").arg(self - frames.begin() + 1);
    ShowTitle(*this, title, doc_->IsModified());
}

void CChildFrame::ActivateFrame() {
    if (m_bFirstActivate) {
        m_bFirstActivate = false;
        showMaximized();
    } else {
        show();
    }
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    const auto views = DocumentFrames().size();
    // The last window of a document asks the document's close guard.
    if (views == 1 && !doc_->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    // The document goes once this window and its view are gone; with other
    // windows left, they renumber their titles.
    if (event->isAccepted() && views == 1) {
        connect(this, &QObject::destroyed, doc_, &QObject::deleteLater);
    } else if (event->isAccepted()) {
        doc_->NotifyStateChanged();  // this window has left the area's list
    }
}

orvel::CommandTarget* CChildFrame::activeViewTarget() const {
    return view_;
}

orvel::DocumentTarget* CChildFrame::documentTarget() const {
    return doc_;
}

CloseGuard& CChildFrame::closeGuard() const {
    return *doc_;
}
