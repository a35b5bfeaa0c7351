// Starts Parlanda: the main window, and the file named on the command line if any. When
// a player already runs in this session, the command line drives that player instead:
// it opens the file there, or sends it a command (--walk, --stop, ...), and ends.
#include "app/Inputs.h"
#include "windows/frmMain.h"

#include "Version.h"
#include "inputs/MprisService.h"
#include "inputs/RemoteService.h"
#include "player/PlayerController.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusError>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <optional>

namespace {

using Command = PlayerController::Command;

constexpr Command RemoteCommands[] = {
    Command::Walk,          Command::PreviousStep, Command::CurrentStep, Command::NextStep,
    Command::JumpBack,      Command::JumpForward,  Command::Stop,        Command::Play,
    Command::PlayPause,     Command::Slower,       Command::Faster,      Command::NormalSpeed,
    Command::CopyTimeStamp,
};

QString text(const char* source) {
    return QCoreApplication::translate("main", source);
}

void printError(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// "Previous Step" is the option --previous-step.
QString optionName(Command command) {
    return PlayerController::commandName(command).toLower().replace(QLatin1Char(' '), '-');
}

// What the command line asks for. Parsing needs no application object, so the window
// is made only when this process is to be the player.
struct Request {
    enum class Kind { StartPlayer, Help, Version, Remote, Mistake };
    Kind kind = Kind::StartPlayer;
    std::optional<Command> command; // for Remote
    QString file;                   // for StartPlayer: "" for none
    QString mistake;                // for Mistake, and a warning for StartPlayer
};

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(PARLANDA_DESCRIPTION));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const Command command : RemoteCommands)
        parser.addOption(QCommandLineOption(
            optionName(command),
            text("Send %1 to the running player.").arg(PlayerController::commandName(command))));
    parser.addPositionalArgument(
        QStringLiteral("file"),
        text("Audio file to open (in the running player when there is one)."),
        QStringLiteral("[file]"));
}

Request requestOf(const QCommandLineParser& parser, bool understood) {
    Request request;
    if (parser.isSet(QStringLiteral("help")))
        request.kind = Request::Kind::Help;
    else if (parser.isSet(QStringLiteral("version")))
        request.kind = Request::Kind::Version;
    if (request.kind != Request::Kind::StartPlayer)
        return request;
    const QStringList files = parser.positionalArguments();
    for (const Command command : RemoteCommands)
        if (parser.isSet(optionName(command))) {
            if (request.command)
                request.mistake = text("Give one command at a time.");
            request.command = command;
        }
    const QString usage = text("Usage: parlanda [file] | parlanda --walk (and the other "
                               "commands of parlanda --help)");
    if (!understood)
        request.mistake = parser.errorText() + '\n' + usage;
    else if (files.size() > 1 || (request.command && !files.isEmpty()))
        request.mistake = usage;
    // Mistakes beside a command are refused; without one the player still starts.
    if (request.command)
        request.kind = request.mistake.isEmpty() ? Request::Kind::Remote : Request::Kind::Mistake;
    else if (files.size() == 1)
        request.file = QFileInfo(files.first()).absoluteFilePath();
    return request;
}

// Sends a call to the running player and says what became of it: 0 once it arrived. A
// text the player answers with (a time stamp) is printed, for scripts to use.
int callPlayer(const QString& method, const QVariantList& args = {}) {
    const RemoteReply reply = callRunningPlayer(method, args);
    switch (reply.outcome) {
    case RemoteReply::Outcome::Sent:
        if (!reply.answer.isEmpty())
            std::printf("%s\n", qPrintable(reply.answer));
        return 0;
    case RemoteReply::Outcome::NotRunning:
        printError(text("Parlanda is not running"));
        break;
    case RemoteReply::Outcome::NoBus:
        printError(text("Parlanda is not running: without a session bus (D-Bus) no running "
                        "player can be reached (%1)")
                       .arg(reply.error));
        break;
    case RemoteReply::Outcome::Failed:
        printError(text("The running Parlanda did not take the command: %1").arg(reply.error));
        break;
    }
    return 1;
}

// Help, version, mistakes and remote commands: answered without a window, so they work
// where there is no display.
int answerWithoutWindow(QCommandLineParser& parser, const Request& request) {
    switch (request.kind) {
    case Request::Kind::Help:
        parser.showHelp();
    case Request::Kind::Version:
        parser.showVersion();
    case Request::Kind::Remote:
        return callPlayer(RemoteService::methodName(*request.command));
    case Request::Kind::Mistake:
        printError(request.mistake);
        return 1;
    case Request::Kind::StartPlayer:
        break;
    }
    return 0;
}

void bringForward(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Parlanda"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PARLANDA_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeOptions(parser);
    const Request asked = requestOf(parser, parser.parse(arguments));
    if (asked.kind != Request::Kind::StartPlayer) {
        QCoreApplication app(argc, argv);
        installTranslations(app);
        QCommandLineParser translated; // described again, now in the system's language
        describeOptions(translated);
        translated.parse(arguments);
        return answerWithoutWindow(translated, asked);
    }

    QApplication app(argc, argv);
    installTranslations(app);
    // Qt's own options (-platform, -style, ...) are out of the arguments now.
    const Request request = requestOf(parser, parser.parse(QApplication::arguments()));
    if (!request.mistake.isEmpty())
        printError(request.mistake);
    QApplication::setDesktopFileName(QStringLiteral("org.parlanda.Parlanda"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/parlanda.svg")));

    QDBusConnection bus = QDBusConnection::sessionBus();
    // One player per session: a second start hands its file to the first.
    if (bus.isConnected() && !RemoteService::claimName(bus))
        return callPlayer(QStringLiteral("Open"), {request.file});

    frmMain window;
    RemoteService remote(window.player());
    MprisService mpris(window.player());
    QObject::connect(&remote, &RemoteService::raiseRequested, &window,
                     [&window] { bringForward(window); });
    QObject::connect(&mpris, &MprisService::raiseRequested, &window,
                     [&window] { bringForward(window); });
    QObject::connect(&mpris, &MprisService::quitRequested, &window, &QWidget::close);
    if (!bus.isConnected())
        printError(text("No session bus (D-Bus): this player runs alone, and neither "
                        "parlanda --walk nor media keys can reach it."));
    else if (!remote.publish(bus) || !mpris.publish(bus))
        printError(text("Parlanda could not offer all its commands on the session bus: %1")
                       .arg(bus.lastError().message()));
    window.show();
    connectInputs(window);
    if (!request.file.isEmpty())
        window.OpenChosenFile(request.file);
    return app.exec();
}
