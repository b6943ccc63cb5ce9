#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "editing/find_fields.h"
#include "editing/hex_edit.h"

class CColorComboBox;
class QCheckBox;
class QPushButton;
class UserPrompts;

// "Find Bytes (in Hex)": the modeless Find dialog of one hex view. It holds the
// request (next start address, the pattern text, the mark colour, auto-mark)
// and asks its view to act through signals, which run synchronously: a search
// or a Mark Select ends before the dialog handles its next button. Closing it
// (Cancel, Escape, the close box) deletes it. GUI thread only.
class CFindBytesDlg final : public QDialog {
    Q_OBJECT
  public:
    // `prompts` tells the faults of the fields.
    CFindBytesDlg(UserPrompts& prompts, QWidget* parent);

    std::uint32_t m_nNextStart = 0;
    std::string m_strFindWhat;
    std::string m_strMarkColor{"Black"};
    bool m_bAutoMark = true;

    // Shows m_nNextStart in the start field, then reads the controls back.
    void UpdateNextStart();

    [[nodiscard]] DigitEdit* findWhatEdit() const { return edits_[orvel::kFindWhat]; }
    [[nodiscard]] DigitEdit* startEdit() const { return edits_[orvel::kFindStart]; }
    [[nodiscard]] CColorComboBox* colorBox() const { return color_; }
    [[nodiscard]] QCheckBox* autoMarkBox() const { return autoMark_; }
    [[nodiscard]] QPushButton* findNextButton() const { return findNext_; }
    [[nodiscard]] QPushButton* markSelectButton() const { return markSelect_; }

  signals:
    void findNextRequested();
    void markSelectRequested();

  private:
    void OnFindNext();
    void OnMarkSelect();
    void ShowNextStart();
    // Keeps the pattern text without the blanks around it.
    void ReadFindWhat(const std::string& text);
    void ReadColorAndAutoMark();

    UserPrompts& prompts_;
    std::array<DigitEdit*, 2> edits_;  // indexed by orvel::FindField
    CColorComboBox* color_;
    QCheckBox* autoMark_;
    QPushButton* findNext_;
    QPushButton* markSelect_;
};
