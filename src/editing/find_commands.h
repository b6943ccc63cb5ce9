#pragma once

#include <QObject>
#include <QPointer>

#include "editing/find_bytes_dlg.h"
#include "view/orvel_view.h"

class QMdiSubWindow;

// Find of a hex view: the view's one modeless "Find Bytes (in Hex)" dialog,
// its Find Next (forward, without overlap, optionally colouring the find) and
// Mark Select. The dialog is a child of the view, so it goes with the view; it
// is shown only while the view's window is the active one.
class FindCommands final : public QObject, public ViewPart {
    Q_OBJECT
  public:
    explicit FindCommands(COrvelView& view);

    // Find: shows the dialog, or brings the open one to the front.
    void OpenDialog();
    // The open dialog, or null.
    [[nodiscard]] CFindBytesDlg* dialog() const { return dialog_; }

  private:
    void FindNext();
    void MarkSelect();
    void OnWindowActivated(QMdiSubWindow* window);

    COrvelView& view_;
    QPointer<CFindBytesDlg> dialog_;
};
