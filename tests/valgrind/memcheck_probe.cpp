// Makes on purpose the faults that memcheck.sh must turn into a failure, so
// that a suppression written too widely, or a lost option, shows at once:
// "leak" drops the only pointer to a block, "overread" reads one byte past
// the end of one.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

void LeakOneBlock() {
  auto* block = new int[16]();
  std::printf("leaking %zu bytes at %p\n", 16 * sizeof(int), static_cast<void*>(block));
}

int ReadPastTheEnd(std::size_t length) {
  const auto block = std::make_unique<char[]>(length);
  // The index is the block's length, read from the command line so that no
  // compiler can see the fault and leave the read out.
  return block[length];
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view fault = argc > 1 ? argv[1] : "";
  if (fault == "leak") LeakOneBlock();
  if (fault == "overread") std::printf("read %d\n", ReadPastTheEnd(std::strlen(argv[1])));
  return 0;
}
