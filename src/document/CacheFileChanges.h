#pragma once

#include "CacheFile.h"
#include "CacheJournal.h"

#include <optional>

namespace folia {

// The change that turns a cache file holding `onDisk` into one holding `next`, byte for
// byte: for every record that differs, the stretch of its image from its first to its
// last changed byte. Nothing when the present rows differ in number, page or row (the
// records would move), or when writing the whole file costs less.
std::optional<CacheJournal> changesBetween(const CacheSnapshot& onDisk, const CacheSnapshot& next);

} // namespace folia
