#include <epoxy/gl.h>
#include <GL/glu.h>

#include "render/FloorTexture.h"

#include <cstdio>
#include <cstdlib>

#include "image/Image.h"

unsigned loadTextureFloor(const char* path) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);

    LoadedImage* image = ImageLoad(path);  // ends the process itself when it cannot
    // The pixels are handed to OpenGL as RGB: any other channel count would be misread
    // and read past the end of the buffer.
    if (image->sizeZ != 3) {
        fprintf(stderr, "%s: the floor image has %d channel%s; it must have 3 (RGB)\n", path,
                static_cast<int>(image->sizeZ), image->sizeZ == 1 ? "" : "s");
        ImageFree(image);
        exit(-1);
    }
    // Rows are padded to 4 bytes, which is OpenGL's default unpack alignment.
    const GLint built = gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image->sizeX, image->sizeY, GL_RGB,
                                          GL_UNSIGNED_BYTE, image->data);
    // OpenGL holds its own copy of the pixels now.
    ImageFree(image);
    if (built != 0) {
        fprintf(stderr, "%s: the floor texture could not be built: %s\n", path,
                reinterpret_cast<const char*>(gluErrorString(static_cast<GLenum>(built))));
        exit(-1);
    }
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}
