#!/usr/bin/python3
"""Checks the program's translations against the texts of the code, as lupdate reads them now.

Fails when a language misses a text or leaves one unfinished, when a translation drops or adds a
%1-style placeholder of its text, when the English translation keeps a Hangul character or a
known misspelling of the code's texts, and when the staff web page shows a text that the program
does not translate for it.

Usage: check_translations.py <project root> <lupdate>
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ["en", "ko", "de", "fr", "es"]
HANGUL = re.compile("[\u1100-\u11ff\u3130-\u318f\uac00-\ud7a3]")
# The code's own misspellings, which the English translation must mend.
MISSPELLINGS = re.compile(r"\b(excut\w*|infomation|templet\w*)\b", re.IGNORECASE)
PLACEHOLDER = re.compile(r"%L?(\d+)")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def check_language(ts, language):
    faults = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            forms = [f.text or "" for f in translation.iter("numerusform")] if translation is not None else []
            texts = forms if forms else [translation.text or "" if translation is not None else ""]
            where = f"{language}: [{name}] {source!r}"
            if kind in ("unfinished", "missing") or any(not t for t in texts):
                faults.append(f"{where}: not translated")
                continue
            for text in texts:
                if message.get("numerus") != "yes" and placeholders(text) != placeholders(source):
                    faults.append(f"{where}: placeholders {placeholders(source)} became {placeholders(text)}")
                if language == "en":
                    if HANGUL.search(text):
                        faults.append(f"{where}: the English translation keeps Hangul: {text!r}")
                    if MISSPELLINGS.search(text):
                        faults.append(f"{where}: the English translation keeps a misspelling: {text!r}")
    return faults


def page_texts(root):
    """The staff page's texts that the program has no translation entry for."""
    page = root / "src/core/web/page"
    html = (page / "index.html").read_text(encoding="utf-8")
    js = (page / "app.js").read_text(encoding="utf-8")
    shown = set(m.group(2).strip() for m in re.finditer(r"<(\w+)[^>]*\bdata-t>([^<]+)</\1>", html))
    shown |= set(m.group(1) for m in re.finditer(r'aria-label="([^"]+)"[^>]*data-t-label', html))
    shown |= set(m.group(1) for m in re.finditer(r'\bT\("((?:[^"\\]|\\.)*)"', js))
    listed = set(re.findall(r'QT_TRANSLATE_NOOP\("StaffPage", "((?:[^"\\]|\\.)*)"\)',
                            (root / "src/core/web/pagetexts.cpp").read_text(encoding="utf-8")))
    shown = {t.replace("&#39;", "'").replace("&amp;", "&") for t in shown}
    return [f"the staff page shows {t!r}, which src/core/web/pagetexts.cpp does not list" for t in sorted(shown - listed)]


def main():
    root = pathlib.Path(sys.argv[1])
    lupdate = sys.argv[2]
    faults = page_texts(root)
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for language in LANGUAGES:
            copy = pathlib.Path(work) / f"corvalin_{language}.ts"
            shutil.copy(root / "translations" / copy.name, copy)
            copies.append(str(copy))
        run = subprocess.run([lupdate, "-I", str(root / "src"), "-locations", "none", "-no-obsolete", "-silent", "-extensions", "cpp,h",
                              str(root / "src"), "-ts", *copies], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        for language, copy in zip(LANGUAGES, copies):
            found = check_language(copy, language)
            if found:
                print(f"{language}: {len(found)} fault(s)")
            faults += found
    for fault in faults[:200]:
        print(fault)
    if len(faults) > 200:
        print(f"... and {len(faults) - 200} more")
    print(f"{len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
