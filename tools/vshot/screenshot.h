// Captures a window as a person sees it on the (virtual) screen and keeps it
// as a PNG for a look by eye.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // rows from the top, three bytes a pixel
  COLORREF At(int x, int y) const;
};

// The window with its frame, read from the screen.
Image CaptureWindow(HWND window);
// PNG: signature, IHDR (8-bit RGB), one IDAT of zlib-compressed rows with
// filter byte 0, IEND.
bool SavePng(const Image& image, const std::string& path);
// Where screenshots go: the folder of VANTOR_SCREENSHOTS, else the temporary folder.
std::string ScreenshotPath(const std::string& name);

}  // namespace vantor
