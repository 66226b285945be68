// The platform floor: the artwork decoded with libpng and shown with XPutImage in a
// 600 x 300 window, centred like the program's. Nothing else.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <cstring>
#include <vector>

#include "QYRDownloaderArtwork.h"

namespace
{
    struct Reader
    {
        const unsigned char* data;
        size_t size, offset;
    };

    void readFromMemory (png_structp png, png_bytep out, png_size_t length)
    {
        auto* reader = static_cast<Reader*> (png_get_io_ptr (png));

        if (reader->offset + length > reader->size)
            png_error (png, "read past the end");

        std::memcpy (out, reader->data + reader->offset, length);
        reader->offset += length;
    }

    std::vector<unsigned char> decode (int& width, int& height)
    {
        Reader reader { resource_GUI_qyrdownloaderImageBg_png, sizeof (resource_GUI_qyrdownloaderImageBg_png), 0 };
        auto png = png_create_read_struct (PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        auto info = png_create_info_struct (png);
        std::vector<unsigned char> pixels;

        if (setjmp (png_jmpbuf (png)) == 0)
        {
            png_set_read_fn (png, &reader, readFromMemory);
            png_read_info (png, info);
            width = (int) png_get_image_width (png, info);
            height = (int) png_get_image_height (png, info);

            // Four bytes a pixel, B G R X, as a 24-bit TrueColor visual stores them.
            png_set_bgr (png);
            png_set_filler (png, 0, PNG_FILLER_AFTER);

            pixels.resize ((size_t) (width * height * 4));
            std::vector<png_bytep> rows ((size_t) height);

            for (int y = 0; y < height; ++y)
                rows[(size_t) y] = pixels.data() + y * width * 4;

            png_read_image (png, rows.data());
        }

        png_destroy_read_struct (&png, &info, nullptr);
        return pixels;
    }
}

int main()
{
    int width = 0, height = 0;
    auto pixels = decode (width, height);

    auto* display = XOpenDisplay (nullptr);

    if (display == nullptr || pixels.empty())
        return 1;

    const auto screen = DefaultScreen (display);
    const auto window = XCreateSimpleWindow (display, RootWindow (display, screen),
                                             (DisplayWidth (display, screen) - width) / 2,
                                             (DisplayHeight (display, screen) - height) / 2,
                                             (unsigned) width, (unsigned) height, 0, 0, 0x222222);
    XStoreName (display, window, "PlatformFloor");
    auto deleteWindow = XInternAtom (display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols (display, window, &deleteWindow, 1);
    XSelectInput (display, window, ExposureMask);
    XMapWindow (display, window);

    auto* image = XCreateImage (display, DefaultVisual (display, screen), 24, ZPixmap, 0,
                                reinterpret_cast<char*> (pixels.data()), (unsigned) width, (unsigned) height, 32, 0);
    const auto gc = DefaultGC (display, screen);

    for (;;)
    {
        XEvent event;
        XNextEvent (display, &event);

        if (event.type == Expose && event.xexpose.count == 0)
            XPutImage (display, window, gc, image, 0, 0, 0, 0, (unsigned) width, (unsigned) height);
        else if (event.type == ClientMessage && (Atom) event.xclient.data.l[0] == deleteWindow)
            break;
    }

    image->data = nullptr;
    XDestroyImage (image);
    XCloseDisplay (display);
    return 0;
}
