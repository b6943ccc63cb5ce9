#include "marking/mark_units_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt_string.h"
#include "view/color_combo_box.h"

using namespace orvel;

CMarkUnitsDlg::CMarkUnitsDlg(MarkUnitsSettings settings, MarkBlock block, Offset fileSize,
                             UserPrompts& prompts, QWidget* parent)
    : MarkDlg(kMarkUnitsText, fileSize, prompts, parent),
      settings_(std::move(settings)),
      block_(block),
      color1_(new CColorComboBox),
      color2_(new CColorComboBox) {
    auto* layout = new QVBoxLayout(this);
    auto* unitGrid = new QGridLayout;
    layout->addLayout(unitGrid);
    QGridLayout* colors = AddGroup(layout, kMarkUnitsColorGroup);
    colors->addWidget(new QLabel(ToQString(kUnitColor1Label)), 0, 0);
    colors->addWidget(color1_, 0, 1);
    colors->addWidget(new QLabel(ToQString(kUnitColor2Label)), 1, 0);
    colors->addWidget(color2_, 1, 1);
    color1_->SelectName(settings_.color1);
    color2_->SelectName(settings_.color2);
    layout->addWidget(clearBox_);
    clearBox_->setChecked(settings_.clearBlock);
    QGridLayout* range = AddGroup(layout, kApplyToBlock);
    // The checks run start, end, unit size: the edits are created in that order.
    AddField(kUnitsStart, range, 0)->setText(AddressText(block.start));
    AddField(kUnitsEnd, range, 1)->setText(AddressText(block.end));
    AddField(kUnitsSize, unitGrid, 0)->setText(QString::number(settings_.unitSize));
    Finish(layout);
}

const FieldTable& CMarkUnitsDlg::Fields() const {
    return MarkUnitsFields();
}

void CMarkUnitsDlg::Store() {
    block_ = {Value(kUnitsStart), Value(kUnitsEnd)};
    settings_.unitSize = static_cast<std::int32_t>(Value(kUnitsSize));
    color1_->ReadName(settings_.color1);
    color2_->ReadName(settings_.color2);
    settings_.clearBlock = clearBox_->isChecked();
}
