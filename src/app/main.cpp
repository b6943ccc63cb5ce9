#include <cstdio>

#include "app/command_line.h"
#include "app/orvel_app.h"

int main(int argc, char** argv) {
    COrvelApp app(argc, argv);
    const CommandLine line = ParseCommandLine(COrvelApp::arguments());
    switch (line.action) {
        case CommandLine::Action::kHelp:
        case CommandLine::Action::kVersion:
            std::fputs(line.text.toLocal8Bit().constData(), stdout);
            return 0;
        case CommandLine::Action::kFail:
            std::fputs(line.text.toLocal8Bit().constData(), stderr);
            return kUsageExitStatus;
        case CommandLine::Action::kStart:
            break;
    }
    if (!app.InitInstance(line.open))
        return 1;
    return COrvelApp::exec();
}
