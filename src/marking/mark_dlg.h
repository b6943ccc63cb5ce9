#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "document/offset.h"
#include "editing/hex_edit.h"
#include "marking/mark_dialogs.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QVBoxLayout;
class UserPrompts;

// What the four marking dialogs share: the title, the entry fields built from
// the field tables (hex or decimal digits only, limited in length), the clear
// box, the file-size line, OK and Cancel. On OK the dialog's table runs on the
// fields; the first fault is reported in a message box, its field gets the
// focus with its whole text selected, and the dialog stays open. Once every
// check passed, the dialog stores its values (Store). GUI thread only.
class MarkDlg : public QDialog {
    Q_OBJECT
  public:
    // Runs the OK checks; true when they all pass. On a fault, reports it as OK does.
    bool CheckFields();
    [[nodiscard]] DigitEdit* edit(std::size_t field) const { return edits_.at(field); }
    [[nodiscard]] QCheckBox* clearBox() const { return clearBox_; }

    void accept() override;

  protected:
    // `prompts` tells the faults.
    MarkDlg(const orvel::MarkDialogText& text, orvel::Offset fileSize, UserPrompts& prompts,
            QWidget* parent);

    // A labelled edit for fields[field] of Fields(), added to `grid` at `row`.
    // The calls must come in the order of the table's fields.
    DigitEdit* AddField(std::size_t field, QGridLayout* grid, int row, QLabel** label = nullptr);
    // Lays out the clear box, the file-size line and the buttons after `content`.
    void Finish(QVBoxLayout* layout);
    // A group holding a grid, added to `layout`.
    static QGridLayout* AddGroup(QVBoxLayout* layout, std::string_view title);

    // The field table the checks use now (Mark Patterns changes it with its type).
    [[nodiscard]] virtual const orvel::FieldTable& Fields() const = 0;
    // Reads the checked values into the settings.
    virtual void Store() = 0;

    // The text of a field (trimmed when its row says so), and its value.
    [[nodiscard]] std::string Text(std::size_t field) const;
    [[nodiscard]] std::uint32_t Value(std::size_t field) const;
    // The text of an address field: "%X", or empty for a negative address.
    static QString AddressText(orvel::Offset address);

    orvel::Offset fileSize_;
    QCheckBox* clearBox_;
    std::vector<DigitEdit*> edits_;

  private:
    UserPrompts& prompts_;
    orvel::MarkDialogText text_;
};
