// Tests of rules that exist on one platform only (the Linux search of Wine prefixes, HOME and XDG
// folders, symbolic links an ordinary Windows user cannot make) are reported skipped on the other,
// where their counterparts run instead.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#define TAVLOR_SKIP_ON_WINDOWS(why) GTEST_SKIP() << "a Linux rule: " << why
#else
#define TAVLOR_SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif
