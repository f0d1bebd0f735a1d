#include "net/html_error_page.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor {
namespace {

constexpr char kUrl[] = "http://example.test/Update.exe";
constexpr char k404Message[] =
    "<B>404 File Not Found...</B><P><P>URL:  http://example.test/Update.exe."
    "<P><P>Please make sure the file is available and access is allowed to this file.";
constexpr char kIisHint[] = "<P><P>If you are using an IIS webserver you must define appropriate MIME-Types.";

TEST(IsHtmlErrorPage, TitleWith404OrAWellFormedPageHead) {
  struct Case {
    const char* content;
    bool page;
  } cases[] = {
      {"<html><head><title>404 Not Found</title></head></html>", true},
      {"<TITLE>Error 404</TITLE>", true},                          // a title naming 404 suffices
      {"<title lang=en>Not here (404)</title>", true},
      {"<HtMl><hEaD><TiTlE>Welcome</tItLe></HEAD>", true},         // any page, without 404
      {"<!DOCTYPE html>\r\n<HTML>\r\n<HEAD>\r\n<TITLE>x</TITLE>", true},
      {"MZ\x90\0\3\0\0\0 This program cannot be run in DOS mode", false},
      {"", false},
      {"<title>Not Found</title> 404", false},                     // 404 after the title
      {"404 <title>Not Found</title>", false},                     // the first 404 comes before the title
      {"<html><title>x</title><head></head>", false},              // head after the title
      {"<head><html><title>x</title>", false},
      {"<html lang=en><head><title>x</title>", false},             // only a bare <HTML> tag counts
      {"<html><head><title>x", false},                             // title never closed
  };
  for (const Case& c : cases) EXPECT_EQ(IsHtmlErrorPage(c.content), c.page) << c.content;
}

TEST(HtmlErrorPageMessage, PageGivesThe404MessageOtherwiseTheIncomingText) {
  const std::string page = "<html><head><title>404 Not Found</title></head><body>Microsoft-IIS/6.0</body></html>";
  EXPECT_EQ(HtmlErrorPageMessage(page, kUrl, "Bad Secret Token!", false), k404Message);
  EXPECT_EQ(HtmlErrorPageMessage(page, kUrl, "", true), std::string(k404Message) + kIisHint);
  // The hint only for pages that name the server.
  EXPECT_EQ(HtmlErrorPageMessage("<title>404</title>", kUrl, "", true), k404Message);
  EXPECT_EQ(HtmlErrorPageMessage("MZ binary IIS", kUrl, "Bad Secret Token!", true), "Bad Secret Token!");
  EXPECT_EQ(HtmlErrorPageMessage("[Info]\r\nVersion=2\r\n", kUrl, "", false), "");
}

}  // namespace
}  // namespace vantor
