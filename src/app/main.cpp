#include <cstdio>

#include "app/command_line.h"
#include "app/orvel_app.h"

int main(int argc, char** argv) {
    COrvelApp app(argc, argv);
    const CommandLine line = ParseCommandLine(COrvelApp::arguments());
    switch (line.action) {
        case CommandLine::Action::Help:
        case CommandLine::Action::Version:
            std::fputs(line.text.toLocal8Bit().constData(), stdout);
            return 0;
        case CommandLine::Action::Fail:
            std::fputs(line.text.toLocal8Bit().constData(), stderr);
            return kUsageExitStatus;
        case CommandLine::Action::Start:
            break;
    }
    if (!app.InitInstance(line.open))
        return 1;
    return COrvelApp::exec();
}
