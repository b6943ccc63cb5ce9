#include "editing/field_edits.h"

#include "editing/hex_edit.h"
#include "ui/qt_string.h"
#include "ui/user_prompts.h"

DigitEdit* CreateFieldEdit(const orvel::FieldRow& field, QWidget* parent) {
    DigitEdit* edit = field.kind == orvel::NumberBase::kHex
                          ? static_cast<DigitEdit*>(new CHexEdit(parent))
                          : new CDecimalEdit(parent);
    edit->setMaxLength(field.maxLength);
    return edit;
}

std::vector<std::string> FieldTexts(std::span<DigitEdit* const> edits) {
    std::vector<std::string> texts;
    texts.reserve(edits.size());
    for (const DigitEdit* edit : edits)
        texts.push_back(edit->text().toStdString());
    return texts;
}

void ReportFieldFault(const orvel::FieldFault& fault, std::span<DigitEdit* const> edits,
                      QWidget* dialog, UserPrompts& prompts) {
    prompts.Tell(dialog, ToQString(fault.message));
    DigitEdit* faulty = edits[fault.field];
    faulty->setFocus();
    faulty->selectAll();
}

std::optional<std::vector<std::string>> CheckFieldEdits(const orvel::FieldTable& table,
                                                        std::span<DigitEdit* const> edits,
                                                        orvel::Offset fileSize, QWidget* dialog,
                                                        UserPrompts& prompts) {
    std::vector<std::string> texts = FieldTexts(edits);
    if (const auto fault = orvel::CheckFields(table, texts, fileSize)) {
        ReportFieldFault(*fault, edits, dialog, prompts);
        return std::nullopt;
    }
    return texts;
}
