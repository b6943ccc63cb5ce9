#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

// Every message box and file dialog of the program goes through this
// interface, so that the widget tests can answer them from a script.
class UserPrompts {
  public:
    enum class Icon { kInformation, kWarning, kStop, kQuestion };
    enum class Buttons { kOk, kYesNo, kYesNoCancel };
    enum class Answer { kOk, kYes, kNo, kCancel };

    struct FileDialog {
        QString title;
        QString filter;  // Qt form: "Text Files (*.txt);;All Files (*)"
        // Added to a typed name without an extension; an open dialog adds it
        // only while the filter of that extension is chosen.
        QString defaultSuffix;
        QString fileName;
    };

    virtual ~UserPrompts() = default;
    // A message box titled with the application's name.
    virtual Answer Ask(QWidget* parent, const QString& text, Buttons buttons, Icon icon) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const FileDialog& dialog) = 0;
    // Asks before overwriting an existing file.
    virtual QString SaveFileName(QWidget* parent, const FileDialog& dialog) = 0;
    // A message box with an OK button that does not block: the call returns at
    // once and `closed` runs when the user closes the box. The box goes with
    // `parent` (then `closed` never runs).
    virtual void Notify(QWidget* parent, const QString& text, std::function<void()> closed) = 0;

    // Shorthands.
    void Tell(QWidget* parent, const QString& text, Icon icon = Icon::kWarning) {
        Ask(parent, text, Buttons::kOk, icon);
    }
};

// The Qt form of a filter of "description|patterns|" pairs (see DialogFilter).
[[nodiscard]] QString DialogFilterText(std::string_view pairs);
