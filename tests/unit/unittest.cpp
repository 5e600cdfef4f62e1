// SPDX-License-Identifier: MIT
// unittest.cpp: the runner's main, which runs every test case of the program it is linked into.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include "unittest.h"
