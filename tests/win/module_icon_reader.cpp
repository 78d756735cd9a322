#include "tests/win/module_icon_reader.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace morvane::testing {

namespace {

constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;

struct Entry {
  std::uint32_t nameField;    // high bit: a string name
  std::uint32_t targetField;  // high bit: a subdirectory
  bool IsSubdirectory() const { return targetField & 0x80000000u; }
  std::uint32_t Target() const { return targetField & 0x7FFFFFFFu; }
};

class PeFile {
 public:
  explicit PeFile(const FileBytes& file) : file_(file) {
    const std::uint32_t pe = U32(0x3C);
    if (U32(pe) != 0x00004550) throw std::runtime_error("no PE signature");
    const std::uint32_t sections = U16(pe + 6);
    const std::uint32_t optional = pe + 24;
    const std::uint32_t optionalSize = U16(pe + 20);
    const bool pe32plus = U16(optional) == 0x20B;
    const std::uint32_t resourceEntry = optional + (pe32plus ? 128 : 112);
    const std::uint32_t resourceRva = U32(resourceEntry);
    for (std::uint32_t i = 0; i < sections; ++i) {
      const std::uint32_t s = optional + optionalSize + 40 * i;
      sections_.push_back(
          {U32(s + 12), U32(s + 16), U32(s + 20)});  // raw data, as the loader reads it
    }
    resources_ = resourceRva ? FileOffset(resourceRva) : 0;
  }

  // The data of each name of a resource type, in directory order.
  std::vector<FileBytes> AllOfType(std::uint32_t type) const {
    std::vector<FileBytes> all;
    if (!resources_) return all;
    for (const Entry& typeEntry : Entries(0)) {
      if (typeEntry.nameField != type || !typeEntry.IsSubdirectory()) continue;
      for (const Entry& name : Entries(typeEntry.Target())) all.push_back(Data(name));
    }
    return all;
  }

  // The names of a resource type by their numbers.
  std::map<std::uint32_t, Entry> Numbered(std::uint32_t type) const {
    std::map<std::uint32_t, Entry> numbered;
    for (const Entry& typeEntry : Entries(0)) {
      if (typeEntry.nameField != type) continue;
      for (const Entry& name : Entries(typeEntry.Target())) numbered.emplace(name.nameField, name);
    }
    return numbered;
  }

  // The bytes of a named resource: the neutral language if present, else the first.
  FileBytes Data(const Entry& name) const {
    const std::vector<Entry> languages = Entries(name.Target());
    if (languages.empty()) throw std::runtime_error("no language");
    Entry chosen = languages.front();
    for (const Entry& language : languages) {
      if (language.nameField == 0) chosen = language;
    }
    const std::uint32_t leaf = resources_ + chosen.Target();
    const std::uint32_t at = FileOffset(U32(leaf));
    const std::uint32_t size = U32(leaf + 4);
    if (at + std::size_t{size} > file_.size()) throw std::runtime_error("data past the end");
    return FileBytes(file_.begin() + at, file_.begin() + at + size);
  }

 private:
  struct Section {
    std::uint32_t rva, size, fileOffset;
  };

  std::uint32_t U16(std::size_t at) const {
    if (at + 2 > file_.size()) throw std::runtime_error("read past the end");
    return file_[at] | file_[at + 1] << 8;
  }
  std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }

  std::uint32_t FileOffset(std::uint32_t rva) const {
    for (const Section& s : sections_) {
      if (rva >= s.rva && rva < s.rva + s.size) return rva - s.rva + s.fileOffset;
    }
    throw std::runtime_error("address outside every section");
  }

  std::vector<Entry> Entries(std::uint32_t directory) const {
    const std::uint32_t at = resources_ + directory;
    const std::uint32_t count = U16(at + 12) + U16(at + 14);
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
      entries.push_back({U32(at + 16 + 8 * i), U32(at + 16 + 8 * i + 4)});
    }
    return entries;
  }

  const FileBytes& file_;
  std::vector<Section> sections_;
  std::uint32_t resources_ = 0;
};

void PutLE(FileBytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

std::uint32_t LE(const FileBytes& bytes, std::size_t at, int size) {
  if (at + size > bytes.size()) throw std::runtime_error("read past the end");
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
  return value;
}

// `imageOf` gives the bytes of an image from its id and the size the group declares for it.
template <class ImageOf>
FileBytes IcoFromGroup(const FileBytes& group, ImageOf imageOf) {
  const std::uint32_t count = LE(group, 4, 2);
  std::vector<FileBytes> images;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 14 * i;
    images.push_back(imageOf(LE(group, entry + 12, 2), LE(group, entry + 8, 4)));
  }
  FileBytes ico(group.begin(), group.begin() + 6);
  std::uint32_t offset = 6 + 16 * count;
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto entry = group.begin() + 6 + 14 * i;
    ico.insert(ico.end(), entry, entry + 8);
    PutLE(ico, static_cast<std::uint32_t>(images[i].size()), 4);
    PutLE(ico, offset, 4);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const FileBytes& image : images) ico.insert(ico.end(), image.begin(), image.end());
  return ico;
}

}  // namespace

std::vector<FileBytes> IconFilesFromPe(const FileBytes& file) {
  const PeFile pe(file);
  const auto images = pe.Numbered(kRtIcon);
  std::vector<FileBytes> icons;
  for (const FileBytes& group : pe.AllOfType(kRtGroupIcon)) {
    icons.push_back(IcoFromGroup(group, [&](std::uint32_t id, std::uint32_t) {
      const auto image = images.find(id);
      if (image == images.end()) throw std::runtime_error("missing resource");
      return pe.Data(image->second);
    }));
  }
  return icons;
}

std::vector<FileBytes> IconFilesFromNe(const FileBytes& file) {
  const std::uint32_t ne = LE(file, 0x3C, 4);
  if (LE(file, ne, 2) != 0x454E) throw std::runtime_error("no NE signature");
  const std::uint32_t table = ne + LE(file, ne + 0x24, 2);
  const std::uint32_t shift = LE(file, table, 2);
  // Where each resource of a type lies: (id, offset, length), in table order.
  struct Resource {
    std::uint32_t id, offset, length;
  };
  std::vector<Resource> groups, images;
  for (std::uint32_t at = table + 2; LE(file, at, 2) != 0;) {
    const std::uint32_t type = LE(file, at, 2), count = LE(file, at + 2, 2);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint32_t record = at + 8 + 12 * i;
      const Resource resource{LE(file, record + 6, 2), LE(file, record, 2) << shift,
                              LE(file, record + 2, 2) << shift};
      if (type == 0x800E) groups.push_back(resource);
      if (type == 0x8003) images.push_back(resource);
    }
    at += 8 + 12 * count;
  }
  auto bytes = [&file](std::uint32_t offset, std::uint32_t length) {
    if (offset + std::size_t{length} > file.size()) throw std::runtime_error("data past the end");
    return FileBytes(file.begin() + offset, file.begin() + offset + length);
  };
  std::vector<FileBytes> icons;
  for (const Resource& group : groups) {
    const FileBytes directory = bytes(group.offset, 6 + 14 * LE(file, group.offset + 4, 2));
    icons.push_back(IcoFromGroup(directory, [&](std::uint32_t id, std::uint32_t declared) {
      for (const Resource& image : images) {
        if (image.id == (id | 0x8000)) return bytes(image.offset, std::min(declared, image.length));
      }
      throw std::runtime_error("missing image");
    }));
  }
  return icons;
}

}  // namespace morvane::testing
