#!/usr/bin/env python3
"""Loads the web build in Debian's headless Chromium, waits for the first frame
on the game's canvas and saves a screenshot of it.

    tests/web/smoke.py SHOT.png [--url URL | --serve DIR] [--timeout SECONDS] [--play SHOT2.png]

With --serve the script serves DIR (build-web/page) itself on 127.0.0.1;
otherwise it loads URL (by default the page ./web.sh serves). It talks to
Chromium over its DevTools pipe, waits at most --timeout seconds in all, and
fails with a message instead of hanging. Python standard library only.
It checks that the game's text is drawn in the game's own font (the page loads
it under the family the browser's SDL asks for) and that the canvas scales to
the window in whole multiples. With --play it then checks that the sound wakes
on the first key that counts, presses 1, checks that play starts and that the
hero moves on Right, saves a second screenshot and measures the status line's
contrast on it (at least 4.5 : 1, as on the desktop), and plays with a
standard-mapping gamepad the page is handed late. The times it prints are the
page's own wall-clock times, for reading, not for asserting.
"""
import argparse
import base64
import functools
import http.server
import json
import os
import select
import shutil
import subprocess
import struct
import sys
import tempfile
import threading
import time
import zlib

# Counts the lit pixels in a sample of the canvas: the page starts black, so
# any lit pixel is a frame the game drew.
LIT_PIXELS = """(() => {
  const c = document.getElementById('canvas');
  if (!c || !c.width) return 0;
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let lit = 0;
  for (let i = 0; i < d.length; i += 4 * 7) if (d[i] | d[i + 1] | d[i + 2]) ++lit;
  return lit;
})()"""
CANVAS_BOX = """(() => {
  const r = document.getElementById('canvas').getBoundingClientRect();
  return JSON.stringify([r.x, r.y, r.width, r.height]);
})()"""
# Records the gaps between the page's animation frames from its first script
# on: the longest is how long the page stood frozen. Printed, never asserted.
FRAME_GAPS = """window.thornwaldGaps = [];
(function watch(last) {
  requestAnimationFrame((now) => { if (last) window.thornwaldGaps.push(now - last); watch(now); });
})(0);"""
LONGEST_GAP = "Math.max(0, ...window.thornwaldGaps)"
# Times each pass's own work with the main loop's hooks, from now on.
TIME_PASSES = """window.thornwaldPasses = [];
Module.preMainLoop = () => { window.thornwaldPassStart = performance.now(); };
Module.postMainLoop = () => { window.thornwaldPasses.push(performance.now() - window.thornwaldPassStart); };
true"""
PASS_TIMES = """(() => {
  const t = window.thornwaldPasses.slice().sort((a, b) => a - b);
  return t.length ? JSON.stringify([t.length, t[Math.floor(t.length / 2)], t[Math.floor(t.length * 0.95)], t[t.length - 1]]) : null;
})()"""
PLAYING = 2  # the game's screen number for play
KEYS = {"1": (49, "Digit1", "1"), "Right": (39, "ArrowRight", ""), "Escape": (27, "Escape", "")}
TITLE = 1  # the game's screen number for the title
POLL_SECONDS = 0.1


class Failure(Exception):
    pass


