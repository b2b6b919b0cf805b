#include "model/media/ImageCM.h"

#include "framework/InterfaceQuery.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

#include <GL/gl.h>

#include <QImageReader>
#include <QPainter>

#include <filesystem>

CORVANE_REGISTER_CLASS(ImageCM)

namespace {
// Uploaded at every draw (no texture object outlives a context), so it stays small.
constexpr int kTextureSize = 256;
// Thumbnails are small; a large picture is kept at this size for them.
constexpr int kPictureSize = 512;
} // namespace

void* ImageCM::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindCastMemberInterface(name))
        .Answer("SceneCastMember", static_cast<SceneCastMember*>(this))
        .Answer("ImageCM", this)
        .Result();
}

StringList ImageCM::GetFileTypes() {
    return {"PNG Image (*.png)\n*.png", "JPEG Image (*.jpg)\n*.jpg", "Bitmap Image (*.bmp)\n*.bmp"};
}

bool ImageCM::Load() {
    std::string path = GetPath();
    if (!CheckFile())
        return false;
    QImageReader reader(QString::fromStdString(path));
    QImage image = reader.read();
    if (image.isNull())
        return FailLoad("it is not a readable image (" + reader.errorString().toStdString() + ")");

    QImage shown = image.width() > kPictureSize || image.height() > kPictureSize
                       ? image.scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio,
                                      Qt::SmoothTransformation)
                       : image;
    QImage picture(shown.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, shown);
    painter.end();
    m_picture = picture;
    m_texture =
        image.scaled(kTextureSize, kTextureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGBA8888);
    m_dAspect = static_cast<double>(image.width()) / image.height();
    return true;
}

void ImageCM::DrawThumbnail(CDC* target, CDC* scratch, const tagRECT& area) {
    int width = area.right - area.left, height = area.bottom - area.top;
    if (m_picture.isNull() || width <= 0 || height <= 0)
        return;
    QImage fitted = m_picture.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    // Format_RGB32 rows are blue, green, red, unused bytes: the layout of a
    // 32-bit bitmap.
    CBitmap bitmap;
    if (!bitmap.CreateBitmap(fitted.width(), fitted.height(), 1, 32, fitted.constBits()))
        return;
    CBitmap* old = scratch->SelectObject(&bitmap);
    target->BitBlt(area.left + (width - fitted.width()) / 2,
                   area.top + (height - fitted.height()) / 2, fitted.width(), fitted.height(),
                   scratch, 0, 0, SRCCOPY);
    scratch->SelectObject(old);
}

void ImageCM::DrawModel() {
    if (m_texture.isNull())
        return;
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_PIXEL_MODE_BIT);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glEnable(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, m_texture.width(), m_texture.height(), 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, m_texture.constBits());
    const double halfWidth = m_dAspect;
    // Row 0 of the picture is its top, at texture coordinate 0. Drawn from
    // arrays, as begin/end drawing made the software renderer keep memory at
    // every repaint.
    const GLdouble corners[4][3] = {
        {-halfWidth, -1, 0}, {halfWidth, -1, 0}, {halfWidth, 1, 0}, {-halfWidth, 1, 0}};
    static const GLdouble texels[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glNormal3d(0, 0, 1);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, corners);
    glTexCoordPointer(2, GL_DOUBLE, 0, texels);
    glDrawArrays(GL_QUADS, 0, 4);
    glPopClientAttrib();
    glPopClientAttrib();
    glPopAttrib();
}
