#include "marking/mark_bytes_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt_string.h"
#include "view/color_combo_box.h"

using namespace orvel;

CMarkBytesDlg::CMarkBytesDlg(MarkBytesSettings settings, MarkBlock block, Offset fileSize,
                             UserPrompts& prompts, QWidget* parent)
    : MarkDlg(kMarkBytesText, fileSize, prompts, parent),
      settings_(std::move(settings)),
      block_(block) {
    auto* layout = new QVBoxLayout(this);
    QGridLayout* values = AddGroup(layout, kMarkBytesValueGroup);
    QGridLayout* range = AddGroup(layout, kApplyToBlock);
    AddField(kBytesStart, range, 0)->setText(AddressText(block.start));
    AddField(kBytesEnd, range, 1)->setText(AddressText(block.end));
    for (std::size_t slot = 0; slot < kMarkValueSlots; ++slot) {
        const int row = static_cast<int>(slot);
        AddField(kBytesValue1 + slot, values, row)
            ->setText(QString::fromStdString(settings_.values[slot]));
        values->addWidget(new QLabel(ToQString(kColorLabel)), row, 2);
        colors_[slot] = new CColorComboBox;
        colors_[slot]->SelectName(settings_.colors[slot]);
        values->addWidget(colors_[slot], row, 3);
    }
    // The value group comes first on screen.
    layout->insertWidget(1, clearBox_);
    clearBox_->setChecked(settings_.clearBlock);
    Finish(layout);
}

const FieldTable& CMarkBytesDlg::Fields() const {
    return MarkBytesFields();
}

void CMarkBytesDlg::Store() {
    block_ = {Value(kBytesStart), Value(kBytesEnd)};
    settings_.clearBlock = clearBox_->isChecked();
    for (std::size_t slot = 0; slot < kMarkValueSlots; ++slot) {
        settings_.values[slot] = Text(kBytesValue1 + slot);
        if (!settings_.values[slot].empty())
            colors_[slot]->ReadName(settings_.colors[slot]);
    }
}
