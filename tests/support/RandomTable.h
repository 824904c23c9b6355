// Random General tables for property tests: random bytes in every field, link flags drawn from
// 0, 1, 2 and -1, and a Blank slot that ends the table when read back.
#pragma once

#include <memory>
#include <random>

#include "core/data/GeneralTable.h"

namespace tavlor::testing {

// One entry with random bytes everywhere; BirthYear is at least 1 so that it reads back as a
// general, and each link flag is one of 0, 1, 2, -1.
GeneralEntry RandomEntry(std::mt19937& random);

// A table of `generalCount` random generals, random header, random (but stale) contents in the
// unused slots, and a random Blank slot whose BirthYear is below 1. Allocated on the heap: a
// table is several hundred kilobytes.
std::unique_ptr<GeneralTable> RandomTable(std::mt19937& random, int generalCount);

}  // namespace tavlor::testing
