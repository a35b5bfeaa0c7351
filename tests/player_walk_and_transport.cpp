// The walk and the transport on the player alone, through the null output on a clock the
// test drives: which windows of the file are heard, and where each command leaves it.
#include "support/ManualClockWindow.h"

#include <QMetaEnum>
#include <QTest>
#include <QThread>

using Command = PlayerController::Command;
using State = PlayerController::State;

class PlayerWalkAndTransport : public QObject {
    Q_OBJECT

    std::unique_ptr<ManualClockWindow> fixture;
    QStringList heard;

    PlayerController& player() { return fixture->player(); }

    // A step heard to its end, logged as "from-to"; false when none starts in time.
    bool hearStep() {
        const int startMs = player().settings().pause + 500;
        if (!QTest::qWaitFor([this] { return player().state() == State::Stepping; }, startMs))
            return false;
        const qint64 from = player().position();
        fixture->clock().advance(player().settings().step);
        if (!QTest::qWaitFor([this] { return player().state() != State::Stepping; }, 1000))
            return false;
        heard << QStringLiteral("%1-%2").arg(from).arg(player().position());
        return true;
    }

    void hearPart() {
        QVERIFY(QTest::qWaitFor([this] { return player().state() == State::Stepping; }));
        fixture->clock().advance(1500);
    }

    // "walk", "prev", "cur", "next", "back", "stop", "play", "fwd" and "pause" run the
    // command; "^back" and "^fwd" go to the start and the end; "@ms" goes to a time as the
    // time field does; "hold" and "release:ms" work the slider; "part" lets 1500 ms of a
    // step be heard, "hear" one step to its end, "hear*" every step until none follows;
    // "+ms" lets ms of sound be heard, "rewind:ms" and "speed:%" set those; "stamp" logs
    // the time stamp; "busy:ms" keeps the event loop from running for ms, then lets it run
    // for a moment; "rests" logs the rests each range was started with.
    void act(const QString& token) {
        static const QHash<QString, Command> commands{
            {"walk", Command::Walk},       {"prev", Command::PreviousStep},
            {"cur", Command::CurrentStep}, {"next", Command::NextStep},
            {"back", Command::JumpBack},   {"stop", Command::Stop},
            {"play", Command::Play},       {"fwd", Command::JumpForward},
            {"pause", Command::PlayPause}};
        if (commands.contains(token))
            player().run(commands[token]);
        else if (token == "^back")
            player().jumpBack(true);
        else if (token == "^fwd")
            player().jumpForward(true);
        else if (token.startsWith('@'))
            player().seek(token.mid(1).toLongLong());
        else if (token == "hold")
            player().holdPosition();
        else if (token.startsWith("release:"))
            player().releasePosition(token.mid(8).toLongLong());
        else if (token.startsWith('+'))
            fixture->clock().advance(token.mid(1).toInt());
        else if (token.startsWith("busy:")) {
            QThread::msleep(token.mid(5).toULong());
            QTest::qWait(100);
        } else if (token.startsWith("rewind:"))
            player().setRewind(token.mid(7).toInt());
        else if (token.startsWith("speed:"))
            player().setSpeed(token.mid(6).toInt());
        else if (token == "stamp")
            heard << player().copyTimeStamp();
        else if (token == "rests")
            heard << fixture->startedRests();
        else if (token == "part")
            hearPart();
        else if (token == "hear")
            hearStep();
        else if (token == "hear*")
            while (hearStep()) {
            }
        else
            QFAIL(qPrintable("unknown step " + token));
    }

    QString outcome() {
        const char* state = QMetaEnum::fromType<State>().valueToKey(int(player().state()));
        return QStringLiteral("%1 | %2 %3%4")
            .arg(heard.join(' '))
            .arg(player().position())
            .arg(QLatin1String(state), player().walking() ? " walking" : "");
    }

private slots:
    void cleanup() { fixture.reset(); }

