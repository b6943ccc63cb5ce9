#include "tools/ascii_table_dlg.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/radio_group.h"
#include "tools/ascii_table.h"
#include "tools/close_buttons.h"
#include "ui/qt_string.h"

namespace {

QFont TableFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);  // a fixed-pitch stand-in where Courier is missing
    return font;
}

}  // namespace

CAsciiTableDlg::CAsciiTableDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint),
      controlButton_(new QRadioButton(QStringLiteral("0 - 31 (Control functions)"))),
      charsButton_(new QRadioButton(QStringLiteral("32 - 127 (Standard characters)"))),
      header_(new QLineEdit),
      body_(new QPlainTextEdit) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ASCII Table"));
    setModal(false);

    auto* rangeBox = new QGroupBox(QStringLiteral("Range"));
    auto* rangeLayout = new QHBoxLayout(rangeBox);
    rangeLayout->addWidget(controlButton_);
    rangeLayout->addWidget(charsButton_);
    auto* rangeGroup = new RadioGroup(this);
    rangeGroup->Add(controlButton_, 0);
    rangeGroup->Add(charsButton_, 1);
    controlButton_->setChecked(true);
    connect(controlButton_, &QRadioButton::clicked, this, [this] { SetRange(0); });
    connect(charsButton_, &QRadioButton::clicked, this, [this] { SetRange(1); });

    header_->setReadOnly(true);
    header_->setEnabled(false);
    QPalette headerPalette = header_->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        headerPalette.setColor(group, QPalette::Base, palette().color(QPalette::Button));
        headerPalette.setColor(group, QPalette::Text, palette().color(QPalette::WindowText));
    }
    header_->setPalette(headerPalette);
    body_->setLineWrapMode(QPlainTextEdit::NoWrap);
    body_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    body_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rangeBox);
    layout->addWidget(header_);
    layout->addWidget(body_, 1);
    layout->addWidget(CloseButtons(this));

    SetRange(0);
    // Wide enough for a whole row, tall enough for a good part of the table.
    const QFontMetrics metrics(TableFont());
    body_->setMinimumWidth(metrics.horizontalAdvance(QString(48, QLatin1Char('0'))));
    resize(sizeHint().width(), metrics.lineSpacing() * 24);
}

void CAsciiTableDlg::SetRange(int range) {
    m_nRange = range;
    controlButton_->setChecked(range == 0);
    charsButton_->setChecked(range == 1);
    header_->setFont(TableFont());
    body_->setFont(TableFont());
    if (range == 0) {
        header_->setText(ToQString(orvel::kAsciiHeadControl));
        body_->setPlainText(ToQString(orvel::AsciiControlTableText()));
    } else {
        header_->setText(ToQString(orvel::kAsciiHeadChars));
        body_->setPlainText(ToQString(orvel::AsciiCharsTableText()));
    }
}

QString CAsciiTableDlg::headerText() const {
    return header_->text();
}

QString CAsciiTableDlg::bodyText() const {
    return body_->toPlainText();
}

void CAsciiTableDlg::reject() {
    close();
}

void CAsciiTableDlg::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}
