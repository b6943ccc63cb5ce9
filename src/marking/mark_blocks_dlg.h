#pragma once

#include <array>

#include "marking/mark_dlg.h"

class CColorComboBox;

// "Mark Blocks": up to three address ranges, each in its own colour. After
// OK, settings() holds what the view remembers (and what to paint).
class CMarkBlocksDlg final : public MarkDlg {
    Q_OBJECT
  public:
    CMarkBlocksDlg(orvel::MarkBlocksSettings settings, orvel::Offset fileSize, UserPrompts& prompts,
                   QWidget* parent);

    [[nodiscard]] const orvel::MarkBlocksSettings& settings() const { return settings_; }
    [[nodiscard]] CColorComboBox* color(std::size_t block) const { return colors_.at(block); }

  private:
    [[nodiscard]] const orvel::FieldTable& Fields() const override;
    void Store() override;

    orvel::MarkBlocksSettings settings_;
    std::array<CColorComboBox*, orvel::kMarkBlockCount> colors_{};
};
