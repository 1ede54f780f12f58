#pragma once

namespace pomelo {

// The windowing systems the gadget meets. Under X11, XWayland included, a
// window places itself, reads its place, stacks itself above others and
// cuts its own shape. Under Wayland the compositor alone places and stacks
// windows, and a window's shape bounds only where it takes input. Any other
// platform (Qt's offscreen one in the tests) is taken as X11 is.
enum class WindowPlatform { X11, Wayland, Other };

// The platform the application runs on; asked once it exists.
WindowPlatform CurrentWindowPlatform();

} // namespace pomelo
