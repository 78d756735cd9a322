#pragma once
// The Extract button's work: writes the selected icon, or all icons, of the loaded source file.
// The window puts its busy state around it.
#include <optional>

#include "extract/icon_file_writer.h"

namespace morvane {

// The message that stops the command before it starts: no source file is named.
std::optional<Message> MissingSourceFile(const std::wstring& sourceName);

// With `allIcons`, writes icons 1 to `iconCount`; else the selected one, or asks for one.
RunOutcome ExtractIcons(const RunFiles& run, WriteServices& services, bool allIcons,
                        std::optional<int> selected, int iconCount,
                        const WriteProgress& progress = {});

}  // namespace morvane
