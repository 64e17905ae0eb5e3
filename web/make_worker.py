#!/usr/bin/env python3
"""Writes the site's service worker beside the site's other files: the template with each of
them listed (the folder's own address too) and a version that changes whenever any does.
Usage: make_worker.py TEMPLATE OUT FILE..."""
import hashlib
import json
import os
import sys


def main():
    template, out = sys.argv[1:3]
    site = os.path.dirname(out)
    files = sorted(os.path.basename(f) for f in sys.argv[3:])
    digest = hashlib.sha256()
    for f in files:
        digest.update(f.encode() + b'\0' + open(os.path.join(site, f), 'rb').read())
    worker = (open(template, encoding='utf-8').read()
              .replace('{{VERSION}}', digest.hexdigest()[:16])
              .replace('{{FILES}}', json.dumps(['./'] + files)))
    open(out, 'w', encoding='utf-8', newline='\n').write(worker)


main()
