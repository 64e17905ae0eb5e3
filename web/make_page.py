#!/usr/bin/env python3
"""Assembles velortin.html: the page's markup, style and script, the wasm inline, and the
string table's texts, the named sizes, the control ids and the guide, each from its one
source."""
import base64
import html
import re
import sys


def main():
    template, style, script, wasm, strings, names, ids, guide, out = sys.argv[1:10]
    read = lambda path: open(path, encoding='utf-8').read()
    texts = dict(re.findall(r'#define (\w+) "(.*)"', read(strings)))
    numbers = dict(re.findall(r'\b(ID_\w+) = (\d+)', ''.join(map(read, ids.split(';')))))
    # Each table of named sizes: its rows' names, in order.
    tables = {table: re.findall(r'\{"([^"]+)",', rows) for table, rows in
              re.findall(r'NamedSize (\w+)\[\] = \{(.*?)\n\};', read(names), re.S)}

    def options(name):  # the start-up choice is the wasm's to make
        return ''.join('<option>%s</option>' % html.escape(item)
                       for item in texts[name].strip('|').split('|'))

    def named(table):
        return ''.join('<option>%s</option>' % html.escape(name) for name in tables[table])

    def fill(match):
        key = match.group(1)
        if key.startswith('OPTIONS '):
            return options(key.split()[1])
        if key.startswith('NAMES '):
            return named(key.split()[1])
        if key in numbers:
            return numbers[key]
        return html.escape(texts[key])

    page = read(template)
    paragraphs = [p.strip() for p in read(guide).split('\n\n') if p.strip()]
    parts = {
        'STYLE': read(style).strip(),
        'SCRIPT': read(script).strip(),
        'WASM': base64.b64encode(open(wasm, 'rb').read()).decode('ascii'),
        'GUIDE': '\n'.join('  <p>%s</p>' % html.escape(p) for p in paragraphs),
    }
    # The big parts go in last, so nothing inside them is taken for a placeholder.
    page = re.sub(r'\{\{((?!STYLE|SCRIPT|WASM|GUIDE)[A-Z_0-9 ]+)\}\}', fill, page)
    for key, value in parts.items():
        page = page.replace('{{%s}}' % key, value)
    open(out, 'w', encoding='utf-8', newline='\n').write(page)


main()
