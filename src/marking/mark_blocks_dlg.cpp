#include "marking/mark_blocks_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt_string.h"
#include "view/color_combo_box.h"

using namespace orvel;

CMarkBlocksDlg::CMarkBlocksDlg(MarkBlocksSettings settings, Offset fileSize, UserPrompts& prompts,
                               QWidget* parent)
    : MarkDlg(kMarkBlocksText, fileSize, prompts, parent), settings_(std::move(settings)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(clearBox_);
    clearBox_->setChecked(settings_.clearFile);
    for (std::size_t block = 0; block < kMarkBlockCount; ++block) {
        QGridLayout* grid = AddGroup(layout, MarkBlockGroup(block));
        AddField(2 * block, grid, 0)->setText(AddressText(settings_.starts[block]));
        AddField(2 * block + 1, grid, 1)->setText(AddressText(settings_.ends[block]));
        grid->addWidget(new QLabel(ToQString(kColorLabel)), 2, 0);
        colors_[block] = new CColorComboBox;
        colors_[block]->SelectName(settings_.colors[block]);
        grid->addWidget(colors_[block], 2, 1);
    }
    Finish(layout);
}

const FieldTable& CMarkBlocksDlg::Fields() const {
    return MarkBlocksFields();
}

void CMarkBlocksDlg::Store() {
    settings_.clearFile = clearBox_->isChecked();
    for (std::size_t block = 0; block < kMarkBlockCount; ++block) {
        settings_.starts[block] = BlockAddressValue(Text(2 * block));
        settings_.ends[block] = BlockAddressValue(Text(2 * block + 1));
        if (settings_.starts[block] >= 0 && settings_.ends[block] >= 0)
            colors_[block]->ReadName(settings_.colors[block]);
    }
}
