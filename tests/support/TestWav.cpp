#include "support/TestWav.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) &&
           file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool writeNoise(const QString& path) {
    quint32 noise[1024];
    QRandomGenerator(20260101).fillRange(noise);
    return writeBytes(path, QByteArray(reinterpret_cast<const char*>(noise), sizeof noise));
}
