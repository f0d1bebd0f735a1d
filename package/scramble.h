// The two reversible text scramblings of the package and the agent:
//
// Tokens (SecretToken): every byte as two hex digits, each with 50 added to its
// character code (letters b-k and s-x). The bytes D[1..n] (n > 4) hold
//   D[1] = a, D[2] = p^key, D[3] = q^key, p padding bytes, the text, q-1
//   padding bytes, D[n-1] = check, D[n] = b        (key = a XOR b)
// where every byte from D[2] to D[n-2] is XORed with key and check is the sum,
// modulo 256, of all other bytes as stored. q is at least 1 so that the check
// byte never falls inside the text.
//
// "Scrambled=01" texts: the marker, one key character k (33..122), then the
// plain bytes with byte i (from 1) XORed with (i + k) mod 256 when i is odd and
// (i - k) mod 256 when even.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kScrambledMarker = "Scrambled=01";

// The plain text of a token, or nothing when it does not check.
std::optional<std::string> TryUnscramble(std::string_view token);
// The plain text of a token; for a token that does not check, the decimal text
// of a random number from 0 to 99998.
std::string Unscramble(std::string_view token);
// A token that unscrambles to plain. The random-looking bytes (a, b, the
// padding and its split) come from seed, so equal arguments give equal tokens.
// padding is the number of padding bytes p + q, kept within 1..255.
std::string ScrambleToken(std::string_view plain, uint32_t seed, unsigned padding = 4);

// The plain text of a "Scrambled=01" text; any other text unchanged. The bare
// marker without key character gives the empty text.
std::string UnscrambleText(std::string_view text);
// The "Scrambled=01" form of plain with key character key (33..122).
std::string ScrambleText(std::string_view plain, unsigned char key);

}  // namespace vantor
