#pragma once

// Where the light pass draws. An offscreen 512 × 512 depth buffer when framebuffer objects
// are available, so the whole shadow map is defined whatever the window size; otherwise
// the window's own depth buffer, whose lower-left 512 × 512 pixels become the shadow map.

class LightPassTarget {
public:
    // Creates the offscreen buffer if the implementation offers one. Needs a context.
    void create(int size);
    bool isOffscreen() const { return framebuffer != 0; }
    void destroy();  // releases the offscreen buffer; create may be called again

    void begin();  // draw into the target
    void end();    // back to the window

private:
    unsigned framebuffer = 0;
    unsigned depthBuffer = 0;
};