class Browser:
    """Headless Chromium driven over --remote-debugging-pipe (fd 3 in, fd 4 out,
    one JSON message per NUL-terminated chunk)."""

    def __init__(self, deadline):
        self.deadline = deadline
        self.next_id = 0
        self.buffer = b""
        self.session = None
        self.console = []
        exe = shutil.which("chromium") or shutil.which("chromium-browser")
        if not exe:
            raise Failure("chromium is not installed (./web.sh installs it)")
        self.profile = tempfile.mkdtemp(prefix="thornwald-smoke-")
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()

        def wire_pipe():
            # Through fresh numbers first, in case either end already is 3 or 4.
            into, out = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(into, 3)
            os.dup2(out, 4)

        args = [exe, "--headless", "--remote-debugging-pipe", "--no-sandbox", "--disable-gpu",
                "--mute-audio", "--no-first-run", "--no-default-browser-check", "--window-size=800,600",
                "--user-data-dir=" + self.profile, "about:blank"]
        self.process = subprocess.Popen(args, preexec_fn=wire_pipe, pass_fds=(3, 4),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)

    def left(self):
        remaining = self.deadline - time.monotonic()
        if remaining <= 0:
            raise Failure("timed out")
        return remaining

    def send(self, method, params=None, session=True):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.receive()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise Failure("%s failed: %s" % (method, reply["error"]))
                return reply.get("result", {})

    def receive(self):
        while b"\0" not in self.buffer:
            ready, _, _ = select.select([self.from_browser], [], [], self.left())
            if not ready:
                raise Failure("timed out waiting for Chromium")
            chunk = os.read(self.from_browser, 1 << 20)
            if not chunk:
                raise Failure("Chromium closed its pipe (exit code %s)" % self.process.poll())
            self.buffer += chunk
        raw, self.buffer = self.buffer.split(b"\0", 1)
        message = json.loads(raw)
        self.note(message)
        return message

    def note(self, message):
        method = message.get("method")
        if method == "Runtime.consoleAPICalled":
            args = message["params"]["args"]
            self.console.append(" ".join(str(a.get("value", a.get("description", ""))) for a in args))
        elif method == "Runtime.exceptionThrown":
            details = message["params"]["exceptionDetails"]
            thrown = details.get("exception", {}).get("description", "")
            self.console.append("exception: %s %s" % (details.get("text", ""), thrown))

    def open_page(self):
        targets = self.send("Target.getTargets", session=False)["targetInfos"]
        pages = [t for t in targets if t["type"] == "page"]
        if pages:
            target = pages[0]["targetId"]
        else:
            target = self.send("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True},
                                 session=False)["sessionId"]
        self.send("Page.enable")
        self.send("Runtime.enable")
        # Room for the whole canvas: the window's own size leaves less.
        self.send("Emulation.setDeviceMetricsOverride",
                  {"width": 800, "height": 600, "deviceScaleFactor": 1, "mobile": False})
        self.send("Page.addScriptToEvaluateOnNewDocument", {"source": FRAME_GAPS})

    def key(self, name, down):
        code, dom_code, text = KEYS[name]
        event = {"type": ("keyDown" if text else "rawKeyDown") if down else "keyUp",
                 "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code, "code": dom_code,
                 "key": text or dom_code}
        if down and text:
            event["text"] = text
        self.send("Input.dispatchKeyEvent", event)

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True})
        if "exceptionDetails" in result:
            return None
        return result["result"].get("value")

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=5)
        shutil.rmtree(self.profile, ignore_errors=True)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_address[1]


def wait_for_first_frame(browser):
    while True:
        lit = browser.evaluate(LIT_PIXELS)
        if lit:
            return browser.evaluate("performance.now()")
        wait = min(POLL_SECONDS, browser.left())
        time.sleep(wait)


def wait_until(browser, expression, what):
    while True:
        if browser.evaluate(expression):
            return
        try:
            time.sleep(min(POLL_SECONDS, browser.left()))
        except Failure:
            raise Failure("timed out waiting for " + what)


