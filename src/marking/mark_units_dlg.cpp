#include "marking/mark_units_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "view/color_combo_box.h"

using namespace orvel;

CMarkUnitsDlg::CMarkUnitsDlg(MarkUnitsSettings settings, MarkBlock block, Offset fileSize,
                             QWidget* parent)
    : CMarkDlg(kMarkUnitsText, fileSize, parent),
      settings_(std::move(settings)),
      block_(block),
      color1_(new CColorComboBox),
      color2_(new CColorComboBox) {
    const auto fields = MarkUnitsFields();
    auto* layout = new QVBoxLayout(this);
    auto* unitGrid = new QGridLayout;
    layout->addLayout(unitGrid);
    QGridLayout* colors = AddGroup(layout, kMarkUnitsColorGroup);
    colors->addWidget(new QLabel(QStr(kUnitColor1Label)), 0, 0);
    colors->addWidget(color1_, 0, 1);
    colors->addWidget(new QLabel(QStr(kUnitColor2Label)), 1, 0);
    colors->addWidget(color2_, 1, 1);
    color1_->SelectName(settings_.color1);
    color2_->SelectName(settings_.color2);
    layout->addWidget(clearBox_);
    clearBox_->setChecked(settings_.clearBlock);
    QGridLayout* range = AddGroup(layout, kApplyToBlock);
    // The checks run start, end, unit size: the edits are created in that order.
    AddField(fields[kUnitsStart], range, 0)->setText(AddressText(block.start));
    AddField(fields[kUnitsEnd], range, 1)->setText(AddressText(block.end));
    AddField(fields[kUnitsSize], unitGrid, 0)->setText(QString::number(settings_.unitSize));
    Finish(layout);
}

std::span<const MarkField> CMarkUnitsDlg::Fields() const {
    return MarkUnitsFields();
}

void CMarkUnitsDlg::Store() {
    block_ = {HexFieldValue(Text(kUnitsStart)), HexFieldValue(Text(kUnitsEnd))};
    settings_.unitSize = static_cast<std::int32_t>(DecimalFieldValue(Text(kUnitsSize)));
    color1_->ReadName(settings_.color1);
    color2_->ReadName(settings_.color2);
    settings_.clearBlock = clearBox_->isChecked();
}
