#include "platform/gl/DeferredGlyphLists.h"

void DeferredGlyphLists::Defer(GLuint nList, unsigned nChar, const Request& request) {
    m_pending.insert_or_assign(nList, Glyph{nChar, request});
}

void DeferredGlyphLists::Make(GLuint nList) {
    const auto found = m_pending.find(nList);
    if (found == m_pending.end())
        return;
    const Glyph glyph = found->second;
    m_pending.erase(found);
    const Request& request = glyph.request;
    request.font.CompileGlyph(glyph.nChar, nList, request.fDeviation, request.fExtrusion,
                              request.nFormat);
}

void DeferredGlyphLists::MakeAll() {
    while (!m_pending.empty())
        Make(m_pending.begin()->first);
}

void DeferredGlyphLists::Forget(GLuint nList, GLsizei nRange) {
    if (nRange <= 0)
        return;
    // The range may run past the last name; GL wraps nothing round.
    const GLuint nEnd = nList + static_cast<GLuint>(nRange);
    m_pending.erase(m_pending.lower_bound(nList),
                    nEnd > nList ? m_pending.lower_bound(nEnd) : m_pending.end());
}
