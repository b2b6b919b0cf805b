#include "platform/gdi/StockObjects.h"

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

struct StockObjects::Objects {
    CBrush brushes[NULL_BRUSH + 1];
    CPen pens[NULL_PEN - WHITE_PEN + 1];
    CFont systemFont;
    CFont ansiFixedFont;
    CBitmap defaultBitmap;
};

StockObjects::Objects& StockObjects::All() {
    // Built once and never destroyed, so that no device context alive during
    // static destruction is left holding a freed stock object.
    static Objects* pAll = [] {
        auto* pNew = new Objects;
        const COLORREF brushColors[NULL_BRUSH] = {RGB(255, 255, 255), RGB(192, 192, 192),
                                                  RGB(128, 128, 128), RGB(64, 64, 64),
                                                  RGB(0, 0, 0)};
        for (int i = 0; i < NULL_BRUSH; ++i)
            pNew->brushes[i].CreateSolidBrush(brushColors[i]);
        const LOGBRUSH nullBrush{BS_NULL, 0, 0};
        pNew->brushes[NULL_BRUSH].CreateBrushIndirect(&nullBrush);
        pNew->pens[WHITE_PEN - WHITE_PEN].CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        pNew->pens[BLACK_PEN - WHITE_PEN].CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        pNew->pens[NULL_PEN - WHITE_PEN].CreatePen(PS_NULL, 1, 0);
        // The Windows system font: a bold face with a 16-pixel cell.
        pNew->systemFont.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "System");
        // The fixed-pitch ANSI font: Courier New with a 13-pixel cell.
        pNew->ansiFixedFont.CreateFont(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       FIXED_PITCH | FF_MODERN, "Courier New");
        pNew->defaultBitmap.CreateBitmap(1, 1, 1, 1, nullptr);
        for (CGdiObject* pObject : std::initializer_list<CGdiObject*>{
                 &pNew->brushes[0], &pNew->brushes[1], &pNew->brushes[2], &pNew->brushes[3],
                 &pNew->brushes[4], &pNew->brushes[5], &pNew->pens[0], &pNew->pens[1],
                 &pNew->pens[2], &pNew->systemFont, &pNew->ansiFixedFont, &pNew->defaultBitmap})
            pObject->m_bStock = true;
        return pNew;
    }();
    return *pAll;
}

HGDIOBJ StockObjects::Get(int nIndex) {
    Objects& all = All();
    if (nIndex >= WHITE_BRUSH && nIndex <= NULL_BRUSH)
        return &all.brushes[nIndex];
    if (nIndex >= WHITE_PEN && nIndex <= NULL_PEN)
        return &all.pens[nIndex - WHITE_PEN];
    if (nIndex == SYSTEM_FONT)
        return &all.systemFont;
    if (nIndex == ANSI_FIXED_FONT)
        return &all.ansiFixedFont;
    return nullptr;
}

CBitmap* StockObjects::GetDefaultBitmap() {
    return &All().defaultBitmap;
}
