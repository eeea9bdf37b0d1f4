#pragma once
// The scenarios run as a list of named steps; a failed check ends the scenario
// with the name of the step that went wrong and what was seen instead.
#include <stdexcept>
#include <string>

namespace zc::e2e {

// How long a step waits for a program to react: under Wine on a busy machine
// a window can take many seconds to appear or to answer.
inline constexpr unsigned long kPatienceMs = 90000;

struct StepFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Names the step that the following checks belong to and prints it as progress.
void Step(const std::string& name);

// Ends the scenario with the current step's name and the detail unless ok.
void Require(bool ok, const std::string& detail);

// Requires that the actual text equals the expected one, quoting both on failure.
void RequireText(const std::string& actual, const std::string& expected, const std::string& what);

// Prints the CR LF separated lines of a text under a title, as progress.
void PrintLines(const std::string& title, const std::string& text);

// GBK program text as UTF-8 for the terminal.
std::string Utf8Of(const std::string& gbk);

} // namespace zc::e2e
