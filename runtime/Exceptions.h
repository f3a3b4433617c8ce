#pragma once
// The one error base of the program: every failure is an Exception carrying its message.
#include <exception>
#include <string>

namespace velkaro {

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message);
    const std::wstring& Message() const noexcept { return message_; }
    // The message in UTF-8, for logs and test output.
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::wstring message_;
    std::string utf8_;
};

// A text that does not convert to the requested type.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A variant whose content cannot become the requested kind.
class EVariantError : public Exception {
public:
    using Exception::Exception;
};

class EDivByZero : public Exception {
public:
    EDivByZero() : Exception(L"Division by zero") {}
};

class EIntOverflow : public Exception {
public:
    EIntOverflow() : Exception(L"Integer overflow") {}
};

// Ends the current operation without a report.
class EAbort : public Exception {
public:
    EAbort() : Exception(L"Operation aborted") {}
};

} // namespace velkaro
