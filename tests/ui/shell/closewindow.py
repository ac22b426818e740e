#!/usr/bin/python3
"""Closes the X window with the given title the way a window manager's close
button does: a WM_DELETE_WINDOW client message. Exits 1 when no such window
is found."""
import sys

from Xlib import X, display, protocol


def title_of(window):
    name = window.get_wm_name()
    return name.decode("utf-8", "replace") if isinstance(name, bytes) else name


def shown_windows(window, title):
    """The mapped windows with that title (a toolkit also names hidden helper
    windows after the program)."""
    found = []
    if title_of(window) == title and window.get_attributes().map_state == X.IsViewable:
        found.append(window)
    for child in window.query_tree().children:
        found += shown_windows(child, title)
    return found


def main():
    screen = display.Display()
    windows = shown_windows(screen.screen().root, sys.argv[1])
    if not windows:
        return 1
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    for window in windows:
        message = protocol.event.ClientMessage(
            window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
    screen.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
