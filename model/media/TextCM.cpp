#include "model/media/TextCM.h"

#include "framework/InterfaceQuery.h"
#include "model/TextFileDecoder.h"
#include "platform/gdi/CDC.h"

#include <QList>

#include <GL/gl.h>

#include <filesystem>
#include <fstream>
#include <iterator>

CORVANE_REGISTER_CLASS(TextCM)

namespace {
constexpr GLuint kFirstGlyphList = 1000;
constexpr std::uintmax_t kLongestText = 64 * 1024;
constexpr double kLineSpacing = 1.2;

// UTF-16 text to the font lists' codes (Windows-1252), with '?' for every
// character they lack (code 255 included).
std::vector<std::string> ToGlyphLines(const QString& text) {
    std::vector<std::string> lines(1);
    for (char32_t character : text.toUcs4()) {
        if (character == '\r')
            continue;
        if (character == '\n') {
            lines.emplace_back();
            continue;
        }
        if (character == '\t')
            character = ' ';
        const unsigned char code = TextFileDecoder::ToWindows1252(character);
        lines.back().push_back(static_cast<char>(code == 0xFF ? '?' : code));
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
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad())
        return FailLoad("it cannot be read");
    const QString decoded = TextFileDecoder::Decode(text);
    std::vector<std::string> lines = ToGlyphLines(decoded);
    if (lines.empty())
        return FailLoad("it holds no text");
    m_strText = decoded.toStdString();
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
