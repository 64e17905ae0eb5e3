#!/usr/bin/env python3
"""The README's user guide says what the Help button's guide says: every line of the
guide, whitespace aside, stands in the README. Usage: guide_in_readme.py GUIDE README"""
import sys

guide, readme = (open(path, encoding="utf-8").read() for path in sys.argv[1:3])
flat = " ".join(readme.split())
missing = [line for line in guide.splitlines() if line.strip() and " ".join(line.split()) not in flat]
for line in missing:
    print("not in the README:", line)
sys.exit(1 if missing else 0)
