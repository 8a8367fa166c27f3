#pragma once
// The two read-only answers to "what can a run of this length and sum hold":
// the display list of digit sets and the union of their digits. Both are
// derived from the rule itself (distinct digits 1..9), never typed in.
#include <cstdint>
#include <string>

namespace zorvek::kakuro {

// Ten characters '0'/'1', one per digit 0..9 (length 1..9, sum 0..45);
// "0000000000" outside that range.
const char* KakPossibleDigits(int length, int sum);

// The flags of KakPossibleDigits as numbers. False (all flags 0) when the
// length is outside 1..9 or the sum outside 1..45.
bool LookupPossibleDigits(int length, int sum, std::uint8_t (&flags)[10]);

}  // namespace zorvek::kakuro
