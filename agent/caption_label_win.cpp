#include "agent/caption_label_win.h"

#include <utility>

#include "base/handles.h"
#include "base/window_helpers.h"

namespace vantor {

namespace {

constexpr int kHebrewCharset = 177;
constexpr int kArabicCharset = 178;

// The label keeps its font and the procedure it had before in two window
// properties, so each label owns exactly the font it shows.
constexpr char kFontProperty[] = "Vantor.CaptionFont";
constexpr char kProcedureProperty[] = "Vantor.CaptionProc";

LRESULT CALLBACK CaptionLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropA(label, kProcedureProperty));
  if (message == WM_NCDESTROY) {
    // The last message the label gets: the font goes once the control is done with it.
    SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(label, kProcedureProperty);
    const UniqueGdiObject font(RemovePropA(label, kFontProperty));
    return CallWindowProcA(previous, label, message, wParam, lParam);
  }
  return CallWindowProcA(previous, label, message, wParam, lParam);
}

void GiveFontToLabel(HWND label, UniqueGdiObject font) {
  if (GetPropA(label, kProcedureProperty) == nullptr) {
    SetPropA(label, kProcedureProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrA(label, GWLP_WNDPROC)));
    SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CaptionLabelProc));
  }
  // The old font is freed only after the label has switched to the new one.
  const UniqueGdiObject previous(RemovePropA(label, kFontProperty));
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  SetPropA(label, kFontProperty, font.release());
}

}  // namespace

void SetCaptionLabel(HWND label, const std::string& text, const std::string& faceName, int pointSize, int charset) {
  const bool rightToLeft = charset == kHebrewCharset || charset == kArabicCharset;
  SetWindowLongA(label, GWL_EXSTYLE, rightToLeft ? WS_EX_RTLREADING : 0);
  SetWindowLongA(label, GWL_STYLE, WS_CHILD | WS_VISIBLE | (rightToLeft ? SS_RIGHT : SS_LEFT));
  UniqueGdiObject font(CreateFontA(-PointsToPixels(pointSize), 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                                   static_cast<DWORD>(charset), 0, 0, 0, 0, faceName.c_str()));
  if (font) GiveFontToLabel(label, std::move(font));
  SetWindowTextA(label, text.c_str());
}

}  // namespace vantor
