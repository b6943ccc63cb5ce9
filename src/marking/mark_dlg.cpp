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

MarkDlg::MarkDlg(const orvel::MarkDialogText& text, orvel::Offset fileSize, UserPrompts& prompts,
                 QWidget* parent)
    : QDialog(parent),
      fileSize_(fileSize),
      clearBox_(new QCheckBox(ToQString(text.clearBox))),
      prompts_(prompts),
      text_(text) {
    setWindowTitle(ToQString(text.title));
}

QGridLayout* MarkDlg::AddGroup(QVBoxLayout* layout, std::string_view title) {
    auto* group = new QGroupBox(ToQString(title));
    auto* grid = new QGridLayout(group);
    layout->addWidget(group);
    return grid;
}

DigitEdit* MarkDlg::AddField(std::size_t field, QGridLayout* grid, int row, QLabel** label) {
    // Typing lets only the field's digits through; pasted or preset text is
    // checked on OK.
    const orvel::FieldRow& fieldRow = Fields().fields[field];
    DigitEdit* edit = CreateFieldEdit(fieldRow);
    auto* caption = new QLabel(ToQString(fieldRow.label));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    if (label != nullptr)
        *label = caption;
    edits_.push_back(edit);
    return edit;
}

void MarkDlg::Finish(QVBoxLayout* layout) {
    layout->addWidget(new QLabel(ToQString(orvel::FileSizeText(fileSize_, text_.sizePrefix))));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &MarkDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MarkDlg::reject);
    layout->addWidget(buttons);
}

std::string MarkDlg::Text(std::size_t field) const {
    return std::string(
        orvel::CheckedText(Fields().fields[field], edits_.at(field)->text().toStdString()));
}

std::uint32_t MarkDlg::Value(std::size_t field) const {
    return orvel::FieldValue(Fields().fields[field], edits_.at(field)->text().toStdString());
}

QString MarkDlg::AddressText(orvel::Offset address) {
    return ToQString(orvel::AddressFieldText(address));
}

bool MarkDlg::CheckFields() {
    return CheckFieldEdits(Fields(), edits_, fileSize_, this, prompts_).has_value();
}

void MarkDlg::accept() {
    if (!CheckFields())
        return;
    Store();
    QDialog::accept();
}
