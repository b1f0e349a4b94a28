// Errors raised by the class-library layer. Message is the text the setup
// program shows in its error boxes, so it is exactly what the user reads.
#pragma once

#include <exception>
#include <utility>

#include "ansi_string.h"

class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    AnsiString Message;
};

// A list index outside the list.
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

// A key of a settings file that could not be written.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// A registry value of the wrong kind, or one that could not be read or written.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// Errors of the data-access classes themselves (unknown field, no result set).
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

// An error reported by the database driver: Message is the driver's own text.
class EDBEngineError : public EDatabaseError {
public:
    EDBEngineError(AnsiString message, AnsiString sqlState, long nativeError)
        : EDatabaseError(std::move(message)), SqlState(std::move(sqlState)),
          NativeError(nativeError)
    {
    }

    AnsiString SqlState;  // five-character ODBC state, "" when the driver gave none
    long NativeError;     // the engine's own error code
};
