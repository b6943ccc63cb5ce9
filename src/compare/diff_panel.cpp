#include "compare/diff_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

#include "compare/diff_list_model.h"

namespace {

// The width of a narrow column (an offset); one of bytes takes twice as much.
constexpr int kColumnWidth = 90;

}  // namespace

// As wide as its columns.
QSize DiffPanel::sizeHint() const {
    return {kColumnWidth * 7 + 40, QDockWidget::sizeHint().height()};
}

DiffPanel::DiffPanel(DiffListModel* model, QWidget* parent)
    : QDockWidget(QStringLiteral("Differences"), parent),
      model_(model),
      totals_(new QLabel),
      note_(new QLabel),
      list_(new QTreeView) {
    setObjectName(QStringLiteral("DifferencesPanel"));
    // Always there: it can move and float, but not go.
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    note_->setObjectName(QStringLiteral("note"));
    totals_->setWordWrap(true);
    note_->setWordWrap(true);
    note_->hide();
    // Uniform rows let the view place a million of them without measuring any.
    list_->setModel(model);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setItemsExpandable(false);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    list_->header()->setDefaultSectionSize(kColumnWidth);
    list_->header()->resizeSection(DiffListModel::Length, kColumnWidth * 3 / 4);
    list_->header()->resizeSection(DiffListModel::File1Bytes, kColumnWidth * 2);
    // A short window keeps room for its panes; the list scrolls instead.
    list_->setMinimumHeight(1);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(totals_);
    layout->addWidget(note_);
    layout->addWidget(list_, 1);
    setWidget(body);
    connect(list_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { emit rowChosen(index.row()); });
    connect(list_, &QTreeView::activated, this,
            [this](const QModelIndex& index) { emit rowChosen(index.row()); });
    UpdateTotals();
}

int DiffPanel::currentRow() const {
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void DiffPanel::SetNote(const QString& note) {
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void DiffPanel::UpdateTotals() {
    const orvel::DiffList& diffs = model_->diffs();
    totals_->setText(QStringLiteral("%1 runs, %2 bytes differ, surplus: %3 only in File1, %4 "
                                    "only in File2")
                         .arg(diffs.size())
                         .arg(diffs.totals().changed)
                         .arg(diffs.totals().deleted)
                         .arg(diffs.totals().inserted) +
                     (diffs.full()
                          ? QStringLiteral(" (the first %1 runs are listed)").arg(diffs.size())
                          : QString()));
}
