#!/usr/bin/python3
"""Proves the web page in Debian's headless Chromium over its DevTools protocol.

Usage: scripts/web-check.py PAGE_FOLDER [--shots FOLDER]

Serves PAGE_FOLDER on 127.0.0.1 and, in a fresh browser profile: the window appears in the game's
colours (the time from opening the page to that first paint is printed); the prepared stage 1 is
solved by clicks on the menu and the arrows, in three moves and then, in a browser window smaller
than the game's, scaled down to fit, in one (the arrow touched); each record is in the browser's storage and the last
is still there after a reload; a second tab is refused while the first plays; hints come from the
page's worker while the page goes on answering (their waits are printed); a damaged stored file gives
the start-up's message naming it, and nothing is written. Screenshots go to --shots (PNG).
Exits 1 naming the first check that failed.
"""

import argparse
import base64
import functools
import http.server
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
import zlib

import websocket

# The window's own background and where its client area's parts stand in it, in pixels
# (ui/Form1Layout.h: twips / 15).
BACKGROUND = (0, 64, 0)
TURN_ROW1_LEFT = (640 + 57 // 2, 152 + 49 // 2)  # arrow 2, right of row 1: the move "S"
TURN_ROW1_RIGHT = (16 + 57 // 2, 144 + 49 // 2)  # arrow 1, left of row 1: the other way
CLIENT = (1016, 714)  # the client area's size
PUZZLE_MENU = (30, -10)  # "パズル(P)" on the menu bar above the client area
START_PREPARED = (70, 12)  # its first entry, "選択面スタート(S)"
START_RANDOM = (70, 36)  # its second entry, "ランダム面スタート(Z)"
HINT = (255, 0, 255)  # the hint's frame (ui/HintOverlay.cpp)
VIEW = (1280, 800)
SMALL_VIEW = (800, 600)  # smaller than the game's window with its frame and menu bar


class CheckFailed(Exception):
    pass


def check(condition, what):
    if not condition:
        raise CheckFailed(what)
    print(f"  ok: {what}")


def decode_png(data):
    """Pixels of an 8-bit RGB or RGBA PNG, as (width, height, channels, bytes)."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    position, chunks, header = 8, [], None
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        body = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        position += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(chunks))
    stride = width * channels
    out = bytearray(height * stride)
    previous = bytearray(stride)
    for row in range(height):
        kind = raw[row * (stride + 1)]
        line = bytearray(raw[row * (stride + 1) + 1:(row + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - corner
                pa, pb, pc = abs(guess - left), abs(guess - up), abs(guess - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        out[row * stride:(row + 1) * stride] = line
        previous = line
    return width, height, channels, bytes(out)


def has_colour(png, colour):
    width, height, channels, pixels = decode_png(png)
    target = bytes(colour)
    return any(pixels[i:i + 3] == target for i in range(0, len(pixels), channels))


def client_origin(png):
    """The top left corner of the largest run of the window's background, or None."""
    width, height, channels, pixels = decode_png(png)
    best = None
    for y in range(0, height, 2):
        run_start, run = None, 0
        for x in range(width):
            i = (y * width + x) * channels
            if tuple(pixels[i:i + 3]) == BACKGROUND:
                if run_start is None:
                    run_start = x
                run += 1
                if run >= 400:
                    best = (run_start, y)
                    break
            else:
                run_start, run = None, 0
        if best:
            break
    if best is None:
        return None
    # The first row of the background above the run found (every second row was looked at).
    x, y = best
    while y > 0:
        i = ((y - 1) * width + x) * channels
        if tuple(pixels[i:i + 3]) != BACKGROUND:
            break
        y -= 1
    while x > 0:
        i = (y * width + x - 1) * channels
        if tuple(pixels[i:i + 3]) != BACKGROUND:
            break
        x -= 1
    return x, y


class Tab:
    """One page of the browser, over its own DevTools connection."""

    def __init__(self, url):
        self.socket = websocket.create_connection(url, timeout=600, suppress_origin=True)
        self.next_id = 0
        self.console = []
        self.loaded = False
        self.call("Page.enable")
        self.call("Runtime.enable")
        self.view(VIEW)

    def view(self, size):
        self.call("Emulation.setDeviceMetricsOverride", width=size[0], height=size[1],
                  deviceScaleFactor=1, mobile=False)

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("method") == "Page.loadEventFired":
                self.loaded = True
            if message.get("method") == "Runtime.consoleAPICalled":
                self.console.append(" ".join(str(arg.get("value", "")) for arg in message["params"]["args"]))
            elif message.get("method") == "Runtime.exceptionThrown":
                self.console.append("exception: " + json.dumps(message["params"]["exceptionDetails"])[:20000])
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise CheckFailed(f"{method}: {message['error']}")
                return message.get("result", {})

    def load(self, method, **params):
        """Navigates or reloads and waits for the new document's load: Chromium answers a
        screenshot asked for while a page is being replaced with nothing, ever."""
        self.loaded = False
        self.call(method, **params)
        deadline = time.monotonic() + 60
        while not self.loaded:
            if time.monotonic() > deadline:
                raise CheckFailed(f"{method}: the page did not load")
            self.call("Runtime.evaluate", expression="0")

    def lines(self):
        """What the page printed so far (reading the messages that came meanwhile)."""
        self.call("Runtime.evaluate", expression="0")
        return self.console

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, awaitPromise=True,
                           returnByValue=True)
        if "exceptionDetails" in result:
            raise CheckFailed(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def screenshot(self):
        # A page still being replaced by a navigation has nothing to capture for a moment.
        for _ in range(100):
            try:
                return base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"])
            except CheckFailed:
                time.sleep(0.1)
        raise CheckFailed("no screenshot could be taken")

    def wait_for(self, what, predicate, seconds=60):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = predicate()
            if value:
                return value
            time.sleep(0.05)
        raise CheckFailed(f"timed out waiting for {what}")

    def open(self, url):
        """Navigates and waits for the game's window; the seconds to its first paint and where
        its client area stands."""
        started = time.monotonic()
        self.load("Page.navigate", url=url)
        origin = self.wait_for("the game's window", lambda: client_origin(self.screenshot()))
        return time.monotonic() - started, origin

    def click(self, x, y):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      buttons=1 if kind == "mousePressed" else 0, clickCount=1)
            time.sleep(0.05)

    def tap(self, x, y):
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.call("Input.dispatchTouchEvent", type=kind, touchPoints=points)

    def key(self, key, code, text=""):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code, text=text if kind == "keyDown" else "",
                      windowsVirtualKeyCode=ord(key.upper()) if len(key) == 1 else {"Escape": 27}.get(key, 13))
            time.sleep(0.05)

    def stall_seconds(self):
        """How long the page's own thread takes to answer a script: near nothing unless busy."""
        started = time.monotonic()
        self.evaluate("1")
        return time.monotonic() - started

    def hint_seconds(self):
        """Presses H and waits for the hint's magenta frame; the seconds it took, and the longest
        the page's thread left a script waiting meanwhile. H clears a frame on show first: a
        frame seen before it went is the old one, unless none was seen to go for a second (then
        the answer came within a frame)."""
        started = time.monotonic()
        self.key("h", "KeyH", "h")
        gone = False
        stall = 0
        while time.monotonic() - started < 300:
            stall = max(stall, self.stall_seconds())
            shown = has_colour(self.screenshot(), HINT)
            if not shown:
                gone = True
            elif gone or time.monotonic() - started > 1:
                return time.monotonic() - started, stall
        raise CheckFailed("timed out waiting for the hint's frame")

    def file(self, name):
        return self.evaluate(
            f"(() => {{ try {{ return window.kelvora.kelvoraFS.readFile('/records/{name}', "
            f"{{encoding: 'utf8'}}); }} catch (e) {{ return null; }} }})()")

    def writes_settled(self):
        return self.wait_for("the records written to the browser's storage",
                             lambda: self.evaluate("window.kelvora && !window.kelvora.kelvoraWriting"))

    def close(self):
        self.socket.close()


