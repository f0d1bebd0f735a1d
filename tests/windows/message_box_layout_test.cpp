// The markup box's text and look: the prepared markup in the real rich-edit
// control, the layout read back from the windows and compared with the box's
// formulas over text measured here in the box font, and a screenshot.
#include <gtest/gtest.h>
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/window_helpers.h"
#include "tests/windows/support/box_driver.h"
#include "tests/windows/support/box_look.h"
#include "tools/vshot/screenshot.h"
#include "base/device_context.h"
#include "ui/message_box.h"

// <windows.h> maps MessageBox to MessageBoxA; the suites are named after our box.
#undef MessageBox

namespace vantor::testing {
namespace {

constexpr std::uint8_t kDefaultCharset = 1;

// ---- The box's formulas over text measured here in the box font ----

struct Size2 {
  int width = 0;
  int height = 0;
};

struct Metrics {
  int lineHeight = 0;
  std::vector<int> extents;
};

Metrics MeasureLines(const std::vector<std::string>& lines) {
  const BoxFontSettings& settings = MsgBoxFont();
  const UniqueGdiObject font(CreateFontA(-PointsToPixels(settings.points), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                         settings.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                         FF_SWISS, settings.face.c_str()));
  const WindowDC dc(nullptr);
  const SelectedObject selected(dc.get(), font.get());
  Metrics metrics;
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  metrics.lineHeight = tm.tmHeight + tm.tmExternalLeading;
  for (const std::string& line : lines) {
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), line.c_str(), static_cast<int>(line.size()), &size);
    metrics.extents.push_back(size.cx);
  }
  return metrics;
}

// w and h of the measuring rules: widths plus 10, at most 600; a line needs
// one line of height per started 600 pixels.
Size2 MeasuredText(const std::vector<std::string>& lines) {
  const Metrics m = MeasureLines(lines);
  Size2 size;
  for (const int e : m.extents) {
    size.width = std::max(size.width, e + 10);
    size.height += (e / 600 + 1) * m.lineHeight;
  }
  size.width = std::min(size.width, 600);
  return size;
}

// The box around a text control of tw x th, centred in the work area.
void ExpectBoxAround(const BoxLook& look, int tw, int th) {
  const int hm = tw < 200 ? 64 : 32;
  const int vm = th < 39 ? 45 : 32;
  const int outerWidth = std::max(tw + 54 + 2 * hm + 2 * GetSystemMetrics(SM_CXFRAME), 360);
  const int outerHeight = th + 36 + 2 * vm + 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
  EXPECT_EQ(Width(look.window), outerWidth);
  EXPECT_EQ(Height(look.window), outerHeight);
  const RECT area = GetWorkArea();
  EXPECT_EQ(look.window.left, area.left + (Width(area) - outerWidth) / 2);
  EXPECT_EQ(look.window.top, area.top + (Height(area) - outerHeight) / 2);

  const int cw = look.client.right, ch = look.client.bottom;
  EXPECT_EQ(look.text.left, (cw - 54 - tw) / 2 + 54);
  EXPECT_EQ(look.text.top, (ch - 36 - th) / 2);
  EXPECT_EQ(Width(look.text), tw);
  EXPECT_EQ(look.text.bottom, ch - 39);

  for (std::size_t i = 0; i < look.buttons.size(); ++i) {
    const RECT& b = look.buttons[i];
    const int fromRight = static_cast<int>(look.buttons.size() - 1 - i);
    EXPECT_EQ(b.left, cw - 80 - 70 * fromRight) << "button " << i;
    EXPECT_EQ(b.top, ch - 29) << "button " << i;
    EXPECT_EQ(Width(b), 70);
    EXPECT_EQ(Height(b), 23);
  }
}

// ---- Text and layout ----

TEST(MessageBox, ShowMarkupBox_TextControlShowsPreparedMarkupWithBoldRuns) {
  struct Case {
    std::string markup;
    std::string shown;
    std::string bold;
  };
  const Case cases[] = {
      {"a<P>b\\\\nc", "a\r\nb\r\nc", "-..-..-"},
      {"a<t>b\\\\Nc", "a\tb\\\\Nc", "-------"},
      {"x<b>bold</B>y", "xboldy", "-bbbb-"},
      {"<<b>E</b>nd", "End", "b--"},
      {"</B>a<B>b</B>", "ab", "-b"},
      {"<i>1</i> <DRIVE>", "<i>1</i> <DRIVE>", "----------------"},
  };
  for (const Case& c : cases) {
    std::string shown, bold;
    BoxDriver driver([&](HWND box) {
      shown = TextOf(TextControlOf(box));
      bold = BoldMap(box);
      PostKey(FocusedWindowOf(box), VK_RETURN);
    });
    EXPECT_EQ(ShowPlainBox(c.markup, 0x0), kBoxOk);
    driver.Finish();
    EXPECT_EQ(shown, c.shown) << c.markup;
    EXPECT_EQ(bold, c.bold) << c.markup;
  }
}

