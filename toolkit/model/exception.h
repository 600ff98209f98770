#pragma once
#include <exception>
#include <string>
#include <utility>

namespace quillcast {

// The error every part of the program raises: a message for the user, in ANSI text.
// What escapes an event handler is shown in an error box and the program carries on.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// The silent kind: it unwinds a handler and is dropped without a word.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

}  // namespace quillcast
