#pragma once
// One image of a group as the user takes it away: onto the clipboard, or as a PNG file.
#include <optional>
#include <string>

#include "extract/group_images.h"
#include "platform/clipboard.h"
#include "platform/message_boxes.h"
#include "platform/output_files.h"
#include "platform/path_names.h"
#include "platform/png_codec.h"

namespace morvane {

// The image's pixels: a DIB decoded here, a PNG by the codec.
Outcome<BgraImage> PixelsOf(const GroupImage& image, PngCodec& codec);

// The image on the clipboard as a 32-bit DIB with straight alpha and as PNG. The failure's
// message, if any.
std::optional<Message> CopyImage(const GroupImage& image, PngCodec& codec, Clipboard& clipboard);

// The image as the PNG file `path`, written whole or not at all. The failure's message, if any.
std::optional<Message> SavePng(const GroupImage& image, const std::wstring& path, PngCodec& codec,
                               OutputFiles& files, PathNames& paths);

}  // namespace morvane
