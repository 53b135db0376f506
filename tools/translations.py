#!/usr/bin/env python3
"""Keeps the English translation: lists the texts still to translate and fills them in.

  translations.py todo FILE.ts           prints every unfinished source text as a JSON object
                                         {"context|source": ""}, ready to be filled in
  translations.py fill FILE.ts MAP.json  sets each listed text's translation and marks it done;
                                         a key is "context|source" or just the source text
"""
import json
import sys
import xml.etree.ElementTree as ET


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def todo(path):
    tree = ET.parse(path)
    wanted = {}
    for name, message in messages(tree):
        translation = message.find("translation")
        if translation is not None and translation.get("type") == "unfinished":
            wanted[f"{name}|{message.findtext('source')}"] = ""
    json.dump(wanted, sys.stdout, ensure_ascii=False, indent=1)
    print()


def fill(path, map_path):
    with open(map_path, encoding="utf-8") as f:
        given = json.load(f)
    tree = ET.parse(path)
    filled = 0
    for name, message in messages(tree):
        source = message.findtext("source")
        text = given.get(f"{name}|{source}", given.get(source))
        translation = message.find("translation")
        if not text or translation is None or translation.get("type") in ("vanished", "obsolete"):
            continue
        translation.text = text
        translation.attrib.pop("type", None)
        filled += 1
    tree.write(path, encoding="utf-8", xml_declaration=True)
    with open(path, encoding="utf-8") as f:
        body = f.read().replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1)
    with open(path, "w", encoding="utf-8") as f:
        f.write(body)
    print(f"{filled} translations set", file=sys.stderr)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "todo":
        todo(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == "fill":
        fill(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
