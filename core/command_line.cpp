#include "command_line.h"

#include "caption_table.h"
#include "config_template.h"
#include "config_writer.h"
#include "errors.h"
#include "language_table.h"
#include "paths.h"
#include "presets.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <utility>

namespace core {

namespace {

enum Status { kDone = 0, kFailed = 1, kBadInput = 2 };

const char kUsage[] = R"(Usage:
  dravomel                                 start the windows
  dravomel write cps3 FOLDER [OPTIONS]     write FOLDER/EMULATOR.INI for the CPS3 emulator
  dravomel write model2 FOLDER [OPTIONS]   write FOLDER/EMULATOR.INI for the Model 2 emulator
  dravomel check-language FILE             list where each line of a language file is shown
                                           and which lines are missing
  dravomel --help | --version

write starts from the settings window's presets, and each option changes one
choice. Options are also accepted as --name=VALUE. After "--" no argument is
an option, so a FOLDER or FILE may begin with "-".

  both emulators:
    --rom-folder DIR                     an existing folder (preset: FOLDER/roms)
    --software-vertex-processing 0|1     (preset 1)
    --force-managed 0|1                  (preset 0)
  cps3:
    --force-sync 0|1                     (preset 0)
    --filter-tilemaps 0|1                (preset 1)
    --resolution WxH                     640x480 (preset), 800x600, 1024x768,
                                         1152x864 or 1280x1024
  model2:
    --geometrizer 0|1                    (preset 1)
    --wireframe 0|1                      (preset 0)
    --fake-gouraud 0|1                   (preset 0)
    --auto-mip 0|1                       (preset 0)
    --mesh-transparency 0|1              (preset 0)
    --filtering none|bilinear|trilinear  (preset bilinear)
    --filter-tilemaps 0|1                (preset 0; always 0 unless bilinear)

Exit status: 0 done; 1 the file or this output could not be written, or the
language file is incomplete; 2 bad input (an unknown option, a value out of
range, a missing folder or file), and nothing was written.
)";

// Bad input on the command line; nothing has been written.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

CommandResult usage() { return {kDone, kUsage, ""}; }

bool isHelp(const std::string &arg) { return arg == "--help" || arg == "-h"; }

struct ParsedArgs {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options; // name without dashes, value
    bool help = false;
};

// Arguments from `from` on: every option takes a value, as "--name VALUE" or
// "--name=VALUE", and may come before or after the positional arguments.
// After "--" every argument is positional, even one that begins with "-".
ParsedArgs parseArgs(const std::vector<std::string> &args, std::size_t from,
                     const std::vector<std::string> &known, const std::string &command)
{
    ParsedArgs parsed;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--") {
            parsed.positional.insert(parsed.positional.end(), args.begin() + static_cast<long>(i) + 1,
                                     args.end());
            return parsed;
        }
        if (isHelp(arg)) {
            parsed.help = true;
            return parsed;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.compare(0, 2, "--") == 0 ? arg.substr(2, equals - 2) : "";
        if (name.empty() || std::find(known.begin(), known.end(), name) == known.end())
            throw UsageError("unknown option " + arg.substr(0, equals) + " for " + command);
        if (equals != std::string::npos)
            parsed.options.emplace_back(name, arg.substr(equals + 1));
        else if (i + 1 < args.size())
            parsed.options.emplace_back(name, args[++i]);
        else
            throw UsageError("--" + name + " needs a value");
    }
    return parsed;
}

std::string onlyPositional(const ParsedArgs &parsed, const std::string &command,
                           const std::string &what)
{
    if (parsed.positional.empty())
        throw UsageError(command + " needs a " + what);
    if (parsed.positional.size() > 1)
        throw UsageError("unexpected argument '" + parsed.positional[1] + "' for " + command);
    return parsed.positional[0];
}

// The windows only ever hold absolute folders, and the emulator does not run
// from where the script ran, so a relative folder is made absolute.
std::string existingFolder(const std::string &path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (path.empty() || !fs::is_directory(toPath(path), ec))
        throw UsageError("no such folder: " + path);
    return absoluteFolder(path);
}

int zeroOrOne(const std::string &name, const std::string &value)
{
    if (value == "0" || value == "1")
        return value[0] - '0';
    throw UsageError("--" + name + " takes 0 or 1, not '" + value + "'");
}

