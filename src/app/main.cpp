// Starts Parlanda: the main window, and the file named on the command line if any.
#include "windows/frmMain.h"

#include "Version.h"
#include "audio/AudioOutput.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

namespace {

// The file to open at start-up, or "" when none was given. Arguments the program does
// not understand are reported and otherwise ignored, so the program still starts.
QString fileToOpen(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(PARLANDA_DESCRIPTION));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QApplication::translate("main", "Audio file to open."),
                                 QStringLiteral("[file]"));
    const bool understood = parser.parse(app.arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList files = parser.positionalArguments();
    if (understood && files.size() <= 1)
        return files.value(0);
    std::fprintf(stderr, "%s\n",
                 qPrintable(QApplication::translate("main", "Usage: %1 [file]")
                                .arg(QApplication::applicationName())));
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlanda"));
    QApplication::setApplicationVersion(QStringLiteral(PARLANDA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.parlanda.Parlanda"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/parlanda.svg")));

    const QString path = fileToOpen(app);
    frmMain window;
    window.show();
    if (!path.isEmpty())
        window.OpenChosenFile(path);
    return app.exec();
}
