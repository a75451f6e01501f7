#!/usr/bin/env python3
"""Czech texts in an MSI that wixl builds.

wixl writes its string pool in no particular code page and crashes on some Czech texts, so the
package's texts cannot go through it as they are. Instead:

  msi_text.py mask IN.wxs OUT.wxs TOKENS     every attribute value with a letter outside ASCII
                                             becomes a token; TOKENS keeps token and text
  msi_text.py unmask IN-IDT OUT-IDT TOKENS   puts the texts back into a table exported from the
                                             built package (msiinfo export)

The package script then gives the database the Central European code page (1250), the one its
texts and Czech Windows use, and imports the mended tables again (msibuild).
"""

import re
import sys

ATTRIBUTE = re.compile(r'="([^"]*)"')


def mask(source, target, tokens_path):
    tokens = []

    def replace(match):
        text = match.group(1)
        if text.isascii():
            return match.group(0)
        text.encode("cp1250")  # fails loudly on a letter the code page cannot hold
        token = f"@@TEXT{len(tokens)}@@"
        tokens.append((token, text))
        return f'="{token}"'

    with open(source, encoding="utf-8") as f:
        masked = ATTRIBUTE.sub(replace, f.read())
    with open(target, "w", encoding="utf-8") as f:
        f.write(masked)
    with open(tokens_path, "w", encoding="utf-8") as f:
        for token, text in tokens:
            f.write(f"{token}\t{text}\n")


def unmask(source, target, tokens_path):
    with open(tokens_path, encoding="utf-8") as f:
        tokens = [line.rstrip("\n").split("\t", 1) for line in f if line.strip()]
    with open(source, encoding="utf-8", newline="") as f:
        table = f.read()
    for token, text in tokens:
        table = table.replace(token, text)
    if "@@TEXT" in table:
        sys.exit(f"msi_text: a token is left in {source}")
    with open(target, "w", encoding="utf-8", newline="") as f:
        f.write(table)


if __name__ == "__main__":
    if len(sys.argv) != 5 or sys.argv[1] not in ("mask", "unmask"):
        sys.exit(__doc__)
    {"mask": mask, "unmask": unmask}[sys.argv[1]](*sys.argv[2:])
