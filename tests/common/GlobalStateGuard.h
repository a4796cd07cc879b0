#pragma once

#include <gtest/gtest.h>

// A listener that puts the toolkit's global state back after every case.
::testing::TestEventListener* newGlobalStateGuard();
