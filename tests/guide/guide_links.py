#!/usr/bin/env python3
"""Walks the teacher's guide in the run folder: every link and picture of every page points at a file that
exists (and at an id that exists, after a '#'), nothing points off the computer, and every screen the build
photographed has its section, with its picture, on its language's page."""
import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit

LANGUAGES = ["en", "fr", "de", "es", "it", "nl", "cy"]
ENTRIES = 25  # five menus of five activities


class Page(HTMLParser):
    def __init__(self, path):
        super().__init__()
        self.links, self.ids, self.sections, self.open = [], set(), {}, None
        self.feed(path.read_text(encoding="utf-8"))

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "section" and "id" in a:
            self.open = a["id"]
            self.sections[self.open] = []
        for name in ("href", "src"):
            if a.get(name) is not None:
                self.links.append(a[name])
                if name == "src" and self.open:
                    self.sections[self.open].append(a[name])

    def handle_endtag(self, tag):
        if tag == "section":
            self.open = None


def main(guide):
    problems, pages = [], {}
    for path in sorted(guide.rglob("*.html")):
        pages[path.resolve()] = Page(path)
    if not pages:
        return ["no pages under %s" % guide]
    for path, page in pages.items():
        for link in page.links:
            parts = urlsplit(link)
            if parts.scheme or parts.netloc:
                problems.append("%s: %s leaves the computer" % (path, link))
                continue
            target = (path.parent / unquote(parts.path)).resolve() if parts.path else path
            if not target.is_file():
                problems.append("%s: %s is missing" % (path, link))
            elif parts.fragment and target in pages and parts.fragment not in pages[target].ids:
                problems.append("%s: %s names no id on its page" % (path, link))
    listed = {}
    for line in (guide / "screens.txt").read_text(encoding="utf-8").splitlines():
        code, screen = line.split()
        listed.setdefault(code, []).append(screen)
    for code in LANGUAGES:
        screens = listed.get(code, [])
        if len(screens) != ENTRIES:
            problems.append("%s: %d screens photographed, not %d" % (code, len(screens), ENTRIES))
        page = pages.get((guide / code / "index.html").resolve())
        if page is None:
            problems.append("%s: no page" % code)
            continue
        for screen in screens:
            if "img/%s.jpg" % screen not in page.sections.get(screen, []):
                problems.append("%s: no section %s with its picture" % (code, screen))
    return problems


if __name__ == "__main__":
    found = main(Path(sys.argv[1]))
    print("\n".join(found) or "guide: every link, section and picture is in place")
    sys.exit(1 if found else 0)
