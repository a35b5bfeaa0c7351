// The walk: play a step, rest, then replay the step or move on by Offset, until a step
// reaches the end of the file or a transport command ends it. Previous, Current and
// Next Step play a single step through the same command.
#include "app/DeviceCommands.h"
#include "app/frmMain.h"
#include "audio/MediaControl.h"

#include <algorithm>

void frmMain::cmdLoop_Click(int index) {
    // This command replaces whatever step the rest would have started.
    restTimer.stop();
    setAutoUpdate(true);
    StopPlayback();
    // While a step is pending, repeated commands work from that step's end rather than
    // from wherever its interrupted play had got to.
    if (!stepPending) {
        stepEnd = media->position();
        stepPending = true;
    }

    qint64 end = stepEnd;
    switch (index) {
    case Walk:
        isWalking = true;
        repeatCount = 0;
        break;
    case PreviousStep:
        end -= offset;
        break;
    case NextStep:
        end += offset;
        break;
    default:
        break;
    }
    // A step never starts before 0; the step that reaches the end of the file keeps its
    // full length, ends at the end and is the last of the walk.
    end = std::max<qint64>(end, step);
    if (end > media->length()) {
        end = media->length();
        isWalking = false;
    }
    stepEnd = qint32(end);

    // The time field and the slider show the end of the step while it plays.
    SeekAndWait(*media, stepEnd);
    UpdateTimeField();
    UpdateSlider();

    // A step longer than the file plays the whole file.
    media->setFrom(qint32(std::max<qint64>(0, qint64(stepEnd) - step)));
    media->setTo(stepEnd);
    media->setWait(false);
    media->setNotify(true);
    media->setCommand(QStringLiteral("Play"));
}

void frmMain::mnuLoop_Click(int index) {
    cmdLoop_Click(index);
}

// Runs after a step was heard to its end: count the play and rest. The rest is the
// single-shot timer restTimer, so the window stays idle and responsive; any command
// given meanwhile stops the timer and so replaces the step the rest would have started.
void frmMain::ContinueWalk() {
    if (!isWalking)
        return;
    ++repeatCount;
    // A coarse timer may fire several percent late; the rest should last Pause.
    restTimer.setTimerType(Qt::PreciseTimer);
    restTimer.start(std::max(0, pause));
}

// The rest is over: play the same step again until it has been heard as often as the
// Looping menu asks, then move on to the next one.
void frmMain::EndRest() {
    cmdLoop_Click(repeatCount < LoopRepetitionCount() ? CurrentStep : NextStep);
}
