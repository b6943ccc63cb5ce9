#pragma once

#include <QStringList>

class DumpAppearance;
class QPrinter;
class QSettings;
class UserPrompts;

// What documents, views, frames and their commands need from the application
// shell, handed to them at construction so that none of them reaches up to the
// application or its main window. (The progress of their background jobs goes
// to the JobHost they are given.) GUI thread only.
class ShellServices {
  public:
    virtual ~ShellServices() = default;

    // The message boxes and file dialogs (the widget tests answer them from a
    // script). Ask for it at each use: the tests replace it.
    [[nodiscard]] virtual UserPrompts& prompts() = 0;
    // The printer that Print Setup sets up and Print prints on.
    [[nodiscard]] virtual QPrinter& printer() = 0;
    // The settings store ("Pellan Works", "Orvel").
    [[nodiscard]] virtual QSettings& settings() = 0;
    // The font and mark display of every hex view.
    [[nodiscard]] virtual DumpAppearance& dumpAppearance() = 0;
    // The number of the next untitled document: 1, 2, ...
    [[nodiscard]] virtual int NextUntitledNumber() = 0;
    virtual void AddToRecentFileList(const QString& path) = 0;
    // Opens files dropped together: exactly two as a comparison window of
    // them; otherwise each in a single-file window of its own, one after the
    // other (a stopped open ends the rest), or activates the window that has
    // it open. A failure is reported to the user.
    virtual void OpenDroppedFiles(const QStringList& paths) = 0;
    // Shows a short message in the status bar ("Not found: 41 42").
    virtual void ShowStatusMessage(const QString& text) = 0;
    // Brings the enabled and checked states of the commands up to date now
    // (a worker took or gave back a document).
    virtual void UpdateCommands() = 0;
};
