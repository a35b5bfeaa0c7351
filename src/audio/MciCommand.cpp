#include "audio/MciCommand.h"

#include "audio/AudioDecoder.h"

#include <QRegularExpression>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>

namespace {

// An open device is the file opened by the decoder, which refuses what it cannot play.
using WaveDevice = std::unique_ptr<AudioDecoder>;

struct Reply {
    int error = MciError::None;
    QString text;
};

Reply failure(int error) {
    return {error, QString()};
}

// Open devices by alias; aliases ignore case.
std::map<QString, WaveDevice>& openDevices() {
    static std::map<QString, WaveDevice> devices;
    return devices;
}

QString deviceKey(const QString& alias) {
    return alias.toLower();
}

const QRegularExpression& blanks() {
    static const QRegularExpression pattern(QStringLiteral("\\s+"));
    return pattern;
}

Reply lengthInMs(const AudioDecoder& file) {
    const qint64 rate = file.sampleRate();
    return {MciError::None, QString::number((file.frames() * 1000 + rate / 2) / rate)};
}

Reply statusItem(const AudioDecoder& file, const QString& item) {
    if (item == QLatin1String("channels"))
        return {MciError::None, QString::number(file.channels())};
    if (item == QLatin1String("samplespersec"))
        return {MciError::None, QString::number(file.sampleRate())};
    if (item == QLatin1String("bitspersample")) {
        const int bits = file.bitsPerSample();
        return bits > 0 ? Reply{MciError::None, QString::number(bits)}
                        : failure(MciError::UnsupportedFunction);
    }
    if (item == QLatin1String("codec")) {
        const QString codec = file.codecName();
        return codec.isEmpty() ? failure(MciError::UnsupportedFunction)
                               : Reply{MciError::None, codec};
    }
    if (item == QLatin1String("length"))
        return lengthInMs(file);
    return failure(MciError::UnrecognizedKeyword);
}

// The file part of an open command: taken literally, or between double quotes so that
// blanks at either end and quote characters inside belong to the name.
std::optional<QString> unquoted(const QString& element) {
    if (!element.startsWith(u'"'))
        return element;
    if (element.size() < 2 || !element.endsWith(u'"'))
        return std::nullopt;
    return element.mid(1, element.size() - 2);
}

Reply openFile(const QString& path, const QString& alias) {
    auto opened = AudioDecoder::open(path);
    if (!opened.decoder)
        return failure(opened.error);
    openDevices().emplace(deviceKey(alias), std::move(opened.decoder));
    return {};
}

Reply openDevice(const QString& arguments) {
    static const QString waveDevice = QStringLiteral("waveaudio!");
    static const QRegularExpression aliasKeyword(QStringLiteral("\\s+alias\\s+"),
                                                 QRegularExpression::CaseInsensitiveOption);
    if (!arguments.startsWith(waveDevice, Qt::CaseInsensitive))
        return failure(MciError::DeviceNotOpen); // no device of that type is known
    // The file name may itself contain " alias ": the last one introduces the alias.
    QRegularExpressionMatch lastAlias;
    for (auto it = aliasKeyword.globalMatch(arguments, waveDevice.size()); it.hasNext();)
        lastAlias = it.next();
    if (!lastAlias.hasMatch())
        return failure(MciError::MissingDeviceName);
    const QString alias = arguments.mid(lastAlias.capturedEnd()).trimmed();
    if (alias.isEmpty())
        return failure(MciError::MissingDeviceName);
    if (alias.contains(blanks()))
        return failure(MciError::UnrecognizedKeyword);
    const auto path =
        unquoted(arguments.mid(waveDevice.size(), lastAlias.capturedStart() - waveDevice.size()));
    if (!path)
        return failure(MciError::NoClosingQuote);
    if (path->isEmpty())
        return failure(MciError::InvalidFile); // a file name is required
    if (openDevices().count(deviceKey(alias)))
        return failure(MciError::DuplicateAlias);
    return openFile(*path, alias);
}

Reply statusOfDevice(const QStringList& words) {
    if (words.isEmpty())
        return failure(MciError::MissingDeviceName);
    const auto device = openDevices().find(deviceKey(words[0]));
    if (device == openDevices().end())
        return failure(MciError::DeviceNotOpen);
    if (words.size() < 2)
        return failure(MciError::ParameterRequired);
    if (words.size() > 2)
        return failure(MciError::UnrecognizedKeyword);
    return statusItem(*device->second, words[1].toLower());
}

Reply closeDevice(const QStringList& words) {
    if (words.isEmpty())
        return failure(MciError::MissingDeviceName);
    if (words.size() > 1)
        return failure(MciError::UnrecognizedKeyword);
    return openDevices().erase(deviceKey(words[0])) ? Reply{} : failure(MciError::DeviceNotOpen);
}

Reply runCommand(const QString& verb, const QString& arguments) {
    if (verb == QLatin1String("open"))
        return openDevice(arguments);
    const QStringList words = arguments.split(blanks(), Qt::SkipEmptyParts);
    if (verb == QLatin1String("status"))
        return statusOfDevice(words);
    if (verb == QLatin1String("close"))
        return closeDevice(words);
    return failure(MciError::UnrecognizedCommand);
}

int deliver(const Reply& result, QString* reply, int replyLength) {
    if (reply)
        reply->clear();
    if (result.error != MciError::None)
        return result.error;
    if (!reply || result.text.isEmpty())
        return MciError::None;
    if (result.text.size() >= replyLength)
        return MciError::ParameterOverflow;
    *reply = result.text;
    return MciError::None;
}

} // namespace

int mciSendString(const QString& command, QString* reply, int replyLength) {
    const QString trimmed = command.trimmed();
    const qsizetype verbEnd = trimmed.indexOf(blanks());
    const QString verb = trimmed.left(verbEnd).toLower();
    const QString arguments = verbEnd < 0 ? QString() : trimmed.mid(verbEnd).trimmed();
    return deliver(runCommand(verb, arguments), reply, replyLength);
}
