// Whole-file reading with a size limit and atomic writing through a temporary file.
#include "persistence/text_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace brevant {

namespace fs = std::filesystem;

namespace {
std::string Reason(int err) {
    return err ? std::generic_category().message(err) : std::string("unknown error");
}
} // namespace

std::string ReadErrorText(const std::string& path, const std::string& reason) {
    return "Cannot read " + path + ": " + reason;
}

std::string WriteErrorText(const std::string& path, const std::string& reason) {
    return "Cannot write " + path + ": " + reason;
}

bool IsRegularFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

ReadOutcome ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& content,
                         std::string& error) {
    content.clear();
    error.clear();
    std::error_code ec;
    const fs::file_status st = fs::status(fs::path(path), ec);
    if (path.empty() || st.type() == fs::file_type::not_found) return ReadOutcome::Missing;
    if (ec) {
        error = ec.message();
        return ReadOutcome::Failed;
    }
    if (st.type() != fs::file_type::regular) {
        error = st.type() == fs::file_type::directory ? "it is a folder" : "not a regular file";
        return ReadOutcome::Failed;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = Reason(errno);
        return ReadOutcome::Failed;
    }
    // Read at most one byte more than allowed, whatever size the file claims to have.
    content.resize(maxBytes + 1);
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        error = Reason(errno);
        return ReadOutcome::Failed;
    }
    if (content.size() > maxBytes) {
        content.clear();
        error = "the file is too large";
        return ReadOutcome::Failed;
    }
    return ReadOutcome::Ok;
}

namespace {
// The file that is really replaced: a symbolic link is followed so the link survives.
fs::path ResolveTarget(const fs::path& target) {
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        fs::path real = fs::weakly_canonical(target, ec);
        if (!ec) return real;
    }
    return target;
}

bool WriteTemporary(const fs::path& temp, std::string_view content, std::string& reason) {
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
        reason = "cannot create " + temp.string() + ": " + Reason(errno);
        return false;
    }
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    out.close();
    if (out.fail()) {
        reason = Reason(errno);
        return false;
    }
    return true;
}
} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error) {
    error.clear();
    const fs::path target = ResolveTarget(fs::path(path));
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    const bool exists = !ec && fs::exists(st);
    if (exists && !fs::is_regular_file(st)) {
        error = fs::is_directory(st) ? "it is a folder" : "not a regular file";
        return false;
    }
    if (exists) {
        // A file the user made read-only stays as it is, as with any other failed write.
        errno = 0;
        std::ofstream probe(target, std::ios::binary | std::ios::app);
        if (!probe) {
            error = Reason(errno);
            return false;
        }
    }
    fs::path temp = target;
    temp += ".tmp";
    std::string reason;
    if (!WriteTemporary(temp, content, reason)) {
        fs::remove(temp, ec);
        error = reason;
        return false;
    }
    if (exists) fs::permissions(temp, st.permissions(), ec); // best effort
    fs::rename(temp, target, ec);
    if (ec) {
        error = ec.message();
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

} // namespace brevant
