#include "marking/mark_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editing/field_edits.h"
#include "editing/validators.h"
#include "ui/qt_string.h"

CMarkDlg::CMarkDlg(const orvel::MarkDialogText& text, orvel::Offset fileSize, UserPrompts& prompts,
                   QWidget* parent)
    : QDialog(parent),
      fileSize_(fileSize),
      clearBox_(new QCheckBox(ToQString(text.clearBox))),
      prompts_(prompts),
      text_(text) {
    setWindowTitle(ToQString(text.title));
}

QGridLayout* CMarkDlg::AddGroup(QVBoxLayout* layout, std::string_view title) {
    auto* group = new QGroupBox(ToQString(title));
    auto* grid = new QGridLayout(group);
    layout->addWidget(group);
    return grid;
}

CDigitEdit* CMarkDlg::AddField(std::size_t field, QGridLayout* grid, int row, QLabel** label) {
    // Typing lets only the field's digits through; pasted or preset text is
    // checked on OK.
    const orvel::FieldRow& fieldRow = Fields().fields[field];
    CDigitEdit* edit = CreateFieldEdit(fieldRow);
    auto* caption = new QLabel(ToQString(fieldRow.label));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    if (label != nullptr)
        *label = caption;
    edits_.push_back(edit);
    return edit;
}

void CMarkDlg::Finish(QVBoxLayout* layout) {
    layout->addWidget(new QLabel(ToQString(orvel::FileSizeText(fileSize_, text_.sizePrefix))));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMarkDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMarkDlg::reject);
    layout->addWidget(buttons);
}

std::string CMarkDlg::Text(std::size_t field) const {
    return std::string(
        orvel::CheckedText(Fields().fields[field], edits_.at(field)->text().toStdString()));
}

std::uint32_t CMarkDlg::Value(std::size_t field) const {
    return orvel::FieldValue(Fields().fields[field], edits_.at(field)->text().toStdString());
}

QString CMarkDlg::AddressText(orvel::Offset address) {
    return ToQString(orvel::AddressFieldText(address));
}

bool CMarkDlg::CheckFields() {
    return CheckFieldEdits(Fields(), edits_, fileSize_, this, prompts_).has_value();
}

void CMarkDlg::accept() {
    if (!CheckFields())
        return;
    Store();
    QDialog::accept();
}
