// Starts Parlanda: the main window, and the file named on the command line if any.
#include "app/Inputs.h"
#include "windows/frmMain.h"

#include "Version.h"
#include "audio/AudioOutput.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

// The command line: --help, --version and the file to open, if any.
void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(PARLANDA_DESCRIPTION));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "Audio file to open."),
                                 QStringLiteral("[file]"));
}

// The file to open at start-up, or "" when none was given. Arguments the program does
// not understand are reported and otherwise ignored, so the program still starts.
QString fileToOpen(const QApplication& app) {
    QCommandLineParser parser;
    describeCommandLine(parser);
    const bool understood = parser.parse(app.arguments());
    const QStringList files = parser.positionalArguments();
    if (understood && files.size() <= 1)
        return files.value(0);
    std::fprintf(stderr, "%s\n",
                 qPrintable(QApplication::translate("main", "Usage: %1 [file]")
                                .arg(QApplication::applicationName())));
    return {};
}

// Installs the translation `name` for the system's language from `folder`, if there is one.
void installTranslation(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void installTranslations(QCoreApplication& app) {
    installTranslation(app, QStringLiteral("parlanda"), QStringLiteral(":/translations"));
    // Qt's own texts: the standard buttons of the message boxes and prompts.
    installTranslation(app, QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

// Answers --help or --version on the terminal and ends the program, before any window
// exists, so that both work without a display. Returns when neither was asked for.
void answerHelpOrVersion(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser asked;
    describeCommandLine(asked);
    asked.parse(arguments);
    const bool help = asked.isSet(QStringLiteral("help"));
    if (!help && !asked.isSet(QStringLiteral("version")))
        return;
    QCoreApplication terminal(argc, argv);
    installTranslations(terminal);
    QCommandLineParser answer; // described again, now in the system's language
    describeCommandLine(answer);
    answer.parse(terminal.arguments());
    if (help)
        answer.showHelp();
    answer.showVersion();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Parlanda"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PARLANDA_VERSION));
    answerHelpOrVersion(argc, argv);

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.parlanda.Parlanda"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/parlanda.svg")));
    installTranslations(app);

    const QString path = fileToOpen(app);
    frmMain window;
    window.show();
    connectInputs(window);
    if (!path.isEmpty())
        window.OpenChosenFile(path);
    return app.exec();
}
