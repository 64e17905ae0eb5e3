#!/usr/bin/env python3
"""Assembles velortin.html: the page's markup, style and script, the wasm inline, and the
string table's texts, the control ids and the guide, each from its one source."""
import base64
import html
import re
import sys


def main():
    template, style, script, wasm, strings, ids, guide, out = sys.argv[1:9]
    read = lambda path: open(path, encoding='utf-8').read()
    texts = dict(re.findall(r'#define (\w+) "(.*)"', ''.join(map(read, strings.split(';')))))
    numbers = dict(re.findall(r'\b(ID_\w+) = (\d+)', ''.join(map(read, ids.split(';')))))

    def options(name, selected):
        items = texts[name].strip('|').split('|')
        return ''.join('<option%s>%s</option>' % (' selected' if i == int(selected) else '',
                                                   html.escape(item))
                       for i, item in enumerate(items))

    def names(name):  # the names of a list of NAME=VALUE items
        return ''.join('<option>%s</option>' % html.escape(item.split('=')[0])
                       for item in texts[name].strip('|').split('|'))

    def fill(match):
        key = match.group(1)
        if key.startswith('OPTIONS '):
            return options(*key.split()[1:])
        if key.startswith('NAMES '):
            return names(key.split()[1])
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
