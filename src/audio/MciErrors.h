#pragma once

// Device error numbers reported through MediaControl::error() and the command-string
// interface; MediaError carries 30000 plus one of them.
namespace MciError {
constexpr int None = 0;
constexpr int UnrecognizedCommand = 261;
constexpr int DeviceNotOpen = 263; // "The device is not open or is not known."
constexpr int CannotLoadDriver = 266;
constexpr int FileNotFound = 275;
constexpr int OutOfRange = 282;
constexpr int InvalidFile = 304;
constexpr int FileRead = 348;
constexpr int MissingParameter = 417;
} // namespace MciError
