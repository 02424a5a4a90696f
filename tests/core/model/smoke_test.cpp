// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include "model/drawing_objects.h"
