#pragma once
#include <stdexcept>
#include <string>

namespace brenvoll {

// An error the user is told about in an error box. The message is Windows-1251 text, like all program text;
// what() gives the same bytes.
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& cp1251Message) : std::runtime_error(cp1251Message) {}
    std::string message() const { return what(); }
};

// A file that is missing or cannot be read or written; the message names the file.
class FileError : public AppError {
public:
    using AppError::AppError;
};

// A text that should hold a number and does not.
class ConversionError : public AppError {
public:
    using AppError::AppError;
};

}  // namespace brenvoll
