// The box's text control: a version 1 rich-edit control, or a plain read-only
// edit control when the rich-edit library is missing, so that the message
// still reaches the user (without its bold runs).
#include <windows.h>
#include <richedit.h>

#include "ui/box_font.h"
#include "ui/box_options.h"
#include "ui/box_session.h"
#include "base/device_context.h"
#include "ui/markup.h"

namespace vantor {

namespace {

HWND CreateTextWindow(const char* className, HWND box, std::uint32_t flags) {
  const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_WANTRETURN |
                      ((flags & kBoxRight) ? ES_RIGHT : 0);
  const DWORD exStyle = (flags & kBoxRtlReading) ? WS_EX_RTLREADING : 0;
  return CreateWindowExA(exStyle, className, "", style, 86, 30, 100, 13, box, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
}

void ApplyBold(HWND text, const std::vector<BoldRun>& runs) {
  for (const BoldRun& run : runs) {
    CHARRANGE range{static_cast<LONG>(run.start), static_cast<LONG>(run.end)};
    SendMessageA(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    format.dwEffects = CFE_BOLD;
    SendMessageA(text, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  }
  CHARRANGE start{0, 0};
  SendMessageA(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
}

struct Measure {
  Extent size;
  int lineHeight = 0;
};

Measure MeasureText(HWND text, HFONT font, const std::string& shown) {
  const WindowDC dc(text);
  const SelectedObject selected(dc.get(), font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.get(), &metrics);
  const int lineHeight = BoxLineHeight(metrics.tmHeight, metrics.tmExternalLeading, MsgBoxFont().face);
  const Extent size = MeasureBoxText(shown, lineHeight, [&](std::string_view line) {
    SIZE extent{};
    GetTextExtentPoint32A(dc.get(), line.data(), static_cast<int>(line.size()), &extent);
    return static_cast<int>(extent.cx);
  });
  return {size, lineHeight};
}

void SizeText(HWND text, int width, int height) {
  SetWindowPos(text, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Extent CreateBoxText(BoxSession& session, const std::string& markup, std::uint32_t flags) {
  session.text = CreateTextWindow("RICHEDIT", session.box, flags);
  session.richText = session.text != nullptr;
  if (!session.richText) session.text = CreateTextWindow("EDIT", session.box, flags);
  const HWND text = session.text;
  const auto font = static_cast<HFONT>(session.font.get());

  if (session.richText) SendMessageA(text, EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);
  SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (session.richText) SendMessageA(text, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_WINDOW));

  const PreparedMarkup prepared = PrepareMarkup(markup);
  SetWindowTextA(text, prepared.text.c_str());
  if (session.richText) ApplyBold(text, prepared.boldRuns);

  const Measure measured = MeasureText(text, font, prepared.text);
  const int w = measured.size.width, h = measured.size.height;
  Extent size{w + 10, h};
  SizeText(text, size.width, size.height);
  if (session.richText && !prepared.boldRuns.empty()) {
    // Bold glyphs are wider than the measure assumed: widen until the control
    // no longer asks for more height than it needs unwrapped. The control is
    // asked explicitly, as it does not always report a new size on its own
    // (Wine's never does).
    size.width = FitBoldWidth(w, UnwrappedControlHeight(prepared.text, h, measured.lineHeight), [&](int width) {
      SizeText(text, width, h);
      SendMessageA(text, EM_REQUESTRESIZE, 0, 0);
      return session.requested;
    });
    SizeText(text, size.width, size.height);
  }
  return size;
}

}  // namespace vantor
