#pragma once

#include "CodecError.h"

#include <array>
#include <cstdint>

/** One 16-byte record of the memory image. */
using Record = std::array<std::uint8_t, 16>;

inline constexpr int kRecordSize = 16;
