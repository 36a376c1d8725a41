#pragma once

#include <stdexcept>
#include <string>

namespace tvx {

// Core code never shows anything: it throws one of these with the exact text
// the user should see, and the app layer shows it through the prompts.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A file that could not be created, opened, read or written.
class FileError : public Error {
public:
    using Error::Error;
};

} // namespace tvx
