#include "editing/address_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

#include "editing/field_edits.h"
#include "editing/hex_edit.h"
#include "editing/radio_group.h"
#include "ui/qt_string.h"

AddressDialog::AddressDialog(const orvel::DialogDef& def, const orvel::DialogMembers& members,
                             UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), def_(def), members_(members), prompts_(prompts) {
    setWindowTitle(ToQString(def.title));
    auto* layout = new QVBoxLayout(this);

    if (def.choice != nullptr) {
        auto* box = new QGroupBox(ToQString(def.choice->title), this);
        auto* row = new QHBoxLayout(box);
        choices_ = new RadioGroup(this);
        for (int i = 0; i < static_cast<int>(def.choice->labels.size()); ++i) {
            auto* button = new QRadioButton(ToQString(def.choice->labels[i]), box);
            row->addWidget(button);
            choices_->Add(button, i);
        }
        if (QAbstractButton* chosen =
                choices_->button(static_cast<int>(members_.Get(def.choice->member)))) {
            chosen->setChecked(true);
        }
        layout->addWidget(box);
    }

    // The fields before the group stand on their own; the rest are framed.
    const int fieldCount = static_cast<int>(def.table.fields.size());
    const int framedFrom = def.groupTitle.empty() ? fieldCount : def.groupFirst;
    auto* loose = new QFormLayout;
    layout->addLayout(loose);
    QFormLayout* framed = nullptr;
    if (framedFrom < fieldCount) {
        auto* box = new QGroupBox(ToQString(def.groupTitle), this);
        framed = new QFormLayout(box);
        layout->addWidget(box);
    }
    for (int i = 0; i < fieldCount; ++i) {
        const orvel::FieldRow& row = def.table.fields[i];
        DigitEdit* edit = CreateFieldEdit(row, this);
        edit->setText(ToQString(orvel::FieldText(def, i, members_)));
        (i < framedFrom ? loose : framed)->addRow(ToQString(row.label), edit);
        edits_.push_back(edit);
    }

    fileSize_ = new QLabel(ToQString(orvel::FileSizeLine(def, members_.m_nFileSize)), this);
    layout->addWidget(fileSize_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddressDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AddressDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (!edits_.empty()) {
        edits_.front()->setFocus();
        edits_.front()->selectAll();
    }
}

QAbstractButton* AddressDialog::choiceButton(int index) const {
    return choices_ != nullptr ? choices_->button(index) : nullptr;
}

QString AddressDialog::fileSizeText() const {
    return fileSize_->text();
}

bool AddressDialog::CheckFields() {
    if (choices_ != nullptr && choices_->checkedId() >= 0)
        members_.Set(def_.choice->member, choices_->checkedId());
    const std::optional<orvel::FieldFault> fault =
        orvel::CheckDialogFields(def_, FieldTexts(edits_), members_);
    if (!fault)
        return true;
    ReportFieldFault(*fault, edits_, this, prompts_);
    return false;
}

void AddressDialog::accept() {
    if (CheckFields())
        QDialog::accept();
}

std::optional<orvel::DialogMembers> RunAddressDialog(const orvel::DialogDef& def,
                                                     const orvel::DialogMembers& members,
                                                     UserPrompts& prompts, QWidget* parent) {
    // On the heap: closing the parent window while the dialog is open deletes it.
    const QPointer<AddressDialog> dialog = new AddressDialog(def, members, prompts, parent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (dialog.isNull())
        return std::nullopt;
    std::optional<orvel::DialogMembers> result;
    if (accepted)
        result = dialog->members();
    delete dialog.data();
    return result;
}
