#include "tools/vshot/screenshot.h"

#include <zlib.h>

#include <cstdlib>
#include <fstream>

#include "base/handles.h"
#include "base/device_context.h"

namespace vantor {

namespace {

void PutBigEndian32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char type[4], const std::string& data) {
  PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()));
  PutBigEndian32(out, static_cast<std::uint32_t>(crc));
}

class MemoryDC {
 public:
  explicit MemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A Unix path (as the test runner gives it) becomes one on Wine's Z: drive.
std::string WindowsPathOf(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

void CreateFolders(const std::string& folder) {
  for (std::size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1)) {
    CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
  }
}

}  // namespace

COLORREF Image::At(int x, int y) const {
  const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
  return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
}

Image CaptureWindow(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  Image image;
  image.width = rect.right - rect.left;
  image.height = rect.bottom - rect.top;
  if (image.width <= 0 || image.height <= 0) return Image{};

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const WindowDC screen(nullptr);
  const MemoryDC memory(screen.get());
  const UniqueGdiObject bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return Image{};
  {
    const SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), rect.left, rect.top, SRCCOPY);
  }
  GdiFlush();
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  image.rgb.reserve(static_cast<std::size_t>(image.width) * image.height * 3);
  for (int i = 0; i < image.width * image.height; ++i) {
    image.rgb.push_back(pixels[i * 4 + 2]);
    image.rgb.push_back(pixels[i * 4 + 1]);
    image.rgb.push_back(pixels[i * 4]);
  }
  return image;
}

bool SavePng(const Image& image, const std::string& path) {
  if (image.width <= 0 || image.height <= 0) return false;
  const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
  std::string rows;
  for (int y = 0; y < image.height; ++y) {
    rows.push_back('\0');  // filter: none
    rows.append(reinterpret_cast<const char*>(image.rgb.data()) + y * stride, stride);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::string packed(packedSize, '\0');
  if (compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(rows.data()),
               static_cast<uLong>(rows.size())) != Z_OK) {
    return false;
  }
  packed.resize(packedSize);

  std::string header;
  PutBigEndian32(header, static_cast<std::uint32_t>(image.width));
  PutBigEndian32(header, static_cast<std::uint32_t>(image.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter method, no interlace
  std::string png = "\x89PNG\r\n\x1a\n";
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", "");

  std::ofstream out(path, std::ios::binary);
  out << png;
  return static_cast<bool>(out);
}

std::string ScreenshotPath(const std::string& name) {
  std::string folder;
  if (const char* shots = std::getenv("VANTOR_SCREENSHOTS"); shots && *shots) {
    folder = WindowsPathOf(shots);
  } else {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder = temp;
  }
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  CreateFolders(folder);
  return folder + name;
}

}  // namespace vantor
