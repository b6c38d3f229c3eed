// The hyperlink static's decisions: what a click opens, what the tooltip shows, which statics are text.
#include "controls/HyperLinkTarget.h"

#include <gtest/gtest.h>

#include <string>

namespace qiv {
namespace {

struct ClickCase {
  const char* name;
  int kind;
  const char* target;
  bool useTextAsTarget;
  const char* windowText;
  bool helpPage;
  const char* verb;
  const char* file;
};

class HyperLinkClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(HyperLinkClick, OpensTheTargetByKind) {
  const ClickCase& c = GetParam();
  const HyperLinkTarget resolved = ResolveHyperLinkTarget(c.kind, c.target, c.useTextAsTarget, c.windowText);
  EXPECT_EQ(resolved.helpPage, c.helpPage);
  EXPECT_EQ(resolved.verb, c.verb);
  EXPECT_EQ(resolved.file, c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HyperLinkClick,
    ::testing::Values(
        ClickCase{"HelpPage", kHelpPageLink, "Lock.htm", true, "&Help", true, "", "Lock.htm"},
        ClickCase{"Open", kOpenLink, "C:\\Notes.txt", true, "notes", false, "open", "C:\\Notes.txt"},
        ClickCase{"Mail", kMailLink, "someone@example.org", true, "write", false, "open", "mailto:someone@example.org"},
        ClickCase{"OtherKindUsesTheDefaultVerb", 7, "http://example.org", true, "", false, "", "http://example.org"},
        ClickCase{"KindZeroUsesTheDefaultVerb", 0, "readme.txt", true, "", false, "", "readme.txt"},
        ClickCase{"EmptyTargetTakesTheText", kOpenLink, "", true, "http://example.org", false, "open",
                  "http://example.org"},
        ClickCase{"EmptyMailTargetTakesTheText", kMailLink, "", true, "a@b.c", false, "open", "mailto:a@b.c"},
        ClickCase{"EmptyHelpTargetTakesTheText", kHelpPageLink, "", true, "Main.htm", true, "", "Main.htm"},
        ClickCase{"EmptyTargetStaysEmptyWithoutUseText", kOpenLink, "", false, "http://example.org", false, "open",
                  ""}),
    [](const ::testing::TestParamInfo<ClickCase>& param) { return std::string(param.param.name); });

TEST(HyperLinkClick, MailAddressIsPrefixedAnewOnEveryClick) {
  const std::string stored = "someone@example.org";
  const HyperLinkTarget first = ResolveHyperLinkTarget(kMailLink, stored, true, "");
  const HyperLinkTarget second = ResolveHyperLinkTarget(kMailLink, stored, true, "");
  EXPECT_EQ(first.file, "mailto:someone@example.org");
  EXPECT_EQ(second.file, first.file);
}

TEST(HyperLinkTooltip, ShowsTheTargetOrTheTextOfATextStatic) {
  struct Case {
    const char* target;
    bool useTextAsTarget;
    bool textStatic;
    const char* windowText;
    const char* expected;
  } cases[] = {
      {"Set_General.htm", true, true, "&Help", "Set_General.htm"},
      {"Set_General.htm", true, false, "", "Set_General.htm"},  // a picture shows its target too
      {"", true, true, "http://example.org", "http://example.org"},
      {"", true, false, "picture", ""},  // but never its text
      {"", false, true, "http://example.org", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HyperLinkTooltipText(c.target, c.useTextAsTarget, c.textStatic, c.windowText), c.expected)
        << "target '" << c.target << "', text '" << c.windowText << "', text static " << c.textStatic;
  }
}

TEST(HyperLinkStatic, TextTypesAreTheFiveTextStyles) {
  struct Case {
    std::uint32_t style;
    bool text;
  } cases[] = {
      {0x00, true},         // SS_LEFT
      {0x01, true},         // SS_CENTER
      {0x02, true},         // SS_RIGHT
      {0x0B, true},         // SS_SIMPLE
      {0x0C, true},         // SS_LEFTNOWORDWRAP
      {0x03, false},        // SS_ICON
      {0x0E, false},        // SS_BITMAP
      {0x0D, false},        // SS_OWNERDRAW
      {0x10, false},        // SS_ETCHEDHORZ
      {0x50000100, true},   // SS_LEFT | SS_NOTIFY | WS_CHILD | WS_VISIBLE: only the low byte counts
      {0x00000201, true},   // SS_CENTER | SS_CENTERIMAGE
      {0x00000080, false},  // SS_NOPREFIX lies in the low byte
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsTextStatic(c.style), c.text) << std::hex << "style 0x" << c.style;
  }
}

}  // namespace
}  // namespace qiv
