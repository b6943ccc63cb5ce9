#include "marking/mark_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/orvel_app.h"
#include "editing/find_pattern.h"
#include "editing/hex_edit.h"
#include "editing/validators.h"

QString QStr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

CMarkDlg::CMarkDlg(const orvel::MarkDialogText& text, orvel::Offset fileSize, QWidget* parent)
    : QDialog(parent),
      fileSize_(fileSize),
      clearBox_(new QCheckBox(QStr(text.clearBox))),
      text_(text) {
    setWindowTitle(QStr(text.title));
}

QGridLayout* CMarkDlg::AddGroup(QVBoxLayout* layout, std::string_view title) {
    auto* group = new QGroupBox(QStr(title));
    auto* grid = new QGridLayout(group);
    layout->addWidget(group);
    return grid;
}

QLineEdit* CMarkDlg::AddField(const orvel::MarkField& field, QGridLayout* grid, int row,
                              QLabel** label) {
    // Typing lets only the field's digits through; pasted or preset text is
    // checked on OK.
    QLineEdit* edit = field.kind == orvel::MarkFieldKind::kHex
                          ? static_cast<QLineEdit*>(new CHexEdit)
                          : static_cast<QLineEdit*>(new CDecimalEdit);
    edit->setMaxLength(field.maxLength);
    auto* caption = new QLabel(QStr(field.label));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    if (label != nullptr)
        *label = caption;
    edits_.push_back(edit);
    return edit;
}

void CMarkDlg::Finish(QVBoxLayout* layout) {
    const bool upper = text_.sizePrefix.find("0X") != std::string_view::npos;
    auto* size = new QLabel(QString::fromStdString(orvel::FileSizeText(
        fileSize_, upper ? orvel::SizePrefix::Upper : orvel::SizePrefix::Lower)));
    layout->addWidget(size);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMarkDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMarkDlg::reject);
    layout->addWidget(buttons);
}

std::string CMarkDlg::Text(std::size_t field) const {
    const std::string text = edits_.at(field)->text().toStdString();
    return Fields()[field].trimmed ? std::string(orvel::TrimBlanks(text)) : text;
}

QString CMarkDlg::AddressText(orvel::Offset address) {
    return address < 0 ? QString() : QString::number(address, 16).toUpper();
}

bool CMarkDlg::CheckFields() {
    const auto fields = Fields();
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < fields.size(); ++i)
        texts.push_back(edits_.at(i)->text().toStdString());
    const auto fault = orvel::CheckMarkFields(fields, texts, fileSize_);
    if (!fault)
        return true;
    COrvelApp::instance()->prompts().Tell(this, QStr(fault->message));
    QLineEdit* faulty = edits_.at(fault->field);
    faulty->setFocus();
    faulty->selectAll();
    return false;
}

void CMarkDlg::accept() {
    if (!CheckFields())
        return;
    Store();
    QDialog::accept();
}
