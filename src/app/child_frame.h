#pragma once

#include <QMdiSubWindow>
#include <vector>

#include "ui/command_frame.h"

class COrvelDoc;
class COrvelView;
class ShellServices;

// The frame of a single-file window: holds one hex view of a document, opens
// maximised, and asks the document's close guard before it closes.
class CChildFrame : public QMdiSubWindow, public CommandFrame {
    Q_OBJECT
  public:
    CChildFrame(ShellServices& shell, COrvelDoc* doc, QWidget* parent = nullptr);

    [[nodiscard]] COrvelView* view() const { return view_; }
    [[nodiscard]] COrvelDoc* document() const { return doc_; }

    // Shows the frame; the first time maximised.
    void ActivateFrame();

    [[nodiscard]] orvel::CommandTarget* activeViewTarget() const override;
    [[nodiscard]] orvel::DocumentTarget* documentTarget() const override;
    [[nodiscard]] orvel::MenuBarKind menuKind() const override {
        return orvel::MenuBarKind::kSingleFile;
    }
    [[nodiscard]] CloseGuard& closeGuard() const override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void UpdateTitle();
    // The windows of this frame's document in the client area, in its order.
    [[nodiscard]] std::vector<CChildFrame*> DocumentFrames() const;

    COrvelDoc* doc_;
    COrvelView* view_;
    bool m_bFirstActivate = true;
};
