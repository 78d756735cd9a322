#pragma once
// The resource table of an NE module, a 16-bit program or icon library, which Morvane reads
// itself since the resource functions refuse such modules.
//   The NE header's word at 0x24 is the table's offset from the NE header. The table holds the
//   alignment shift, then type records (type id, count, 4 reserved bytes), each followed by
//   `count` name records of 12 bytes (offset and length in alignment units, flags, id,
//   4 reserved bytes); a type id of 0 ends it.
//   An id with bit 15 set is a number; otherwise it is the offset, from the table's start, of
//   a name given as its length in one byte followed by its characters.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "formats/bytes.h"

namespace morvane {

// Where a resource's bytes are, as its record gives them; they may lie outside the file.
struct NeResource {
  std::uint64_t offset = 0;  // bytes from the start of the file
  std::uint64_t length = 0;  // bytes, a whole number of alignment units
};

struct NeGroup {
  std::uint16_t id = 0;  // the group's number, when it has no name
  std::string name;      // the name's characters, as the table holds them
  NeResource data;
};

struct NeResourceTable {
  std::vector<NeGroup> groups;  // the first icon-group type's records, in table order
  std::vector<std::pair<std::uint16_t, NeResource>> icons;  // the first icon type's, by number

  // The image numbered `id`; null when there is none.
  const NeResource* Icon(std::uint16_t id) const;
};

// The resource table of the NE module whose header starts at `header`. Nothing when the table
// does not lie in the file: when it or a group's name runs past the end, when it never ends or
// counts more records than the file holds, or when its shift is 32 or more.
std::optional<NeResourceTable> ReadNeResourceTable(const FileBytes& file, std::uint64_t header);

// The part of a group's resource that is its directory: the header and every entry that it
// counts, or the whole resource where that holds less.
NeResource GroupDirectoryPart(const FileBytes& file, const NeResource& group);

// The part of an image's resource that is the image: the first `declared` bytes, or the whole
// resource where that holds fewer; the padding up to the alignment unit is no image.
NeResource ImagePart(const NeResource& image, std::uint32_t declared);

// Whether the shell's icon reader stays inside the file: the whole table, every group
// directory with the entries it counts, and every image lie in it.
bool NeShellReaderStaysInFile(const FileBytes& file, std::uint64_t header);

}  // namespace morvane
