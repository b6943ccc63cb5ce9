#include "tools/notation_convert_dlg.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

#include "tools/close_buttons.h"
#include "tools/notation.h"
#include "ui/qt_string.h"

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

QLineEdit* InputField(const orvel::FieldTable& table) {
    auto* field = new QLineEdit;
    field->setMaxLength(table.fields[0].maxLength);
    return field;
}

QString InputLabel(const orvel::FieldTable& table) {
    return ToQString(table.fields[0].label);
}

QLineEdit* OutputField() {
    auto* field = new QLineEdit;
    field->setReadOnly(true);
    return field;
}

}  // namespace

CNotationConvertDlg::CNotationConvertDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint),
      hexInput_(InputField(orvel::HexInputField())),
      hexGroupDec_(OutputField()),
      hexGroupBin_(OutputField()),
      decInput_(InputField(orvel::DecInputField())),
      decGroupHex_(OutputField()),
      decGroupBin_(OutputField()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Notation Convert"));
    setModal(false);

    hexInput_->setValidator(new UpperCaseValidator(hexInput_));

    auto* hexBox = new QGroupBox(QStringLiteral("Please type in the Hex field"));
    auto* hexForm = new QFormLayout(hexBox);
    hexForm->addRow(InputLabel(orvel::HexInputField()), hexInput_);
    hexForm->addRow(QStringLiteral("Dec:"), hexGroupDec_);
    hexForm->addRow(QStringLiteral("Bin:"), hexGroupBin_);

    auto* decBox = new QGroupBox(QStringLiteral("Please type in the Dec field"));
    auto* decForm = new QFormLayout(decBox);
    decForm->addRow(InputLabel(orvel::DecInputField()), decInput_);
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
    hexGroupDec_->setText(ToQString(out.dec));
    hexGroupBin_->setText(ToQString(out.bin));
}

void CNotationConvertDlg::OnDecChanged(const QString& text) {
    const orvel::DecInputOutputs out = orvel::ConvertDecInput(text.toStdString());
    decGroupHex_->setText(ToQString(out.hex));
    decGroupBin_->setText(ToQString(out.bin));
}

void CNotationConvertDlg::reject() {
    close();
}

void CNotationConvertDlg::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}
