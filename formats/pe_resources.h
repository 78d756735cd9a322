#pragma once
// The resources of a PE module, read from its own file as the resource functions read a module
// loaded as data: a tree of types, then names, then languages, whose leaves say where each
// resource's bytes lie.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/bytes.h"
#include "formats/pe_layout.h"

namespace morvane {

// A resource's name: a 16-bit number, or the UTF-16 string of a named entry.
struct PeResourceName {
  bool named = false;
  std::uint16_t id = 0;
  std::u16string text;
};

// Where a resource's bytes lie in the file; no offset when they do not lie in it.
struct PeResourceData {
  std::uint32_t size = 0;
  std::optional<std::uint64_t> offset;
};

// Which of a resource's languages FindResource takes, given the name fields of its language
// entries in directory order and the user's UI languages, most preferred first: the neutral
// language; then each preferred one, and its primary language with the neutral sublanguage;
// then English (United States); then the neutral language's default sublanguage; else the
// first entry. Nothing when there is no entry.
std::optional<std::size_t> ChooseLanguage(const std::vector<std::uint32_t>& languages,
                                          const std::vector<std::uint16_t>& preferred);

class PeResources {
 public:
  // The resources of the PE module whose new header starts at `header`; nothing when its
  // headers or its root directory do not lie inside the file. A module without resources has
  // none of any type. The rest of the tree is read, and checked, as each resource is asked for.
  static std::optional<PeResources> Read(const FileBytes& file, std::uint64_t header);

  // One resource: its name, and the directory of its languages.
  struct Resource {
    PeResourceName name;
    std::uint32_t languages;
  };

  // The resources of `type` in directory order: named entries first, as the directory orders
  // them, then the numbers.
  std::vector<Resource> OfType(std::uint16_t type) const;

  // The resource's bytes in the language that ChooseLanguage takes; nothing when it has none.
  std::optional<PeResourceData> Data(const Resource& resource,
                                     const std::vector<std::uint16_t>& preferred) const;

 private:
  struct Entry {
    std::uint32_t name;    // a number, or with the top bit the offset of a name
    std::uint32_t target;  // with the top bit the offset of a subdirectory, else of a leaf
  };

  PeResources(FileBytes file, PeLayout layout, std::optional<std::uint64_t> root)
      : file_(file), layout_(std::move(layout)), root_(root) {}

  std::vector<Entry> Entries(std::uint32_t directory) const;
  PeResourceName NameOf(const Entry& entry) const;

  FileBytes file_;
  PeLayout layout_;
  std::optional<std::uint64_t> root_;  // the root directory's file offset; none without resources
};

}  // namespace morvane
