#include "platform/gdi/FontLookup.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

FcPattern* MakeRequest(const char* szFamily, int nWeight, bool bItalic) {
    FcPattern* pPattern = FcPatternCreate();
    if (szFamily && *szFamily)
        FcPatternAddString(pPattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(szFamily));
    FcPatternAddInteger(pPattern, FC_WEIGHT, FcWeightFromOpenType(nWeight));
    FcPatternAddInteger(pPattern, FC_SLANT, bItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pPattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pPattern, FcMatchPattern);
    return pPattern;
}

// The families that fontconfig's rules bind strongly to the request: the name
// itself and its metric-compatible equivalents. Generic fall-backs are bound
// weakly.
std::set<std::string> StrongFamilies(FcPattern* pPattern) {
    std::set<std::string> families;
    FcValue value;
    FcValueBinding binding;
    for (int i = 0;
         FcPatternGetWithBinding(pPattern, FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i) {
        if (binding != FcValueBindingWeak && value.type == FcTypeString)
            families.insert(Lowered(reinterpret_cast<const char*>(value.u.s)));
    }
    return families;
}

std::string StringOf(FcPattern* pPattern, const char* szObject) {
    FcChar8* pValue = nullptr;
    if (FcPatternGetString(pPattern, szObject, 0, &pValue) != FcResultMatch || !pValue)
        return {};
    return reinterpret_cast<const char*>(pValue);
}

int IntegerOf(FcPattern* pPattern, const char* szObject, int nDefault) {
    int nValue = nDefault;
    FcPatternGetInteger(pPattern, szObject, 0, &nValue);
    return nValue;
}

// Windows measures a font's cell with the OS/2 table's usWinAscent and
// usWinDescent; fonts without one fall back to the horizontal header.
void ReadCellMetrics(FontLookup::Face& face) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return;
    FT_Face ftFace = nullptr;
    if (FT_New_Face(library, face.strFile.c_str(), face.nIndex, &ftFace) == 0) {
        face.nUnitsPerEm = ftFace->units_per_EM > 0 ? ftFace->units_per_EM : 2048;
        const auto* pOS2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ftFace, FT_SFNT_OS2));
        if (pOS2 && pOS2->usWinAscent + pOS2->usWinDescent > 0) {
            face.nCellAscent = pOS2->usWinAscent;
            face.nCellDescent = pOS2->usWinDescent;
        } else {
            face.nCellAscent = ftFace->ascender;
            face.nCellDescent = -ftFace->descender;
        }
        FT_Done_Face(ftFace);
    }
    FT_Done_FreeType(library);
}

FontLookup::Face FaceOf(FcPattern* pMatch) {
    FontLookup::Face face;
    face.strFile = StringOf(pMatch, FC_FILE);
    face.strFamily = StringOf(pMatch, FC_FAMILY);
    face.nIndex = IntegerOf(pMatch, FC_INDEX, 0);
    face.nWeight = FcWeightToOpenType(IntegerOf(pMatch, FC_WEIGHT, FC_WEIGHT_REGULAR));
    face.bItalic = IntegerOf(pMatch, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
    face.bFound = !face.strFile.empty();
    if (face.bFound)
        ReadCellMetrics(face);
    return face;
}

FontLookup::Face Match(FcPattern* pRequest, const std::set<std::string>* pAccepted) {
    FcDefaultSubstitute(pRequest);
    FcResult result = FcResultNoMatch;
    FcPattern* pMatch = FcFontMatch(nullptr, pRequest, &result);
    FontLookup::Face face;
    if (pMatch) {
        if (!pAccepted || pAccepted->count(Lowered(StringOf(pMatch, FC_FAMILY))))
            face = FaceOf(pMatch);
        FcPatternDestroy(pMatch);
    }
    return face;
}

FontLookup::Face Resolve(const std::string& strFamily, int nWeight, bool bItalic) {
    FcPattern* pRequest = MakeRequest(strFamily.c_str(), nWeight, bItalic);
    const std::set<std::string> strong = StrongFamilies(pRequest);
    FontLookup::Face face = Match(pRequest, strFamily.empty() ? nullptr : &strong);
    FcPatternDestroy(pRequest);
    if (face.bFound)
        return face;
    // No equivalent of the named face here: a bold sans face stands in.
    FcPattern* pFallback = MakeRequest("sans-serif", 700, bItalic);
    face = Match(pFallback, nullptr);
    FcPatternDestroy(pFallback);
    return face;
}

} // namespace

FontLookup::Face FontLookup::Find(const char* szFaceName, int nWeight, bool bItalic) {
    static std::mutex mutex;
    static std::map<std::tuple<std::string, int, bool>, Face> cache;

    std::string strFamily = szFaceName ? szFaceName : "";
    // Windows draws its old bitmap dialog face with a TrueType sans face of
    // Arial's proportions.
    if (Lowered(strFamily) == "ms sans serif")
        strFamily = "Arial";
    const int nRequestedWeight = nWeight > 0 ? std::clamp(nWeight, 1, 1000) : 400;
    const auto key = std::make_tuple(Lowered(strFamily), nRequestedWeight, bItalic);

    std::lock_guard<std::mutex> lock(mutex);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, Resolve(strFamily, nRequestedWeight, bItalic)).first;
    return it->second;
}
