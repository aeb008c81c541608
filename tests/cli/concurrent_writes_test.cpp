// Sixteen brevant-cli runs writing the same flat-pattern DXF at once, each of a different part:
// the file afterwards is the complete output of one of them, and no temporary file is left.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 16;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Starts the CLI writing the offset reducer of the given height (mm) to target.
pid_t StartRun(int height, const fs::path& target) {
    std::vector<std::string> args = {BREVANT_CLI_PATH,
                                     "--type",
                                     "cone",
                                     "--units",
                                     "mm",
                                     std::string(BREVANT_SOURCE_DIR) +
                                         "/examples/offset-reducer.layout",
                                     "--set",
                                     "ConeHeight=" + std::to_string(height),
                                     "--flat-cad",
                                     target.string()};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    return ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

int Finish(pid_t pid) {
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ConcurrentWrites, SixteenRunsWritingOneFileLeaveOneCompleteOutput) {
    const fs::path dir =
        fs::temp_directory_path() / ("brevant-concurrent-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "alone");
    // What each run writes when it runs alone.
    std::vector<std::string> outputs;
    for (int i = 0; i < kRuns; ++i) {
        const fs::path alone = dir / "alone" / (std::to_string(i) + ".dxf");
        ASSERT_EQ(Finish(StartRun(300 + i, alone)), 0);
        outputs.push_back(Read(alone));
        ASSERT_GT(outputs.back().size(), 10000u);
    }
    const fs::path target = dir / "part.dxf";
    for (int round = 0; round < 3; ++round) {
        std::vector<pid_t> runs;
        for (int i = 0; i < kRuns; ++i)
            runs.push_back(StartRun(300 + i, target));
        for (pid_t pid : runs)
            EXPECT_EQ(Finish(pid), 0);
        const std::string result = Read(target);
        EXPECT_NE(std::find(outputs.begin(), outputs.end(), result), outputs.end())
            << "round " << round << ": a file of " << result.size() << " bytes no run wrote";
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"alone", "part.dxf"}));
    }
    fs::remove_all(dir);
}

} // namespace
