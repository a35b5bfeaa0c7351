#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The kinds of file the program opens, for the open dialog's filter and the desktop
// integration (the desktop entry's MimeType line and the AppStream media types hold the
// same MIME types). Every audio file FFmpeg reads opens, whatever its name: these are the
// names it usually has.
struct AudioFileType {
    QString mimeType;
    QStringList extensions; // lower case, without the dot
};
const QList<AudioFileType>& openableFileTypes();
// Every extension of openableFileTypes() once, in its order.
QStringList openableExtensions();

// The file starts like a WAV (or RF64, W64), AIFF, FLAC or Ogg file, which libsndfile reads;
// anything else goes to FFmpeg. Decided by content, so a misnamed file opens as well.
bool isLibsndfileContainer(const QByteArray& head);
