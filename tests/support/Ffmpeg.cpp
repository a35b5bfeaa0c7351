#include "support/Ffmpeg.h"

#include <QDebug>
#include <QProcess>

QByteArray runFfmpeg(const QStringList& arguments) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-v", "error", "-y"} + arguments);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        qWarning() << "ffmpeg" << arguments << ffmpeg.readAllStandardError();
    return ffmpeg.readAllStandardOutput();
}
