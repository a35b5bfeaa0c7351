#pragma once

#include "audio/MciErrors.h"

#include <QString>

// Device error numbers that only the command-string interface reports.
namespace MciError {
constexpr int UnrecognizedKeyword = 259;
constexpr int ParameterOverflow = 268; // the reply does not fit the caller's buffer
constexpr int ParameterRequired = 273;
constexpr int UnsupportedFunction = 274;
constexpr int DuplicateAlias = 289;
constexpr int MissingDeviceName = 292;
constexpr int NoClosingQuote = 294;
} // namespace MciError

// Sends one command string to a wave audio device of its own (independent of the
// media control) and returns 0 on success or an MciError number. Understood commands:
//   open waveaudio!FILE alias NAME   FILE runs up to the last " alias "; it may be quoted
//   status NAME channels|samplespersec|bitspersample|codec|length
//                (length in milliseconds; codec: the codec's name, for compressed files)
//   close NAME
// The command word, the device type, the alias and the status item ignore case. A reply
// is decimal text, or the codec's name; it must fit replyLength characters including a
// terminating zero, as in a caller's character buffer. reply may be null; it is emptied
// when there is none. Devices stay open until closed; use from one thread only.
int mciSendString(const QString& command, QString* reply, int replyLength);
