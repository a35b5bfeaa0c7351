// Starts Parlanda: the main window, and the file named on the command line if any. When
// a player already runs in this session, the command line drives that player instead:
// it opens the file there, or sends it a command (--walk, --stop, ...), and ends.
#include "app/Inputs.h"
#include "windows/Translations.h"
#include "windows/frmControls.h"
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

// The texts of the command line and of start-up, in the system's language.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

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
            optionName(command), CommandLine::tr("Send %1 to the running player.")
                                     .arg(CommandCaption(PlayerController::commandName(command)))));
    parser.addPositionalArgument(
        QStringLiteral("file"),
        CommandLine::tr("Audio file to open (in the running player when there is one)."),
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
                request.mistake = CommandLine::tr("Give one command at a time.");
            request.command = command;
        }
    const QString usage = CommandLine::tr("Usage: parlanda [file] | parlanda --walk (and the other "
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
        printError(CommandLine::tr("Parlanda is not running"));
        break;
    case RemoteReply::Outcome::NoBus:
        printError(
            CommandLine::tr("Parlanda is not running: without a session bus (D-Bus) no running "
                            "player can be reached (%1)")
                .arg(reply.error));
        break;
    case RemoteReply::Outcome::Failed:
        printError(
            CommandLine::tr("The running Parlanda did not take the command: %1").arg(reply.error));
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
        InstallTranslations(app);
        // Described and read again, so that help and mistakes speak the system's language.
        QCommandLineParser translated;
        describeOptions(translated);
        return answerWithoutWindow(translated, requestOf(translated, translated.parse(arguments)));
    }

    QApplication app(argc, argv);
    InstallTranslations(app);
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
        printError(CommandLine::tr("No session bus (D-Bus): this player runs alone, and neither "
                                   "parlanda --walk nor media keys can reach it."));
    else if (!remote.publish(bus) || !mpris.publish(bus))
        printError(
            CommandLine::tr("Parlanda could not offer all its commands on the session bus: %1")
                .arg(bus.lastError().message()));
    window.show();
    connectInputs(window);
    if (!request.file.isEmpty())
        window.OpenChosenFile(request.file);
    return app.exec();
}