TEST(MessageBox, ShowMarkupBox_PlainTextLayoutFollowsTheFormulas) {
  struct Case {
    const char* name;
    std::string markup;
    std::vector<std::string> lines;
    std::uint32_t flags;
    std::size_t buttons;
  };
  const Case cases[] = {
      {"two lines, two buttons", "The file could not be read.<P>Try again?",
       {"The file could not be read.", "Try again?"}, 0x4, 2},
      {"empty text", "", {" "}, 0x0, 1},
      {"three buttons", "Abort, retry or ignore?", {"Abort, retry or ignore?"}, 0x2, 3},
      {"tall text", "1<P>2<P>3<P>4<P>5", {"1", "2", "3", "4", "5"}, 0x1, 2},
  };
  for (const Case& c : cases) {
    BoxLook look;
    BoxDriver driver([&](HWND box) {
      look = LookAt(box);
      PostMessageA(box, WM_CLOSE, 0, 0);
    });
    ShowPlainBox(c.markup, c.flags);
    driver.Finish();
    SCOPED_TRACE(c.name);
    const Size2 text = MeasuredText(c.lines);
    EXPECT_EQ(look.textClass, "RICHEDIT");
    EXPECT_EQ(look.buttons.size(), c.buttons);
    ExpectBoxAround(look, text.width + 10, text.height);
  }
}

TEST(MessageBox, ShowMarkupBox_EmptyTextTakesTheMinimumBoxAndTheWideMargins) {
  BoxLook look;
  BoxDriver driver([&](HWND box) {
    look = LookAt(box);
    PostMessageA(box, WM_CLOSE, 0, 0);
  });
  ShowPlainBox("", 0x0);
  driver.Finish();
  const Metrics blank = MeasureLines({" "});
  EXPECT_EQ(Width(look.window), 360);
  EXPECT_LT(Width(look.text), 200);
  EXPECT_EQ(Height(look.window), blank.lineHeight + 36 + 90 + 2 * GetSystemMetrics(SM_CYFRAME) +
                                     GetSystemMetrics(SM_CYCAPTION));
}

TEST(MessageBox, ShowMarkupBox_LongLineWrapsAt600PixelsAndCountsItsLines) {
  // Words until the line is between 1200 and 1800 pixels: three lines high.
  std::string line;
  while (MeasureLines({line}).extents[0] < 1400) line += "wrapping words ";
  line.pop_back();
  const Metrics m = MeasureLines({line});
  ASSERT_LT(m.extents[0], 1800);
  BoxLook look;
  BoxDriver driver([&](HWND box) {
    look = LookAt(box);
    PostMessageA(box, WM_CLOSE, 0, 0);
  });
  ShowPlainBox(line, 0x0);
  driver.Finish();
  EXPECT_EQ(Width(look.text), 610);
  ExpectBoxAround(look, 610, 3 * m.lineHeight);
  EXPECT_GE(look.lineCount, 3);  // the control wraps the one line
}

TEST(MessageBox, ShowMarkupBox_HeadingIsBoldAndWidenedJustUntilNothingWraps) {
  // Bold glyphs are wider than the plain measure: at the measured width the
  // bold line wraps unless the box widens the control, 10 pixels at a time.
  const std::string body = "Setup cannot continue because the disk is full";
  const Size2 text = MeasuredText({"ERROR", "", body, "Free some space."});
  BoxLook look;
  std::string bold;
  Image image;
  int linesWhenNarrower = 0;
  BoxDriver driver([&](HWND box) {
    look = LookAt(box);
    bold = BoldMap(box);
    CHARRANGE none{0, 0};  // the map selected text; a person sees none
    const HWND control = TextControlOf(box);
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    image = CaptureWindow(box);
    SetWindowPos(control, nullptr, 0, 0, Width(look.text) - 10, Height(look.text), SWP_NOMOVE | SWP_NOZORDER);
    linesWhenNarrower = static_cast<int>(SendMessageA(control, EM_GETLINECOUNT, 0, 0));
    PostKey(FocusedWindowOf(box), VK_RETURN);
  });
  EXPECT_EQ(ShowMarkupBox(BoxOwnerMode::WithHeading, "<B>" + body + "</B><P>Free some space.", "Error",
                          kDefaultButtonCaptions, kDefaultCharset, 0x10, 0),
            kBoxOk);
  driver.Finish();
  EXPECT_TRUE(SavePng(image, ScreenshotPath("message_box_error.png")));
  EXPECT_EQ(look.caption, "Error");
  EXPECT_EQ(look.shown, "ERROR\r\n\r\n" + body + "\r\nFree some space.\r\n");
  EXPECT_EQ(bold.substr(0, 9), "bbbbb....");
  EXPECT_EQ(bold.substr(9, body.size()), std::string(body.size(), 'b'));
  ExpectBoxAround(look, Width(look.text), text.height);
  // Four lines and the empty one after the final line break: nothing wrapped.
  EXPECT_EQ(look.lineCount, 5);
  // Widened from the measured width in steps of 10, and no further.
  EXPECT_EQ((Width(look.text) - text.width) % 10, 0);
  EXPECT_GT(Width(look.text), text.width);
  EXPECT_LE(Width(look.text), text.width + 200);
  EXPECT_GT(linesWhenNarrower, 5);
}

