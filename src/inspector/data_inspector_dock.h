#pragma once

#include <QDockWidget>

#include "document/offset.h"
#include "inspector/inspector_field.h"
#include "view/view_watch.h"

class COrvelView;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;
class ShellServices;

// The data inspector: a dock that shows what the bytes at the active view's
// caret (or its selection's first byte) mean as every field of the inspector,
// in the byte order chosen (remembered in the settings). Editing a value
// writes its bytes there through the document's edit interface, one step of
// the undo history; a value that is refused is told why and changes nothing.
// It follows the view's caret and bytes while it is shown. GUI thread only.
class DataInspectorDock final : public QDockWidget {
    Q_OBJECT
  public:
    DataInspectorDock(ShellServices& shell, QWidget* parent = nullptr);

    // Follows `view`; null shows every value as unavailable and edits nothing.
    void Follow(COrvelView* view);

    [[nodiscard]] orvel::ByteOrder byteOrder() const;
    void setByteOrder(orvel::ByteOrder order);

    // Writes `text` as the value of `field` at the inspected byte; false when
    // nothing was written (the text was refused and the user told why, no
    // view is followed, or its document is busy).
    bool WriteValue(orvel::InspectorField field, const QString& text);

    // The table of values: a row per field in kInspectorFields order, the
    // label in column 0 and the value in column 1.
    [[nodiscard]] QTableWidget* table() const { return table_; }
    // The byte the values are read at.
    [[nodiscard]] orvel::Offset inspected() const { return inspected_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refresh();
    void OnItemChanged(QTableWidgetItem* item);
    [[nodiscard]] COrvelView* view() const { return watch_.view(); }

    ShellServices& shell_;
    ViewWatch watch_;
    QRadioButton* little_;
    QRadioButton* big_;
    QTableWidget* table_;
    orvel::Offset inspected_ = 0;
    bool filling_ = false;  // the table is being filled: its changes are no edits
};
