// Each piece of work the program does on a large input or on the disk, timed
// beside the plain system calls that do the same work: the ratio between the
// two says how much the program adds.
#include "config_writer.h"
#include "folder_list.h"
#include "language_table.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const long kLanguageLines = 1000000;
const int kSubfolders = 100000;

// One figure the program must stay close to its floor on.
struct Pair {
    std::string title, ours, floor;
    double goal;
};

std::vector<Pair> &pairs()
{
    static std::vector<Pair> all;
    return all;
}

// Scratch folders: one on a disk, for the flushes; one in memory where
// there is such a file system, since making 100,000 folders on a disk takes
// minutes and the listing reads cached entries either way.
std::string scratch, memoryScratch;

std::string makeScratch(const std::string &base)
{
    std::string pattern = base + "/dravomel-bench.XXXXXX";
    if (!::mkdtemp(&pattern[0]))
        throw std::runtime_error("cannot make a scratch folder in " + base);
    return pattern;
}

// Disk flushes and page-cache reads are waited for, not computed: wall time.
template <typename Body>
void add(const std::string &name, Body body)
{
    benchmark::RegisterBenchmark(name.c_str(), body)->Unit(benchmark::kMillisecond)->UseRealTime();
}

std::string readAll(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path);
    struct stat info;
    ::fstat(fd, &info);
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, &bytes[done], bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

void writeAndSync(const std::string &path, const std::string &bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())
        || ::fsync(fd) != 0 || ::close(fd) != 0)
        throw std::runtime_error("cannot write " + path);
}

// Language lines of the lengths a real file has, in French and English.
std::string languageFile()
{
    const std::string path = scratch + "/LNGFILE";
    std::ofstream out(path, std::ios::binary);
    const char *const samples[] = {"Choix de l'\xc3\xa9mulateur", "Configurer le CPS3",
                                   "Dossier des ROMs", "Enregistrer", "Quitter",
                                   "Choose the emulator to configure", "OK", ""};
    for (long i = 0; i < kLanguageLines; ++i)
        out << samples[i % 8] << ' ' << i << "\r\n";
    return path;
}

void registerLanguageLoad()
{
    const std::string path = languageFile();
    add("language load", [path](benchmark::State &state) {
        for (auto _ : state) {
            core::LanguageTable table;
            table.load(path);
            benchmark::DoNotOptimize(table.count());
        }
    });
    add("read the file", [path](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(readAll(path).size());
    });
    pairs().push_back({"language load (1,000,000 lines)", "language load", "read the file", 3.0});
}

void registerSave()
{
    const std::string folder = scratch + "/cps3";
    fs::create_directory(folder);
    core::Cps3Choices choices;
    choices.romFolder = folder + "/roms";
    choices.forceSync = 1;
    choices.softwareVertexProcessing = 0;
    choices.forceManaged = 1;
    choices.filterTilemaps = 0;
    choices.fullScreenWidth = "1024";
    choices.fullScreenHeight = "768";
    core::ConfigTemplate cps3 = core::ConfigTemplate::cps3();
    core::writeCps3Configuration(cps3, choices, folder);
    const std::string path = core::configurationPath(folder);
    const std::string bytes = readAll(path);

    add("save EMULATOR.INI", [=](benchmark::State &state) {
        core::ConfigTemplate t = core::ConfigTemplate::cps3();
        for (auto _ : state)
            core::writeCps3Configuration(t, choices, folder);
    });
    add("write + fsync", [=](benchmark::State &state) {
        for (auto _ : state)
            writeAndSync(path, bytes);
    });
    pairs().push_back({"save EMULATOR.INI", "save EMULATOR.INI", "write + fsync", 1.5});
}

// The floor: every entry that is a folder, names sorted.
std::vector<std::string> readdirSorted(const std::string &folder)
{
    std::vector<std::string> names;
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        throw std::runtime_error("cannot open " + folder);
    while (const dirent *entry = ::readdir(dir))
        if (entry->d_type == DT_DIR && std::strcmp(entry->d_name, ".") != 0
            && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

void registerFolderList()
{
    const std::string folder = memoryScratch;
    for (int i = 0; i < kSubfolders; ++i)
        fs::create_directory(folder + "/Folder " + std::to_string(i));

    add("folder list", [folder](benchmark::State &state) {
        FolderListWidget list;
        list.resize(250, 300);
        list.show();
        for (auto _ : state) {
            list.setDirectory(folder);
            list.repaint();  // laid out and drawn, as a user sees it open
        }
    });
    add("readdir + sort", [folder](benchmark::State &state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(readdirSorted(folder).size());
    });
    pairs().push_back({"folder list (100,000 subfolders)", "folder list", "readdir + sort", 3.0});
}

// Prints as usual, and keeps each benchmark's median for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(::isatty(1) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run> &reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run &run : reports)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char **argv)
{
    // The folder list is a widget: it needs an application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Defaults that the command line may override: alternating repetitions,
    // and only their summaries printed.
    std::vector<char *> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=9";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {repetitions, interleave, aggregates});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;

    RatioReporter reporter;
    bool failed = false;
    try {
        const char *tmp = std::getenv("TMPDIR");
        scratch = makeScratch(tmp && *tmp ? tmp : "/tmp");
        std::error_code ec;
        memoryScratch = makeScratch(fs::is_directory("/dev/shm", ec) ? "/dev/shm" : scratch);
        registerLanguageLoad();
        registerSave();
        registerFolderList();
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "dravomel_bench: %s\n", e.what());
        failed = true;
    }
    benchmark::Shutdown();
    for (const std::string &folder : {memoryScratch, scratch})
        if (!folder.empty())
            fs::remove_all(folder);

    std::printf("\n");
    for (const Pair &p : pairs()) {
        if (!reporter.medians.count(p.ours) || !reporter.medians.count(p.floor))
            continue;
        std::printf("%-34s ratio %5.2f  (goal <= %.1f)\n", p.title.c_str(),
                    reporter.medians[p.ours] / reporter.medians[p.floor], p.goal);
    }
    return failed ? 1 : 0;
}
