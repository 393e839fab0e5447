#pragma once
// An emulator's configuration file held as numbered lines. Each settings
// window owns one copy for the whole run; lines are replaced whole, in place,
// and the whole list is saved.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace core {

class ConfigTemplate {
public:
    // Fresh copies of the built-in files, as an emulator ships them.
    static ConfigTemplate cps3();
    static ConfigTemplate model2();

    std::size_t count() const { return lines_.size(); }
    // Both throw ListIndexError when there is no line `n`.
    const std::string &line(std::size_t n) const;
    void replace(std::size_t n, std::string text);
    const std::vector<std::string> &lines() const { return lines_; }

private:
    explicit ConfigTemplate(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::vector<std::string> lines_;
};

} // namespace core
