#include "model/JsonTextWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

namespace {
using Json = nlohmann::ordered_json;

// Project files were written by nlohmann's dump(2); the same content must
// give the same bytes, escapes, broken UTF-8 and number forms included.
TEST(JsonTextWriterTest, WritesWhatTheLibraryDumps) {
    const char* texts[] = {
        "",         "plain",        "q\"b\\s/", "\n\t\r\b\f\x01\x1f\x7f", "caf\xc3\xa9",
        "\xff\xfe", "cut \xe2\x82", "\xc3(",    "\xf0\x9f\x98\x80"};
    const double numbers[] = {0.0, -0.0,     1.0,     -0.5, 0.1f, 1e20, 1e-7, 123456789012345678.0,
                              NAN, INFINITY, 2.5e-310};
    JsonTextWriter out;
    Json expected = Json::object();
    out.BeginObject();
    out.Name("empty");
    out.BeginObject();
    out.EndObject();
    expected["empty"] = Json::object();
    out.Name("none");
    out.BeginArray();
    out.EndArray();
    expected["none"] = Json::array();
    out.Name("texts");
    out.BeginObject();
    for (const char* text : texts) {
        out.Name(text);
        out.BeginArray();
        out.Text(text);
        out.Integer(-42);
        out.EndArray();
        expected["texts"][text] = Json::array({text, -42});
    }
    out.EndObject();
    out.Name("numbers");
    out.BeginArray();
    for (double number : numbers) {
        out.Number(number);
        expected["numbers"].push_back(number);
    }
    out.EndArray();
    out.EndObject();
    EXPECT_EQ(out.Take(), expected.dump(2, ' ', false, Json::error_handler_t::replace));
}
} // namespace
