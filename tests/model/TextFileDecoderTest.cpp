#include "model/TextFileDecoder.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(TextFileDecoderTest, FilesReadInTheirEncodingAndMapOntoWindows1252) {
    struct Row {
        const char* what;
        std::string bytes;
        const char* text; // UTF-8
    };
    const Row rows[] = {
        {"ASCII", "Hello\r\n", "Hello\r\n"},
        {"UTF-8", "No\xC3\xABl \xE2\x82\xAC", "No\xC3\xABl \xE2\x82\xAC"},
        {"UTF-8, mark dropped", "\xEF\xBB\xBFNo\xC3\xABl", "No\xC3\xABl"},
        {"UTF-16LE", "\xFF\xFEN\0\xEB\0\xAC\x20"s, "N\xC3\xAB\xE2\x82\xAC"},
        {"UTF-16BE", "\xFE\xFF\0N\0\xEB\x20\xAC"s, "N\xC3\xAB\xE2\x82\xAC"},
        {"UTF-16, odd last byte", "\xFF\xFEN\0O"s, "N\xEF\xBF\xBD"},
        {"Windows-1252", "No\xEBl \x80 \x93q\x94",
         "No\xC3\xABl \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D"},
        {"Windows-1252, unassigned code", "a\x81", "a\xC2\x81"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TextFileDecoder::Decode(row.bytes).toStdString(), row.text) << row.what;

    EXPECT_EQ(TextFileDecoder::ToWindows1252(U'A'), 'A');
    EXPECT_EQ(TextFileDecoder::ToWindows1252(U'\u00EB'), 0xEB);
    EXPECT_EQ(TextFileDecoder::ToWindows1252(U'\u20AC'), 0x80);
    EXPECT_EQ(TextFileDecoder::ToWindows1252(U'\u201D'), 0x94);
    EXPECT_EQ(TextFileDecoder::ToWindows1252(U'\u03A9'), '?');
    EXPECT_EQ(TextFileDecoder::ToWindows1252(U'\u0081'), '?');
}
