#include "extract/group_images.h"

#include <algorithm>

#include "extract/icon_file_writer.h"
#include "platform/program_texts.h"

namespace morvane {

Outcome<std::vector<GroupImage>> ReadGroupImages(SourceFiles& files, PathNames& paths,
                                                 const std::wstring& path, int number) {
  auto file = OpenSourceModule(files, paths, path);
  if (!file) return file.failure();
  ResourceModule& module = *(*file)->Module();
  auto groups = FindFirstGroup(module);
  if (!groups) return groups.failure();
  auto group = ReadGroupContents(module, *groups, number);
  if (!group) return group.failure();

  std::vector<GroupImage> images;
  for (std::size_t i = 0; i < group->images.size(); ++i) {
    Bytes& bytes = group->images[i];
    const ImageShape shape = ShapeFromHeader(bytes).value_or(ShapeFromEntry(group->directory, i));
    images.push_back({std::move(bytes), shape});
  }
  return images;
}

std::vector<std::size_t> LargestFirst(const std::vector<GroupImage>& images) {
  std::vector<std::size_t> order(images.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&images](std::size_t a, std::size_t b) {
    const ImageShape &x = images[a].shape, &y = images[b].shape;
    const auto areaX = std::int64_t{x.width} * x.height, areaY = std::int64_t{y.width} * y.height;
    if (areaX != areaY) return areaX > areaY;
    return x.bits > y.bits;
  });
  return order;
}

std::wstring ImageLine(const ImageShape& shape) {
  return std::to_wstring(shape.width) + L" × " + std::to_wstring(shape.height) + L"、" +
         std::to_wstring(shape.bits) + texts::kBits + (shape.png ? texts::kStoredAsPng : L"");
}

std::wstring ImageTip(const std::vector<GroupImage>& images) {
  std::wstring tip;
  for (std::size_t i : LargestFirst(images)) {
    if (!tip.empty()) tip += L"\r\n";
    tip += ImageLine(images[i].shape);
  }
  return tip;
}

std::wstring PngFileName(const std::wstring& sourceName, int number,
                         const std::vector<GroupImage>& images, std::size_t which) {
  const ImageShape& shape = images[which].shape;
  std::wstring name = IconFileStem(sourceName, number);
  name += L"-" + std::to_wstring(shape.width) + L"x" + std::to_wstring(shape.height);
  const bool sizeTwice = std::count_if(images.begin(), images.end(), [&shape](const GroupImage& i) {
                           return i.shape.width == shape.width && i.shape.height == shape.height;
                         }) > 1;
  if (sizeTwice) name += L"-" + std::to_wstring(shape.bits) + L"bit";
  return name + L".png";
}

}  // namespace morvane