FullScreenSize listedSize(const std::string &value)
{
    std::string listed;
    for (const FullScreenSize &size : fullScreenSizes()) {
        const std::string text = size.width + "x" + size.height;
        if (value == text)
            return size;
        listed += (listed.empty() ? "" : ", ") + text;
    }
    throw UsageError("--resolution takes one of " + listed + ", not '" + value + "'");
}

FilteringMode filteringMode(const std::string &value)
{
    if (value == "none")
        return FilteringMode::None;
    if (value == "bilinear")
        return FilteringMode::Bilinear;
    if (value == "trilinear")
        return FilteringMode::Trilinear;
    throw UsageError("--filtering takes none, bilinear or trilinear, not '" + value + "'");
}

// A two-entry choice and the option that sets it.
template <typename Choices>
struct Switch {
    const char *option;
    int Choices::*choice;
};

const Switch<Cps3Choices> kCps3Switches[] = {
    {"force-sync", &Cps3Choices::forceSync},
    {"software-vertex-processing", &Cps3Choices::softwareVertexProcessing},
    {"force-managed", &Cps3Choices::forceManaged},
    {"filter-tilemaps", &Cps3Choices::filterTilemaps},
};

const Switch<Model2Choices> kModel2Switches[] = {
    {"geometrizer", &Model2Choices::geometrizer},
    {"software-vertex-processing", &Model2Choices::softwareVertexProcessing},
    {"wireframe", &Model2Choices::wireframe},
    {"fake-gouraud", &Model2Choices::fakeGouraud},
    {"filter-tilemaps", &Model2Choices::filterTilemaps},
    {"force-managed", &Model2Choices::forceManaged},
    {"auto-mip", &Model2Choices::autoMip},
    {"mesh-transparency", &Model2Choices::meshTransparency},
};

template <typename Choices, std::size_t N>
std::vector<std::string> optionNames(const Switch<Choices> (&switches)[N], const char *other)
{
    std::vector<std::string> names{"rom-folder", other};
    for (const Switch<Choices> &s : switches)
        names.push_back(s.option);
    return names;
}

// Sets the choice `option` names, if it is a switch; otherwise returns false.
template <typename Choices, std::size_t N>
bool applySwitch(Choices &choices, const Switch<Choices> (&switches)[N],
                 const std::pair<std::string, std::string> &option)
{
    for (const Switch<Choices> &s : switches) {
        if (option.first == s.option) {
            choices.*s.choice = zeroOrOne(option.first, option.second);
            return true;
        }
    }
    return false;
}

CommandResult written(const std::string &folder)
{
    return {kDone, configurationPath(folder) + " written\n", ""};
}

// Every value is checked before anything is written.
CommandResult writeCps3(const std::vector<std::string> &args)
{
    const std::string command = "write cps3";
    const ParsedArgs parsed = parseArgs(args, 2, optionNames(kCps3Switches, "resolution"), command);
    if (parsed.help)
        return usage();
    const std::string folder = existingFolder(onlyPositional(parsed, command, "FOLDER"));

    Cps3Choices choices = cps3Presets(folder);
    for (const auto &option : parsed.options) {
        if (applySwitch(choices, kCps3Switches, option))
            continue;
        if (option.first == "rom-folder") {
            choices.romFolder = existingFolder(option.second);
        } else {
            const FullScreenSize size = listedSize(option.second);
            choices.fullScreenWidth = size.width;
            choices.fullScreenHeight = size.height;
        }
    }
    ConfigTemplate t = ConfigTemplate::cps3();
    writeCps3Configuration(t, choices, folder);
    return written(folder);
}

CommandResult writeModel2(const std::vector<std::string> &args)
{
    const std::string command = "write model2";
    const ParsedArgs parsed = parseArgs(args, 2, optionNames(kModel2Switches, "filtering"), command);
    if (parsed.help)
        return usage();
    const std::string folder = existingFolder(onlyPositional(parsed, command, "FOLDER"));

    Model2Choices choices = model2Presets(folder);
    FilteringMode mode = FilteringMode::Bilinear;
    for (const auto &option : parsed.options) {
        if (applySwitch(choices, kModel2Switches, option))
            continue;
        if (option.first == "rom-folder")
            choices.romFolder = existingFolder(option.second);
        else
            mode = filteringMode(option.second);
    }
    if (const std::optional<int> held = heldTileMapFilter(mode))
        choices.filterTilemaps = *held;
    ConfigTemplate t = ConfigTemplate::model2();
    setFilteringMode(t, mode);
    writeModel2Configuration(t, choices, folder);
    return written(folder);
}

