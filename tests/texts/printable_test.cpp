// What may reach a terminal: control characters and bytes that are no UTF-8 come out as \xNN.
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "texts/printable.h"

namespace velmora {
namespace {

TEST(EscapeControls, ControlsAndStrayBytesOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain ASCII", "plain ASCII"},
        {"\x1b[31m\a\x7f", "\\x1b[31m\\x07\\x7f"},
        {"tab\there\r\n", "tab\\x09here\\x0d\\x0a"},
        {"é ஆ 😀", "é ஆ 😀"},                                               // two, three and four bytes
        {"\xc2\x85 \xc2\x9b \xc2\xa0", "\\xc2\\x85 \\xc2\\x9b \xc2\xa0"}, // C1 controls, then NBSP
        {"\x9b"
         "2J",
         "\\x9b2J"},                                  // a C1 control as one byte
        {"\xe9t\xe9", "\\xe9t\\xe9"},                 // Latin-1
        {"\xc0\xaf", "\\xc0\\xaf"},                   // overlong "/"
        {"\xe0\x9f\xbf", "\\xe0\\x9f\\xbf"},          // overlong U+07FF
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},          // a surrogate
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"}, // past U+10FFFF
        {"\xef\xbf\xbf", "\xef\xbf\xbf"},             // U+FFFF is well formed
        {"ends in \xe0\xae", "ends in \\xe0\\xae"},   // cut short
        {"\xe0\xae\x1b", "\\xe0\\xae\\x1b"},
    };
    for (const auto& [text, want] : cases) {
        EXPECT_EQ(EscapeControls(text), want) << want;
        EXPECT_EQ(HasControls(text), want != text) << want;
    }
    EXPECT_EQ(EscapeControls("a\r\nb\x1b", true), "a\r\nb\\x1b");
}

TEST(ShownPart, CutsOnAWholeCharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"short", "short"},
        {std::string(41, 'a'), std::string(40, 'a')},
        {std::string(39, 'a') + "ஆ", std::string(39, 'a')}, // the letter would end at byte 42
        {std::string(38, 'a') + "ஆ", std::string(38, 'a')},
        {std::string(37, 'a') + "ஆ" + "b", std::string(37, 'a') + "ஆ"},
        {std::string(45, '\x80'), std::string(37, '\x80')}, // no UTF-8: cut at most three bytes early
    };
    for (const auto& [text, want] : cases) {
        EXPECT_EQ(ShownPart(text), want) << text.size();
    }
}

} // namespace
} // namespace velmora
