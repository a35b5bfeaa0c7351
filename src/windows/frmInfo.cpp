#include "windows/frmInfo.h"

#include "audio/MciCommand.h"
#include "timecode/modSMPTE.h"
#include "windows/DialogSupport.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {

// The alias of the dialog's own opening of the file, open only while it is loading.
const QString DeviceAlias = QStringLiteral("myWave");
// The reply buffer's size, terminating zero included.
constexpr int ReplyLength = 255;

QString LengthText(qint64 lengthMs) {
    return QCoreApplication::translate("frmInfo", "Length: %1 (%2 seconds)")
        .arg(MsToTimeCode(lengthMs), DecimalText(lengthMs / 1000.0, 1));
}

// The reply to "status myWave <item>", "" when the command fails.
QString AskDevice(const QString& item) {
    QString reply;
    const int error =
        mciSendString(QStringLiteral("status %1 %2").arg(DeviceAlias, item), &reply, ReplyLength);
    return error == 0 ? reply : QString();
}

// The leading digits of a reply as a whole number; 0 when there are none.
int WholeNumber(const QString& reply) {
    qsizetype digits = 0;
    while (digits < reply.size() && reply[digits].isDigit())
        ++digits;
    return reply.left(digits).toInt();
}

QString ChannelText(const QString& reply) {
    if (reply == QLatin1String("2"))
        return QCoreApplication::translate("frmInfo", "stereo");
    if (reply == QLatin1String("1"))
        return QCoreApplication::translate("frmInfo", "mono");
    return QString();
}

struct RecordingDetails {
    QString channelText; // "stereo", "mono" or "" when not known
    int samplesPerSecond = 0;
    int bitsPerSample = 0;
    QString codec; // the codec of a compressed file, which has no bits per sample
};

// Opens the file a second time under the dialog's alias, asks, and closes it again.
// When the alias cannot be opened (for one, because something else holds it) nothing is
// asked, so the details can only ever be those of this file.
RecordingDetails AskRecordingDetails(const QString& fileName) {
    RecordingDetails details;
    // Quoted, so that blanks and quote characters in the name reach the device as they are.
    if (mciSendString(QStringLiteral("open waveaudio!\"%1\" alias %2").arg(fileName, DeviceAlias),
                      nullptr, 0) != 0)
        return details;
    details.channelText = ChannelText(AskDevice(QStringLiteral("channels")));
    details.samplesPerSecond = WholeNumber(AskDevice(QStringLiteral("samplespersec")));
    details.bitsPerSample = WholeNumber(AskDevice(QStringLiteral("bitspersample")));
    if (details.bitsPerSample == 0)
        details.codec = AskDevice(QStringLiteral("codec"));
    mciSendString(QStringLiteral("close ") + DeviceAlias, nullptr, 0);
    return details;
}

QString RecordingText(const RecordingDetails& details) {
    if (details.channelText.isEmpty() || details.samplesPerSecond == 0 ||
        (details.bitsPerSample == 0 && details.codec.isEmpty()))
        return QCoreApplication::translate("frmInfo", "Unable to obtain recording information.");
    const QString rate = DecimalText(details.samplesPerSecond / 1000.0, 1);
    if (details.bitsPerSample == 0)
        return QCoreApplication::translate("frmInfo", "%1 kHz, %2, %3")
            .arg(rate, details.channelText, details.codec);
    return QCoreApplication::translate("frmInfo", "%1 kHz, %2, %3 bits per channel")
        .arg(rate, details.channelText)
        .arg(details.bitsPerSample);
}

} // namespace

frmInfo::frmInfo(const QString& fileName, qint64 lengthMs, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(tr("Audio File Information"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    Form_Load(fileName, lengthMs);
}

void frmInfo::createControls() {
    setFixedSize(twipsToRect(0, 0, 6030, 1440).size());
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(twipsToRect(4680, 120, 1215, 375));
    // Enter presses the default button wherever the focus is; Esc is QDialog's own.
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    const auto addLabel = [this](const char* name, QRect geometry) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(geometry);
        return label;
    };
    lblName = addLabel("lblName", twipsToRect(200, 120, 4000, 315));
    lblStatus = addLabel("lblStatus", twipsToRect(200, 495, 4000, 375));
    lblLength = addLabel("lblLength", twipsToRect(200, 930, 4000, 375));
    OKButton->setFocus();
}

void frmInfo::Form_Load(const QString& fileName, qint64 lengthMs) {
    lblName->setText(tr("File: %1").arg(fileName));
    // A long path does not fit the line; the tooltip shows all of it.
    lblName->setToolTip(fileName);
    lblLength->setText(LengthText(lengthMs));
    lblStatus->setText(RecordingText(AskRecordingDetails(fileName)));
}