CommandResult runWrite(const std::vector<std::string> &args)
{
    const std::string emulator = args.size() > 1 ? args[1] : "";
    if (isHelp(emulator))
        return usage();
    if (emulator == "cps3")
        return writeCps3(args);
    if (emulator == "model2")
        return writeModel2(args);
    if (emulator.empty())
        throw UsageError("write needs cps3 or model2, then a FOLDER");
    throw UsageError("unknown emulator '" + emulator + "': write takes cps3 or model2");
}

std::string lineRange(long first, long last)
{
    return first == last ? "line " + std::to_string(first)
                         : "lines " + std::to_string(first) + " to " + std::to_string(last);
}

// One row per line the windows use: where it is shown, then its text.
CommandResult runCheckLanguage(const std::vector<std::string> &args)
{
    const std::string command = "check-language";
    const ParsedArgs parsed = parseArgs(args, 1, {}, command);
    if (parsed.help)
        return usage();
    const std::string path = onlyPositional(parsed, command, "FILE");
    LanguageTable table;
    try {
        table.load(path);
    } catch (const FileOpenError &e) {
        throw UsageError(e.what());
    }
    const long count = static_cast<long>(table.count());

    CommandResult result;
    for (long n = 0; n < kLanguageLinesUsed; ++n) {
        std::string where;
        for (const std::string &use : usesOfLine(n))
            where += (where.empty() ? "" : "; ") + use;
        if (where.empty())
            where = "not shown, keeps the numbering";
        result.out += (n < 10 ? " " : "") + std::to_string(n) + "  " + where + ": "
                      + (n < count ? "\"" + table.line(n) + "\"" : "MISSING") + "\n";
    }
    if (count < kLanguageLinesUsed) {
        result.status = kFailed;
        result.out += path + ": incomplete, " + lineRange(count, kLanguageLinesUsed - 1)
                      + (count + 1 == kLanguageLinesUsed ? " is" : " are") + " missing\n";
    } else {
        result.out += path + ": complete";
        if (count > kLanguageLinesUsed)
            result.out += "; " + lineRange(kLanguageLinesUsed, count - 1) + " not used";
        result.out += "\n";
    }
    return result;
}

CommandResult help(const std::vector<std::string> &) { return usage(); }

CommandResult version(const std::vector<std::string> &)
{
    return {kDone, "dravomel " DRAVOMEL_VERSION "\n", ""};
}

// The command line's own words: a first argument that is none of them is no
// command.
const struct {
    const char *word;
    CommandResult (*run)(const std::vector<std::string> &args);
} kCommands[] = {
    {"--help", help}, {"-h", help}, {"--version", version}, {"write", runWrite}, {"check-language", runCheckLanguage},
};

} // namespace

bool isCommandLineRun(const std::vector<std::string> &args, bool fromConsole)
{
    if (args.empty())
        return false;
    for (const auto &command : kCommands)
        if (args[0] == command.word)
            return true;
    return fromConsole;
}

CommandResult runCommandLine(const std::vector<std::string> &args)
{
    const std::string command = args.empty() ? "" : args[0];
    try {
        for (const auto &known : kCommands)
            if (command == known.word)
                return known.run(args);
        throw UsageError("unknown command '" + command + "'; see dravomel --help");
    } catch (const UsageError &e) {
        return {kBadInput, "", "dravomel: " + std::string(e.what()) + "\n"};
    } catch (const std::exception &e) {
        return {kFailed, "", "dravomel: " + std::string(e.what()) + "\n"};
    }
}

int printCommandResult(const CommandResult &result, std::FILE *out, std::FILE *err)
{
    const bool written = std::fwrite(result.out.data(), 1, result.out.size(), out) == result.out.size()
        && std::fflush(out) == 0 && !std::ferror(out);
    const int writeErr = errno;
    std::fputs(result.err.c_str(), err);
    if (written)
        return result.status;
    std::fprintf(err, "dravomel: cannot write the output: %s\n", std::strerror(writeErr));
    std::fflush(err);
    return kFailed;
}

} // namespace core