def play(browser, shot):
    """Key 1 starts the game; holding Right must move the hero."""
    browser.key("1", True)
    browser.key("1", False)
    started = time.monotonic()
    wait_until(browser, "Module._thornwaldScreen() == %d" % PLAYING, "play to start after key 1")
    print("key 1 reached play in %.0f ms" % ((time.monotonic() - started) * 1000))
    hash_of = "(Module._thornwaldCollisionHash(0, %d) >>> 0).toString(16).padStart(8, '0')"
    print("level 0's collision hash: 0x%s%s (the desktop's collision test knows it)"
          % (browser.evaluate(hash_of % 1), browser.evaluate(hash_of % 0)))
    browser.evaluate(TIME_PASSES)
    before = browser.evaluate("Module._thornwaldHeroX()")
    browser.key("Right", True)
    time.sleep(min(1.0, browser.left()))
    browser.key("Right", False)
    after = browser.evaluate("Module._thornwaldHeroX()")
    print("the hero went from x %s to x %s on Right" % (before, after))
    times = browser.evaluate(PASS_TIMES)
    if times:
        count, median, p95, longest = json.loads(times)
        print("a pass's own work while running: median %.1f ms, 95th percentile %.1f ms, longest %.1f ms"
              " (%d passes)" % (median, p95, longest, count))
    if not after > before:
        raise Failure("the hero did not move right on Right")
    screenshot(browser, shot)
    print("play screenshot saved to %s" % shot)
    # A page that loses the focus pauses the game: Right then moves nothing.
    browser.evaluate("window.dispatchEvent(new Event('blur')); true")
    time.sleep(min(0.2, browser.left()))
    before = browser.evaluate("Module._thornwaldHeroX()")
    browser.key("Right", True)
    time.sleep(min(0.5, browser.left()))
    browser.key("Right", False)
    after = browser.evaluate("Module._thornwaldHeroX()")
    if after != before:
        raise Failure("the hero moved from x %s to x %s after the page lost the focus" % (before, after))
    print("losing the focus paused the game")
    browser.key("Escape", True)
    browser.key("Escape", False)
    wait_until(browser, "Module._thornwaldScreen() == %d" % TITLE, "Escape to go back to the title")
    print("Escape went back to the title")


# Paints level n aside on the title, timing it, and hashes its collision.
PAINT_LEVEL = """(() => {
  const start = performance.now();
  Module._thornwaldPaint(%(n)d);
  const ms = performance.now() - start;
  const half = (high) => (Module._thornwaldCollisionHash(%(n)d, high) >>> 0).toString(16).padStart(8, '0');
  const hash = half(1) + half(0);
  Module._thornwaldUnpaint(%(n)d);
  return JSON.stringify([ms, hash]);
})()"""


def paint_levels(browser):
    """Times each later level's painting (the page freezes that long) and prints its collision hash."""
    for n in range(1, 5):
        ms, digest = json.loads(browser.evaluate(PAINT_LEVEL % {"n": n}))
        print("level %d: painted in %.0f ms, collision hash 0x%s" % (n, ms, digest))


# The family the game's SDL asked for, and whether the page's font under it is loaded.
FONT_FAMILIES = "JSON.stringify(SDL.fonts.filter(Boolean).map((f) => f.name))"
FONT_LOADED = "[...document.fonts].some((f) => f.family.replace(/\"/g, '') == %s && f.status == 'loaded')"


def check_font(browser):
    """The browser's SDL draws text in the CSS family named by the font file: the page
    must have loaded the game's font under exactly that name before the first text."""
    families = set(json.loads(browser.evaluate(FONT_FAMILIES) or "[]"))
    if not families:
        raise Failure("the game opened no font")
    for family in families:
        loaded = browser.evaluate(FONT_LOADED % json.dumps(family))
        print("the game's text is drawn in the family %r: %s" % (family, "loaded" if loaded else "NOT loaded"))
        if not loaded:
            raise Failure("the page has no font loaded under %r; the text falls back to serif" % family)


def png_rows(path, last_row):
    """Rows 0 .. last_row of an 8-bit, non-interlaced RGB or RGBA PNG (as Chromium
    saves them), each a list of (r, g, b)."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, _, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise Failure("%s: a PNG this test cannot read" % path)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    step = 3 if colour == 2 else 4
    stride = width * step
    rows, previous = [], bytearray(stride)
    for y in range(last_row + 1):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b, c = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, step)])
        previous = line
    return rows


def luminance(rgb):
    """Relative luminance, as the web's contrast guidelines define it."""
    lin = [v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4 for v in (c / 255.0 for c in rgb)]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


STATUS_COLOUR = (213, 187, 234)  # the status line's letters
STATUS_ROWS = (6, 40)  # where the status line lies, drawn at y 10


