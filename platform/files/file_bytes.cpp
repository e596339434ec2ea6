#include "platform/files/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <system_error>

namespace tolvane {
namespace {

constexpr int kNameAttempts = 64;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Close(); }
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || close(fd) == 0;
  }

 private:
  int fd_;
};

WriteResult Failure(std::string_view step, std::string_view reason) {
  return {false, std::string(step).append(": ").append(reason)};
}

WriteResult Failure(std::string_view step, int error) {
  return Failure(step, std::system_category().message(error));
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A hidden name beside the target, so the rename never crosses file systems.
std::string TemporaryName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::random_device random;
  return path.substr(0, nameStart) + "." + path.substr(nameStart) + "." + std::to_string(random()) +
         ".tmp";
}

// Opened with mode 0666 so that the kernel applies the umask to a new file.
int CreateTemporary(const std::string& path, std::string& name) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name = TemporaryName(path);
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable. The target is already replaced by then, so
// a folder that cannot be synced (some file systems refuse) is not a failure.
void SyncFolder(const std::string& path) {
  const Descriptor folder(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) fsync(folder.get());
}

WriteResult FillAndRename(Descriptor& file, const std::string& temporary, const std::string& path,
                          std::string_view bytes, const struct stat* target) {
  if (target && fchmod(file.get(), target->st_mode & 07777) != 0)
    return Failure("keep permissions", errno);
  if (!WriteAll(file.get(), bytes)) return Failure("write", errno);
  if (fsync(file.get()) != 0) return Failure("sync", errno);
  if (!file.Close()) return Failure("close", errno);
  if (rename(temporary.c_str(), path.c_str()) != 0) return Failure("rename", errno);
  return {true, {}};
}

// A link is followed, so a map file kept elsewhere through a symbolic link
// (a dotfiles folder, say) is updated there instead of being replaced by a
// plain file beside the link.
std::string FollowLinks(const std::string& path) {
  struct stat link {};
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
  const Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return std::nullopt;
  std::string bytes;
  char chunk[1 << 16];
  for (;;) {
    const ssize_t count = read(file.get(), chunk, sizeof chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return std::nullopt;
    if (count == 0) return bytes;
    bytes.append(chunk, static_cast<std::size_t>(count));
  }
}

WriteResult ReplaceFileBytes(const std::string& givenPath, std::string_view bytes) {
  const std::string path = FollowLinks(givenPath);
  struct stat target {};
  const bool exists = stat(path.c_str(), &target) == 0;
  if (!exists && errno != ENOENT) return Failure("inspect target", errno);
  if (exists && !S_ISREG(target.st_mode)) return Failure("inspect target", "not a regular file");
  std::string temporary;
  Descriptor file(CreateTemporary(path, temporary));
  if (file.get() < 0) return Failure("create temporary file", errno);
  WriteResult result = FillAndRename(file, temporary, path, bytes, exists ? &target : nullptr);
  if (!result.ok) {
    file.Close();
    unlink(temporary.c_str());
    return result;
  }
  SyncFolder(path);
  return result;
}

}  // namespace tolvane
