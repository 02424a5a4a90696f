// SPDX-License-Identifier: MIT
#pragma once

#include "options/display_globals.h"

#include <gtest/gtest.h>

namespace morvane::test {

// Every test starts from the program's initial display globals and leaves them so.
class GlobalsTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
};

} // namespace morvane::test