def serve(folder):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def start_browser(profile):
    browser = subprocess.Popen(
        ["chromium", "--headless", "--disable-gpu", "--no-sandbox", "--no-first-run",
         "--no-default-browser-check", f"--user-data-dir={profile}", "--remote-debugging-port=0",
         f"--window-size={VIEW[0]},{VIEW[1]}", "about:blank"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    port_file = os.path.join(profile, "DevToolsActivePort")
    deadline = time.monotonic() + 60
    while not os.path.exists(port_file) or os.path.getsize(port_file) == 0:
        if time.monotonic() > deadline or browser.poll() is not None:
            raise CheckFailed("Chromium did not start")
        time.sleep(0.1)
    port = int(open(port_file).read().split()[0])
    return browser, port


def page_socket(port, url="about:blank"):
    with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list") as answer:
        for target in json.load(answer):
            if target["type"] == "page" and target["url"] == url:
                return target["webSocketDebuggerUrl"]
    raise CheckFailed(f"no page at {url}")


def new_tab(port):
    request = urllib.request.Request(f"http://127.0.0.1:{port}/json/new?about:blank", method="PUT")
    with urllib.request.urlopen(request) as answer:
        return json.load(answer)["webSocketDebuggerUrl"]


def run(folder, shots):
    server = serve(folder)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    profile = tempfile.mkdtemp(prefix="kelvora-chromium-")
    browser, port = start_browser(profile)

    def shot(tab, name):
        if shots:
            with open(os.path.join(shots, name), "wb") as out:
                out.write(tab.screenshot())

    tab = None
    try:
        tab = Tab(page_socket(port))
        print("the window, first visit")
        seconds, (left, top) = tab.open(url)
        print(f"  first paint {seconds:.2f} s after navigation; client area at ({left}, {top})")
        check(tab.evaluate("window.kelvora.kelvoraTabLock") is True, "this tab holds the page")
        tab.writes_settled()
        check(tab.file("MENDATA1.txt") is not None, "the delivered stages were put in the browser's storage")
        check((tab.file("BEST1.txt") or "").split("\r\n")[1:3] == ["0", '""'],
              "the delivered best file holds no record of stage 1")
        shot(tab, "web-board.png")

        def solve_stage1(origin, turns, scale=1.0, press=tab.click):
            def at(point):
                return origin[0] + round(point[0] * scale), origin[1] + round(point[1] * scale)
            tab.click(*at(PUZZLE_MENU))
            time.sleep(0.3)
            tab.click(*at(START_PREPARED))
            time.sleep(0.3)
            for arrow in turns:
                press(*at(arrow))
                time.sleep(0.2)

        def record_of_stage1(what, moves):
            tab.wait_for(what, lambda: ((tab.file("BEST1.txt") or "").split("\r\n") + [""] * 2)[1] == moves,
                         seconds=20)
            tab.writes_settled()
            return tab.file("BEST1.txt")

        print("stage 1 by clicks")
        # Three turns the other way round solve it too: a record to better.
        solve_stage1((left, top), [TURN_ROW1_RIGHT] * 3)
        best = record_of_stage1("the record in the browser's storage", "3")
        letters = best.split("\r\n")[2]
        check(len(letters) == 5 and letters[0] == letters[-1] == '"',
              f"BEST1.txt holds the solve in three moves: {best[:40]!r}")
        shot(tab, "web-stage1.png")

        print("a browser window smaller than the game's")
        tab.view(SMALL_VIEW)
        scale = tab.wait_for("the window scaled down", lambda: tab.evaluate(
            "window.kelvora.kelvoraScale < 1 && window.kelvora.kelvoraScale"))
        small = tab.wait_for("the window in the smaller page", lambda: client_origin(tab.screenshot()))
        right = small[0] + CLIENT[0] * scale
        bottom = small[1] + CLIENT[1] * scale
        check(right <= SMALL_VIEW[0] and bottom <= SMALL_VIEW[1],
              f"the whole window is in view at scale {scale:.3f} (client area to ({right:.0f}, {bottom:.0f}))")
        # The arrow by touch, as on a tablet, whose page is the smaller one.
        solve_stage1(small, [TURN_ROW1_LEFT], scale, press=tab.tap)
        shot(tab, "web-small.png")
        best = record_of_stage1("the better record", "1")
        check(best.split("\r\n")[1:3] == ["1", '"S"'], f"BEST1.txt holds the solve in one move: {best[:40]!r}")
        tab.view(VIEW)
        tab.wait_for("the window at full size again",
                     lambda: tab.evaluate("window.kelvora.kelvoraScale") == 1 and
                     client_origin(tab.screenshot()) == (left, top))
        shot(tab, "web-solved.png")

        print("a second tab")
        second = Tab(new_tab(port))
        second.load("Page.navigate", url=url)
        second.wait_for("the second tab's program", lambda: second.evaluate(
            "window.kelvora !== undefined"))
        time.sleep(1)
        check(second.evaluate("window.kelvora.kelvoraTabLock") is False, "the second tab is refused the page")
        check(client_origin(second.screenshot()) is None, "the second tab shows no game window")
        shot(second, "web-second-tab.png")
        second.call("Page.close")
        second.close()
        time.sleep(0.5)

        print("after a reload")
        # A tab in the background paints nothing, and a screenshot of it waits for ever.
        tab.call("Page.bringToFront")
        tab.load("Page.reload")
        tab.wait_for("the game's window after the reload", lambda: client_origin(tab.screenshot()))
        check(tab.file("BEST1.txt") == best, "the record came back from the browser's storage")

        print("the hint in the page's worker")
        tab.click(left + PUZZLE_MENU[0], top + PUZZLE_MENU[1])
        time.sleep(0.3)
        tab.click(left + START_RANDOM[0], top + START_RANDOM[1])
        time.sleep(0.5)
        # The tables' build takes the worker seconds: its dialog is cancelled midway, which ends
        # the worker; the next hint starts another, and the keyboard is the window's again.
        tab.key("h", "KeyH", "h")
        time.sleep(1.5)
        shot(tab, "web-hint-building.png")
        tab.key("Escape", "Escape")
        time.sleep(2)
        check(not has_colour(tab.screenshot(), HINT), "a cancelled build shows no hint")
        first, first_stall = tab.hint_seconds()
        shot(tab, "web-hint.png")
        # The first hint of a stage says the stage will not be recorded: Enter closes the box.
        tab.key("Enter", "Enter", "\r")
        time.sleep(0.3)
        later, stalls = [], [first_stall]
        for _ in range(2):
            seconds, stall = tab.hint_seconds()
            later.append(seconds)
            stalls.append(stall)
        print(f"  first hint {first:.2f} s (tables built), again {', '.join(f'{t:.2f}' for t in later)} s "
              "(remembered; the frame is not seen to go)")
        # A new stage's hint is a whole search, with the tables ready (and begun unasked as the
        # stage starts).
        fresh = []
        for _ in range(3):
            tab.click(left + PUZZLE_MENU[0], top + PUZZLE_MENU[1])
            time.sleep(0.3)
            tab.click(left + START_RANDOM[0], top + START_RANDOM[1])
            seconds, stall = tab.hint_seconds()
            fresh.append(seconds)
            stalls.append(stall)
            tab.key("Enter", "Enter", "\r")
            time.sleep(0.3)
        print(f"  a new stage's first hint {', '.join(f'{t:.2f}' for t in fresh)} s")
        # The solver on the page's own thread held it for the whole of a hint, seconds on end.
        check(max(stalls) < 2, f"the page answered throughout (longest wait {max(stalls):.2f} s)")

        print("a damaged stored file")
        damaged = "2\r\nnine\r\n"
        tab.evaluate(f"window.kelvora.kelvoraFS.writeFile('/records/BEST1.txt', {json.dumps(damaged)}); "
                     "window.kelvora.kelvoraPersist(); true")
        tab.writes_settled()
        before = {name: tab.file(name) for name in ("MENDATA1.txt", "BEST1.txt", "MENDATA2.txt", "BEST2.txt")}
        tab.console.clear()
        tab.load("Page.reload")
        said = tab.wait_for("the damaged file's message", lambda: [
            line for line in tab.lines() if line.startswith("kelvora:") and "BEST1.txt" in line])
        print(f"  said: {said[0]}")
        time.sleep(1)
        check(client_origin(tab.screenshot()) is None, "the game does not start")
        shot(tab, "web-damaged.png")
        check(tab.evaluate("window.kelvora.kelvoraWrites === undefined"), "nothing was written")
        after = {name: tab.file(name) for name in before}
        check(after == before, "the stored files are as they were")
        tab.close()
    except CheckFailed:
        # What the page said is usually why.
        if tab is not None:
            for line in tab.console[-40:]:
                print(f"  page: {line[:2000]}", file=sys.stderr)
        raise
    finally:
        browser.terminate()
        browser.wait()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("page")
    parser.add_argument("--shots")
    options = parser.parse_args()
    if options.shots:
        os.makedirs(options.shots, exist_ok=True)
    try:
        run(os.path.abspath(options.page), options.shots)
    except CheckFailed as failure:
        print(f"web check FAILED: {failure}", file=sys.stderr)
        return 1
    print("web check: all passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
