// SPDX-License-Identifier: MIT
// speedtext.h: the stored speed text as a slider value.
#pragma once

#include <string>

// Blanks, an optional sign and decimal digits make a whole number, clamped into 1 to 950;
// anything else, a number beyond 32 bits included, gives the default 500.
int speedFromText(const std::string &text);
