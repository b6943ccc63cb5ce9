#include "compare/compared_file_view.h"

#include <QVBoxLayout>

#include "compare/compare_files_doc.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"

using orvel::ComparedFile;
using orvel::Offset;

CBarredWnd::CBarredWnd(const QString& title, QWidget* parent)
    : QWidget(parent), m_wndTitleBar(new QLabel(title, this)), body_(new QHBoxLayout) {
    m_wndTitleBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_wndTitleBar->setTextFormat(Qt::PlainText);
    m_wndTitleBar->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_wndTitleBar);
    body_->setContentsMargins(0, 0, 0, 0);
    body_->setSpacing(0);
    layout->addLayout(body_, 1);
}

void CBarredWnd::SetView(QWidget* view) {
    body_->insertWidget(0, view, 1);
}

void CBarredWnd::AddBeside(QWidget* widget) {
    body_->addWidget(widget);
}

ComparedFileView::ComparedFileView(ShellServices& shell, CCompareFilesDoc* doc, ComparedFile which,
                                   CBarredWnd* pane)
    : COrvelView(shell,
                 ViewSource{&doc->data().file(which), orvel::DumpStyle::kPane, &doc->data(), doc,
                            &doc->job(),
                            // Editing and printing wait while a comparison, a
                            // marking run or a job owns the files.
                            [doc] { return doc->IsCompareDocIdle(); },
                            // Typing waits while a compare worker may still read the
                            // files (running, stopping or showing its summary).
                            [doc] { return doc->data().IsComparing() || doc->job().running(); }},
                 pane),
      doc_(doc),
      which_(which),
      pane_(pane) {
    pane->SetView(this);
}

void ComparedFileView::OnUpdate() {
    const QString prefix =
        which_ == ComparedFile::kFirst ? QStringLiteral(" File1: ") : QStringLiteral(" File2: ");
    pane_->titleBar()->setText(prefix + doc_->path(which_));
}

void ComparedFileView::ShowDiffByte(Offset offset) {
    const auto color =
        which_ == ComparedFile::kFirst ? orvel::kFirstPaneDiffColor : orvel::kSecondPaneDiffColor;
    marks().PaintByte(offset, color);
    MarksChanged(offset, offset);
    const orvel::HexPos digits = layout().ByteToHexPos(offset);
    SetSelection({digits.high, digits.low + 1});
}

void ComparedFileView::NavigateDiff(orvel::DiffCommand command) {
    const orvel::DiffNavigation found = doc_->data().NavigateDiff(command, which_, selection());
    switch (found.outcome) {
        case orvel::DiffNavigation::Outcome::kFound:
            ShowDiffByte(found.offset);
            if (partner_ != nullptr)
                partner_->ShowDiffByte(found.offset);
            break;
        case orvel::DiffNavigation::Outcome::kClickRequest:
            shell().prompts().Tell(this, QString::fromStdString(found.message));
            break;
        case orvel::DiffNavigation::Outcome::kNothing:
            break;
    }
}

void ComparedFileView::focusInEvent(QFocusEvent* event) {
    COrvelView::focusInEvent(event);
    emit activated();
}
