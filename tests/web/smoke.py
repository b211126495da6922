#!/usr/bin/env python3
"""Loads the web build in Debian's headless Chromium, waits for the first frame
on the game's canvas and saves a screenshot of it.

    tests/web/smoke.py SHOT.png [--url URL | --serve DIR] [--timeout SECONDS] [--play SHOT2.png]
                       [--scores SHOT3.png]

With --serve the script serves DIR (build-web/page) itself on 127.0.0.1;
otherwise it loads URL (by default the page ./web.sh serves). It talks to
Chromium over its DevTools pipe, waits at most --timeout seconds in all, and
fails with a message instead of hanging. Python standard library only.
With --play it then presses 1, checks that play starts and that the hero
moves on Right, and saves a second screenshot. With --scores it saves a name
in the high scores, reloads the page, checks that the name was kept, and
saves a screenshot of the list. The times it prints are the
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
import sys
import tempfile
import threading
import time

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
KEYS.update({digit: (ord(digit), "Digit" + digit, digit) for digit in "578"})
KEYS.update({letter: (ord(letter), "Key" + letter, letter.lower()) for letter in "BTW"})
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


SUBMIT, SCORES = 10, 5  # the game's screen numbers for the name entry and the list
SCORE_NAME = "TWB"
LETTER_GAP_SECONDS = 0.25  # the game drops a letter within 100 ms of the one before
STORE_SECONDS = 10  # the save reaches IndexedDB within a few frames
# What the page's IndexedDB holds of the names file, as a reload finds it (null until stored).
STORED_NAMES = """new Promise((done) => {
  const open = indexedDB.open('/scores');
  open.onerror = () => done(null);
  open.onsuccess = () => {
    const db = open.result;
    try {
      const get = db.transaction('FILE_DATA').objectStore('FILE_DATA').get('/scores/scorenames.txt');
      get.onsuccess = () => { db.close(); done(get.result ? new TextDecoder().decode(get.result.contents) : null); };
      get.onerror = () => { db.close(); done(null); };
    } catch (e) { db.close(); done(null); }
  };
})"""
RELOADED_TITLE = "!window.thornwaldOldPage && window.Module && Module.calledRun && Module._thornwaldScreen() == %d"


def saved_score_survives_reload(browser, shot):
    """From the title: a Wild game, a run right past the first nuts, key 7 and a
    name; the page then keeps the table in IndexedDB, and a reload shows it."""
    for name in "81":
        browser.key(name, True)
        browser.key(name, False)
    wait_until(browser, "Module._thornwaldScreen() == %d" % PLAYING, "play to start after keys 8 and 1")
    browser.key("Right", True)
    time.sleep(min(4.0, browser.left()))
    browser.key("Right", False)
    browser.key("7", True)
    browser.key("7", False)
    wait_until(browser, "[%d, %d].includes(Module._thornwaldScreen())" % (SUBMIT, SCORES), "the name entry on key 7")
    if browser.evaluate("Module._thornwaldScreen()") != SUBMIT:
        raise Failure("the nuts run right did not score enough for the table")
    for letter in SCORE_NAME:
        time.sleep(min(LETTER_GAP_SECONDS, browser.left()))
        browser.key(letter, True)
        browser.key(letter, False)
    wait_until(browser, "Module._thornwaldScreen() == %d" % SCORES, "the list after the name")
    stored_by = time.monotonic() + STORE_SECONDS
    while SCORE_NAME not in (browser.send("Runtime.evaluate", {"expression": STORED_NAMES, "awaitPromise": True,
                                                               "returnByValue": True})["result"].get("value") or ""):
        if time.monotonic() > stored_by:
            raise Failure("the name %s was not in the browser's IndexedDB %d s after the save"
                          % (SCORE_NAME, STORE_SECONDS))
        time.sleep(min(POLL_SECONDS, browser.left()))
    browser.evaluate("window.thornwaldOldPage = true")
    browser.send("Page.reload")
    wait_until(browser, RELOADED_TITLE % TITLE, "the title after the reload")
    names = browser.evaluate("Module.FS.readFile('/scorenames.txt', {encoding: 'utf8'})") or ""
    if SCORE_NAME not in names.split("\n"):
        raise Failure("after the reload the names file holds %r, not %s" % (names, SCORE_NAME))
    mode = browser.evaluate("Module.FS.stat('/scores/scorenames.txt').mode & 0o777")
    if mode != 0o644:
        raise Failure("the names file has mode %o, not 644" % (mode or 0))
    browser.key("5", True)
    browser.key("5", False)
    wait_until(browser, "Module._thornwaldScreen() == %d" % SCORES, "the list on key 5 after the reload")
    screenshot(browser, shot)
    print("%s survived a reload in the browser's IndexedDB (mode 644); list screenshot saved to %s"
          % (SCORE_NAME, shot))


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
    parser.add_argument("--scores", metavar="SHOT", help="then save a score, reload, and save the list's screenshot")
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
        if args.play:
            play(browser, args.play)
            paint_levels(browser)
        print("longest gap between the page's frames: %.0f ms" % browser.evaluate(LONGEST_GAP))
        print("memory: wasm heap %s MB, JavaScript heap %s MB" % (
            browser.evaluate("typeof HEAP8 == 'object' ? Math.round(HEAP8.length / 1048576) : '?'"),
            browser.evaluate("performance.memory ? Math.round(performance.memory.usedJSHeapSize / 1048576) : '?'")))
        # Last: it reloads the page, which starts the frame gaps and the memory afresh.
        if args.scores:
            saved_score_survives_reload(browser, args.scores)
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
