// The one writer of user files: many writers of one target leave one complete file, a link or
// file planted at a temporary name is never written through, and every failure leaves the old
// file and no temporary file behind.
#include "core/atomic_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using brevant::WriteFileAtomically;

namespace {

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / ("brevant-atomic-" + std::string(info->name()) + "-" +
                                               std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The names in the folder, links included.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.insert(entry.path().filename().string());
        return names;
    }

    fs::path folder_;
};

// A file of its own for each writer: its number repeated, in a length of its own, so a mixture
// or a cut-off file matches none of them.
std::string ContentOf(int writer) {
    std::string text = "writer " + std::to_string(writer) + "\n";
    while (text.size() < 150000 + 997 * static_cast<std::size_t>(writer))
        text += "line of writer " + std::to_string(writer) + "\n";
    return text;
}

TEST_F(AtomicFile, SixteenWritersOfOneTargetLeaveOneCompleteFile) {
    constexpr int kWriters = 16;
    const std::string target = PathOf("part.dxf");
    Write(target, "the old file");
    for (int round = 0; round < 3; ++round) {
        std::vector<std::string> reasons(kWriters);
        std::vector<int> written(kWriters, 0);
        std::vector<std::thread> writers;
        for (int w = 0; w < kWriters; ++w)
            writers.emplace_back([&, w] {
                const std::string text = ContentOf(w);
                // Small pieces, so the writers' data interleave in time.
                written[w] = WriteFileAtomically(
                    target,
                    [&](std::ostream& out) {
                        for (std::size_t at = 0; at < text.size(); at += 4096)
                            out << std::string_view(text).substr(at, 4096);
                    },
                    reasons[w]);
            });
        for (std::thread& t : writers)
            t.join();
        for (int w = 0; w < kWriters; ++w)
            EXPECT_TRUE(written[w]) << "writer " << w << ": " << reasons[w];
        const std::string result = Read(target);
        bool matches = false;
        for (int w = 0; w < kWriters; ++w)
            matches = matches || result == ContentOf(w);
        EXPECT_TRUE(matches) << "round " << round << ": a file of " << result.size()
                             << " bytes that no writer wrote";
        EXPECT_EQ(Entries(), std::set<std::string>{"part.dxf"}) << "a temporary file was left";
    }
}

// The names a test hands the writer, one per attempt; past the list the name is empty, which
// ends the write.
brevant::TemporaryNames NamesFrom(std::vector<std::string> names, std::vector<int>* asked) {
    return [names = std::move(names), asked](const std::string&, int attempt) {
        if (asked) asked->push_back(attempt);
        return attempt < static_cast<int>(names.size()) ? names[attempt] : std::string();
    };
}

TEST_F(AtomicFile, LinksPlantedAtTemporaryNamesAreNeverWrittenThrough) {
    const std::string target = PathOf("part.dxf");
    const std::string victim = PathOf("victim.txt");
    Write(target, "old");
    Write(victim, "precious");
    fs::create_symlink(victim, target + ".tmp~");
    fs::create_symlink(victim, PathOf("next.tmp~"));
    fs::create_symlink(PathOf("made-through-a-link"), PathOf("dangling.tmp~"));
    std::vector<int> asked;
    std::string reason;
    ASSERT_TRUE(WriteFileAtomically(
        target, [](std::ostream& out) { out << "new"; }, reason,
        NamesFrom({"part.dxf.tmp~", "next.tmp~", "dangling.tmp~", "free.tmp~"}, &asked)))
        << reason;
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Read(target), "new");
    EXPECT_EQ(Read(victim), "precious");
    EXPECT_FALSE(fs::exists(PathOf("made-through-a-link")));
    for (const char* link : {"part.dxf.tmp~", "next.tmp~", "dangling.tmp~"})
        EXPECT_TRUE(fs::is_symlink(PathOf(link))) << link;
    EXPECT_FALSE(fs::exists(PathOf("free.tmp~")));

    // When every name is taken the write fails cleanly: nothing is written anywhere.
    Write(PathOf("plain.tmp~"), "someone else's");
    EXPECT_FALSE(WriteFileAtomically(
        target, [](std::ostream& out) { out << "newer"; }, reason,
        NamesFrom({"part.dxf.tmp~", "next.tmp~", "plain.tmp~"}, nullptr)));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(Read(target), "new");
    EXPECT_EQ(Read(victim), "precious");
    EXPECT_EQ(Read(PathOf("plain.tmp~")), "someone else's");
    // The default names are tried past a link at the old fixed name.
    ASSERT_TRUE(WriteFileAtomically(target, "newest", reason)) << reason;
    EXPECT_EQ(Read(target), "newest");
    EXPECT_EQ(Read(victim), "precious");
}

