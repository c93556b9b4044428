#include "support/xwindow.h"

#include "render/x_display.h"
#include "support/picture.h"

#include <X11/Xutil.h>
#include <png.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace support {

namespace {

// Errors from windows that vanish while we look at them are expected.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

bool titleIs(Display* d, Window w, const std::string& title) {
    char* name = nullptr;
    bool same = false;
    if (XFetchName(d, w, &name) && name != nullptr) {
        same = (title == name);
        XFree(name);
    }
    return same;
}

template <typename F>
void walk(Display* d, Window w, F&& visit) {
    visit(w);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &count) == 0) {
        return;
    }
    for (unsigned i = 0; i < count; ++i) {
        walk(d, children[i], visit);
    }
    if (children != nullptr) {
        XFree(children);
    }
}

unsigned shiftOf(unsigned long mask) {
    unsigned s = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++s;
    }
    return s;
}

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

Connection::Connection() : display_(nullptr) {
    display_ = geometrija::openDisplay(nullptr);
    if (display_ != nullptr) {
        XSetErrorHandler(ignoreErrors);
    }
}

Connection::~Connection() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

Window Connection::find(const std::string& title) const {
    Window found = 0;
    walk(display_, DefaultRootWindow(display_), [&](Window w) {
        if (found == 0 && titleIs(display_, w, title)) {
            XWindowAttributes a;
            if (XGetWindowAttributes(display_, w, &a) && a.map_state == IsViewable) {
                found = w;
            }
        }
    });
    return found;
}

int Connection::count(const std::string& title) const {
    int n = 0;
    walk(display_, DefaultRootWindow(display_), [&](Window w) {
        if (titleIs(display_, w, title)) {
            ++n;
        }
    });
    return n;
}

Window Connection::waitFor(const std::string& title, int timeoutMs) const {
    for (int waited = 0;; waited += 20) {
        const Window w = find(title);
        if (w != 0 || waited >= timeoutMs) {
            return w;
        }
        sleepMs(20);
    }
}

Image Connection::capture(Window w) const {
    return captureWindow(display_, w);
}

Image captureWindow(Display* display, Window w) {
    Image image;
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, w, &a)) {
        return image;
    }
    XImage* x = XGetImage(display, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (x == nullptr) {
        return image;
    }
    const unsigned rs = shiftOf(x->red_mask);
    const unsigned gs = shiftOf(x->green_mask);
    const unsigned bs = shiftOf(x->blue_mask);
    image.width = a.width;
    image.height = a.height;
    image.rgb.resize(static_cast<std::size_t>(a.width) * a.height * 3);
    std::size_t k = 0;
    for (int row = 0; row < a.height; ++row) {
        for (int col = 0; col < a.width; ++col) {
            const unsigned long p = XGetPixel(x, col, row);
            image.rgb[k++] = static_cast<std::uint8_t>((p & x->red_mask) >> rs);
            image.rgb[k++] = static_cast<std::uint8_t>((p & x->green_mask) >> gs);
            image.rgb[k++] = static_cast<std::uint8_t>((p & x->blue_mask) >> bs);
        }
    }
    XDestroyImage(x);
    return image;
}

Image Connection::captureWhen(Window w, int x, int y, const std::uint8_t rgb[3], int tolerance,
                              int timeoutMs) const {
    for (int waited = 0;; waited += 20) {
        Image image = capture(w);
        if (!image.empty() && x < image.width && y < image.height) {
            const std::uint8_t* p = image.at(x, y);
            if (near(p, rgb[0], rgb[1], rgb[2], tolerance)) {
                // One more frame's time, so that a swap in progress has landed.
                sleepMs(100);
                return capture(w);
            }
        }
        if (waited >= timeoutMs) {
            return Image();
        }
        sleepMs(20);
    }
}

void Connection::close(Window w) const {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, w, False, NoEventMask, &e);
    XFlush(display_);
}

bool Connection::geometry(Window w, int& x, int& y, int& width, int& height) const {
    XWindowAttributes a;
    if (!XGetWindowAttributes(display_, w, &a)) {
        return false;
    }
    Window child = 0;
    XTranslateCoordinates(display_, w, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    width = a.width;
    height = a.height;
    return true;
}

bool writePng(const Image& image, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int row = 0; row < image.height; ++row) {
        png_write_row(png, const_cast<png_bytep>(image.at(0, row)));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

}  // namespace support
