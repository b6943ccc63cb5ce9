#pragma once

#include <array>

#include "marking/mark_dlg.h"

class CColorComboBox;

// "Mark Bytes": up to four values, each with a colour, applied to a block.
// Opens with the view's remembered settings and the preset block; after OK,
// settings() holds what the view remembers and block() the block to mark.
class CMarkBytesDlg final : public MarkDlg {
    Q_OBJECT
  public:
    CMarkBytesDlg(orvel::MarkBytesSettings settings, orvel::MarkBlock block, orvel::Offset fileSize,
                  UserPrompts& prompts, QWidget* parent);

    [[nodiscard]] const orvel::MarkBytesSettings& settings() const { return settings_; }
    [[nodiscard]] orvel::MarkBlock block() const { return block_; }
    [[nodiscard]] CColorComboBox* color(std::size_t slot) const { return colors_.at(slot); }

  private:
    [[nodiscard]] const orvel::FieldTable& Fields() const override;
    void Store() override;

    orvel::MarkBytesSettings settings_;
    orvel::MarkBlock block_;
    std::array<CColorComboBox*, orvel::kMarkValueSlots> colors_{};
};
