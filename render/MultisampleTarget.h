#pragma once

// An offscreen multisampled colour and depth buffer the camera pass draws into, resolved into
// the window's back buffer afterwards: anti-aliased edges without asking the window itself for
// samples (the window and its first frame stay as they are). Needs framebuffer objects with
// multisampling (OpenGL 3.0 or ARB_framebuffer_object).

class MultisampleTarget {
public:
    // Makes the buffer `width` × `height` with `samples` per pixel (capped at the OpenGL's
    // most), rebuilding it only when one of them changed. False when it cannot be made.
    bool prepare(int width, int height, int samples);
    void destroy();

    void begin();    // draw into it
    void resolve();  // average it into the window's back buffer and draw there again

private:
    unsigned framebuffer = 0;
    unsigned colourBuffer = 0;
    unsigned depthBuffer = 0;
    int width = 0, height = 0, samples = 0;
};
