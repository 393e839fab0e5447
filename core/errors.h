#pragma once
// Typed errors raised by the core. Each carries a message a user can read;
// the UI shows it once in the error box and carries on.
#include <stdexcept>
#include <string>

namespace core {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that had to be read could not be opened.
class FileOpenError : public Error {
public:
    explicit FileOpenError(const std::string &path);
    const std::string &path() const { return path_; }
private:
    std::string path_;
};

// A file that had to be written could not be created.
class FileCreateError : public Error {
public:
    FileCreateError(const std::string &path, const std::string &reason);
    const std::string &path() const { return path_; }
private:
    std::string path_;
};

// Writing to a created file failed part way.
class WriteError : public Error {
public:
    WriteError(const std::string &path, const std::string &reason);
    const std::string &path() const { return path_; }
private:
    std::string path_;
};

// A numbered line that does not exist was asked for.
class ListIndexError : public Error {
public:
    explicit ListIndexError(long index);
    long index() const { return index_; }
private:
    long index_;
};

// The stored settings could not be read as expected.
class RegistryError : public Error {
public:
    using Error::Error;
};

} // namespace core
