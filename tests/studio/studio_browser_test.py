"""The studio in a real browser, used as a person would: headless Chromium
against `tovrins studio --port 0`; and the program moved away from its build,
stopped with Ctrl-C inside a dialog.
Usage: studio_browser_test.py TOVRINS EXAMPLE PLUGIN"""
import hashlib
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from studio_driver import Browser, Studio

TOVRINS, EXAMPLE, PLUGIN = sys.argv[1], sys.argv[2], sys.argv[3]
SEED = "4242"


class StudioInABrowser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.downloads = tempfile.mkdtemp(prefix="tovrins-downloads-")
        cls.studio = Studio(TOVRINS, ["--seed", SEED, EXAMPLE])
        try:
            cls.browser = Browser(download_dir=cls.downloads)
        except Exception:
            cls.studio.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        code = cls.studio.stop()
        if code != 0:
            raise AssertionError("the studio did not stop cleanly on Ctrl-C: exit code %d" % code)

    # ---- what a person does ------------------------------------------------

    def menu(self, menu, command):
        b = self.browser
        b.find('[data-menu="%s"] .menu-title' % menu).click()
        item = b.find('[data-command="%s"]' % command)
        self.assertTrue(item.is_enabled(), command + " is disabled")
        item.click()
        return b.settled()

    def type_into(self, item, text):
        field = self.browser.find('[data-item="%d"] input' % item)
        field.click()
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(text, Keys.ENTER)
        return self.browser.settled()

    def choose(self, item, index):
        Select(self.browser.find('select[data-item="%d"]' % item)).select_by_index(index)
        return self.browser.settled()

    def click_item(self, item):
        self.browser.find('[data-item="%d"]' % item).click()
        return self.browser.settled()

    def view_offset(self, x, y):
        """Selenium offsets from the view's centre for view pixel (x, y)."""
        view = self.browser.find('[data-view="document"]')
        rect = view.rect
        border = self.browser.driver.execute_script("return arguments[0].clientLeft", view)
        return view, x + border - int(rect["width"] / 2), y + border - int(rect["height"] / 2)

    def click_view(self, x, y, shift=False):
        view, dx, dy = self.view_offset(x, y)
        chain = ActionChains(self.browser.driver).move_to_element_with_offset(view, dx, dy)
        if shift:
            chain = chain.key_down(Keys.SHIFT).click().key_up(Keys.SHIFT)
        else:
            chain = chain.click()
        chain.perform()
        return self.browser.settled()

    def drag_pick(self, item, x, y):
        view, dx, dy = self.view_offset(x, y)
        button = self.browser.find('[data-item="%d"]' % item)
        ActionChains(self.browser.driver).click_and_hold(button).move_to_element_with_offset(view, dx, dy) \
            .release().perform()
        return self.browser.settled()

    def artwork_images(self):
        """The artwork's images as the page shows them, bottom to top."""
        return [i.get_attribute("data-chunk") for i in self.browser.driver.find_elements("css selector", "#artwork img")]

    def document_json(self):
        """The document as JSON, by its digest: failures stay readable."""
        text = self.browser.driver.execute_async_script(
            "const done = arguments[0]; fetch('/api/document.json').then(r => r.text()).then(done)")
        return hashlib.sha256(text.encode()).hexdigest()

    def item(self, state, item_id):
        return next(i for i in state["dialog"]["items"] if i["id"] == item_id)

    def star_centre(self):
        """The middle of the star's bounds in view pixels."""
        document = json.loads(self.browser.driver.execute_async_script(
            "const done = arguments[0]; fetch('/api/document.json').then(r => r.text()).then(done)"))
        star = next(a for layer in document["layers"] for a in layer["art"] if a["id"] == "star")
        left, top, right, bottom = star["bounds"]
        view = self.browser.state()["view"]
        x = ((left + right) / 2 - view["centre"][0]) * view["zoom"] + view["width"] / 2
        y = view["height"] / 2 - ((top + bottom) / 2 - view["centre"][1]) * view["zoom"]
        return round(x), round(y)

    def saved(self, name):
        path = os.path.join(self.downloads, name)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if os.path.exists(path) and not os.path.exists(path + ".crdownload"):
                with open(path, "rb") as f:
                    return f.read()
            time.sleep(0.05)
        self.fail("the browser saved no " + name + " in " + str(os.listdir(self.downloads)))

    def run_tovrins(self, *args):
        out = os.path.join(self.downloads, "run-output.svg")
        subprocess.run([TOVRINS, "run", *args, "-o", out, "--seed", SEED], check=True, capture_output=True)
        with open(out, "rb") as f:
            return f.read()

    # ---- the session -------------------------------------------------------------

    def test_a_person_at_the_studio(self):
        b = self.browser
        b.driver.get(self.studio.url)
        state = b.settled()
        self.assertEqual(state["seed"], SEED)
        self.assertIn(SEED, b.find("#seed").text)
        self.assertEqual(state["selection"]["count"], 0)

        # Select the star by clicking it; Shift-click on empty paper keeps it.
        x, y = self.star_centre()
        state = self.click_view(x, y)
        self.assertEqual(state["selection"]["count"], 1)
        self.assertEqual(len(b.driver.find_elements("css selector", "#overlay .selected")), 1)
        state = self.click_view(5, 5, shift=True)
        self.assertEqual(state["selection"]["count"], 1)

        # Rotate: preset, typed values, popup, Tumble, Shuffle, a pick, zoom, OK.
        state = self.menu("Filter", "TovrinRotate...")
        self.assertEqual(state["dialog"]["resourceId"], 16100)
        self.assertTrue(b.driver.execute_script("return document.getElementById('app').inert"),
                        "the page is not inert under a dialog")
        state = self.choose(36, 2)
        # A preview repaints only what changed: the sky's image is the very element it was.
        before = self.artwork_images()
        b.driver.execute_script("document.querySelector('#artwork img').dataset.marked = 'yes'")
        state = self.type_into(4, "12")
        self.assertEqual(self.item(state, 4)["display"], "12")
        after = self.artwork_images()
        self.assertNotEqual(after, before, "twelve copies made no new preview")
        self.assertEqual(after[0], before[0])
        self.assertEqual(b.find("#artwork img").get_attribute("data-marked"), "yes", "the unchanged sky was redrawn")
        self.assertEqual(len(after), len(state["artwork"]))
        state = self.choose(30, 3)
        self.assertEqual(self.item(state, 30)["value"], 3)
        self.click_item(51)
        self.click_item(50)
        state = self.type_into(5, "15")
        self.assertEqual(self.item(state, 5)["display"], "15.00")
        state = self.drag_pick(61, 500, 200)
        self.assertTrue(state["dialog"], "the pick closed the dialog")
        state = self.type_into(10, "50")
        self.assertAlmostEqual(state["view"]["zoom"], 0.5)
        state = self.click_item(1)
        self.assertIsNone(state["dialog"])
        self.assertFalse(b.driver.execute_script("return document.getElementById('app').inert"))

        # Saved as SVG, it is byte for byte what `tovrins run` writes.
        self.menu("File", "Save as SVG")
        saved = self.saved("star.svg")
        expected = self.run_tovrins("rotate", EXAMPLE, "--select", "star", "--preset", "2",
                                    "--set", "rotateCopies=12", "--set", "rotateCentreMode=3", "--tumble",
                                    "--shuffle", "--set", "rotateAngleStep=15", "--pick", "61=300,300",
                                    "--zoom", "50")
        self.assertEqual(saved, expected, "the studio's document differs from tovrins run's")
        # Undo takes back the whole rotate; the star is selected again.
        state = self.menu("Edit", "Undo")
        self.assertEqual(state["selection"]["count"], 1)
        self.assertTrue(state["canRedo"])

        # Scale on star and moon, cancelled: the document is as it was.
        state = self.menu("Edit", "Select All")
        self.assertEqual(state["selection"]["count"], 2)
        before_scale = self.document_json()
        state = self.menu("Filter", "TovrinScale...")
        self.type_into(4, "20")
        self.assertNotEqual(self.document_json(), before_scale, "the scale preview changed nothing")
        state = self.click_item(2)
        self.assertIsNone(state["dialog"])
        self.assertEqual(self.document_json(), before_scale)

        # Translate, accepted; undo and redo whole commands.
        self.menu("Filter", "TovrinTranslate...")
        self.type_into(7, "40")
        self.choose(35, 1)
        state = self.click_item(1)
        after_translate = self.document_json()
        self.assertNotEqual(after_translate, before_scale)
        self.assertEqual(b.find('#filter-menu [data-command="Repeat TovrinTranslate..."]').get_attribute("disabled"), None)
        self.menu("Edit", "Undo")
        self.assertEqual(self.document_json(), before_scale)
        state = self.menu("Edit", "Redo")
        self.assertEqual(self.document_json(), after_translate)
        self.assertFalse(state["canRedo"])

        # The About box, as a dialog.
        state = self.menu("Help", "About Tovrins...")
        self.assertEqual(state["dialog"]["resourceId"], 16050)
        self.assertIn("Tovrins", b.find(".dialog .title").text)
        state = self.click_item(1)
        self.assertIsNone(state["dialog"])

        # A broken upload is refused with the reader's sentence; the document stays.
        broken = os.path.join(self.downloads, "broken.svg")
        with open(broken, "w") as f:
            f.write("<svg><path d='M 0 0 L'")
        b.driver.execute_script("document.getElementById('file-input').hidden = false")
        b.find("#file-input").send_keys(broken)
        notice = b.wait(lambda d: d.find_elements("css selector", ".notice .alert-text"))
        self.assertIn("broken.svg", notice[0].text)
        b.find("[data-notice-ok]").click()
        self.assertEqual(self.document_json(), after_translate)


