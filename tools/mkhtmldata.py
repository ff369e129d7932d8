#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes completion/HtmlVocabularyData.cpp, the element and attribute names
the completion list offers, from MDN's browser-compat-data (CC0-1.0; Debian
package node-mdn-browser-compat-data). Run it again when that data changes:

    tools/mkhtmldata.py [DATA_DIR] > completion/HtmlVocabularyData.cpp

One line per element: its name, then its attributes; a name ending in "!" is
deprecated. The line starting with "*" holds the global attributes, lines
starting with "=" the fixed values of an attribute ("=input.type ..." for one
element's attribute only)."""
import glob
import json
import os
import sys

DATA = sys.argv[1] if len(sys.argv) > 1 else '/usr/share/nodejs/@mdn/browser-compat-data'

# The data keeps these attributes of <input> under its input types, not under
# the element.
EXTRA = {'input': ['autocomplete', 'height', 'required', 'size', 'type', 'value', 'width']}
# Attributes whose values are a short fixed list worth offering.
VALUES = {
    'target': ['_blank', '_parent', '_self', '_top'],
    'method': ['get', 'post', 'dialog'],
    'align': ['left', 'center', 'right', 'justify', 'top', 'middle', 'bottom'],
    'dir': ['ltr', 'rtl', 'auto'],
}


def deprecated(feature):
    return feature.get('__compat', {}).get('status', {}).get('deprecated', False)


def is_attribute(name):
    # Other entries are notes about behaviour (implicit_noopener, ...).
    return name != '__compat' and all(c.isalnum() or c == '-' for c in name)


def entry(name, feature):
    return name + ('!' if deprecated(feature) else '')


def main():
    package = json.load(open(os.path.join(DATA, 'package.json')))
    lines = []
    glob_attrs = json.load(open(os.path.join(DATA, 'html/global_attributes.json')))['html']['global_attributes']
    lines.append(' '.join(['*'] + [entry(k, v) for k, v in sorted(glob_attrs.items()) if is_attribute(k)]))
    for path in sorted(glob.glob(os.path.join(DATA, 'html/elements/*.json'))):
        for name, feature in sorted(json.load(open(path))['html']['elements'].items()):
            attrs = {k: entry(k, v) for k, v in feature.items() if is_attribute(k)}
            for extra in EXTRA.get(name, []):
                attrs.setdefault(extra, extra)
            lines.append(' '.join([entry(name, feature)] + [attrs[k] for k in sorted(attrs)]))
    types = sorted(os.path.basename(p)[:-5] for p in glob.glob(os.path.join(DATA, 'html/elements/input/*.json')))
    lines.append(' '.join(['=input.type'] + types))
    for attr, values in sorted(VALUES.items()):
        lines.append(' '.join(['=' + attr] + values))

    out = sys.stdout
    out.write('// SPDX-License-Identifier: GPL-3.0-or-later\n')
    out.write('// Made by tools/mkhtmldata.py from MDN browser-compat-data %s (CC0-1.0).\n'
              '// Do not edit: run the tool again.\n' % package['version'])
    out.write('#include "completion/HtmlVocabulary.h"\n\n')
    out.write('const char *const HtmlVocabulary::kData =\n')
    for line in lines:
        out.write('    "%s\\n"\n' % line)
    out.write('    ;\n')


main()
