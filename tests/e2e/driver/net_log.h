#pragma once
// The records that the stand-in net.exe appends: one per start, holding the exact
// command line it was given.
//
// Under Wine 8, ShellExecuteExA(verb "open", file "net", parameters P) starts the
// net.exe beside the launching program with the command line
//     "net" P
// that is: the file name as given, in double quotes, one blank, then P byte for byte
// (blanks at either end, quotes, %, &, ^, |, < and > all untouched). The case
// harness.shell_command_line checks this on the machine at hand.
#include <string>
#include <vector>

namespace e2e {

std::string expectedNetCommandLine(const std::string& parameters);

// All records so far; a missing log is no records. A malformed log fails the case.
std::vector<std::string> readNetRecords(const std::string& path);

// Waits until no stand-in is running any more, so that every start made so far has
// written its record.
void waitForStubsToFinish();

// Waits for at least `count` records, then for the stand-ins to finish, and returns
// every record: a count above `count` shows up to the caller.
std::vector<std::string> waitForNetRecords(const std::string& path, std::size_t count);

}  // namespace e2e