TEST_F(AtomicFile, ALinkAtTheTargetIsWrittenThroughAndStays) {
    fs::create_directory(folder_ / "real");
    const std::string real = PathOf("real/drawing.dxf");
    Write(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, PathOf("view.dxf"));
    std::string reason;
    ASSERT_TRUE(WriteFileAtomically(PathOf("view.dxf"), "new", reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(PathOf("view.dxf")));
    EXPECT_EQ(Read(real), "new");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::mask,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "real"), {}), 1);
}

TEST_F(AtomicFile, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    struct Case {
        const char* name;
        std::function<void(std::ostream&)> write;
        const char* reason; // a part of the reason
    };
    const Case cases[] = {
        {"stream failure",
         [](std::ostream& out) {
             out << "half";
             out.setstate(std::ios::badbit);
         },
         "could not be written"},
        {"exception", [](std::ostream&) -> void { throw std::runtime_error("out of paper"); },
         "out of paper"},
    };
    const std::string target = PathOf("keep.pdf");
    for (const Case& c : cases) {
        Write(target, "old contents");
        std::string reason;
        EXPECT_FALSE(WriteFileAtomically(target, c.write, reason)) << c.name;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.name << ": " << reason;
        EXPECT_EQ(Read(target), "old contents") << c.name;
        EXPECT_EQ(Entries(), std::set<std::string>{"keep.pdf"}) << c.name;
    }
    // Neither a folder nor a missing folder is a target.
    fs::create_directory(folder_ / "folder.pdf");
    std::string reason;
    EXPECT_FALSE(WriteFileAtomically(PathOf("folder.pdf"), "x", reason));
    EXPECT_EQ(reason, "it is a folder");
    EXPECT_FALSE(WriteFileAtomically(PathOf("none/x.pdf"), "x", reason));
    EXPECT_NE(reason.find("No such file"), std::string::npos) << reason;
    // A name source that gives a name outside the folder is refused, not followed.
    EXPECT_FALSE(WriteFileAtomically(
        target, [](std::ostream& out) { out << "x"; }, reason,
        NamesFrom({"../escape.tmp~"}, nullptr)));
    EXPECT_FALSE(fs::exists(folder_.parent_path() / "escape.tmp~"));
}

// The disk refusing more data: a file size limit makes the writes fail the way a full disk does.
TEST_F(AtomicFile, TheSystemRefusingDataIsReportedWithItsReason) {
    const std::string target = PathOf("big.dxf");
    Write(target, "old");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 100000;
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string reason;
    const bool written = WriteFileAtomically(target, std::string(300000, 'x'), reason);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(reason, std::generic_category().message(EFBIG));
    EXPECT_EQ(Read(target), "old");
    EXPECT_EQ(Entries(), std::set<std::string>{"big.dxf"});
}

TEST_F(AtomicFile, DefaultNamesAreUniqueAndFitAFileName) {
    const std::string longName(250, 'n');
    const std::string a = brevant::RandomTemporaryName(longName, 0);
    const std::string b = brevant::RandomTemporaryName(longName, 0);
    EXPECT_NE(a, b);
    EXPECT_LE(a.size(), 255u);
    EXPECT_TRUE(a.ends_with(".tmp~"));
    EXPECT_EQ(brevant::RandomTemporaryName("part.dxf", 0).rfind("part.dxf.", 0), 0u);
    // A target whose name leaves no room for a suffix is still written.
    std::string reason;
    ASSERT_TRUE(WriteFileAtomically(PathOf(longName), "long", reason)) << reason;
    EXPECT_EQ(Read(PathOf(longName)), "long");
    EXPECT_EQ(Entries(), std::set<std::string>{longName});
}

} // namespace
