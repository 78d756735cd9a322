#include "formats/ne_resource_table.h"

#include <algorithm>

#include "formats/group_directory.h"

namespace morvane {

namespace {

namespace dir = group_directory;

constexpr std::uint64_t kResourceTableAt = 0x24;  // in the NE header
constexpr std::uint16_t kNumbered = 0x8000;       // an id that is a number
constexpr std::uint16_t kNumberBits = 0x7FFF;
constexpr std::uint16_t kGroupIconType = 0x800E;
constexpr std::uint16_t kIconType = 0x8003;
constexpr std::uint64_t kTypeRecordSize = 8;
constexpr std::uint64_t kNameRecordSize = 12;
constexpr std::uint16_t kLargestShift = 31;

}  // namespace

const NeResource* NeResourceTable::Icon(std::uint16_t id) const {
  // As the shell looks them up: the number with or without bit 15.
  for (const auto& [number, resource] : icons) {
    if (number == (id & kNumberBits)) return &resource;
  }
  return nullptr;
}

std::optional<NeResourceTable> ReadNeResourceTable(const FileBytes& file, std::uint64_t header) {
  if (!file.Has(header + kResourceTableAt, 2)) return std::nullopt;
  const std::uint64_t table = header + file.U16(header + kResourceTableAt);
  if (!file.Has(table, 2)) return std::nullopt;
  const std::uint16_t shift = file.U16(table);
  if (shift > kLargestShift) return std::nullopt;

  NeResourceTable resources;
  bool groupsSeen = false, iconsSeen = false;
  // Each type record takes bytes of the file, so the walk ends within its size.
  for (std::uint64_t at = table + 2;;) {
    if (!file.Has(at, 2)) return std::nullopt;  // no type id of 0 before the end
    const std::uint16_t type = file.U16(at);
    if (type == 0) return resources;
    if (!file.Has(at, kTypeRecordSize)) return std::nullopt;
    const std::uint16_t count = file.U16(at + 2);
    const std::uint64_t records = at + kTypeRecordSize;
    if (!file.Has(records, kNameRecordSize * count)) return std::nullopt;

    const bool groups = type == kGroupIconType && !groupsSeen;
    const bool icons = type == kIconType && !iconsSeen;
    groupsSeen |= type == kGroupIconType;
    iconsSeen |= type == kIconType;
    for (std::uint64_t i = 0; i < count && (groups || icons); ++i) {
      const std::uint64_t record = records + kNameRecordSize * i;
      const NeResource data{std::uint64_t{file.U16(record)} << shift,
                            std::uint64_t{file.U16(record + 2)} << shift};
      const std::uint16_t id = file.U16(record + 6);
      if (icons) {
        if (id & kNumbered)
          resources.icons.push_back({static_cast<std::uint16_t>(id & kNumberBits), data});
        continue;
      }
      if (id & kNumbered) {
        resources.groups.push_back({static_cast<std::uint16_t>(id & kNumberBits), {}, data});
        continue;
      }
      const std::uint64_t name = table + id;
      if (!file.Has(name, 1) || !file.Has(name + 1, file.U8(name))) return std::nullopt;
      const auto* characters = reinterpret_cast<const char*>(file.data() + name + 1);
      resources.groups.push_back({0, std::string(characters, file.U8(name)), data});
    }
    at = records + kNameRecordSize * count;
  }
}

NeResource GroupDirectoryPart(const FileBytes& file, const NeResource& group) {
  std::uint64_t wanted = dir::kHeaderSize;
  if (file.Has(group.offset, dir::kHeaderSize)) {
    wanted = dir::EntryOffset(file.U16(group.offset + dir::kCountOffset));
  }
  return {group.offset, std::min(group.length, wanted)};
}

NeResource ImagePart(const NeResource& image, std::uint32_t declared) {
  return {image.offset, std::min<std::uint64_t>(image.length, declared)};
}

bool NeShellReaderStaysInFile(const FileBytes& file, std::uint64_t header) {
  // The shell skips a table that ends within 8 bytes of the resident names, but only by an
  // unsigned reckoning: the table is checked wherever it is.
  const auto table = ReadNeResourceTable(file, header);
  if (!table) return false;
  for (const NeGroup& group : table->groups) {
    // The shell reads the directory's every entry, whatever the resource's length.
    if (!file.Has(group.data.offset, dir::kHeaderSize)) return false;
    const std::uint64_t entries = dir::EntryOffset(file.U16(group.data.offset + dir::kCountOffset));
    if (!file.Has(group.data.offset, entries)) return false;
  }
  for (const auto& icon : table->icons) {
    if (!file.Has(icon.second.offset, icon.second.length)) return false;
  }
  return true;
}

}  // namespace morvane
