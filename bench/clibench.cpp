// Times the command line's batch subcommand on generated lists of every input format, beside
// the time `wc -l` takes to read the same file, and compares the peak memory of a run over
// 100,000 records with one over 1,000,000 (reading streams, so only the set of code names
// grows). Every figure comes from a fresh process of the real program:
//   spawnsmith_clibench [records]     default 100000; the memory row uses ten times as many

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Format {
    const char* name;
    const char* extension;
    // Writes the file's header, if any, and then record i.
    void (*header)(std::ofstream&);
    void (*record)(std::ofstream&, long);
    bool namedByTemplate;
};

const Format formats[] = {
    {"xyz", "txt", [](std::ofstream&) {},
     [](std::ofstream& out, long i) { out << 1000 + i % 997 << ".5, -1687.4, 13.52\n"; }, true},
    {"csv", "csv", [](std::ofstream& out) { out << "name,x,y,z\n"; },
     [](std::ofstream& out, long i) { out << "p" << i << ",2495.09,-1687.4,13.52\n"; }, false},
    {"tsv", "tsv", [](std::ofstream& out) { out << "name\tx\ty\tz\n"; },
     [](std::ofstream& out, long i) { out << "p" << i << "\t2495.09\t-1687.4\t13.52\n"; }, false},
    {"toml", "toml", [](std::ofstream& out) { out << "[places]\n"; },
     [](std::ofstream& out, long i) {
         out << "\"Place " << i << "\" = \"0, 2495.09, -1687.4, 13.52\"\n";
     },
     false},
};

struct Run {
    double seconds;
    double cpuSeconds; // user and system: what a shared machine's load moves least
    double peakMegabytes;
};

// Runs a program with standard output and standard error sent to /dev/null.
Run run(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return {took.count(), seconds(usage.ru_utime) + seconds(usage.ru_stime),
            double(usage.ru_maxrss) / 1024.0};
}

// The fastest of a few runs: the machine is shared, and the least disturbed run is the one
// that shows what the program itself costs.
Run best(const std::vector<std::string>& arguments, int runs = 5) {
    Run fastest = run(arguments);
    for (int i = 1; i < runs; ++i) {
        const Run next = run(arguments);
        if (next.seconds < fastest.seconds)
            fastest = next;
    }
    return fastest;
}

std::string writeList(const std::filesystem::path& folder, const Format& format, long records) {
    const std::filesystem::path path =
        folder / (std::string(format.name) + std::to_string(records) + "." + format.extension);
    std::ofstream out(path);
    format.header(out);
    for (long i = 1; i <= records; ++i)
        format.record(out, i);
    return path.string();
}

std::vector<std::string> batch(const Format& format, const std::string& file) {
    std::vector<std::string> arguments = {
        SPAWNSMITH_CLIBENCH_PROGRAM, "batch",  file, "--game", "vc", "--row",
        "Rocket Launcher",           "--ammo", "50"};
    if (format.namedByTemplate) {
        arguments.emplace_back("--name");
        arguments.emplace_back("p{n}");
    }
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    const long records = argc > 1 ? std::atol(argv[1]) : 100000;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("spawnsmith-clibench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::printf("%-6s %8s %8s %8s %8s %8s %13s %14s %16s\n", "format", "records", "batch s",
                "cpu s", "wc -l s", "cpu s", "peak MB (1x)", "peak MB (10x)", "bytes per record");
    for (const Format& format : formats) {
        const std::string small = writeList(folder, format, records);
        const std::string large = writeList(folder, format, records * 10);
        const Run timed = best(batch(format, small));
        const Run counted = best({"wc", "-l", small});
        const Run grown = best(batch(format, large), 1);
        // What each record beyond the first list's adds to the peak: the set of code names.
        const double perRecord =
            (grown.peakMegabytes - timed.peakMegabytes) * 1048576.0 / double(records * 9);
        std::printf("%-6s %8ld %8.3f %8.3f %8.3f %8.3f %13.1f %14.1f %16.0f\n", format.name,
                    records, timed.seconds, timed.cpuSeconds, counted.seconds, counted.cpuSeconds,
                    timed.peakMegabytes, grown.peakMegabytes, perRecord);
        std::filesystem::remove(small);
        std::filesystem::remove(large);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
