#include "audio/AudioFormats.h"

#include <QFile>

const QList<AudioFileType>& openableFileTypes() {
    static const QList<AudioFileType> types = {
        {QStringLiteral("audio/x-wav"), {"wav", "wave", "bwf"}},
        {QStringLiteral("audio/wav"), {"wav"}},
        {QStringLiteral("audio/vnd.wave"), {"wav"}},
        {QStringLiteral("audio/x-rf64"), {"rf64"}},
        {QStringLiteral("audio/x-w64"), {"w64"}},
        {QStringLiteral("audio/x-aiff"), {"aif", "aiff", "aifc"}},
        {QStringLiteral("audio/x-flac"), {"flac"}},
        {QStringLiteral("audio/flac"), {"flac"}},
        {QStringLiteral("audio/ogg"), {"ogg", "oga"}},
        {QStringLiteral("audio/x-vorbis+ogg"), {"ogg"}},
        {QStringLiteral("audio/x-opus+ogg"), {"opus"}},
        {QStringLiteral("audio/mpeg"), {"mp3", "mpga"}},
        {QStringLiteral("audio/mp4"), {"m4a", "m4b"}},
        {QStringLiteral("audio/x-m4a"), {"m4a"}},
        {QStringLiteral("audio/aac"), {"aac", "adts"}},
        {QStringLiteral("audio/x-ms-wma"), {"wma"}},
        {QStringLiteral("audio/webm"), {"weba"}},
        {QStringLiteral("audio/x-matroska"), {"mka"}},
        {QStringLiteral("audio/AMR"), {"amr"}},
        {QStringLiteral("audio/AMR-WB"), {"awb"}},
        {QStringLiteral("audio/3gpp"), {"3ga"}},
        {QStringLiteral("audio/x-caf"), {"caf"}},
        {QStringLiteral("audio/x-dss"), {"dss", "ds2"}},
        {QStringLiteral("audio/basic"), {"au", "snd"}},
        {QStringLiteral("video/mp4"), {"mp4", "m4v"}},
        {QStringLiteral("video/quicktime"), {"mov"}},
        {QStringLiteral("video/webm"), {"webm"}},
        {QStringLiteral("video/x-matroska"), {"mkv"}},
        {QStringLiteral("video/3gpp"), {"3gp"}},
        {QStringLiteral("video/x-ms-wmv"), {"wmv"}},
        {QStringLiteral("video/x-msvideo"), {"avi"}},
    };
    return types;
}

QStringList openableExtensions() {
    QStringList extensions;
    for (const AudioFileType& type : openableFileTypes())
        extensions += type.extensions;
    extensions.removeDuplicates();
    return extensions;
}

bool isLibsndfileContainer(const QByteArray& head) {
    const QByteArray magic = head.left(4);
    const QByteArray kind = head.mid(8, 4);
    if (magic == "RIFF" || magic == "RIFX" || magic == "RF64" || magic == "BW64")
        return kind == "WAVE"; // not AVI or WebP, which are RIFF files too
    if (magic == "FORM")
        return kind == "AIFF" || kind == "AIFC";
    return magic == "riff" /* W64 */ || magic == "fLaC" || magic == "OggS";
}
