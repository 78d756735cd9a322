#include "formats/pe_resource_table.h"

#include <utility>

#include "formats/group_directory.h"
#include "formats/pe_layout.h"

namespace morvane {

namespace {

namespace dir = group_directory;

constexpr std::uint32_t kSubdirectory = 0x80000000u;
constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr int kLevels = 3;  // type, name, language

class ResourceTree {
 public:
  ResourceTree(const FileBytes& file, PeLayout layout)
      : file_(file), layout_(std::move(layout)), budget_(file.size() / 8 + 16) {}

  bool Locate(std::uint32_t address, std::uint32_t length, std::uint64_t& at) const {
    return layout_.Locate(file_, address, length, at);
  }

  bool LiesInFile(std::uint32_t rootAddress) {
    return Locate(rootAddress, 16, root_) && Directory(root_, 0, 0);
  }

 private:
  bool Directory(std::uint64_t at, int level, std::uint32_t type) {
    if (!file_.Has(at, 16)) return false;
    const std::uint32_t count = file_.U16(at + 12) + file_.U16(at + 14);
    if (!file_.Has(at + 16, 8ull * count)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
      if (budget_-- == 0) return false;  // entries shared over and over: no real tree
      const std::uint32_t name = file_.U32(at + 16 + 8 * i);
      const std::uint32_t target = file_.U32(at + 20 + 8 * i);
      if ((name & kSubdirectory) && !Name(root_ + (name & ~kSubdirectory))) return false;
      if (level == 0 && name != kRtIcon && name != kRtGroupIcon) continue;
      const bool subdirectory = (target & kSubdirectory) != 0;
      if (subdirectory != (level + 1 < kLevels)) return false;
      const std::uint64_t next = root_ + (target & ~kSubdirectory);
      const bool inside =
          subdirectory ? Directory(next, level + 1, level == 0 ? name : type) : Data(next, type);
      if (!inside) return false;
    }
    return true;
  }

  bool Name(std::uint64_t at) const {
    return file_.Has(at, 2) && file_.Has(at + 2, 2ull * file_.U16(at));
  }

  // The reader goes on to the bytes, and to every entry a group counts.
  bool Data(std::uint64_t entry, std::uint32_t type) const {
    if (!file_.Has(entry, 16)) return false;
    std::uint64_t at = 0;
    if (!Locate(file_.U32(entry), file_.U32(entry + 4), at)) return false;
    if (type != kRtGroupIcon) return true;
    return file_.Has(at, dir::kHeaderSize) &&
           file_.Has(at, dir::EntryOffset(file_.U16(at + dir::kCountOffset)));
  }

  const FileBytes& file_;
  PeLayout layout_;
  std::uint64_t root_ = 0;
  std::size_t budget_;
};

}  // namespace

bool PeShellReaderStaysInFile(const FileBytes& file, std::uint64_t header) {
  const auto layout = ReadPeLayout(file, header);
  if (!layout) return false;
  if (layout->resources == 0) return true;  // a module without resources
  return ResourceTree(file, *layout).LiesInFile(layout->resources);
}

}  // namespace morvane
