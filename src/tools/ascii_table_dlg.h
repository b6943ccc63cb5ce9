#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The ASCII Table window: the codes 0-31 or 32-127 in binary, decimal and
// hex, one range at a time as the "Range" group selects. Modeless and always
// on top; it deletes itself once closed, after telling its owner by closed().
class CAsciiTableDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAsciiTableDlg(QWidget* owner);

    // 0 = "0 - 31 (Control functions)", 1 = "32 - 127 (Standard characters)".
    [[nodiscard]] int range() const { return m_nRange; }
    void SetRange(int range);
    [[nodiscard]] QString headerText() const;
    [[nodiscard]] QString bodyText() const;

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    int m_nRange = 0;
    QRadioButton* controlButton_;
    QRadioButton* charsButton_;
    QLineEdit* header_;
    QPlainTextEdit* body_;
};
