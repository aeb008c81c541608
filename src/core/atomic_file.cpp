// Atomic writes through a temporary file of its own beside the target.
#include "core/atomic_file.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <streambuf>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevant {

namespace fs = std::filesystem;

namespace {

// Room left in a file name of 255 bytes for ".<16 hex digits>.tmp~".
constexpr std::size_t kMaxTemporaryStem = 255 - 22;

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

// The temporary file while it is being written: open, and removed when it goes out of scope
// unless it was renamed over the target.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        Close();
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    void Take(int fd, fs::path path) { fd_ = fd, path_ = std::move(path); }
    int Descriptor() const { return fd_; }
    const fs::path& Path() const { return path_; }
    // Closes the file; false with errno set when the system reports a failure.
    bool Close() {
        if (fd_ < 0) return true;
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    // The file is the target now and stays.
    void Keep() { path_.clear(); }

private:
    int fd_ = -1;
    fs::path path_;
};

// Creates the temporary file exclusively: an existing file, folder or link at a name is never
// opened, and the next name is tried.
bool CreateTemporary(const fs::path& target, const TemporaryNames& names, TemporaryFile& temp,
                     std::string& reason) {
    const std::string targetName = target.filename().string();
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        std::string name;
        try {
            name = names(targetName, attempt);
        } catch (const std::exception&) {
            break; // no name: reported below like a name source that ran dry
        }
        if (name.empty() || name.find('/') != std::string::npos) break;
        const fs::path path = target.parent_path() / name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
        if (fd >= 0) {
            temp.Take(fd, path);
            return true;
        }
        if (errno != EEXIST) {
            reason = Reason(errno, "the file cannot be created");
            return false;
        }
    }
    reason = "no free name for a temporary file beside it";
    return false;
}

// An output buffer straight onto a file descriptor; the first failed write is kept.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd_(fd) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    int Error() const { return error_; }

protected:
    int_type overflow(int_type ch) override {
        if (!Drain()) return traits_type::eof();
        if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
        return ch;
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain() {
        const char* p = pbase();
        std::size_t left = static_cast<std::size_t>(pptr() - pbase());
        while (left > 0 && error_ == 0) {
            const ssize_t n = ::write(fd_, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error_ = n < 0 ? errno : EIO;
            } else {
                p += n;
                left -= static_cast<std::size_t>(n);
            }
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return error_ == 0;
    }

    int fd_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

// Runs write into the file and brings the data to the disk before the rename makes it the file.
bool WriteAndSync(int fd, const std::function<void(std::ostream&)>& write, std::string& reason) {
    DescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    try {
        write(out);
    } catch (const std::exception& error) {
        reason = std::string("the data could not be written (") + error.what() + ")";
        return false;
    }
    out.flush();
    if (!out || buffer.Error() != 0) {
        reason = Reason(buffer.Error(), "the data could not be written");
        return false;
    }
    if (::fsync(fd) != 0) {
        reason = Reason(errno, "the data could not be written");
        return false;
    }
    return true;
}

// The rename itself reaches the disk with the folder's entry (best effort).
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string RandomTemporaryName(const std::string& targetName, int /*attempt*/) {
    std::random_device source;
    const unsigned long long value = (static_cast<unsigned long long>(source()) << 32) ^
                                     static_cast<unsigned long long>(source());
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", value);
    return targetName.substr(0, kMaxTemporaryStem) + "." + digits + ".tmp~";
}

bool WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write,
                         std::string& reason, const TemporaryNames& names) {
    reason.clear();
    const fs::path target = ResolveTarget(fs::path(path));
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    if (!TargetAccepts(target, st, reason)) return false;
    TemporaryFile temp;
    if (!CreateTemporary(target, names, temp, reason)) return false;
    if (!WriteAndSync(temp.Descriptor(), write, reason)) return false;
    if (fs::exists(st)) // best effort, as a copy would keep them
        ::fchmod(temp.Descriptor(), static_cast<mode_t>(st.permissions() & fs::perms::mask));
    if (!temp.Close()) {
        reason = Reason(errno, "the data could not be written");
        return false;
    }
    if (::rename(temp.Path().c_str(), target.c_str()) != 0) {
        reason = Reason(errno, "the file could not be replaced");
        return false;
    }
    temp.Keep();
    SyncFolder(target.parent_path());
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
