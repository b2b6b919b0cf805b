#pragma once

#include "model/CastMemberBase.h"
#include "model/SceneCastMember.h"

#include "framework/PluginClass.h"

#include <QImage>

// A picture from a .png, .jpg or .bmp file, shown as a textured quad two
// units high, as wide as the picture's proportions ask, facing +z.
class ImageCM : public CastMemberBase, public SceneCastMember {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    StringList GetFileTypes() override;
    bool Load() override;
    void DrawThumbnail(CDC* target, CDC* scratch, const tagRECT& area) override;
    void DrawModel() override;

  private:
    QImage m_picture; // for thumbnails, on white where it was transparent
    QImage m_texture; // RGBA bytes, small enough to upload at every draw
    double m_dAspect = 1.0;
};
