#pragma once
// The images of one icon group of the source file, read when the window asks about them: for
// the tip over an item, its menu, a copy and a PNG.
#include <string>
#include <vector>

#include "extract/module_icon_groups.h"
#include "formats/icon_image.h"

namespace morvane {

struct GroupImage {
  Bytes bytes;       // as the module holds it
  ImageShape shape;  // from its own header; else from its directory entry
};

// Group `number` of the file at `path` (or of its .mun), its images in the directory's order.
// One read, bounded to that group.
Outcome<std::vector<GroupImage>> ReadGroupImages(SourceFiles& files, PathNames& paths,
                                                 const std::wstring& path, int number);

// The images in the order users see them: largest area first, then most bits, then the
// directory's order.
std::vector<std::size_t> LargestFirst(const std::vector<GroupImage>& images);

// "W × H、B ビット", followed by "（PNG）" for an image stored as PNG.
std::wstring ImageLine(const ImageShape& shape);

// The tip over an item: one line per image, largest first.
std::wstring ImageTip(const std::vector<GroupImage>& images);

// The .ico file's name without ".ico", then "-WxH", and "-Bbit" where another image of the
// group has that size too, then ".png": shell32002-48x48.png, shell32002-48x48-8bit.png.
std::wstring PngFileName(const std::wstring& sourceName, int number,
                         const std::vector<GroupImage>& images, std::size_t which);

}  // namespace morvane
