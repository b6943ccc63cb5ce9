#include "editing/find_bytes_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "editing/field_edits.h"
#include "editing/find_fields.h"
#include "ui/qt_string.h"
#include "view/color_combo_box.h"

using orvel::kFindStart;
using orvel::kFindWhat;

namespace {

const orvel::FieldRow& Row(orvel::FindField field) {
    return orvel::FindBytesFields().fields[field];
}

}  // namespace

CFindBytesDlg::CFindBytesDlg(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      edits_{CreateFieldEdit(Row(kFindWhat)), CreateFieldEdit(Row(kFindStart))},
      color_(new CColorComboBox),
      autoMark_(new QCheckBox(QStringLiteral("Automatically Mark the Found Bytes"))),
      findNext_(new QPushButton(QStringLiteral("Find Next"))),
      markSelect_(new QPushButton(QStringLiteral("Mark Select"))) {
    setWindowTitle(QStringLiteral("Find Bytes (in Hex)"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(ToQString(Row(kFindWhat).label)), 0, 0);
    grid->addWidget(findWhatEdit(), 0, 1);
    grid->addWidget(new QLabel(ToQString(Row(kFindStart).label)), 1, 0);
    grid->addWidget(startEdit(), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("(in Hex)")), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Mark Color:")), 2, 0);
    grid->addWidget(color_, 2, 1);
    grid->addWidget(autoMark_, 3, 0, 1, 3);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(markSelect_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 4, 1);
    findNext_->setDefault(true);  // Enter means Find Next
    connect(findNext_, &QPushButton::clicked, this, &CFindBytesDlg::OnFindNext);
    connect(markSelect_, &QPushButton::clicked, this, &CFindBytesDlg::OnMarkSelect);
    connect(cancel, &QPushButton::clicked, this, &CFindBytesDlg::close);

    ShowNextStart();
    findWhatEdit()->setText(QString::fromStdString(m_strFindWhat));
    color_->SelectName(m_strMarkColor);
    autoMark_->setChecked(m_bAutoMark);
}

void CFindBytesDlg::ShowNextStart() {
    startEdit()->setText(ToQString(orvel::AddressFieldText(m_nNextStart)));
}

void CFindBytesDlg::ReadFindWhat(const std::string& text) {
    m_strFindWhat = std::string(orvel::CheckedText(Row(kFindWhat), text));
}

void CFindBytesDlg::ReadColorAndAutoMark() {
    color_->ReadName(m_strMarkColor);
    m_bAutoMark = autoMark_->isChecked();
}

void CFindBytesDlg::OnFindNext() {
    const std::optional<std::vector<std::string>> texts =
        CheckFieldEdits(orvel::FindBytesFields(), edits_, 0, this, prompts_);
    if (!texts)
        return;
    m_nNextStart = orvel::FieldValue(Row(kFindStart), (*texts)[kFindStart]);
    ReadFindWhat((*texts)[kFindWhat]);
    ReadColorAndAutoMark();
    emit findNextRequested();
}

void CFindBytesDlg::OnMarkSelect() {
    ReadColorAndAutoMark();
    emit markSelectRequested();
}

void CFindBytesDlg::UpdateNextStart() {
    ShowNextStart();
    ReadFindWhat(findWhatEdit()->text().toStdString());
    ReadColorAndAutoMark();
}
