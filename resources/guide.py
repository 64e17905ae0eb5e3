#!/usr/bin/env python3
"""The guide for one reader: the window's (Help's message box, the README) or the page's.
guide.txt is paragraphs parted by blank lines; one that starts with [window] or [page]
belongs to that reader alone, every other one to both.
Usage: guide.py window|page GUIDE OUT"""
import sys


def paragraphs(text, reader):
    kept = []
    for paragraph in text.strip('\n').split('\n\n'):
        tag, _, rest = paragraph.partition('] ')
        if not paragraph.startswith('[') or not rest:
            kept.append(paragraph)
        elif tag == '[' + reader:
            kept.append(rest)
    return kept


if __name__ == '__main__':
    reader, source, out = sys.argv[1:4]
    text = open(source, encoding='utf-8').read()
    open(out, 'w', encoding='utf-8', newline='\n').write('\n\n'.join(paragraphs(text, reader)) + '\n')
