#pragma once

#include <QComboBox>
#include <string>

#include "view/mark_color.h"

// The colour lists of the marking and find dialogs: a drop-down list without
// typing that shows the eight colours of the colour table as swatches (no
// text), in the table's order. The selected entry wears a one-pixel frame in
// the inverse of the background colour; with no entry selected the box shows
// no swatch. Each entry's text is the colour's name and its data the
// MarkColor value.
class CColorComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit CColorComboBox(QWidget* parent = nullptr);

    // Selects the entry whose text equals `name` exactly; none when no entry does.
    void SelectName(const std::string& name);
    // The name of the selected entry into `name`; with no entry selected the
    // name keeps its old value.
    void ReadName(std::string& name) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
