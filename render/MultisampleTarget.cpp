#include <epoxy/gl.h>

#include "render/MultisampleTarget.h"

#include <algorithm>

bool MultisampleTarget::prepare(int newWidth, int newHeight, int newSamples) {
    if (framebuffer && newWidth == width && newHeight == height && newSamples == samples)
        return true;
    destroy();
    if (!(epoxy_gl_version() >= 30 || epoxy_has_gl_extension("GL_ARB_framebuffer_object")))
        return false;
    GLint most = 0;
    glGetIntegerv(GL_MAX_SAMPLES, &most);
    const int used = std::min(newSamples, static_cast<int>(most));
    glGenRenderbuffers(1, &colourBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, colourBuffer);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, used, GL_RGBA8, newWidth, newHeight);
    glGenRenderbuffers(1, &depthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, used, GL_DEPTH_COMPONENT24, newWidth,
                                     newHeight);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        destroy();
        return false;
    }
    width = newWidth;
    height = newHeight;
    samples = newSamples;
    return true;
}

void MultisampleTarget::destroy() {
    if (framebuffer) glDeleteFramebuffers(1, &framebuffer);
    if (colourBuffer) glDeleteRenderbuffers(1, &colourBuffer);
    if (depthBuffer) glDeleteRenderbuffers(1, &depthBuffer);
    framebuffer = colourBuffer = depthBuffer = 0;
    width = height = samples = 0;
}

void MultisampleTarget::begin() { glBindFramebuffer(GL_FRAMEBUFFER, framebuffer); }

void MultisampleTarget::resolve() {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDrawBuffer(GL_BACK);
    glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}
