// Whole-file reading with a size limit.
#include "persistence/text_file.h"

#include <algorithm>
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
    // Read at most one byte more than allowed, whatever size the file claims to have, in
    // pieces, so that a large limit costs nothing for a small file.
    constexpr std::size_t kPiece = 1 << 16;
    while (in && content.size() <= maxBytes) {
        const std::size_t at = content.size();
        content.resize(at + std::min(kPiece, maxBytes + 1 - at));
        in.read(content.data() + at, static_cast<std::streamsize>(content.size() - at));
        content.resize(at + static_cast<std::size_t>(in.gcount()));
    }
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

} // namespace brevant
