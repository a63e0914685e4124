#!/usr/bin/env python3
"""Starts a program and waits, without polling, for its first window to be
mapped on the X display: the time from the spawn to the MapNotify the X
server sends for a top-level window, which is when the window is mapped and
visible on a screen without a window manager (a private Xvfb).

    start_wait.py PROGRAM [ARG...]

Prints "PID WINDOW START_MS" and leaves the program running, with its output
thrown away. Talks to libX11 through ctypes, so that nothing is built; only
the runtime library is needed. Exits 1 when the program ends first."""

import ctypes
import os
import select
import subprocess
import sys
import time

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
MAP_NOTIFY = 19


class MapEvent(ctypes.Structure):
    """XMapEvent, padded to the size of the XEvent union (24 longs)."""
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int), ("pad", ctypes.c_long * 24)]


def main():
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x.XConnectionNumber.argtypes = [ctypes.c_void_p]
    x.XPending.argtypes = [ctypes.c_void_p]
    x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(MapEvent)]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    dpy = x.XOpenDisplay(None)
    if not dpy:
        sys.exit("start_wait: no display")
    # Listening before the spawn, so that no map can be missed.
    x.XSelectInput(dpy, x.XDefaultRootWindow(dpy), SUBSTRUCTURE_NOTIFY_MASK)
    x.XSync(dpy, 0)
    fd = x.XConnectionNumber(dpy)
    t0 = time.monotonic()
    proc = subprocess.Popen(sys.argv[1:], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, start_new_session=True)
    ev = MapEvent()
    while True:
        while x.XPending(dpy):
            x.XNextEvent(dpy, ctypes.byref(ev))
            # Menus and tool tips are override-redirect windows; the main window is not.
            if ev.type == MAP_NOTIFY and not ev.override_redirect:
                ms = (time.monotonic() - t0) * 1000
                print(proc.pid, ev.window, int(round(ms)), flush=True)
                os._exit(0)  # the program runs on, as the player's does
        if proc.poll() is not None:
            sys.exit("start_wait: the program ended at start")
        select.select([fd], [], [], 0.5)


main()
