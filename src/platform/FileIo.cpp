#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <system_error>

namespace korvo {

namespace fs = std::filesystem;

namespace {

class FileCloser {
public:
    explicit FileCloser(std::FILE* file) : file_(file) {}
    ~FileCloser() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

private:
    std::FILE* file_;
};

// Asking umask() means setting it, which races with files other threads create meanwhile, so
// the mask is read from the kernel's process status instead.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
        }
    }
    return 022;
}

// The permissions a new file would get, or those of the file being replaced.
mode_t ModeForReplacement(const fs::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    return 0666 & ~CurrentUmask();
}

fs::path ResolveTarget(const std::string& path) {
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        const fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) {
            return resolved;
        }
    }
    return target;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Makes the rename itself survive a power cut. The new file is complete either way, so a folder
// that cannot be synced (some network file systems) is no reason to report a failed save.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

FileLoadResult LoadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        return FileLoadResult::CannotOpen;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return FileLoadResult::CannotOpen;
    }
    FileCloser closer(file);
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return FileLoadResult::ReadFailed;
    }
    const long length = std::ftell(file);
    if (length < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        return FileLoadResult::ReadFailed;
    }
    try {
        bytes.assign(static_cast<std::size_t>(length), 0);
    } catch (const std::bad_alloc&) {
        return FileLoadResult::NoMemory;
    } catch (const std::length_error&) {
        return FileLoadResult::NoMemory;
    }
    if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        return FileLoadResult::ReadFailed;
    }
    return FileLoadResult::Loaded;
}

FileSaveResult SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const fs::path target = ResolveTarget(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    const mode_t mode = ModeForReplacement(target);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return FileSaveResult::CannotCreate;
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        ok = std::rename(temporary.c_str(), target.c_str()) == 0;
    }
    if (!ok) {
        std::remove(temporary.c_str());
        return FileSaveResult::WriteFailed;
    }
    SyncFolder(folder);
    return FileSaveResult::Saved;
}

}  // namespace korvo
