// Helpers for looking at real windows on the X server named by DISPLAY: find
// a top-level window by its title, read its pixels, ask it to close the way a
// window manager does, and save a picture as PNG.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace support {

// An RGB picture, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    bool empty() const { return width == 0 || height == 0; }
    // The pixel at column x, row y counted from the top.
    const std::uint8_t* at(int x, int y) const {
        return &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    }
};

// A connection to the X server; closes itself.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool ok() const { return display_ != nullptr; }
    Display* display() const { return display_; }

    // The first viewable window whose title is `title`, or 0.
    Window find(const std::string& title) const;
    // Waits up to timeoutMs for such a window; 0 if none appeared.
    Window waitFor(const std::string& title, int timeoutMs) const;
    // All windows (viewable or not) with that title.
    int count(const std::string& title) const;
    // Reads the window's pixels; an empty image if the window is gone.
    Image capture(Window w) const;
    // Waits up to timeoutMs until the pixel at (x, y) from the top has the
    // given colour within `tolerance` (the window has been painted), then
    // captures the window.
    Image captureWhen(Window w, int x, int y, const std::uint8_t rgb[3], int tolerance,
                      int timeoutMs) const;
    // Sends WM_DELETE_WINDOW, as a window manager does when the user closes it.
    void close(Window w) const;
    // Size and position of the window on the screen.
    bool geometry(Window w, int& x, int& y, int& width, int& height) const;

private:
    Display* display_;
};

// Reads the pixels of window w through the connection d; an empty image if
// the window is gone.
Image captureWindow(Display* d, Window w);

bool writePng(const Image& image, const std::string& path);

}  // namespace support
