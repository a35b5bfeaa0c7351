#include "support/PulseCapture.h"

#include "support/TestWav.h"

#include <QDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr int BytesPerFrame = 4;
constexpr int StopMarginMs = 50;
constexpr int BlockFrames = PulseCapture::SampleRate / 1000;
constexpr int SilentLevel = 16; // of 32767
// A sine obeys x[n] = 2 cos(w) x[n-1] - x[n-2]; a break in its phase leaves a residue far
// above what rounding and resampling leave (under 1 % of the amplitude).
constexpr double PhaseJumpShare = 0.05;
// The edges of a step are left out of the phase check: a resampler rings there.
constexpr int EdgeFrames = 2 * BlockFrames;

} // namespace

PulseCapture::PulseCapture() {
    output.setFileTemplate(QDir::tempPath() + "/parlanda-capture");
}

PulseCapture::~PulseCapture() {
    endRecorder();
}

bool PulseCapture::start() {
    captured.clear();
    if (!output.open()) {
        error = "cannot create the capture file: " + output.errorString();
        return false;
    }
    recorder.setStandardOutputFile(output.fileName(), QIODevice::Truncate);
    // Not less than 30 ms: PipeWire runs its graph at the smallest latency a client asks
    // for, and at a few ms per cycle it loses sound of every stream on a busy machine.
    recorder.start("parec", {"-d", "test.monitor", "--raw", "--format=s16le", "--rate=44100",
                             "--channels=2", "--latency-msec=30"});
    if (!recorder.waitForStarted(5000)) {
        error = "cannot run parec: " + recorder.errorString();
        return false;
    }
    return waitForSound();
}

// The null sink renders silence while nothing plays, so the recorder is really running
// once the capture file begins to grow.
bool PulseCapture::waitForSound() {
    if (QTest::qWaitFor([this] { return output.size() >= 64 * BytesPerFrame; }, 5000))
        return true;
    endRecorder();
    error = "parec records nothing from test.monitor (is the server of scripts/with-pulse "
            "running?): " +
            QString::fromLocal8Bit(recorder.readAllStandardError());
    return false;
}

void PulseCapture::stop() {
    endRecorder();
    output.seek(0);
    captured = output.readAll();
    captured.truncate(captured.size() / BytesPerFrame * BytesPerFrame);
}

void PulseCapture::endRecorder() {
    if (recorder.state() == QProcess::NotRunning)
        return;
    // A margin for sound reported as heard a few milliseconds before it reached the sink.
    QThread::msleep(StopMarginMs);
    recorder.terminate();
    if (!recorder.waitForFinished(3000)) {
        recorder.kill();
        recorder.waitForFinished(3000);
    }
}

QList<PulseCapture::HeardRun> PulseCapture::heardRuns() const {
    QList<HeardRun> runs;
    for (qint64 frame = 0; frame < capturedFrames(); ++frame) {
        const std::optional<qint64> index = indexAt(frame);
        if (!index)
            continue;
        if (runs.isEmpty() || *index != runs.last().last + 1)
            runs.append({*index, *index, frame, frame});
        runs.last().last = *index;
        runs.last().captureEnd = frame + 1;
    }
    return runs;
}

qint64 PulseCapture::undecodableFrames() const {
    qint64 count = 0;
    for (qint64 frame = 0; frame < capturedFrames(); ++frame)
        count += (sampleAt(frame, 0) != 0 || sampleAt(frame, 1) != 0) && !indexAt(frame);
    return count;
}

qint16 PulseCapture::sampleAt(qint64 frame, int channel) const {
    return qFromLittleEndian<qint16>(captured.constData() + frame * BytesPerFrame + 2 * channel);
}

std::optional<qint64> PulseCapture::indexAt(qint64 frame) const {
    return frameIndexOf(sampleAt(frame, 0), sampleAt(frame, 1));
}

QList<PulseCapture::HeardStep> PulseCapture::heardSteps(std::optional<double> toneHz) const {
    QList<HeardStep> steps;
    int silentRun = RestMs;
    for (qint64 block = 0; block < capturedFrames() / BlockFrames; ++block) {
        std::optional<qint64> first, last;
        for (qint64 frame = block * BlockFrames; frame < (block + 1) * BlockFrames; ++frame) {
            if (std::abs(sampleAt(frame, 0)) < SilentLevel && !indexAt(frame))
                continue;
            first = first.value_or(frame);
            last = frame;
        }
        if (!last) {
            ++silentRun;
            continue;
        }
        if (silentRun >= RestMs)
            steps.append({*first, *last});
        else
            steps.last().silentBlocks += silentRun;
        steps.last().last = *last;
        silentRun = 0;
    }
    if (toneHz)
        for (HeardStep& step : steps)
            step.phaseJumps = phaseJumps(step, *toneHz);
    return steps;
}

int PulseCapture::phaseJumps(const HeardStep& step, double toneHz) const {
    const double twoCos = 2 * std::cos(2 * std::numbers::pi * toneHz / SampleRate);
    int amplitude = 0;
    for (qint64 frame = step.first; frame <= step.last; ++frame)
        amplitude = std::max(amplitude, std::abs(int(sampleAt(frame, 0))));
    int jumps = 0;
    bool inJump = false;
    for (qint64 frame = step.first + EdgeFrames; frame <= step.last - EdgeFrames; ++frame) {
        const double residue =
            sampleAt(frame, 0) - twoCos * sampleAt(frame - 1, 0) + sampleAt(frame - 2, 0);
        const bool jump = std::abs(residue) > PhaseJumpShare * amplitude;
        jumps += jump && !inJump;
        inJump = jump;
    }
    return jumps;
}

int PulseCapture::sinkRate() {
    QProcess pactl;
    pactl.start("pactl", {"list", "short", "sinks"});
    pactl.waitForFinished(5000);
    for (const QByteArray& line : pactl.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.value(1) == "test")
            return fields.value(3).split(' ').last().chopped(2).toInt();
    }
    return 0;
}

std::vector<float> PulseCapture::leftChannel() const {
    std::vector<float> left(static_cast<size_t>(capturedFrames()));
    for (size_t frame = 0; frame < left.size(); ++frame)
        left[frame] = sampleAt(qint64(frame), 0) / 32768.0f;
    return left;
}
