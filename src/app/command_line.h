#pragma once

#include <QString>
#include <QStringList>

#include "app/open_request.h"

// The command line of `orvel`, its program name first and the window
// system's own options already taken out:
//   orvel [FILE...]                  opens each file in a window of its own
//   orvel --compare FILE1 FILE2      opens a comparison of the two
//   orvel --help | --version
struct CommandLine {
    enum class Action {
        kStart,    // start the program and open `open`
        kHelp,     // print `text` on standard output and end with 0
        kVersion,  // likewise
        kFail,     // print `text` (the fault, then the usage line) on standard error and end with 2
    };
    Action action = Action::kStart;
    QString text;
    orvel::OpenRequest open;
};

// The exit status of a command line that cannot be carried out.
inline constexpr int kUsageExitStatus = 2;

[[nodiscard]] CommandLine ParseCommandLine(const QStringList& arguments);
