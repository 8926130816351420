#pragma once
// An unexpected failure: the user is told its number and what went wrong, then the program ends.
#include <QString>
#include <functional>

namespace platform {

enum FailureNumber { FileNotFound = 53, InvalidPicture = 481 };

[[noreturn]] void reportUnexpectedFailure(int number, const QString& description);

// Tests replace the message box and the exit (a replacement must throw or end the program).
using FailureHandler = std::function<void(int number, const QString& description)>;
void setFailureHandler(FailureHandler handler);

}  // namespace platform
