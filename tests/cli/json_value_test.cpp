// The JSON reader decides whether kelvara-cli's output is valid, so it must refuse what
// is not JSON as firmly as it accepts what is.
#include "json_value.h"

#include <gtest/gtest.h>

namespace kelvara::test {
namespace {

TEST(JsonReader, AcceptsDocumentsAndKeepsTheirValues) {
    const auto v = parse_json(" {\"a\": [1, -2.5e3, true, null], \"s\": \"x\\\"\\\\\\n\\u00e9\\ud83d\\ude00\xe7\x82\xae\"}\n");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->keys(), (std::vector<std::string>{"a", "s"}));
    const Json& a = *v->find("a");
    ASSERT_EQ(a.items.size(), 4u);
    EXPECT_TRUE(a.items[0].is_integer());
    EXPECT_EQ(a.items[1].number, -2500);
    EXPECT_TRUE(a.items[2].boolean);
    EXPECT_EQ(a.items[3].kind, Json::Kind::Null);
    EXPECT_EQ(v->find("s")->text, "x\"\\\n\xc3\xa9\xf0\x9f\x98\x80\xe7\x82\xae");
}

TEST(JsonReader, RefusesWhatIsNotJson) {
    for (const char* bad : {"", "{", "{\"a\" 1}", "{\"a\": 1,}", "[1 2]", "[01]", "[1.]", "[.5]", "[+1]",
                            "{\"a\": 1, \"a\": 2}", "\"tab\there\"", "\"\\x\"", "\"\\ud800\"", "'a'", "nul",
                            "{} {}", "\"\xc5\xda\"", "\"\xc0\xaf\"", "\"\xed\xa0\x80\"", "[1]x"}) {
        std::string why;
        EXPECT_FALSE(parse_json(bad, &why)) << bad;
    }
}

}  // namespace
}  // namespace kelvara::test
