#!/usr/bin/env python3
"""Fails when a source file includes a header from a higher floor.

Floors, lowest first: platform < model < files < playback < editor (the core,
without Qt) < editor/qt and widgets < app. A file may include headers of its
own floor and of the floors below. The core floors include no Qt header.
"""
import pathlib
import re
import sys

FLOORS = [
    ("platform/", 0),
    ("model/", 1),
    ("files/", 2),
    ("playback/", 3),
    ("editor/qt/", 5),
    ("editor/", 4),
    ("widgets/", 5),
    ("app/", 6),
]
CORE_TOP = 4
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z]|qt[a-z]*/|Qt[A-Za-z]+/)")


def floor_of(path):
    for prefix, floor in FLOORS:
        if path.startswith(prefix):
            return floor
    return None


def problems_in(root, path):
    own = floor_of(path)
    found = []
    text = (root / path).read_text(encoding="utf-8", errors="replace")
    for number, line in enumerate(text.splitlines(), start=1):
        match = INCLUDE.match(line)
        if not match:
            continue
        kind, header = match.groups()
        if kind == '"':
            target = floor_of(header)
            if target is not None and target > own:
                found.append(f"{path}:{number}: includes {header} from a higher floor")
        elif own <= CORE_TOP and QT_HEADER.match(header):
            found.append(f"{path}:{number}: the core includes Qt header <{header}>")
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    sources = sorted(
        str(p.relative_to(root))
        for p in root.rglob("*")
        if p.suffix in (".h", ".cpp") and floor_of(str(p.relative_to(root))) is not None
    )
    problems = [problem for path in sources for problem in problems_in(root, path)]
    for problem in problems:
        print(problem)
    print(f"layer check: {len(sources)} files, {len(problems)} includes against the floors")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
