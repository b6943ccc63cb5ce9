#include "marking/mark_patterns_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/radio_group.h"
#include "ui/qt_string.h"
#include "view/color_combo_box.h"

using namespace orvel;

CMarkPatternsDlg::CMarkPatternsDlg(MarkPatternsSettings settings, MarkBlock block, Offset fileSize,
                                   UserPrompts& prompts, QWidget* parent)
    : MarkDlg(kMarkPatternsText, fileSize, prompts, parent),
      settings_(std::move(settings)),
      block_(block),
      type_(settings_.type),
      bytesUnit_(new QLabel(ToQString(kBytesUnit))),
      followingLine_(new QLabel(ToQString(kFollowingLine))) {
    auto* layout = new QVBoxLayout(this);
    QGridLayout* types = AddGroup(layout, kPatternTypeGroup);
    auto* typeGroup = new RadioGroup(this);
    for (std::size_t t = 0; t < kPatternTypeCount; ++t) {
        typeButtons_[t] = new QRadioButton(ToQString(kPatternTypeNames[t]));
        types->addWidget(typeButtons_[t], 0, static_cast<int>(t));
        typeGroup->Add(typeButtons_[t], static_cast<int>(t));
        connect(typeButtons_[t], &QRadioButton::toggled, this, [this, t](bool on) {
            if (on)
                ApplyType(static_cast<PatternType>(t));
        });
    }
    auto* values = new QGridLayout;
    layout->addLayout(values);
    QGridLayout* range = AddGroup(layout, kApplyToBlock);
    AddField(kPatternsStart, range, 0, &fieldLabels_[kPatternsStart])
        ->setText(AddressText(block.start));
    AddField(kPatternsEnd, range, 1, &fieldLabels_[kPatternsEnd])->setText(AddressText(block.end));
    const PatternTypeSettings& remembered = settings_.types[static_cast<std::size_t>(type_)];
    // The three value fields side by side, each above its colour list.
    for (std::size_t k = 0; k < 3; ++k) {
        auto* column = new QGridLayout;
        values->addLayout(column, 0, static_cast<int>(k));
        AddField(kPatternsHeader + k, column, 0, &fieldLabels_[kPatternsHeader + k]);
        colorLabels_[k] = new QLabel;
        column->addWidget(colorLabels_[k], 2, 0, 1, 2);
        colors_[k] = new CColorComboBox;
        colors_[k]->SelectName(remembered.colors[k]);
        column->addWidget(colors_[k], 3, 0, 1, 2);
    }
    values->itemAtPosition(0, 1)->layout()->addWidget(bytesUnit_);
    static_cast<QGridLayout*>(values->itemAtPosition(0, 2)->layout())
        ->addWidget(followingLine_, 1, 0, 1, 2);
    edits_[kPatternsHeader]->setText(QString::fromStdString(remembered.header));
    edits_[kPatternsCount]->setText(QString::fromStdString(remembered.count));
    edits_[kPatternsTail]->setText(QString::fromStdString(remembered.tail));
    layout->insertWidget(2, clearBox_);
    clearBox_->setChecked(settings_.clearBlock);
    Finish(layout);
    typeButtons_[static_cast<std::size_t>(type_)]->setChecked(true);
    ApplyType(type_);
}

QRadioButton* CMarkPatternsDlg::typeButton(PatternType type) const {
    return typeButtons_.at(static_cast<std::size_t>(type));
}

void CMarkPatternsDlg::ApplyType(PatternType type) {
    type_ = type;
    const PatternTypeLabels& labels = PatternLabels(type);
    const auto setField = [this](std::size_t field, std::string_view label) {
        fieldLabels_[field]->setText(ToQString(label));
        fieldLabels_[field]->setVisible(!label.empty());
        edits_[field]->setVisible(!label.empty());
    };
    setField(kPatternsHeader, labels.headerLabel);
    setField(kPatternsCount, labels.countLabel);
    setField(kPatternsTail, labels.tailLabel);
    bytesUnit_->setVisible(!labels.countLabel.empty());
    followingLine_->setVisible(labels.followingLine);
    colorLabels_[0]->setText(ToQString(labels.headerColorLabel));
    colorLabels_[1]->setText(ToQString(labels.bodyColorLabel));
    colorLabels_[2]->setText(ToQString(labels.tailColorLabel));
}

const FieldTable& CMarkPatternsDlg::Fields() const {
    return MarkPatternsFields(type_);
}

void CMarkPatternsDlg::Store() {
    block_ = {Value(kPatternsStart), Value(kPatternsEnd)};
    settings_.clearBlock = clearBox_->isChecked();
    settings_.type = type_;
    PatternTypeSettings& chosen = settings_.types[static_cast<std::size_t>(type_)];
    chosen.header = Text(kPatternsHeader);
    chosen.count = Text(kPatternsCount);
    chosen.tail = Text(kPatternsTail);
    for (std::size_t k = 0; k < 3; ++k)
        colors_[k]->ReadName(chosen.colors[k]);
}
