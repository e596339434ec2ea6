// Loading and saving the map in a large mindsave.ini (many other sections),
// against reading and writing the same bytes with plain file I/O, at several
// file sizes to show how the time grows. Both sides flush to the disk, as a
// save must.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "map/map_file.h"
#include "map/map_nodes.h"
#include "platform/files/file_bytes.h"
#include "platform/profile/profile_text.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string LargeMapFile(std::size_t bytes) {
  std::string file;
  for (int i = 0; file.size() < bytes; ++i) {
    file += "[section" + std::to_string(i) + "]\r\nname=value " + std::to_string(i) +
            "\r\nother=some longer value to fill the line\r\n";
    if (i == 100) {
      file += "[mind]\r\n";
      for (const tolvane::MapNode& node : tolvane::kMapNodes) {
        file += std::string(node.key) + "=text of node " + std::string(node.key) + "\r\n";
      }
    }
  }
  return file;
}

// What opening and closing the main window do with the file.
void LoadAndSave(const std::string& path) {
  const std::string file = tolvane::ReadFileBytes(path).value_or("");
  std::vector<std::string> texts;
  for (const tolvane::MapNode& node : tolvane::kMapNodes) {
    texts.push_back(tolvane::ReadNodeText(file, node.key));
  }
  std::string updated = tolvane::ReadFileBytes(path).value_or("");
  for (std::size_t i = 0; i < texts.size(); ++i) {
    updated = tolvane::WithProfileValue(updated, tolvane::kMapSection, tolvane::kMapNodes[i].key,
                                        tolvane::StoredValue(texts[i] + "!"));
  }
  tolvane::ReplaceFileBytes(path, updated);
}

// The floor: read the file twice, as load and save each do, and write it back
// with a flush to the disk.
void PlainReadAndWrite(const std::string& path) {
  std::string file = tolvane::ReadFileBytes(path).value_or("");
  file = tolvane::ReadFileBytes(path).value_or("");
  const int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
  if (write(fd, file.data(), file.size()) < 0) std::perror("write");
  fsync(fd);
  close(fd);
}

template <typename Work>
double MedianMilliseconds(Work work, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "tolvane-store-bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "mindsave.ini").string();
  std::printf("%10s %14s %14s %7s\n", "file", "load+save ms", "plain I/O ms", "ratio");
  for (std::size_t size : {256u << 10, 512u << 10, 1u << 20, 2u << 20, 4u << 20}) {
    tolvane::ReplaceFileBytes(path, LargeMapFile(size));
    const double store = MedianMilliseconds([&] { LoadAndSave(path); }, 21);
    tolvane::ReplaceFileBytes(path, LargeMapFile(size));
    const double plain = MedianMilliseconds([&] { PlainReadAndWrite(path); }, 21);
    std::printf("%8zu kB %14.2f %14.2f %7.2f\n", size >> 10, store, plain, store / plain);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
