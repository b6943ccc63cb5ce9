#include "compare/compare_files_child_frame.h"

#include <QCloseEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "compare/barred_splitter_wnd.h"
#include "compare/compare_files_doc.h"
#include "compare/compared_file_view.h"
#include "ui/shell_services.h"

using orvel::ComparedFile;

CCompareFilesChildFrame::CCompareFilesChildFrame(ShellServices& shell,
                                                 std::unique_ptr<CCompareFilesDoc> doc,
                                                 QToolBar* compareBar, QWidget* parent)
    : QMdiSubWindow(parent),
      doc_(std::move(doc)),
      worker_(shell, doc_->data(), this, doc_->jobHost()),
      m_wndCompareBar(compareBar) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(doc_->title());
    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_wndCompareBar);

    m_wndSplitter = new CBarredSplitterWnd(client);
    auto* pane1 = new CBarredWnd(QStringLiteral("First File"));
    auto* pane2 = new CBarredWnd(QStringLiteral("Second File"));
    m_pView1 = new CComparedFile1View(shell, doc_.get(), pane1);
    m_pView2 = new CComparedFile2View(shell, doc_.get(), pane2);
    pane1->setMinimumHeight(10);
    m_wndSplitter->addWidget(pane1);
    m_wndSplitter->addWidget(pane2);
    layout->addWidget(m_wndSplitter, 1);
    setWidget(client);

    m_pView1->setPartner(m_pView2);
    m_pView2->setPartner(m_pView1);
    activeView_ = m_pView1;
    for (ComparedFileView* view :
         {static_cast<ComparedFileView*>(m_pView1), static_cast<ComparedFileView*>(m_pView2)}) {
        connect(view, &ComparedFileView::activated, this, [this, view] { activeView_ = view; });
        view->OnUpdate();
    }
    worker_.setPanes(m_pView1, m_pView2);
    doc_->setCompareEnder([this] { worker_.End(); });
}

// The worker goes first, then the panes (whose views use the document's
// files), then the document.
CCompareFilesChildFrame::~CCompareFilesChildFrame() {
    worker_.End();
    QWidget* client = widget();
    setWidget(nullptr);
    delete client;
}

ComparedFileView* CCompareFilesChildFrame::view(ComparedFile which) const {
    if (which == ComparedFile::kFirst)
        return m_pView1;
    return m_pView2;
}

void CCompareFilesChildFrame::ActivateFrame() {
    if (m_bFirstActivate) {
        m_bFirstActivate = false;
        showMaximized();
    } else {
        show();
    }
    activeView_->setFocus();
}

orvel::CommandTarget* CCompareFilesChildFrame::activeViewTarget() const {
    return activeView_;
}

orvel::DocumentTarget* CCompareFilesChildFrame::documentTarget() const {
    return doc_.get();
}

CloseGuard& CCompareFilesChildFrame::closeGuard() const {
    return *doc_;
}

void CCompareFilesChildFrame::closeEvent(QCloseEvent* event) {
    if (!doc_->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CCompareFilesChildFrame::OnStartCompare() {
    worker_.Start();
}

void CCompareFilesChildFrame::OnStopCompare() {
    worker_.Stop();
}

void CCompareFilesChildFrame::ActivateOtherPane() {
    activeView_ = activeView_ == m_pView1 ? static_cast<ComparedFileView*>(m_pView2)
                                          : static_cast<ComparedFileView*>(m_pView1);
    activeView_->setFocus();
}
