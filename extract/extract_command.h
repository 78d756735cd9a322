#pragma once
// The Extract button's work: writes the selected icon, or all icons, of the loaded source file.
// The window puts its busy state around it.
#include <optional>

#include "platform/form_controls.h"
#include "platform/message_boxes.h"
#include "extract/icon_file_writer.h"
#include "platform/platform.h"

namespace morvane {

// The message that stops the command before it starts: no source file is named.
std::optional<Message> MissingSourceFile(const FormControls& form);

// With Check1, writes icons 1 to `iconCount`; else the selected one, or asks for one.
RunOutcome ExtractIcons(const FormControls& form, Platform& platform, int iconCount,
                        const WriteProgress& progress = {});

}  // namespace morvane
