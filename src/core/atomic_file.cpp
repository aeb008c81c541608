// Atomic writes through a temporary file beside the target.
#include "core/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace brevant {

namespace fs = std::filesystem;

namespace {

std::string Reason(int errorNumber, const char* fallback) {
    return errorNumber != 0 ? std::generic_category().message(errorNumber) : fallback;
}

// The file that is really replaced: a symbolic link is followed so the link survives.
fs::path ResolveTarget(const fs::path& target) {
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        fs::path real = fs::weakly_canonical(target, ec);
        if (!ec) return real;
    }
    return target;
}

// An existing target must be a regular file the user may write: a file made read-only stays
// as it is, as with any other failed write.
bool TargetAccepts(const fs::path& target, const fs::file_status& st, std::string& reason) {
    if (!fs::exists(st)) return true;
    if (!fs::is_regular_file(st)) {
        reason = fs::is_directory(st) ? "it is a folder" : "not a regular file";
        return false;
    }
    if (::access(target.c_str(), W_OK) != 0) {
        reason = Reason(errno, "the file is not writable");
        return false;
    }
    return true;
}

bool OpenForWriting(std::ofstream& out, const fs::path& path, int& errorNumber) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        errno = 0;
        out.open(path, std::ios::binary | std::ios::trunc);
        if (out.is_open()) return true;
        errorNumber = errno;
        out.clear();
    }
    return false;
}

// The data reaches the disk before the rename makes it the file.
bool SyncFile(const fs::path& path, int& errorNumber) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        errorNumber = errno;
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    if (!synced) errorNumber = errno;
    ::close(fd);
    return synced;
}

bool WriteTemporary(const fs::path& temp, const std::function<void(std::ostream&)>& write,
                    std::string& reason) {
    std::ofstream out;
    int errorNumber = 0;
    if (!OpenForWriting(out, temp, errorNumber)) {
        reason = Reason(errorNumber, "the file cannot be created");
        return false;
    }
    errno = 0;
    write(out);
    out.flush();
    errorNumber = errno;
    const bool written = static_cast<bool>(out);
    out.close();
    if (!written || out.fail()) {
        if (errorNumber == 0) errorNumber = errno;
        reason = Reason(errorNumber, "the data could not be written");
        return false;
    }
    if (!SyncFile(temp, errorNumber)) {
        reason = Reason(errorNumber, "the data could not be written");
        return false;
    }
    return true;
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write,
                         std::string& reason) {
    reason.clear();
    const fs::path target = ResolveTarget(fs::path(path));
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    if (!TargetAccepts(target, st, reason)) return false;
    fs::path temp = target;
    temp += ".tmp~";
    std::error_code ignored;
    if (!WriteTemporary(temp, write, reason)) {
        fs::remove(temp, ignored);
        return false;
    }
    if (fs::exists(st)) fs::permissions(temp, st.permissions(), ignored); // best effort
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ignored);
        reason = ec.message();
        return false;
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& reason) {
    return WriteFileAtomically(
        path,
        [content](std::ostream& out) {
            out.write(content.data(), static_cast<std::streamsize>(content.size()));
        },
        reason);
}

} // namespace brevant
