// The exit codes of tarvix-cli, shared by its commands and listed in --help.
#pragma once

namespace tarvix::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;        // wrong command line or value; the message says what
inline constexpr int kExitPort = 2;         // the port could not be opened
inline constexpr int kExitTransaction = 3;  // a transaction failed (result text on stderr)
// A file (a configuration or dump file) is missing, too large, fails its checksum, or could
// not be written.
inline constexpr int kExitFile = 4;
// diff: the two configurations differ (as diff(1) says it; a wrong command line also exits
// with 1, its message on standard error).
inline constexpr int kExitDiffer = 1;

}  // namespace tarvix::cli
