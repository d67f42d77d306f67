#pragma once

// A connection to the X display ($DISPLAY), opened to learn whether there is one: freeglut
// ends the process with its own message when there is none, so the drawing subcommands ask
// first. Hold it until freeglut has its own connection: an X server with no client left
// resets, and refuses connections for a moment while it does. (Kept apart from the other
// files: Xlib's macros clash with the option parser's names.)
class DisplayConnection {
public:
    DisplayConnection();
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

    bool isOpen() const { return display_ != nullptr; }

private:
    void* display_;  // Display*, owned
};
