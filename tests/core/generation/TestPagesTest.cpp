#include <gtest/gtest.h>

#include "core/generation/HtmlEscaping.h"
#include "core/generation/TestPages.h"

using namespace kestrova;

namespace {

// The lines, each ended by CR LF.
std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text.append(line).append("\r\n");
  return text;
}

const std::string kHead = Lines({
    R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">)",
    "<HTML>",
    R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=utf-8">)",
    R"(<BODY TEXT="#FFFFFF" BGCOLOR="#000000">)",
});

TPageImage Image(const char* name, const char* hint, int w, int h) { return TPageImage{name, hint, w, h}; }

}  // namespace

TEST(TestPage, GridOfThreeColumnsLeavesTheLastRowOpen) {
  TPageInput in;
  in.projectFile = "/p/menu.btn";
  in.buttonLayout = 2;
  in.buttonColumns = 3;
  in.imageLayout = 0;  // not used without N per image
  in.captionLines = {"About us", R"(Say "hi")", "Contact", ""};
  SetPageImages(in, {Image("001_about_us.gif", "About us", 96, 32), Image("002_say__hi_.gif", R"(Say "hi")", 96, 32),
               Image("003_contact.gif", "Contact", 96, 32), Image("004_unnamed.gif", "", 96, 32)});
  EXPECT_EQ(BuildTestPage(in),
            kHead + Lines({
                        "<H2>Kestrova - test HTML: /p/menu.btn</H2>",
                        R"(<TABLE BORDER="0" CELLSPACING="0" CELLPADDING="0">)",
                        "<TR>",
                        " <TD>",
                        R"(  <a href="about us.html"><img src="001_about_us.gif" border="0" width="96" height="32" alt="About us"></a>)",
                        " </TD>",
                        " <TD>",
                        // A double quote is written as a character reference, so it cannot end the attribute.
                        R"(  <a href="say &quot;hi&quot;.html"><img src="002_say__hi_.gif" border="0" width="96" height="32" alt="Say &quot;hi&quot;"></a>)",
                        " </TD>",
                        " <TD>",
                        R"(  <a href="contact.html"><img src="003_contact.gif" border="0" width="96" height="32" alt="Contact"></a>)",
                        " </TD>",
                        "</TR>",
                        "<TR>",
                        " <TD>",
                        R"(  <a href=".html"><img src="004_unnamed.gif" border="0" width="96" height="32" alt=""></a>)",
                        " </TD>",
                        "</TABLE>",
                        "</BODY>",
                        "</HTML>",
                    }));
}

TEST(TestPage, JoinedImagesLinkToTheFirstCaptionOfTheirFirstButton) {
  TPageInput in;
  in.joinMode = 2;
  in.rowsPerButton = 2;
  in.captionLines = {"A", "a", "B", "b", "C", "c"};
  SetPageImages(in, {Image("1.gif", "image 1", 1, 1), Image("2.gif", "image 2", 1, 1)});
  EXPECT_NE(BuildTestPage(in).find(R"(<a href="c.html"><img src="2.gif")"), std::string::npos);
  in.joinMode = 1;
  in.imageCount = 1;
  EXPECT_NE(BuildTestPage(in).find(R"(<a href="allinone.html"><img src="1.gif")"), std::string::npos);
}

