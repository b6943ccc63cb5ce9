#pragma once

#include <QDialog>

class QLineEdit;

// The Notation Convert window: two independent groups, hex to decimal and
// binary, and decimal to hex and binary, each worked out as its input
// changes. Modeless and always on top; it deletes itself once closed, after
// telling its owner by closed().
class CNotationConvertDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CNotationConvertDlg(QWidget* owner);

    // The fields, for the tests: the inputs and the outputs of each group.
    [[nodiscard]] QLineEdit* hexInput() const { return hexInput_; }
    [[nodiscard]] QLineEdit* hexGroupDec() const { return hexGroupDec_; }
    [[nodiscard]] QLineEdit* hexGroupBin() const { return hexGroupBin_; }
    [[nodiscard]] QLineEdit* decInput() const { return decInput_; }
    [[nodiscard]] QLineEdit* decGroupHex() const { return decGroupHex_; }
    [[nodiscard]] QLineEdit* decGroupBin() const { return decGroupBin_; }

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void OnHexChanged(const QString& text);
    void OnDecChanged(const QString& text);

    QLineEdit* hexInput_;
    QLineEdit* hexGroupDec_;
    QLineEdit* hexGroupBin_;
    QLineEdit* decInput_;
    QLineEdit* decGroupHex_;
    QLineEdit* decGroupBin_;
};
