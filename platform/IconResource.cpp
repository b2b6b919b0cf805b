#include "platform/IconResource.h"

#include <QIcon>
#include <QPixmap>

#include <map>

namespace {

// Filled while libraries load, possibly before the QApplication exists, so
// only the image data is kept; the pixmaps are made when asked for.
std::map<UINT, const char* const*>& Registry() {
    static std::map<UINT, const char* const*> registry;
    return registry;
}

} // namespace

void RegisterIconResource(UINT nIDResource, const char* const* xpm) {
    Registry()[nIDResource] = xpm;
}

QIcon LoadIconResource(UINT nIDResource) {
    auto found = Registry().find(nIDResource);
    return found == Registry().end() ? QIcon() : QIcon(QPixmap(found->second));
}