TEST(MapPage, NPerImageInATableWithAreasOnlyForCaptionedSlots) {
  TPageInput in;
  in.projectFile = "menu.btn";
  in.joinMode = 2;
  in.buttonLayout = 1;  // not used with N per image
  in.imageLayout = 0;
  in.buttonsPerImage = 2;
  in.buttonCount = 5;
  in.captionLines = {"Home", "", "News", "Links", "Mail"};
  SetPageImages(in, {Image("001_image_1.gif", "image 1", 96, 64), Image("002_image_2.gif", "image 2", 96, 64),
               Image("003_image_3.gif", "image 3", 96, 64)});
  in.mapRects = {"0,0,96,32", "0,32,96,64", "0,0,96,32", "0,32,96,64", "0,0,96,32"};
  EXPECT_EQ(BuildMapPage(in),
            kHead + Lines({
                        "<H2>Kestrova - test HTML (map): menu.btn</H2>",
                        "",
                        R"(<TABLE BORDER="0" CELLSPACING="0" CELLPADDING="0">)",
                        "",
                        "<TR>",
                        R"(<map name="kestro0" id="kestro0">)",
                        R"(<area shape="rect" coords="0,0,96,32" href="home.html" alt="Home"/>)",
                        "</map>",
                        "",
                        " <TD>",
                        R"(<img src="001_image_1.gif" alt="image 1" width="96" height="64" usemap="#kestro0"/>)",
                        "",
                        " </TD>",
                        "</TR>",
                        "<TR>",
                        R"(<map name="kestro1" id="kestro1">)",
                        R"(<area shape="rect" coords="0,0,96,32" href="news.html" alt="News"/>)",
                        R"(<area shape="rect" coords="0,32,96,64" href="links.html" alt="Links"/>)",
                        "</map>",
                        "",
                        " <TD>",
                        R"(<img src="002_image_2.gif" alt="image 2" width="96" height="64" usemap="#kestro1"/>)",
                        "",
                        " </TD>",
                        "</TR>",
                        "<TR>",
                        R"(<map name="kestro2" id="kestro2">)",
                        R"(<area shape="rect" coords="0,0,96,32" href="mail.html" alt="Mail"/>)",
                        "</map>",
                        "",
                        " <TD>",
                        R"(<img src="003_image_3.gif" alt="image 3" width="96" height="64" usemap="#kestro2"/>)",
                        "",
                        " </TD>",
                        "</TR>",
                        "</TABLE>",
                        "",
                        "</BODY>",
                        "</HTML>",
                    }));
}

TEST(MapPage, AllInOneHasRowMarksButNoTableAndPadsMissingRectangles) {
  TPageInput in;
  in.joinMode = 1;
  in.buttonLayout = 1;
  in.buttonCount = 3;
  in.captionLines = {"A", "B", "C"};
  SetPageImages(in, {Image("001_all_in_one_image.png", "all in one image", 300, 40)});
  in.mapRects = {"4,4,100,36", "102,4,198,36"};
  EXPECT_EQ(BuildMapPage(in),
            kHead + Lines({
                        "<H2>Kestrova - test HTML (map): </H2>",
                        "",
                        "<TR>",
                        R"(<map name="kestro0" id="kestro0">)",
                        R"(<area shape="rect" coords="4,4,100,36" href="a.html" alt="A"/>)",
                        R"(<area shape="rect" coords="102,4,198,36" href="b.html" alt="B"/>)",
                        R"(<area shape="rect" coords="0,0,0,0" href="c.html" alt="C"/>)",
                        "</map>",
                        "",
                        " <TD>",
                        R"(<img src="001_all_in_one_image.png" alt="all in one image" width="300" height="40" usemap="#kestro0"/>)",
                        "",
                        " </TD>",
                        "</TR>",
                        "</BODY>",
                        "</HTML>",
                    }));
}

// Captions and file names can never become markup, a script link or raw
// control bytes in a page; plain ones are written as they are.
TEST(PageText, MarkupIsEscapedControlsDroppedAndLinksKeptRelative) {
  const struct {
    std::string in, text, link;
  } cases[] = {
      {"About us, 2nd (new)!", "About us, 2nd (new)!", "About us, 2nd (new)!"},
      {"\xC3\x9C" "ber uns", "\xC3\x9C" "ber uns", "\xC3\x9C" "ber uns"},  // a UTF-8 letter with a byte in C1's range
      {R"x("><img src=x onerror=alert(1)>)x", "&quot;&gt;&lt;img src=x onerror=alert(1)&gt;",
       "&quot;&gt;&lt;img src=x onerror=alert(1)&gt;"},
      {"<script>x</script>", "&lt;script&gt;x&lt;/script&gt;", "&lt;script&gt;x&lt;/script&gt;"},
      {"Tom & Jerry", "Tom &amp; Jerry", "Tom &amp; Jerry"},
      {"javascript:alert(1)", "javascript:alert(1)", "javascript%3Aalert(1)"},
      {" data:text/html,x", " data:text/html,x", " data%3Atext/html,x"},
      {"java\tscript:x", "java\tscript:x", "javascript%3Ax"},  // a browser drops the tab
      {"a/b:c", "a/b:c", "a/b:c"},                             // after a "/" no scheme can start
      {"javascript&colon;x", "javascript&amp;colon;x", "javascript&amp;colon;x"},
      {std::string("a\0b\x1B[31mc\x7F" "d\xC2\x85" "e", 14), "ab[31mcde", "ab[31mcde"},
      {"two\r\nlines", "two\r\nlines", "twolines"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HtmlText(c.in), c.text) << c.in;
    EXPECT_EQ(HtmlLinkTarget(c.in), c.link) << c.in;
  }
}

