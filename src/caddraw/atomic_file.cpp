// Writes a file for the user atomically: a temporary file in the same folder, then a rename.
#include "caddraw/atomic_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace brevant {

namespace {

std::string Reason(int error_number, const char* fallback) {
    return error_number != 0 ? std::generic_category().message(error_number) : fallback;
}

std::string Failure(const std::string& path, const std::string& reason) {
    return "Cannot write \"" + path + "\": " + reason;
}

bool OpenForWriting(std::ofstream& out, const std::string& path, int& error_number) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        errno = 0;
        out.open(path, std::ios::binary | std::ios::trunc);
        if (out.is_open()) return true;
        error_number = errno;
        out.clear();
    }
    return false;
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write,
                         std::string& error) {
    const std::string temporary = path + ".tmp~";
    std::error_code ignored;
    std::ofstream out;
    int error_number = 0;
    if (!OpenForWriting(out, temporary, error_number)) {
        error = Failure(path, Reason(error_number, "the file cannot be created"));
        return false;
    }
    errno = 0;
    write(out);
    out.flush();
    error_number = errno;
    const bool written = static_cast<bool>(out);
    out.close();
    if (!written || out.fail()) {
        if (error_number == 0) error_number = errno;
        std::filesystem::remove(temporary, ignored);
        error = Failure(path, Reason(error_number, "the data could not be written"));
        return false;
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        std::filesystem::remove(temporary, ignored);
        error = Failure(path, renamed.message());
        return false;
    }
    return true;
}

} // namespace brevant