def check_status_contrast(shot):
    """As the desktop's test: the worst contrast between a letter's pixel and a
    neighbour that is not a letter's, which must be at least 4.5 : 1."""
    rows = png_rows(shot, STATUS_ROWS[1] + 1)
    letter = lambda x, y: all(abs(a - b) <= 8 for a, b in zip(rows[y][x], STATUS_COLOUR))
    worst, letters = 100.0, 0
    for y in range(*STATUS_ROWS):
        for x in range(1, len(rows[y]) - 1):
            if not letter(x, y):
                continue
            letters += 1
            for nx, ny in ((x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                if not letter(nx, ny):
                    l1, l2 = luminance(rows[y][x]), luminance(rows[ny][nx])
                    worst = min(worst, (max(l1, l2) + 0.05) / (min(l1, l2) + 0.05))
    if letters < 500:
        raise Failure("the status line is missing from the play screenshot (%d letter pixels)" % letters)
    print("the status line's contrast in the browser: %.2f : 1 (%d letter pixels)" % (worst, letters))
    if worst < 4.5:
        raise Failure("the status line's contrast is %.2f : 1, under 4.5 : 1" % worst)


def soon(browser, expression, seconds=3):
    """Whether `expression` comes true within a few seconds."""
    give_up = time.monotonic() + seconds
    while not browser.evaluate(expression):
        if time.monotonic() > give_up:
            return False
        time.sleep(min(POLL_SECONDS, browser.left()))
    return True


# A gamepad with the browser's standard mapping, pressed by the test.
FAKE_PAD = """(() => {
  const pad = {id: 'smoke test pad', index: 0, mapping: 'standard', connected: true, timestamp: 1,
               axes: [0, 0, 0, 0], buttons: []};
  for (let i = 0; i < 17; ++i) pad.buttons.push({pressed: false, touched: false, value: 0});
  Object.defineProperty(navigator, 'getGamepads', {value: () => [pad, null, null, null], configurable: true});
  window.padButton = (i, down) => {
    pad.buttons[i] = {pressed: down, touched: down, value: down ? 1 : 0};
    pad.timestamp += 1;
    return true;
  };
  return true;
})()"""
PAD_START, PAD_DPAD_RIGHT = 9, 15  # the standard mapping's Start and d-pad right


def pad_press(browser, button, seconds):
    browser.evaluate("padButton(%d, true)" % button)
    time.sleep(min(seconds, browser.left()))
    browser.evaluate("padButton(%d, false)" % button)
    time.sleep(min(0.1, browser.left()))


def check_gamepad(browser):
    """On the title, a pad that shows up late: Start plays, the d-pad runs, Start goes back."""
    browser.evaluate(FAKE_PAD)
    time.sleep(min(0.3, browser.left()))  # a pass or two, for the game to open it
    pad_press(browser, PAD_START, 0.1)
    if not soon(browser, "Module._thornwaldScreen() == %d" % PLAYING):
        raise Failure("the pad's Start (button 9) did not start play")
    time.sleep(min(0.3, browser.left()))
    before = browser.evaluate("Module._thornwaldHeroX()")
    pad_press(browser, PAD_DPAD_RIGHT, 0.6)
    after = browser.evaluate("Module._thornwaldHeroX()")
    if not after > before:
        raise Failure("the hero did not move on the pad's d-pad right (button 15): x %s to %s" % (before, after))
    pad_press(browser, PAD_START, 0.1)
    if not soon(browser, "Module._thornwaldScreen() == %d" % TITLE):
        raise Failure("the pad's Start did not go back to the title")
    print("the standard-mapping pad: Start played, d-pad right ran from x %s to x %s, Start went back" % (before, after))


AUDIO_STATE = "typeof SDL == 'object' && SDL.audioContext ? SDL.audioContext.state : 'none'"


def check_sound_wakes(browser):
    """Sound runs after the first key that counts: Escape first (browsers do not count
    it), then Right (which on the title only turns the hero)."""
    first = browser.evaluate(AUDIO_STATE)
    browser.key("Escape", True)
    browser.key("Escape", False)
    after_escape = browser.evaluate(AUDIO_STATE)
    browser.key("Right", True)
    browser.key("Right", False)
    if not soon(browser, "(%s) == 'running'" % AUDIO_STATE):
        raise Failure("the sound is %s after Escape and Right on the title" % browser.evaluate(AUDIO_STATE))
    print("sound: %s at the title, %s after Escape, running after Right" % (first, after_escape))


# The canvas's size on the page for a window of w x h.
def canvas_size_for(browser, w, h):
    browser.send("Emulation.setDeviceMetricsOverride", {"width": w, "height": h, "deviceScaleFactor": 1,
                                                        "mobile": False})
    time.sleep(min(0.2, browser.left()))
    return json.loads(browser.evaluate(CANVAS_BOX))[2:]


def check_scaling(browser):
    """Whole multiples of 640 x 480 where they fit, shrunk to fit below 1x."""
    for (w, h), want in (((1400, 1000), [1280, 960]), ((2000, 1500), [1920, 1440]), ((1000, 700), [640, 480]),
                         ((500, 600), [500, 375])):
        got = canvas_size_for(browser, w, h)
        if [round(v) for v in got] != want:
            raise Failure("in a window of %d x %d the canvas is %s, not %s" % (w, h, got, want))
    canvas_size_for(browser, 800, 600)
    print("the canvas scaled to 2x, 3x, 1x and fit a narrow window")


def screenshot(browser, path):
    x, y, w, h = json.loads(browser.evaluate(CANVAS_BOX))
    clip = {"x": x, "y": y, "width": w, "height": h, "scale": 1}
    data = browser.send("Page.captureScreenshot", {"format": "png", "clip": clip})["data"]
    with open(path, "wb") as out:
        out.write(base64.b64decode(data))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("shot", help="where to save the screenshot (PNG)")
    parser.add_argument("--url", default="http://127.0.0.1:8000/")
    parser.add_argument("--serve", metavar="DIR", help="serve this folder instead of loading --url")
    parser.add_argument("--timeout", type=float, default=120, help="seconds for the whole run")
    parser.add_argument("--play", metavar="SHOT", help="then start a game, run right, and save this screenshot")
    args = parser.parse_args()
    deadline = time.monotonic() + args.timeout
    server, url = serve(args.serve) if args.serve else (None, args.url)
    browser = None
    try:
        browser = Browser(deadline)
        browser.open_page()
        browser.send("Page.navigate", {"url": url})
        try:
            shown_ms = wait_for_first_frame(browser)
        except Failure as failure:
            raise Failure("no frame on the canvas: %s" % failure)
        print("first frame %.0f ms after the page began loading" % shown_ms)
        screenshot(browser, args.shot)
        print("screenshot saved to %s" % args.shot)
        check_font(browser)
        check_scaling(browser)
        if args.play:
            check_sound_wakes(browser)
            play(browser, args.play)
            check_status_contrast(args.play)
            check_gamepad(browser)
            paint_levels(browser)
        print("longest gap between the page's frames: %.0f ms" % browser.evaluate(LONGEST_GAP))
        print("memory: wasm heap %s MB, JavaScript heap %s MB" % (
            browser.evaluate("typeof HEAP8 == 'object' ? Math.round(HEAP8.length / 1048576) : '?'"),
            browser.evaluate("performance.memory ? Math.round(performance.memory.usedJSHeapSize / 1048576) : '?'")))
        return 0
    except Failure as failure:
        print("web smoke test FAILED: %s" % failure, file=sys.stderr)
        if browser and browser.console:
            print("the page said:\n  " + "\n  ".join(browser.console[-20:]), file=sys.stderr)
        return 1
    finally:
        if browser:
            browser.close()
        if server:
            server.shutdown()


if __name__ == "__main__":
    sys.exit(main())