class StudioMovedAway(unittest.TestCase):
    """The program and its plug-in copied elsewhere: the bundled example
    still opens, and Ctrl-C with a dialog open cancels it and exits 0."""

    def call(self, studio, path, body=None):
        request = urllib.request.Request(studio.url.rstrip("/") + path, method="POST" if body else "GET",
                                         data=json.dumps(body).encode() if body else None,
                                         headers={"Content-Type": "application/json"})
        with urllib.request.urlopen(request, timeout=20) as answer:
            return answer.read()

    def test_the_bundled_example_opens_and_ctrl_c_stops_a_dialog_cleanly(self):
        moved = tempfile.mkdtemp(prefix="tovrins-moved-")
        try:
            program = os.path.join(moved, "tovrins")
            shutil.copy2(TOVRINS, program)
            shutil.copy2(PLUGIN, os.path.join(moved, os.path.basename(PLUGIN)))
            studio = Studio(program, ["--seed", SEED])
            try:
                state = json.loads(self.call(studio, "/api/state"))
                self.assertEqual(state["document"]["name"], "star.svg")
                self.assertEqual(self.call(studio, "/api/document.svg"), self.run_example_unchanged(program, moved))
                self.call(studio, "/api/command", {"command": "Select All"})
                state = json.loads(self.call(studio, "/api/command", {"command": "TovrinScale..."}))
                self.assertEqual(state["dialog"]["kind"], "dialog")
                studio.process.send_signal(signal.SIGINT)
                out, err = studio.process.communicate(timeout=20)
                self.assertEqual(studio.process.returncode, 0, err)
                self.assertIn("Tovrins studio stopped.", out)
                self.assertEqual(err, "")
            finally:
                studio.stop()
        finally:
            shutil.rmtree(moved, ignore_errors=True)

    def run_example_unchanged(self, program, directory):
        """The example as `tovrins run` writes it back after a cancelled command."""
        out = os.path.join(directory, "example.svg")
        subprocess.run([program, "run", "scale", EXAMPLE, "-o", out, "--cancel", "--seed", SEED], check=True,
                       capture_output=True)
        with open(out, "rb") as f:
            return f.read()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
