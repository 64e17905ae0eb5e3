#!/usr/bin/env python3
"""The README's user guide says what the Help button's guide says: every line of the
window's guide, whitespace aside, stands in the README. Usage: guide_in_readme.py GUIDE README"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'resources'))
from guide import paragraphs  # noqa: E402

text, readme = (open(path, encoding="utf-8").read() for path in sys.argv[1:3])
flat = " ".join(readme.split())
missing = [p for p in paragraphs(text, "window") if " ".join(p.split()) not in flat]
for paragraph in missing:
    print("not in the README:", paragraph)
sys.exit(1 if missing else 0)
