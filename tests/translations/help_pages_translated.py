"""Checks the translations of the help: every folder HELP/<language>/ holds each English
page of HELP/, marked with its language (not a copy), with the anchors of
the English page (the program opens some of them), and links only to pages and anchors
that exist in the same folder.
Usage: help_pages_translated.py HELP_FOLDER"""
import re
import sys
from pathlib import Path

ANCHOR = re.compile(r'\sid="([^"]+)"')
LINK = re.compile(r'href="([^"]*)"')
LANGUAGE = re.compile(r'<html lang="([^"]+)"')


def anchors(text):
    return set(ANCHOR.findall(text))


def local_links(text):
    """(page, anchor) of the links that stay inside the help."""
    for target in LINK.findall(text):
        if "://" not in target and not target.startswith("mailto:"):
            page, _, anchor = target.partition("#")
            yield page, anchor


def check_page(english, translated, folder):
    problems = []
    text = translated.read_text(encoding="utf-8")
    original = english.read_text(encoding="utf-8")
    # A copy of the English page is marked "en".
    if LANGUAGE.findall(text) != [folder.name]:
        problems.append(f'not marked <html lang="{folder.name}">')
    for anchor in sorted(anchors(original) - anchors(text)):
        problems.append(f"anchor '{anchor}' missing")
    for page, anchor in local_links(text):
        target = folder / page if page else translated
        if not target.is_file():
            problems.append(f"link to missing page '{page}'")
        elif anchor and anchor not in anchors(target.read_text(encoding="utf-8")):
            problems.append(f"link to missing anchor '{page}#{anchor}'")
    return [f"{translated}: {problem}" for problem in problems]


def main(help_folder):
    help_folder = Path(help_folder)
    pages = sorted(help_folder.glob("*.html"))
    folders = sorted(path for path in help_folder.iterdir() if path.is_dir())
    problems = [] if folders else [f"{help_folder}: no translated help"]
    for folder in folders:
        for english in pages:
            translated = folder / english.name
            if translated.is_file():
                problems += check_page(english, translated, folder)
            else:
                problems.append(f"{translated}: missing")
        for extra in sorted(set(p.name for p in folder.glob("*.html")) - {p.name for p in pages}):
            problems.append(f"{folder / extra}: no English page of that name")
    print("\n".join(problems) or f"{len(folders)} translations of {len(pages)} pages checked")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
