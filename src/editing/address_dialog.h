#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "editing/address_dialogs.h"

class DigitEdit;
class QAbstractButton;
class QLabel;
class RadioGroup;
class UserPrompts;

// The modal dialog of every block command, built from its table entry: the
// radio group, the fields with their labels (some framed in a group), the
// file-size line and OK/Cancel. The fields open with the members' texts. OK
// checks the fields in the table's order; on the first fault it shows the
// fault's message (OK button only), gives the field the focus with its whole
// text selected and stays open. GUI thread only.
class AddressDialog final : public QDialog {
    Q_OBJECT
  public:
    // `prompts` tells the faults.
    AddressDialog(const orvel::DialogDef& def, const orvel::DialogMembers& members,
                  UserPrompts& prompts, QWidget* parent);

    [[nodiscard]] const orvel::DialogDef& definition() const { return def_; }
    // After OK: the members with every checked value.
    [[nodiscard]] const orvel::DialogMembers& members() const { return members_; }

    // The controls, for the tests: the edit of fields[index], the radio button
    // of a choice, the file-size line.
    [[nodiscard]] DigitEdit* field(int index) const { return edits_[index]; }
    [[nodiscard]] int fieldCount() const { return static_cast<int>(edits_.size()); }
    [[nodiscard]] QAbstractButton* choiceButton(int index) const;
    [[nodiscard]] QString fileSizeText() const;

    // Stores the radio choice and checks the fields; on a fault reports it and
    // selects the field. True when every field passed.
    bool CheckFields();

    void accept() override;

  private:
    const orvel::DialogDef& def_;
    orvel::DialogMembers members_;
    UserPrompts& prompts_;
    std::vector<DigitEdit*> edits_;
    RadioGroup* choices_ = nullptr;
    QLabel* fileSize_ = nullptr;
};

// Runs the dialog modally over `parent`: the checked members after OK, nothing
// after Cancel or when the parent was destroyed meanwhile.
[[nodiscard]] std::optional<orvel::DialogMembers> RunAddressDialog(
    const orvel::DialogDef& def, const orvel::DialogMembers& members, UserPrompts& prompts,
    QWidget* parent);
