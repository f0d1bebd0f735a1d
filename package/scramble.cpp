#include "package/scramble.h"

#include <algorithm>

#include "base/text.h"

namespace vantor {

namespace {

constexpr int kTokenShift = 50;
constexpr std::size_t kMinTokenBytes = 5;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// A small deterministic generator; token bytes only need to look random.
uint32_t NextRandom(uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

std::string DecodeTokenBytes(std::string_view token) {
  std::string bytes;
  bytes.reserve(token.size() / 2 + 1);
  for (std::size_t i = 0; i < token.size(); i += 2) {
    char group[2];
    const std::size_t len = std::min<std::size_t>(2, token.size() - i);
    for (std::size_t k = 0; k < len; ++k) {
      group[k] = static_cast<char>(static_cast<unsigned char>(token[i + k]) - kTokenShift);
    }
    bytes.push_back(static_cast<char>(HexToInt64(std::string_view(group, len)) & 0xFF));
  }
  return bytes;
}

// The "Scrambled=01" byte rule; it is its own inverse.
std::string ApplyTextKey(std::string_view bytes, unsigned char keyChar) {
  std::string out(bytes);
  int key = keyChar;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int position = static_cast<int>((i + 1) & 0xFF);
    out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) ^ ((position + key) & 0xFF));
    key = -key;
  }
  return out;
}

}  // namespace

std::optional<std::string> TryUnscramble(std::string_view token) {
  std::string d = DecodeTokenBytes(token);
  const std::size_t n = d.size();
  if (n < kMinTokenBytes) return std::nullopt;
  const std::size_t checkIndex = n - 2;
  unsigned sum = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (i != checkIndex) sum += static_cast<unsigned char>(d[i]);
  }
  if ((sum & 0xFF) != static_cast<unsigned char>(d[checkIndex])) return std::nullopt;
  const char key = static_cast<char>(d[0] ^ d[n - 1]);
  for (std::size_t i = 1; i + 1 < n; ++i) d[i] = static_cast<char>(d[i] ^ key);
  const int64_t p = static_cast<unsigned char>(d[1]);
  const int64_t q = static_cast<unsigned char>(d[2]);
  const int64_t count = static_cast<int64_t>(n) - p - q - 4;
  const auto start = static_cast<std::size_t>(p + 3);
  if (count <= 0 || start >= n) return std::string();
  return d.substr(start, static_cast<std::size_t>(count));
}

std::string Unscramble(std::string_view token) {
  std::optional<std::string> plain = TryUnscramble(token);
  return plain ? *plain : RandomNumberText(0, 99998);
}

std::string ScrambleToken(std::string_view plain, uint32_t seed, unsigned padding) {
  padding = std::clamp(padding, 1u, 255u);
  uint32_t state = seed != 0 ? seed : 0x9E3779B9u;  // xorshift must not start at 0
  const auto a = static_cast<unsigned char>(NextRandom(state));
  const auto b = static_cast<unsigned char>(NextRandom(state));
  const auto key = static_cast<unsigned char>(a ^ b);
  const unsigned p = NextRandom(state) % padding;
  const unsigned q = padding - p;

  std::string d;
  d.push_back(static_cast<char>(a));
  d.push_back(static_cast<char>(p));
  d.push_back(static_cast<char>(q));
  for (unsigned i = 0; i < p; ++i) d.push_back(static_cast<char>(NextRandom(state)));
  d.append(plain);
  for (unsigned i = 1; i < q; ++i) d.push_back(static_cast<char>(NextRandom(state)));
  for (std::size_t i = 1; i < d.size(); ++i) d[i] = static_cast<char>(d[i] ^ key);
  unsigned sum = b;
  for (char c : d) sum += static_cast<unsigned char>(c);
  d.push_back(static_cast<char>(sum & 0xFF));
  d.push_back(static_cast<char>(b));

  std::string token;
  token.reserve(2 * d.size());
  for (char c : d) {
    const auto byte = static_cast<unsigned char>(c);
    token.push_back(static_cast<char>(kHexDigits[byte >> 4] + kTokenShift));
    token.push_back(static_cast<char>(kHexDigits[byte & 0x0F] + kTokenShift));
  }
  return token;
}

std::string UnscrambleText(std::string_view text) {
  if (!text.starts_with(kScrambledMarker)) return std::string(text);
  if (text.size() == kScrambledMarker.size()) return std::string();
  const auto key = static_cast<unsigned char>(text[kScrambledMarker.size()]);
  return ApplyTextKey(text.substr(kScrambledMarker.size() + 1), key);
}

std::string ScrambleText(std::string_view plain, unsigned char key) {
  std::string out(kScrambledMarker);
  out.push_back(static_cast<char>(key));
  out += ApplyTextKey(plain, key);
  return out;
}

}  // namespace vantor
