#include "tools/notation_convert_dlg.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

#include "tools/close_buttons.h"
#include "tools/notation.h"

namespace {

// Turns letters to upper case as they are typed; accepts anything else, so
// that an invalid text simply empties the outputs.
class UpperCaseValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

constexpr int kInputLength = 8;

QLineEdit* OutputField() {
    auto* field = new QLineEdit;
    field->setReadOnly(true);
    return field;
}

QString FromStd(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

}  // namespace

CNotationConvertDlg::CNotationConvertDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint),
      hexInput_(new QLineEdit),
      hexGroupDec_(OutputField()),
      hexGroupBin_(OutputField()),
      decInput_(new QLineEdit),
      decGroupHex_(OutputField()),
      decGroupBin_(OutputField()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Notation Convert"));
    setModal(false);

    hexInput_->setMaxLength(kInputLength);
    hexInput_->setValidator(new UpperCaseValidator(hexInput_));
    decInput_->setMaxLength(kInputLength);

    auto* hexBox = new QGroupBox(QStringLiteral("Please type in the Hex field"));
    auto* hexForm = new QFormLayout(hexBox);
    hexForm->addRow(QStringLiteral("Hex:"), hexInput_);
    hexForm->addRow(QStringLiteral("Dec:"), hexGroupDec_);
    hexForm->addRow(QStringLiteral("Bin:"), hexGroupBin_);

    auto* decBox = new QGroupBox(QStringLiteral("Please type in the Dec field"));
    auto* decForm = new QFormLayout(decBox);
    decForm->addRow(QStringLiteral("Dec:"), decInput_);
    decForm->addRow(QStringLiteral("Hex:"), decGroupHex_);
    decForm->addRow(QStringLiteral("Bin:"), decGroupBin_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hexBox);
    layout->addWidget(decBox);
    layout->addWidget(CloseButtons(this));

    // Forty binary digits with their spaces fit in the output fields.
    const int binWidth =
        hexGroupBin_->fontMetrics().horizontalAdvance(QString(44, QLatin1Char('0')));
    hexGroupBin_->setMinimumWidth(binWidth);
    decGroupBin_->setMinimumWidth(binWidth);

    connect(hexInput_, &QLineEdit::textChanged, this, &CNotationConvertDlg::OnHexChanged);
    connect(decInput_, &QLineEdit::textChanged, this, &CNotationConvertDlg::OnDecChanged);
}

void CNotationConvertDlg::OnHexChanged(const QString& text) {
    const orvel::HexInputOutputs out = orvel::ConvertHexInput(text.toStdString());
    hexGroupDec_->setText(FromStd(out.dec));
    hexGroupBin_->setText(FromStd(out.bin));
}

void CNotationConvertDlg::OnDecChanged(const QString& text) {
    const orvel::DecInputOutputs out = orvel::ConvertDecInput(text.toStdString());
    decGroupHex_->setText(FromStd(out.hex));
    decGroupBin_->setText(FromStd(out.bin));
}

void CNotationConvertDlg::reject() {
    close();
}

void CNotationConvertDlg::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}
