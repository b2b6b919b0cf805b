#pragma once

#include "model/CastMemberBase.h"
#include "model/SceneCastMember.h"

#include "framework/PluginClass.h"

#include <string>
#include <vector>

// 3D text read from a .txt file (in the encodings TextFileDecoder reads), one
// line below the other, drawn with the outline-font display lists 1000 to 1254
// that every OpenGL window of the tool builds (one list per Windows-1252 code
// 0 to 254). The first line's baseline starts at the origin; a line is one
// unit high.
class TextCM : public CastMemberBase, public SceneCastMember {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    StringList GetFileTypes() override;
    bool Load() override;
    void DrawThumbnail(CDC* target, CDC* scratch, const tagRECT& area) override;
    void DrawModel() override;

  private:
    std::string m_strText;            // as read, in UTF-8, for the thumbnail
    std::vector<std::string> m_lines; // Windows-1252 codes 0 to 254, one per byte
};
