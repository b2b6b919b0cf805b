#include "BitmapGL.h"

#include "platform/gl/RendererEntries.h"
#include "platform/gl/RendererLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

// The file of the library that holds address.
std::string LibraryOf(const void* address) {
    Dl_info info{};
    return dladdr(address, &info) && info.dli_fname ? info.dli_fname : "";
}

} // namespace

TEST(RendererLibrary, EveryFunctionIsTheRenderersAndCallsComeThroughThisLibrary) {
    const std::string forwarder = LibraryOf(dlsym(RTLD_DEFAULT, "glBegin"));
    EXPECT_NE(forwarder.find("Nimbrel"), std::string::npos) << forwarder;
    for (std::size_t i = 0; i < RendererEntries::kCount; ++i) {
        const char* name = RendererEntries::kNames[i];
        EXPECT_EQ(LibraryOf(dlsym(RTLD_DEFAULT, name)), forwarder) << name;
        const std::string owner = LibraryOf(RendererLibrary::Find(name));
        const bool bUtility = std::strncmp(name, "glu", 3) == 0;
        EXPECT_NE(owner.find(bUtility ? "libGLU" : "libOSMesa"), std::string::npos) << name;
    }
    EXPECT_EQ(RendererLibrary::Find("glNoSuchFunction"), nullptr);
}

// First calls go through the binder: arguments in vector registers and on
// the stack must arrive untouched.
TEST(RendererLibrary, AFirstCallKeepsItsArguments) {
    BitmapGL gl(2, 2);
    ASSERT_TRUE(gl.MakeCurrent());
    glColor4d(0.25, 0.5, 0.75, 1.0);
    GLdouble colour[4] = {};
    glGetDoublev(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(std::vector<double>(colour, colour + 4), (std::vector<double>{0.25, 0.5, 0.75, 1.0}));

    const GLubyte texel[4] = {10, 20, 30, 40};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    GLubyte back[4] = {};
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, back);
    EXPECT_EQ(std::memcmp(back, texel, sizeof(texel)), 0);
}