// A link never leaves the page's folder: not to another host, the root, a
// drive or a parent folder; a "/" inside a caption still names a folder in it.
TEST(PageText, EveryLinkTargetStaysInsideThePagesFolder) {
  const struct {
    const char* in;
    const char* link;
  } cases[] = {
      {"//evil.example/x", ".//evil.example/x"},      // "//" would be another host
      {R"(\\evil.example\x)", R"(.\\evil.example\x)"},
      {R"(/\evil.example)", R"(./\evil.example)"},
      {R"(\/evil.example)", R"(.\/evil.example)"},
      {" \t//evil.example", " .//evil.example"},      // a browser drops the blank and the tab
      {"/etc/passwd", "./etc/passwd"},                // a path from the root
      {"../up", "__/up"},
      {R"(a/../..\b)", R"(a/__/__\b)"},
      {".%2e/x", "__/x"},                             // a browser reads "%2e" as a dot
      {"%2E%2e/x", "__/x"},
      {" ..?a/../b", " __?a/../b"},                   // the query is no path
      {"x#../y", "x#../y"},
      {"c|/windows", "c%7C/windows"},                 // a drive in a file address
      {R"(C|\x)", R"(C%7C\x)"},
      {"products/new", "products/new"},               // plain ones stay as they are
      {"a..b/.../c|d/./e", "a..b/.../c|d/./e"},
      {"100% off", "100% off"},
  };
  for (const auto& c : cases) EXPECT_EQ(HtmlLinkTarget(c.in), c.link) << c.in;
  EXPECT_EQ(HTMLArea("0,0,1,1", "//evil.example/x.html", "x"),
            R"(<area shape="rect" coords="0,0,1,1" href=".//evil.example/x.html" alt="x"/>)");
}

TEST(TestPage, HostileCaptionsAndProjectNameStayText) {
  TPageInput in;
  in.projectFile = "/p/<script>alert(1)</script>.btn";
  in.captionLines = {R"x("><img src=x onerror=alert(1)>)x", "javascript:alert(1)"};
  SetPageImages(in, {Image("001__img.gif", R"x("><img src=x onerror=alert(1)>)x", 8, 8), Image("002_js.gif", "javascript:alert(1)", 8, 8)});
  const std::string page = BuildTestPage(in);
  EXPECT_NE(page.find("<H2>Kestrova - test HTML: /p/&lt;script&gt;alert(1)&lt;/script&gt;.btn</H2>\r\n"),
            std::string::npos);
  EXPECT_NE(page.find(R"x(  <a href="&quot;&gt;&lt;img src=x onerror=alert(1)&gt;.html"><img src="001__img.gif" )x"
                      R"x(border="0" width="8" height="8" alt="&quot;&gt;&lt;img src=x onerror=alert(1)&gt;"></a>)x"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find(R"x(<a href="javascript%3Aalert(1).html"><img src="002_js.gif" border="0" width="8" height="8" )x"
                      R"x(alt="javascript:alert(1)"></a>)x"),
            std::string::npos)
      << page;
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("<img src=x"), std::string::npos);
}

TEST(MapPage, HostileCaptionsStayTextInAreasAndTheImage) {
  TPageInput in;
  in.projectFile = "a&b.btn";
  in.joinMode = 1;
  in.buttonCount = 2;
  in.captionLines = {"<b>x</b>", "vbscript:msgbox"};
  SetPageImages(in, {Image("001_all.gif", "\"all\"\x1B", 8, 8)});
  in.mapRects = {"0,0,8,4", "0,4,8,8"};
  const std::string page = BuildMapPage(in);
  EXPECT_NE(page.find("<H2>Kestrova - test HTML (map): a&amp;b.btn</H2>\r\n"), std::string::npos);
  EXPECT_NE(page.find(R"x(<area shape="rect" coords="0,0,8,4" href="&lt;b&gt;x&lt;/b&gt;.html" alt="&lt;b&gt;x&lt;/b&gt;"/>)x"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find(R"x(<area shape="rect" coords="0,4,8,8" href="vbscript%3Amsgbox.html" alt="vbscript:msgbox"/>)x"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find(R"x(<img src="001_all.gif" alt="&quot;all&quot;" width="8")x"), std::string::npos) << page;
}
