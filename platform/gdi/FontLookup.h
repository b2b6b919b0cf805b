#pragma once

#include <string>

// Finds the font file that stands in for a face named by a program. Faces are
// asked of fontconfig, which knows the metric-compatible equivalents of the
// Windows core fonts ("Arial" is drawn with Liberation Sans; the dialog face
// "MS Sans Serif" with Arial's equivalent). The one rule for
// a name that has no such equivalent here ("Impact", "System") lives in
// Find: it is drawn with a bold sans face, because the faces this tool names
// without a local equivalent are heavy display faces.
class FontLookup {
  public:
    struct Face {
        std::string strFile;
        int nIndex = 0;        // face index inside the file
        std::string strFamily; // the family as the font file names it
        int nWeight = 400;     // FW_* weight of the face found
        bool bItalic = false;
        int nUnitsPerEm = 2048; // design units
        int nCellAscent = 0;    // Windows cell metrics, design units
        int nCellDescent = 0;
        bool bFound = false; // false when fontconfig knows no face at all
    };

    // The face for a LOGFONT-style request: face name (may be empty), FW_*
    // weight (0 means normal) and italic.
    static Face Find(const char* szFaceName, int nWeight, bool bItalic);
};
