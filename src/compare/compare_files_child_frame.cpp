#include "compare/compare_files_child_frame.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QSettings>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "compare/barred_splitter_wnd.h"
#include "compare/compare_diffs.h"
#include "compare/compare_files_doc.h"
#include "compare/compared_file_view.h"
#include "compare/pane_sync.h"
#include "ui/shell_services.h"
#include "ui/window_title.h"

using orvel::ComparedFile;

namespace {

const QString kSyncPanesKey = QStringLiteral("Compare/SynchronizePanes");

}  // namespace

CCompareFilesChildFrame::CCompareFilesChildFrame(ShellServices& shell,
                                                 std::unique_ptr<CCompareFilesDoc> doc,
                                                 QToolBar* compareBar, QWidget* parent)
    : QMdiSubWindow(parent),
      shell_(shell),
      doc_(std::move(doc)),
      worker_(shell, doc_->data(), this, doc_->jobHost()),
      m_wndCompareBar(compareBar) {
    setAttribute(Qt::WA_DeleteOnClose);
    UpdateTitle();
    connect(doc_.get(), &CCompareFilesDoc::stateChanged, this,
            &CCompareFilesChildFrame::UpdateTitle);
    // A main window inside the frame, so that the differences panel can dock.
    auto* client = new QMainWindow;
    client->setWindowFlags(Qt::Widget);
    auto* central = new QWidget;
    client->setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
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
        connect(view, &ComparedFileView::activated, this, [this, view] { SetActiveView(view); });
        view->OnUpdate();
    }
    worker_.setPanes(m_pView1, m_pView2);
    doc_->setCompareEnder([this] { worker_.End(); });

    diffs_ = new CompareDiffs(shell, doc_->data(), m_pView1, m_pView2, client, this);
    worker_.setEditsListener(
        [this](const std::vector<orvel::AlignedEdit>& edits) { diffs_->Add(edits); });
    worker_.setScanEndListener([this](const CompareWorker::ScanEnd& end) {
        lastComparison_ = end.plain;
        diffs_->ScanEnded(end.note);
        emit comparisonChanged();
    });
    diffs_->sync().setEnabled(shell.settings().value(kSyncPanesKey, true).toBool());
}

// The worker goes first, then what shows the differences, then the panes (whose views use the
// document's files), then the document.
CCompareFilesChildFrame::~CCompareFilesChildFrame() {
    worker_.End();
    delete diffs_;
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
        // Laid out at the full size first, then the panel takes its width.
        QTimer::singleShot(0, diffs_, [this] { diffs_->FitPanel(); });
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
    BeginComparison(orvel::DiffColouring::kPlain);
    worker_.Start();
}

void CCompareFilesChildFrame::OnCompareAligned() {
    BeginComparison(orvel::DiffColouring::kAligned);
    worker_.StartAligned();
}

void CCompareFilesChildFrame::BeginComparison(orvel::DiffColouring colouring) {
    lastComparison_.reset();
    diffs_->Begin(colouring);
    emit comparisonChanged();
}

void CCompareFilesChildFrame::OnCopyToOtherFile() {
    diffs_->CopyToOtherFile(activeView_->file());
}

bool CCompareFilesChildFrame::syncPanes() const {
    return diffs_->sync().enabled();
}

void CCompareFilesChildFrame::OnSyncPanes() {
    const bool on = !syncPanes();
    diffs_->sync().setEnabled(on);
    shell_.settings().setValue(kSyncPanesKey, on);
}

void CCompareFilesChildFrame::OnStopCompare() {
    worker_.Stop();
}

void CCompareFilesChildFrame::ActivateOtherPane() {
    SetActiveView(activeView_ == m_pView1 ? static_cast<ComparedFileView*>(m_pView2)
                                          : static_cast<ComparedFileView*>(m_pView1));
    activeView_->setFocus();
}

void CCompareFilesChildFrame::SetActiveView(ComparedFileView* view) {
    if (view == activeView_)
        return;
    activeView_ = view;
    emit activeViewChanged();
}

// Unsaved changes of either file mark the title.
void CCompareFilesChildFrame::UpdateTitle() {
    ShowTitle(*this, doc_->title(), doc_->IsModified());
}
