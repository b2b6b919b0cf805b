#include "model/media/TextCM.h"
#include "model/media/MediaText.h"

#include "framework/InterfaceQuery.h"
#include "platform/gdi/CDC.h"

#include <GL/gl.h>

#include <filesystem>

CORVANE_REGISTER_CLASS(TextCM)

namespace {
constexpr GLuint kFirstGlyphList = 1000;
constexpr std::uintmax_t kLongestText = 64 * 1024;
constexpr double kLineSpacing = 1.2;

// The characters of Windows-1252 codes 0x80 to 0x9F (0 where it has none).
constexpr unsigned kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// A character's code in the font lists (Windows-1252), '?' when they lack it.
unsigned GlyphCode(unsigned character) {
    if (character < 0x80 || (character >= 0xA0 && character < 0xFF))
        return character;
    for (unsigned code = 0; code < 32; ++code)
        if (kWindows1252[code] == character && character != 0)
            return 0x80 + code;
    return '?';
}

// UTF-8 to the font lists' codes, with '?' for every character they lack
// (code 255 included) and for bytes that are no UTF-8.
std::vector<std::string> ToGlyphLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size();) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        unsigned code = byte;
        size_t length = 1;
        if (byte >= 0xC0 && byte < 0xF8) {
            length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            code = byte & (0x3F >> (length - 1));
            for (size_t k = 1; k < length; ++k) {
                unsigned char next =
                    i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
                if ((next & 0xC0) != 0x80) {
                    length = k;
                    code = '?';
                    break;
                }
                code = (code << 6) | (next & 0x3F);
            }
        } else if (byte >= 0x80) {
            code = '?';
        }
        i += length;
        if (code == '\r')
            continue;
        if (code == '\n') {
            lines.emplace_back();
            continue;
        }
        if (code == '\t')
            code = ' ';
        lines.back().push_back(static_cast<char>(GlyphCode(code)));
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}
} // namespace

void* TextCM::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindCastMemberInterface(name))
        .Answer("SceneCastMember", static_cast<SceneCastMember*>(this))
        .Answer("TextCM", this)
        .Result();
}

StringList TextCM::GetFileTypes() {
    return {"3D Text (*.txt)\n*.txt"};
}

bool TextCM::Load() {
    std::string path = GetPath();
    if (!CheckFile())
        return false;
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kLongestText)
        return FailLoad("it is longer than 64 KB, too long for 3D text");
    std::string text, problem;
    if (!MediaText::Read(path, text, problem))
        return FailLoad(problem);
    std::vector<std::string> lines = ToGlyphLines(text);
    if (lines.empty())
        return FailLoad("it holds no text");
    m_strText = text;
    m_lines = std::move(lines);
    return true;
}

void TextCM::DrawThumbnail(CDC* target, CDC*, const tagRECT& area) {
    std::string first = m_strText.substr(0, m_strText.find('\n'));
    if (!first.empty() && first.back() == '\r')
        first.pop_back();
    RECT box = area;
    int oldMode = target->SetBkMode(TRANSPARENT);
    COLORREF oldColour = target->SetTextColor(RGB(0, 0, 160));
    target->DrawText(first.c_str(), static_cast<int>(first.size()), &box,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    target->SetTextColor(oldColour);
    target->SetBkMode(oldMode);
}

void TextCM::DrawModel() {
    glPushAttrib(GL_LIST_BIT);
    glListBase(kFirstGlyphList);
    for (size_t line = 0; line < m_lines.size(); ++line) {
        glPushMatrix();
        glTranslated(0, -kLineSpacing * static_cast<double>(line), 0);
        glCallLists(static_cast<GLsizei>(m_lines[line].size()), GL_UNSIGNED_BYTE,
                    m_lines[line].data());
        glPopMatrix();
    }
    glPopAttrib();
}