TEST(MessageBox, ShowMarkupBox_HebrewCharsetReadsRightToLeft) {
  for (const std::uint8_t charset : {std::uint8_t{177}, std::uint8_t{178}, std::uint8_t{1}}) {
    LONG style = 0, exStyle = 0;
    WORD alignment = 0;
    Image image;
    BoxDriver driver([&](HWND box) {
      if (charset == 177) image = CaptureWindow(box);
      const HWND text = TextControlOf(box);
      style = GetWindowLongA(text, GWL_STYLE);
      exStyle = GetWindowLongA(text, GWL_EXSTYLE);
      PARAFORMAT format{};
      format.cbSize = sizeof format;
      SendMessageA(text, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
      alignment = format.wAlignment;
      PostKey(FocusedWindowOf(box), VK_RETURN);
    });
    ShowMarkupBox(BoxOwnerMode::NoHeading, "shalom<P>a second, longer line", "Setup", kDefaultButtonCaptions, charset,
                  0x0, 0);
    driver.Finish();
    if (charset == 177) {
      EXPECT_TRUE(SavePng(image, ScreenshotPath("message_box_right_to_left.png")));
    }
    const bool rtl = charset != 1;
    EXPECT_EQ((style & ES_RIGHT) != 0, rtl) << int{charset};
    EXPECT_EQ((exStyle & WS_EX_RTLREADING) != 0, rtl) << int{charset};
    EXPECT_EQ(alignment, rtl ? PFA_RIGHT : PFA_LEFT) << int{charset};
  }
}

// ---- Look ----

TEST(MessageBox, ShowMarkupBox_PaintsItsBandsAndIsSavedAsScreenshot) {
  Image image;
  RECT client{}, window{};
  POINT origin{0, 0};
  BoxDriver driver([&](HWND box) {
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GetClientRect(box, &client);
    GetWindowRect(box, &window);
    ClientToScreen(box, &origin);
    image = CaptureWindow(box);
    PostKey(FocusedWindowOf(box), 'Y');
  });
  EXPECT_TRUE(AskYesNo(BoxOwnerMode::WithHeading,
                       "<B>Setup</B> needs <B>120 MB</B> on drive C:.<P>The drive has 80 MB free.<P><P>"
                       "Do you want to continue?",
                       "", "", kDefaultCharset, 0));
  driver.Finish();
  ASSERT_GT(image.width, 0);
  EXPECT_TRUE(SavePng(image, ScreenshotPath("message_box_question.png")));

  // Client coordinates into the captured window image.
  const int dx = origin.x - window.left, dy = origin.y - window.top;
  const int cw = client.right, ch = client.bottom;
  auto at = [&](int x, int y) { return image.At(x + dx, y + dy); };
  EXPECT_EQ(at(2, ch / 2), RGB(0, 78, 152)) << "icon band";
  EXPECT_EQ(at(54 + 2, 2), GetSysColor(COLOR_WINDOW)) << "text area";
  EXPECT_EQ(at(2, ch - 37), GetSysColor(COLOR_3DDKSHADOW)) << "dark line";
  EXPECT_EQ(at(2, ch - 36), RGB(255, 255, 255)) << "white line";
  EXPECT_EQ(at(cw - 2, ch - 2), GetSysColor(COLOR_BTNFACE)) << "button band";
  // The question icon is drawn at (11, 20) over the band.
  int iconPixels = 0;
  for (int y = 20; y < 52; ++y) {
    for (int x = 11; x < 43; ++x) iconPixels += at(x, y) != RGB(0, 78, 152);
  }
  EXPECT_GT(iconPixels, 100);
}

}  // namespace
}  // namespace vantor::testing