    void commandsLeaveThePlayerAsExpected_data() {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<int>("repetitions"); // 0: looping off with 3 chosen
        QTest::addColumn<int>("pause");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        // Step 4000, Offset 1100, Jump 4000.
        QTest::newRow("walk to the clamped end")
            << 10000ll << 1 << 50 << "walk hear*"
            << "0-4000 1100-5100 2200-6200 3300-7300 4400-8400 5500-9500 6000-10000 | 10000 Idle";
        QTest::newRow("repetitions; a window ending at the end, then clamped")
            << 6200ll << 3 << 0 << "walk hear*"
            << "0-4000 0-4000 0-4000 1100-5100 2200-6200 2200-6200 | 6200 Idle";
        QTest::newRow("looping off counts one")
            << 6200ll << 0 << 0 << "walk hear*"
            << "0-4000 1100-5100 2200-6200 2200-6200 | 6200 Idle";
        QTest::newRow("a step longer than the file") << 3000ll << 1 << 0 << "walk hear*"
                                                     << "0-3000 | 3000 Idle";
        QTest::newRow("Next Step during a step")
            << 30000ll << 1 << 1000 << "@10000 walk part next hear hear"
            << "7100-11100 8200-12200 | 12200 Resting walking";
        QTest::newRow("Next Step during a rest")
            << 30000ll << 1 << 1000 << "@10000 walk hear next hear"
            << "6000-10000 7100-11100 | 11100 Resting walking";
        QTest::newRow("Previous Step during a step")
            << 30000ll << 1 << 1000 << "@10000 walk part prev hear"
            << "4900-8900 | 8900 Resting walking";
        QTest::newRow("Current Step thrice during a step replays it")
            << 30000ll << 1 << 1000 << "@10000 walk part cur part cur part cur hear"
            << "6000-10000 | 10000 Resting walking";
        QTest::newRow("a single step is not a walk")
            << 30000ll << 1 << 50 << "@10000 next hear hear"
            << "7100-11100 | 11100 Idle";
        QTest::newRow("Stop during a step returns to its end")
            << 30000ll << 1 << 50 << "@10000 walk part stop hear"
            << " | 10000 Idle";
        QTest::newRow("Stop during a rest: no further step")
            << 30000ll << 1 << 50 << "@10000 walk hear stop hear"
            << "6000-10000 | 10000 Idle";
        QTest::newRow("Jump Back during a step measures from its end")
            << 30000ll << 1 << 50 << "@10000 walk part back hear"
            << " | 6000 Idle";
        QTest::newRow("a time typed during a step stalls the walk")
            << 30000ll << 1 << 50 << "@10000 walk part @20000 hear"
            << " | 20000 Idle walking";
        QTest::newRow("a time typed during a rest: the next step is measured from it")
            << 30000ll << 1 << 1000 << "@10000 walk hear @20000 hear"
            << "6000-10000 17100-21100 | 21100 Resting walking";
        QTest::newRow("a busy window: the rest runs from the end of the step heard")
            << 30000ll << 1 << 1000 << "@10000 walk +4000 busy:1000"
            << " | 7100 Stepping walking";
        QTest::newRow("slider released in a walk restarts it there")
            << 30000ll << 1 << 1000 << "@10000 walk part hold release:20000 hear"
            << "16000-20000 | 20000 Resting walking";
        QTest::newRow("slider held in a rest: no step starts")
            << 30000ll << 1 << 50 << "@10000 walk hear hold hear"
            << "6000-10000 | 10000 Idle walking";
        QTest::newRow("the rests around each step: only a walk's step continues one")
            << 30000ll << 1 << 1000 << "@10000 walk hear hear stop next rests"
            << "6000-10000 7100-11100 -/1000 1000/1000 -/- | 8200 Stepping";
        QTest::newRow("Jump Back stops at the start") << 30000ll << 1 << 0 << "@3000 back"
                                                      << " | 0 Idle";
        QTest::newRow("Jump Back plays on") << 30000ll << 1 << 0 << "@10000 play back"
                                            << " | 6000 Playing";
        QTest::newRow("Ctrl+Jump Back goes to the start")
            << 30000ll << 1 << 0 << "@10000 play ^back"
            << " | 0 Playing";
        QTest::newRow("Jump Forward reaching the end stops there")
            << 30000ll << 1 << 0 << "@28000 play fwd"
            << " | 30000 Idle";
        QTest::newRow("Ctrl+Jump Forward ends playing") << 30000ll << 1 << 0 << "@10000 play ^fwd"
                                                        << " | 30000 Idle";
        QTest::newRow("Play at the end starts from 0") << 30000ll << 1 << 0 << "@30000 play"
                                                       << " | 0 Playing";
        QTest::newRow("Play Pause pauses and resumes") << 30000ll << 1 << 0 << "@10000 play pause"
                                                       << " | 10000 Paused";
        QTest::newRow("Stop of Play rewinds")
            << 30000ll << 1 << 0 << "@9000 rewind:1500 play +1000 stop"
            << " | 8500 Idle";
        QTest::newRow("a pause of Play rewinds; Play Pause plays on from there")
            << 30000ll << 1 << 0 << "@9000 rewind:1500 play +1000 pause pause +200"
            << " | 8700 Playing";
        QTest::newRow("a rewind stops at 0") << 30000ll << 1 << 0 << "rewind:1500 play +500 pause"
                                             << " | 0 Paused";
        QTest::newRow("a pause of a step is not rewound")
            << 30000ll << 1 << 50 << "@10000 rewind:1500 walk part pause"
            << " | 7500 Paused walking";
        QTest::newRow("a stamp in a step or its rest is the step's start, else the position")
            << 30000ll << 1 << 1000 << "@10000 walk stamp hear stamp next stamp stop stamp"
            << "[00:00:06] 6000-10000 [00:00:06] [00:00:07] [00:00:11] | 11100 Idle";
        QTest::newRow("half speed: Position in source time, also after a change")
            << 30000ll << 1 << 0 << "speed:50 @10000 play +1000 speed:200 +1000 stop"
            << " | 12500 Idle";
    }

    void commandsLeaveThePlayerAsExpected() {
        QFETCH(qint64, length);
        QFETCH(int, repetitions);
        QFETCH(int, pause);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        heard.clear();
        // An output that wants a walk's steps 100 ms before their rest ends, as one that
        // places them does.
        fixture = std::make_unique<ManualClockWindow>(ManualClockWindow::PlayerOnly,
                                                      std::chrono::milliseconds(100));
        QVERIFY(fixture->openFile(length));
        player().setPause(pause);
        player().setRepetitions(repetitions == 0 ? 3 : repetitions);
        player().setLooping(repetitions != 0);
        for (const QString& token : steps.split(' '))
            act(token);
        QCOMPARE(outcome(), expected);
    }
};

QTEST_MAIN(PlayerWalkAndTransport)
#include "player_walk_and_transport.moc"
