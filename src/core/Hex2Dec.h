#pragma once

#include <QString>
#include <optional>

// Reads a text of upper-case hex digits, most significant first. A character outside
// "0123456789ABCDEF" (lower case included) counts as the digit -1. Returns nothing when the
// total leaves the 32-bit signed range, so the caller can report the overflow.
std::optional<int> Hex2Dec(const QString& sHex);
