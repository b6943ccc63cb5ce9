#include "editing/find_bytes_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/orvel_app.h"
#include "editing/find_pattern.h"
#include "editing/hex_edit.h"
#include "editing/validators.h"
#include "view/color_combo_box.h"

namespace {

QLineEdit* HexEdit() {
    auto* edit = new CHexEdit;
    edit->setMaxLength(8);
    return edit;
}

}  // namespace

CFindBytesDlg::CFindBytesDlg(QWidget* parent)
    : QDialog(parent),
      findWhat_(HexEdit()),
      start_(HexEdit()),
      color_(new CColorComboBox),
      autoMark_(new QCheckBox(QStringLiteral("Automatically Mark the Found Bytes"))),
      findNext_(new QPushButton(QStringLiteral("Find Next"))),
      markSelect_(new QPushButton(QStringLiteral("Mark Select"))) {
    setWindowTitle(QStringLiteral("Find Bytes (in Hex)"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Find What:")), 0, 0);
    grid->addWidget(findWhat_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Next Search Start Address:")), 1, 0);
    grid->addWidget(start_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("(in Hex)")), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Mark Color:")), 2, 0);
    grid->addWidget(color_, 2, 1);
    grid->addWidget(autoMark_, 3, 0, 1, 3);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(markSelect_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 4, 1);
    findNext_->setDefault(true);  // Enter means Find Next
    connect(findNext_, &QPushButton::clicked, this, &CFindBytesDlg::OnFindNext);
    connect(markSelect_, &QPushButton::clicked, this, &CFindBytesDlg::OnMarkSelect);
    connect(cancel, &QPushButton::clicked, this, &CFindBytesDlg::close);

    start_->setText(QString::number(m_nNextStart, 16).toUpper());
    findWhat_->setText(QString::fromStdString(m_strFindWhat));
    color_->SelectName(m_strMarkColor);
    autoMark_->setChecked(m_bAutoMark);
}

void CFindBytesDlg::Fault(QLineEdit* field, const QString& message) {
    COrvelApp::instance()->prompts().Tell(this, message);
    field->setFocus();
    field->selectAll();
}

void CFindBytesDlg::ReadColorAndAutoMark() {
    color_->ReadName(m_strMarkColor);
    m_bAutoMark = autoMark_->isChecked();
}

void CFindBytesDlg::OnFindNext() {
    const std::string start = start_->text().toStdString();
    if (start.empty())
        return Fault(start_, QStringLiteral("Please fill the Start Address field!"));
    if (!orvel::IsHexString(start))
        return Fault(start_, QStringLiteral("Start Address field contains invalid characters!"));
    m_nNextStart = static_cast<std::uint32_t>(std::stoul(start, nullptr, 16));
    const std::string findWhat = findWhat_->text().toStdString();
    const std::string_view trimmed = orvel::TrimBlanks(findWhat);
    if (trimmed.empty())
        return Fault(findWhat_, QStringLiteral("Please fill the Find What field!"));
    if (!orvel::IsHexString(trimmed))
        return Fault(findWhat_, QStringLiteral("Find What field contains invalid characters!"));
    m_strFindWhat = std::string(trimmed);
    ReadColorAndAutoMark();
    emit findNextRequested();
}

void CFindBytesDlg::OnMarkSelect() {
    ReadColorAndAutoMark();
    emit markSelectRequested();
}

void CFindBytesDlg::UpdateNextStart() {
    start_->setText(QString::number(m_nNextStart, 16).toUpper());
    m_strFindWhat = std::string(orvel::TrimBlanks(findWhat_->text().toStdString()));
    ReadColorAndAutoMark();
}
