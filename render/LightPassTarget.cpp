#include "render/LightPassTarget.h"

#include <epoxy/gl.h>

void LightPassTarget::create(int size) {
    if (!(epoxy_gl_version() >= 30 || epoxy_has_gl_extension("GL_ARB_framebuffer_object"))) return;

    glGenRenderbuffers(1, &depthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, size, size);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);

    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    glDrawBuffer(GL_NONE);  // depth only: no colour attachment
    glReadBuffer(GL_NONE);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        glDeleteFramebuffers(1, &framebuffer);
        glDeleteRenderbuffers(1, &depthBuffer);
        framebuffer = 0;
        depthBuffer = 0;
    }
}

void LightPassTarget::destroy() {
    if (framebuffer) glDeleteFramebuffers(1, &framebuffer);
    if (depthBuffer) glDeleteRenderbuffers(1, &depthBuffer);
    framebuffer = 0;
    depthBuffer = 0;
}

void LightPassTarget::begin() {
    if (framebuffer) glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void LightPassTarget::end() {
    if (framebuffer) glBindFramebuffer(GL_FRAMEBUFFER, 0);
}
