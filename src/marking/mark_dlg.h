#pragma once

#include <QDialog>
#include <span>
#include <string>
#include <vector>

#include "document/offset.h"
#include "marking/mark_dialogs.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;

// What the four marking dialogs share: the title, the entry fields built from
// the field tables (hex or decimal digits only, limited in length), the clear
// box, the file-size line, OK and Cancel. On OK the fields are checked in
// their table's order; the first fault is reported in a message box, its
// field gets the focus with its whole text selected, and the dialog stays
// open. Once every check passed, the dialog stores its values (Store).
// GUI thread only.
class CMarkDlg : public QDialog {
    Q_OBJECT
  public:
    // Runs the OK checks; true when they all pass. On a fault, reports it as OK does.
    bool CheckFields();
    [[nodiscard]] QLineEdit* edit(std::size_t field) const { return edits_.at(field); }
    [[nodiscard]] QCheckBox* clearBox() const { return clearBox_; }

    void accept() override;

  protected:
    CMarkDlg(const orvel::MarkDialogText& text, orvel::Offset fileSize, QWidget* parent);

    // A labelled edit for `field`, added to `grid` at `row`; also appended to
    // the fields OK checks, in the order of the calls.
    QLineEdit* AddField(const orvel::MarkField& field, QGridLayout* grid, int row,
                        QLabel** label = nullptr);
    // Lays out the clear box, the file-size line and the buttons after `content`.
    void Finish(QVBoxLayout* layout);
    // A group holding a grid, added to `layout`.
    static QGridLayout* AddGroup(QVBoxLayout* layout, std::string_view title);

    // The fields the checks use now (Mark Patterns changes them with its type).
    [[nodiscard]] virtual std::span<const orvel::MarkField> Fields() const = 0;
    // Reads the checked values into the settings.
    virtual void Store() = 0;

    // The text of a field (trimmed when its table says so).
    [[nodiscard]] std::string Text(std::size_t field) const;
    // "%X", or empty for a negative address.
    static QString AddressText(orvel::Offset address);

    orvel::Offset fileSize_;
    QCheckBox* clearBox_;
    std::vector<QLineEdit*> edits_;

  private:
    orvel::MarkDialogText text_;
};

// Converts a table string for Qt.
[[nodiscard]] QString QStr(std::string_view text);
