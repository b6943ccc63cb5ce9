#include "app/shell_command_handlers.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "app/main_frame.h"
#include "app/shell_command_table.h"

namespace Cmd = orvel::Cmd;
using orvel::On;

namespace {

// A command of the main frame that is always available.
orvel::CommandHandler OnFrame(void (*run)(CMainFrame&)) {
    return On<CMainFrame>(run);
}

// Enabled while the client area has a current window.
void WhileAWindowIsOpen(CMainFrame& frame, orvel::CommandState& state) {
    state.enabled = frame.mdiArea()->currentSubWindow() != nullptr;
}

}  // namespace

void BindShellCommands(orvel::CommandRegistry& registry) {
    registry.Bind(Cmd::FileNew, OnFrame([](CMainFrame& frame) { frame.NewDocument(); }));
    registry.Bind(Cmd::FileImportHexText, OnFrame([](CMainFrame& frame) {
                      frame.NewDocument(NewDocumentContent::kImportedHexText);
                  }));
    registry.Bind(Cmd::FileCompare, OnFrame([](CMainFrame& frame) { frame.CompareFiles(); }));
    // Both kinds of document window close the same way.
    registry.Bind(Cmd::FileClose, On<QMdiSubWindow>([](QMdiSubWindow& window) { window.close(); }));
    registry.Bind(Cmd::FileExit, OnFrame([](CMainFrame& frame) { frame.close(); }));
    registry.Bind(Cmd::ViewStatusBar,
                  On<CMainFrame>([](CMainFrame& frame) { frame.ToggleStatusBar(); },
                                 [](CMainFrame& frame, orvel::CommandState& state) {
                                     state.checked = !frame.statusBar()->isHidden();
                                 }));
    registry.Bind(Cmd::WindowNew, On<CMainFrame>([](CMainFrame& frame) { frame.OnWindowNew(); },
                                                 [](CMainFrame& frame, orvel::CommandState& state) {
                                                     state.enabled = frame.activeChild() != nullptr;
                                                 }));
    registry.Bind(Cmd::WindowCascade,
                  On<CMainFrame>([](CMainFrame& frame) { frame.Cascade(); }, WhileAWindowIsOpen));
    registry.Bind(Cmd::WindowTile,
                  On<CMainFrame>([](CMainFrame& frame) { frame.mdiArea()->tileSubWindows(); },
                                 WhileAWindowIsOpen));
    registry.Bind(
        Cmd::WindowArrange,
        On<CMainFrame>([](CMainFrame& frame) { frame.ArrangeIcons(); }, WhileAWindowIsOpen));
    for (const orvel::CommandId help : {Cmd::HelpTopics, Cmd::HelpContext})
        registry.Bind(help, OnFrame([](CMainFrame& frame) { frame.OnHelp(); }));
    registry.Bind(Cmd::HelpAsciiTable, OnFrame([](CMainFrame& frame) { frame.OnAsciiTable(); }));
    registry.Bind(Cmd::HelpNotationConvert,
                  OnFrame([](CMainFrame& frame) { frame.OnNotationConvert(); }));
}
