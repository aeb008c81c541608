// Runs brevant-cli and measures the DXF it wrote with an independent reader (ezdxf under
// Debian's own Python), for the tests that check a written pattern from the outside.
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace brevant::testing {

// Debian's python3-ezdxf belongs to the system interpreter, not to one first on PATH.
inline constexpr const char* kSystemPython = "/usr/bin/python3";

// What a shell command printed on its standard output.
inline std::string CaptureOutput(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return out;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
        out.append(buf.data(), n);
    pclose(p);
    return out;
}

// A folder of its own per test, the measuring script written into it, and the two runs.
class ExternalDxfTest : public ::testing::Test {
protected:
    // script: Python that reads the DXF named by its first argument and prints one JSON object.
    explicit ExternalDxfTest(std::string script) : script_(std::move(script)) {}

    void SetUp() override {
        const std::string probe = std::string(kSystemPython) + " -c 'import ezdxf' 2>/dev/null";
        if (std::system(probe.c_str()) != 0) GTEST_SKIP() << "no ezdxf for " << kSystemPython;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("brevant-dxf-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        std::ofstream(dir_ / "measure.py") << script_;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    // A path in the test's folder.
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    // Runs the CLI with the arguments (shell words, already quoted where needed) and --json;
    // a discarded value when it printed no JSON.
    nlohmann::json RunCli(const std::string& args) const {
        return nlohmann::json::parse(
            CaptureOutput(std::string("'") + BREVANT_CLI_PATH + "' " + args + " --json"), nullptr,
            false);
    }
    // What the script printed for the DXF at path; a discarded value when it failed.
    nlohmann::json Measure(const std::string& path) const {
        return nlohmann::json::parse(CaptureOutput(std::string(kSystemPython) + " '" +
                                                   PathOf("measure.py") + "' '" + path + "'"),
                                     nullptr, false);
    }

private:
    std::string script_;
    std::filesystem::path dir_;
};

} // namespace brevant::testing
