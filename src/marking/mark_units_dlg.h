#pragma once

#include "marking/mark_dlg.h"

class CColorComboBox;

// "Mark Units": a block painted in units of a fixed size, alternating two colours.
class CMarkUnitsDlg final : public MarkDlg {
    Q_OBJECT
  public:
    CMarkUnitsDlg(orvel::MarkUnitsSettings settings, orvel::MarkBlock block, orvel::Offset fileSize,
                  UserPrompts& prompts, QWidget* parent);

    [[nodiscard]] const orvel::MarkUnitsSettings& settings() const { return settings_; }
    [[nodiscard]] orvel::MarkBlock block() const { return block_; }
    [[nodiscard]] CColorComboBox* color1() const { return color1_; }
    [[nodiscard]] CColorComboBox* color2() const { return color2_; }

  private:
    [[nodiscard]] const orvel::FieldTable& Fields() const override;
    void Store() override;

    orvel::MarkUnitsSettings settings_;
    orvel::MarkBlock block_;
    CColorComboBox* color1_;
    CColorComboBox* color2_;
};
