#include "app/child_frame.h"

#include <QCloseEvent>

#include "app/main_frame.h"
#include "app/orvel_app.h"
#include "document/orvel_doc.h"
#include "view/orvel_view.h"

using orvel::Cmd;

CChildFrame::CChildFrame(COrvelDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), doc_(doc), view_(new COrvelView(doc, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    UpdateTitle();
    connect(doc_, &COrvelDoc::stateChanged, this, &CChildFrame::UpdateTitle);
}

void CChildFrame::UpdateTitle() {
    setWindowTitle(doc_->title());
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
    int views = 0;
    for (CChildFrame* child : COrvelApp::instance()->mainFrame()->children()) {
        if (child->document() == doc_)
            ++views;
    }
    // The last window of a document asks the document's close guard.
    if (views == 1 && !doc_->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    // The document goes once this window and its view are gone.
    if (event->isAccepted() && views == 1) {
        connect(this, &QObject::destroyed, doc_, &QObject::deleteLater);
    }
}

CommandTarget* CChildFrame::activeViewTarget() const {
    return view_;
}

CommandTarget* CChildFrame::documentTarget() const {
    return doc_;
}

bool CChildFrame::OnCommand(Cmd cmd) {
    if (cmd != Cmd::FileClose)
        return false;
    close();
    return true;
}

bool CChildFrame::OnUpdateCommand(Cmd cmd, CommandState& state) {
    if (cmd != Cmd::FileClose)
        return false;
    state.enabled = true;
    return true;
}
