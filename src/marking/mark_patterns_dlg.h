#pragma once

#include <array>

#include "marking/mark_dlg.h"

class CColorComboBox;
class QRadioButton;

// "Mark Patterns": a header value, a count of body or tail bytes and a tail
// value, relabelled for the chosen pattern type. Switching the type keeps the
// texts and colours as they stand; OK stores them as the chosen type's values.
class CMarkPatternsDlg final : public MarkDlg {
    Q_OBJECT
  public:
    CMarkPatternsDlg(orvel::MarkPatternsSettings settings, orvel::MarkBlock block,
                     orvel::Offset fileSize, UserPrompts& prompts, QWidget* parent);

    [[nodiscard]] const orvel::MarkPatternsSettings& settings() const { return settings_; }
    [[nodiscard]] orvel::MarkBlock block() const { return block_; }
    [[nodiscard]] CColorComboBox* color(std::size_t k) const { return colors_.at(k); }
    [[nodiscard]] QRadioButton* typeButton(orvel::PatternType type) const;
    [[nodiscard]] orvel::PatternType type() const { return type_; }
    // The caption of a field or colour list (for the relabelling).
    [[nodiscard]] QLabel* fieldLabel(std::size_t field) const { return fieldLabels_.at(field); }
    [[nodiscard]] QLabel* colorLabel(std::size_t k) const { return colorLabels_.at(k); }

  private:
    [[nodiscard]] const orvel::FieldTable& Fields() const override;
    void Store() override;
    void ApplyType(orvel::PatternType type);

    orvel::MarkPatternsSettings settings_;
    orvel::MarkBlock block_;
    orvel::PatternType type_;
    std::array<QRadioButton*, orvel::kPatternTypeCount> typeButtons_{};
    std::array<QLabel*, 5> fieldLabels_{};
    std::array<CColorComboBox*, 3> colors_{};
    std::array<QLabel*, 3> colorLabels_{};
    QLabel* bytesUnit_;
    QLabel* followingLine_;
};
