#pragma once
// The error kinds of the program. Every error carries the message the user may see;
// the windows either show it as it stands or replace it with a fixed message.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& mensagem) : std::runtime_error(mensagem) {}
    std::string Message() const { return what(); }
};

// Text that is not a number (or not an integer) where one was needed.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An object of the wrong class handed to an operation that needs another.
class EInvalidCast : public Exception {
public:
    using Exception::Exception;
};

// An operation that a class does not provide.
class EAbstractError : public Exception {
public:
    using Exception::Exception;
};

// Reading or writing a file failed.
class EInOutError : public Exception {
public:
    explicit EInOutError(const std::string& mensagem, int codigo = 0) : Exception(mensagem), ErrorCode(codigo) {}
    // The system's error number (errno) of the failure; 0 when it came from elsewhere.
    int ErrorCode;
};

// Floating-point failures: they replace the infinities and NaNs the hardware would give.
class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    using EMathError::EMathError;
};

class EInvalidOp : public EMathError {
public:
    using EMathError::EMathError;
};

class EOverflow : public EMathError {
public:
    using EMathError::EMathError;
};
