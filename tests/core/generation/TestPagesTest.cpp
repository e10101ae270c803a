#include <gtest/gtest.h>

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
  in.images = {Image("001_about_us.gif", "About us", 96, 32), Image("002_say__hi_.gif", R"(Say "hi")", 96, 32),
               Image("003_contact.gif", "Contact", 96, 32), Image("004_unnamed.gif", "", 96, 32)};
  EXPECT_EQ(BuildTestPage(in),
            kHead + Lines({
                        "<H2>Kestrova - test HTML: /p/menu.btn</H2>",
                        R"(<TABLE BORDER="0" CELLSPACING="0" CELLPADDING="0">)",
                        "<TR>",
                        " <TD>",
                        R"(  <a href="about us.html"><img src="001_about_us.gif" border="0" width="96" height="32" alt="About us"></a>)",
                        " </TD>",
                        " <TD>",
                        R"(  <a href="say "hi".html"><img src="002_say__hi_.gif" border="0" width="96" height="32" alt="Say "hi""></a>)",
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
  in.images = {Image("1.gif", "image 1", 1, 1), Image("2.gif", "image 2", 1, 1)};
  EXPECT_NE(BuildTestPage(in).find(R"(<a href="c.html"><img src="2.gif")"), std::string::npos);
  in.joinMode = 1;
  in.images.resize(1);
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
  in.images = {Image("001_image_1.gif", "image 1", 96, 64), Image("002_image_2.gif", "image 2", 96, 64),
               Image("003_image_3.gif", "image 3", 96, 64)};
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
  in.images = {Image("001_all_in_one_image.png", "all in one image", 300, 40)};
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
