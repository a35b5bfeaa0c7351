// The walk and the transport on the player alone, through the null output on a clock the
// test drives: which windows of the file are heard, and where each command leaves it.
#include "support/ManualClockWindow.h"
#include "support/Rows.h"

#include <QMetaEnum>
#include <QTest>
#include <QThread>

using Command = PlayerController::Command;
using State = PlayerController::State;

// Name, steps (see act()), then the windows heard as "from-to", the position and the state. A
// 30 s file, Step 4000, Offset 1100, Jump 4000, Pause 50 and one repetition unless a step says.
// clang-format off
const std::tuple<const char*, const char*, const char*> cases[] = {
    {"walk to the clamped end", "file:10000 walk hear*",
     "0-4000 1100-5100 2200-6200 3300-7300 4400-8400 5500-9500 6000-10000 | 10000 Idle"},
    {"repetitions; a window ending at the end, then clamped", "file:6200 reps:3 walk hear*",
     "0-4000 0-4000 0-4000 1100-5100 2200-6200 2200-6200 | 6200 Idle"},
    {"looping off counts one", "file:6200 reps:0 walk hear*",
     "0-4000 1100-5100 2200-6200 2200-6200 | 6200 Idle"},
    {"a step longer than the file", "file:3000 walk hear*", "0-3000 | 3000 Idle"},
    {"Next Step during a step", "pause:1000 @10000 walk part next hear hear",
     "7100-11100 8200-12200 | 12200 Resting walking"},
    {"Next Step during a rest", "pause:1000 @10000 walk hear next hear",
     "6000-10000 7100-11100 | 11100 Resting walking"},
    {"Previous Step during a step", "pause:1000 @10000 walk part prev hear",
     "4900-8900 | 8900 Resting walking"},
    {"Current Step thrice during a step replays it",
     "pause:1000 @10000 walk part cur part cur part cur hear", "6000-10000 | 10000 Resting walking"},
    {"a single step is not a walk", "@10000 next hear hear", "7100-11100 | 11100 Idle"},
    {"Stop during a step returns to its end", "@10000 walk part stop hear", " | 10000 Idle"},
    {"Stop during a rest: no further step", "@10000 walk hear stop hear", "6000-10000 | 10000 Idle"},
    {"Jump Back during a step measures from its end", "@10000 walk part back hear", " | 6000 Idle"},
    {"a time typed during a step stalls the walk", "@10000 walk part @20000 hear",
     " | 20000 Idle walking"},
    {"a time typed during a rest: the next step is measured from it",
     "pause:1000 @10000 walk hear @20000 hear", "6000-10000 17100-21100 | 21100 Resting walking"},
    {"a busy window: the rest runs from the end of the step heard",
     "pause:1000 @10000 walk +4000 busy:1000", " | 7100 Stepping walking"},
    {"slider released in a walk restarts it there",
     "pause:1000 @10000 walk part hold release:20000 hear", "16000-20000 | 20000 Resting walking"},
    {"slider held in a rest: no step starts", "@10000 walk hear hold hear",
     "6000-10000 | 10000 Idle walking"},
    {"the rests around each step: only a walk's step continues one",
     "pause:1000 @10000 walk hear hear stop next rests",
     "6000-10000 7100-11100 -/1000 1000/1000 -/- | 8200 Stepping"},
    {"Jump Back stops at the start", "@3000 back", " | 0 Idle"},
    {"Jump Back plays on", "@10000 play back", " | 6000 Playing"},
    {"Ctrl+Jump Back goes to the start", "@10000 play ^back", " | 0 Playing"},
    {"Jump Forward reaching the end stops there", "@28000 play fwd", " | 30000 Idle"},
    {"Ctrl+Jump Forward ends playing", "@10000 play ^fwd", " | 30000 Idle"},
    {"Play at the end starts from 0", "@30000 play", " | 0 Playing"},
    {"Play Pause pauses and resumes", "@10000 play pause", " | 10000 Paused"},
    {"Stop of Play rewinds", "@9000 rewind:1500 play +1000 stop", " | 8500 Idle"},
    {"a pause of Play rewinds; Play Pause plays on from there",
     "@9000 rewind:1500 play +1000 pause pause +200", " | 8700 Playing"},
    {"a rewind stops at 0", "rewind:1500 play +500 pause", " | 0 Paused"},
    {"a pause of a step is not rewound", "@10000 rewind:1500 walk part pause",
     " | 7500 Paused walking"},
    {"a stamp in a step or its rest is the step's start, else the position",
     "pause:1000 @10000 walk stamp hear stamp next stamp stop stamp",
     "[00:00:06] 6000-10000 [00:00:06] [00:00:07] [00:00:11] | 11100 Idle"},
    {"half speed: Position in source time, also after a change",
     "speed:50 @10000 play +1000 speed:200 +1000 stop", " | 12500 Idle"},
};
// clang-format on

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
    // "+ms" lets ms of sound be heard, "rewind:ms", "pause:ms" and "speed:%" set those,
    // "reps:n" the repetitions (0: looping off with 3 chosen), "file:ms" opens a file of that
    // length; "stamp" logs the time stamp; "busy:ms" keeps the event loop from running for ms,
    // then lets it run for a moment; "rests" logs the rests each range was started with.
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
        else if (token.startsWith("pause:"))
            player().setPause(token.mid(6).toInt());
        else if (token.startsWith("reps:")) {
            const int count = token.mid(5).toInt();
            player().setLooping(count != 0);
            player().setRepetitions(count == 0 ? 3 : count);
        } else if (token.startsWith("file:"))
            QVERIFY(fixture->openFile(token.mid(5).toLongLong()));
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

    void commandsLeaveThePlayerAsExpected_data() { addRowNumbers(cases); }
    void commandsLeaveThePlayerAsExpected() {
        QFETCH(int, row);
        const auto& [name, steps, expected] = cases[row];
        heard.clear();
        // An output that wants a walk's steps 100 ms before their rest ends, as one that
        // places them does.
        fixture = std::make_unique<ManualClockWindow>(ManualClockWindow::PlayerOnly,
                                                      std::chrono::milliseconds(100));
        if (!QString(steps).startsWith("file:"))
            QVERIFY(fixture->openFile(30000));
        player().setPause(50);
        for (const QString& token : QString(steps).split(' '))
            act(token);
        QCOMPARE(outcome(), expected);
    }
};

QTEST_MAIN(PlayerWalkAndTransport)
#include "player_walk_and_transport.moc"
