#include "editing/address_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

#include "app/orvel_app.h"
#include "editing/hex_edit.h"
#include "editing/radio_group.h"

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CAddressDialog::CAddressDialog(const orvel::DialogDef& def, const orvel::DialogMembers& members,
                               QWidget* parent)
    : QDialog(parent), def_(def), members_(members) {
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
    const int framedFrom =
        def.groupTitle.empty() ? static_cast<int>(def.fields.size()) : def.groupFirst;
    auto* loose = new QFormLayout;
    layout->addLayout(loose);
    QFormLayout* framed = nullptr;
    if (framedFrom < static_cast<int>(def.fields.size())) {
        auto* box = new QGroupBox(ToQString(def.groupTitle), this);
        framed = new QFormLayout(box);
        layout->addWidget(box);
    }
    for (int i = 0; i < static_cast<int>(def.fields.size()); ++i) {
        const orvel::FieldDef& fieldDef = *def.fields[i];
        CDigitEdit* edit = CreateFieldEdit(fieldDef, this);
        edit->setText(QString::fromStdString(orvel::FieldText(fieldDef, members_)));
        (i < framedFrom ? loose : framed)->addRow(ToQString(fieldDef.label), edit);
        edits_.push_back(edit);
    }

    fileSize_ =
        new QLabel(QString::fromStdString(orvel::FileSizeLine(def, members_.m_nFileSize)), this);
    layout->addWidget(fileSize_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAddressDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAddressDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (!edits_.empty()) {
        edits_.front()->setFocus();
        edits_.front()->selectAll();
    }
}

QAbstractButton* CAddressDialog::choiceButton(int index) const {
    return choices_ != nullptr ? choices_->button(index) : nullptr;
}

QString CAddressDialog::fileSizeText() const {
    return fileSize_->text();
}

bool CAddressDialog::CheckFields() {
    if (choices_ != nullptr && choices_->checkedId() >= 0)
        members_.Set(def_.choice->member, choices_->checkedId());
    std::vector<std::string> texts;
    texts.reserve(edits_.size());
    for (const CDigitEdit* edit : edits_)
        texts.push_back(edit->text().toStdString());
    const orvel::CheckResult result = orvel::CheckDialogFields(def_, texts, members_);
    if (result.ok())
        return true;
    COrvelApp::instance()->prompts().Ask(this, ToQString(result.message), UserPrompts::Buttons::Ok,
                                         UserPrompts::Icon::Warning);
    CDigitEdit* faulty = edits_[result.failedField];
    faulty->setFocus();
    faulty->selectAll();
    return false;
}

void CAddressDialog::accept() {
    if (CheckFields())
        QDialog::accept();
}

std::optional<orvel::DialogMembers> RunAddressDialog(const orvel::DialogDef& def,
                                                     const orvel::DialogMembers& members,
                                                     QWidget* parent) {
    // On the heap: closing the parent window while the dialog is open deletes it.
    const QPointer<CAddressDialog> dialog = new CAddressDialog(def, members, parent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (dialog.isNull())
        return std::nullopt;
    std::optional<orvel::DialogMembers> result;
    if (accepted)
        result = dialog->members();
    delete dialog.data();
    return result;
}
