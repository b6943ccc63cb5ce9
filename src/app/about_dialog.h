#pragma once

#include <QDialog>

// The About box: the program's icon, name and version, and an OK button.
class AboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDlg(QWidget* parent = nullptr);
};
