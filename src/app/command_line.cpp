#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <string>
#include <vector>

namespace {

constexpr char kUsage[] = "Usage: orvel [--compare FILE1 FILE2] [FILE...]\n";

CommandLine Failure(const QString& fault) {
    return {CommandLine::Action::kFail,
            QStringLiteral("orvel: %1\n").arg(fault) + QString::fromLatin1(kUsage),
            {}};
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A hex editor: opens each FILE in a window of its own."));
    // Not addHelpOption: its --help-all would be taken for a start with no file.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption compare(
        QStringLiteral("compare"),
        QStringLiteral("Opens one comparison window of the two FILEs given."));
    parser.addOption(compare);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A file to open."),
                                 QStringLiteral("[FILE...]"));
    if (!parser.parse(arguments))
        return Failure(parser.errorText());
    if (parser.isSet(help))
        return {CommandLine::Action::kHelp, parser.helpText(), {}};
    if (parser.isSet(version)) {
        return {CommandLine::Action::kVersion,
                QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                              QCoreApplication::applicationVersion()),
                {}};
    }
    std::vector<std::string> files;
    for (const QString& file : parser.positionalArguments())
        files.push_back(file.toStdString());
    orvel::StartupPlan plan = orvel::PlanStartup(parser.isSet(compare), std::move(files));
    if (!plan.error.empty())
        return Failure(QString::fromStdString(plan.error));
    return {CommandLine::Action::kStart, {}, std::move(plan.open)};
}
