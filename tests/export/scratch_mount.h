// Small file systems of a test's own, to make writes fail for real. Tests run
// as root, and root ignores permission bits, so a read-only folder has to be a
// read-only mount and a full disk a tiny one. The mounts live in a mount
// namespace private to the test process: nobody else sees them, and they go
// when the process ends, even if it crashes.
#pragma once

#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

namespace tolvane::testing {

// Nothing when this process may mount, else why not. Mount namespaces belong
// to threads, so this and every file access of the test stay on one thread.
inline std::optional<std::string> WhyMountingFails() {
  static const std::optional<std::string> reason = []() -> std::optional<std::string> {
    if (unshare(CLONE_NEWNS) != 0) return std::string("unshare: ") + std::strerror(errno);
    // Without this the mounts would spread back to the machine's namespace.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      return std::string("private mounts: ") + std::strerror(errno);
    }
    return std::nullopt;
  }();
  return reason;
}

class TmpfsMount {
 public:
  // A fresh tmpfs of `bytes` at `folder` (created if missing); check ok().
  TmpfsMount(const std::filesystem::path& folder, std::size_t bytes) : folder_(folder) {
    std::filesystem::create_directories(folder_);
    const std::string options = "size=" + std::to_string(bytes);
    mounted_ = mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    if (!mounted_) error_ = std::strerror(errno);
  }
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;
  ~TmpfsMount() {
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
  }

  bool ok() const { return mounted_; }
  const std::string& error() const { return error_; }

  bool MakeReadOnly() {
    return mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
  std::string error_;
};

}  // namespace tolvane::testing
