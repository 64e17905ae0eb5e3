#!/usr/bin/env python3
"""Assembles a copy of velortin.html: the page's markup, style and script, the wasm inline,
and the string table's texts, the shared names and named sizes, the control ids and the
page's guide, each from its one source; and what the page shows as it opens, worked out by
its wasm (bake.mjs). The page copy asks for nothing beyond itself; the site copy may add
the site's manifest, icons and service worker when served.
Usage: make_page.py page|site OUT TEMPLATE STYLE SCRIPT WASM STRINGS NAMES GUIDE IDS..."""
import base64
import html
import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'resources'))
from guide import paragraphs  # noqa: E402

POLICY = ("default-src 'none'; style-src 'unsafe-inline'; "
          "script-src 'unsafe-inline' 'wasm-unsafe-eval'")
SITE_POLICY = POLICY + "; manifest-src 'self'; worker-src 'self'; img-src 'self'"


def main():
    kind, out, template, style, script, wasm, strings, names, guide = sys.argv[1:10]
    read = lambda path: open(path, encoding='utf-8').read()
    texts = dict(re.findall(r'#define (\w+) "(.*)"', read(strings)))
    numbers = dict(re.findall(r'\b(ID_\w+) = (\d+)', ''.join(map(read, sys.argv[10:]))))
    shared = read(names)
    bake = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'bake.mjs')
    shown = json.loads(subprocess.run(['node', bake, wasm], check=True, capture_output=True,
                                      text=True).stdout)
    # The name lists (UNIT_NAMES...) and each table of named sizes, in order.
    lists = {name: re.findall(r'"([^"]*)"', items)
             for name, items in re.findall(r'(\w+_NAMES)\[\w*\] = \{([^}]*)\}', shared)}
    lists.update({table: re.findall(r'\{"([^"]+)",', rows) for table, rows in
                  re.findall(r'NamedSize (\w+)\[\] = \{(.*?)\n\};', shared, re.S)})

    def options(items, values, id):
        chosen = shown[numbers[id]]
        return ''.join('<option value="%s"%s>%s</option>' % (html.escape(value),
                                                              ' selected' if i == chosen else '',
                                                              html.escape(item))
                       for i, (item, value) in enumerate(zip(texts[items].strip('|').split('|'),
                                                             lists[values])))

    def fill(match):
        words = match.group(1).split()
        if words[0] == 'OPTIONS':
            return options(*words[1:])
        if words[0] == 'SHOWN':
            return html.escape(shown[numbers[words[1]]])
        if words[0] == 'NAMES':
            return ''.join('<option>%s</option>' % html.escape(n) for n in lists[words[1]])
        if len(words) == 2:
            return html.escape(lists[words[0]][int(words[1])])
        if words[0] in numbers:
            return numbers[words[0]]
        return html.escape(texts[words[0]])

    page = read(template)
    parts = {
        'CSP': SITE_POLICY if kind == 'site' else POLICY,
        'SITE': ' data-site' if kind == 'site' else '',
        'STYLE': read(style).strip(),
        'SCRIPT': read(script).strip(),
        'WASM': base64.b64encode(open(wasm, 'rb').read()).decode('ascii'),
        'GUIDE': '\n'.join('  <p>%s</p>' % html.escape(p) for p in paragraphs(read(guide), 'page')),
    }
    # The big parts go in last, so nothing inside them is taken for a placeholder.
    page = re.sub(r'\{\{((?!%s)[A-Z_0-9 ]+)\}\}' % '|'.join(parts), fill, page)
    for key, value in parts.items():
        page = page.replace('{{%s}}' % key, value)
    open(out, 'w', encoding='utf-8', newline='\n').write(page)


main()
