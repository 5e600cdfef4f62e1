// SPDX-License-Identifier: MIT
// storefailure.h: what the player is told when the settings store fails.
#pragma once

#include "platform/settingsstore.h"

#include <string>

// Lines separated by CR LF, for a message box.
std::string storeFailureText(const platform::StoreFailure &failure);
