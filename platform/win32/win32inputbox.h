// SPDX-License-Identifier: MIT
// win32inputbox.h: a modal text-input dialog: a prompt, an empty field, OK and Cancel.
#pragma once

#include <string>

namespace platform {

// OK gives the text as typed, Cancel (or closing the dialog) the empty text.
std::string runInputBox(const std::string &prompt, const std::string &title);

} // namespace platform
