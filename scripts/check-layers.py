#!/usr/bin/env python3
"""Fails when an #include crosses the plug-in's layering the wrong way.

Each folder under src/ may include only its own folder and the folders before it in
LAYERS. The tools, the stand-in host and the native tests have their own, narrower
allowances (ALLOWED_OUTSIDE). `--self-test` checks that the checker itself catches an
upward include. See docs/architecture.md.
"""
import os
import re
import sys

# Lowest first: a folder may include itself and any folder to its left.
LAYERS = ["common", "platform", "theme", "paint", "overlay", "engine", "editors", "actions", "plugin"]

# Code outside src/: which plug-in headers it may include (folder prefixes or whole
# headers). The skin checker and the native tests build from the pure sources only; the
# stand-in host reaches the plug-in through its exports alone.
PURE = ["common/", "theme/", "paint/paint_colors.h", "paint/surface_colors.h", "engine/class_rules.h", "engine/control_kind.h"]
ALLOWED_OUTSIDE = {
    "tools/skin_check": ["common/", "theme/", "paint/paint_colors.h", "platform/ansi_text.h", "platform/gdi.h"],
    "tools/soak": PURE,
    "tests/unit": PURE,
    "tests/fuzz": PURE,
    "host": [],
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")


def layer_of(include):
    top = include.split("/", 1)[0]
    return LAYERS.index(top) if "/" in include and top in LAYERS else None


def violations_in_src(path, text):
    folder = path.split(os.sep)[1] if path.startswith("src" + os.sep) else None
    if folder not in LAYERS:
        return []
    own = LAYERS.index(folder)
    found = []
    for include in INCLUDE.findall(text):
        target = layer_of(include)
        if target is not None and target > own:
            found.append(f'{path}: "{include}" reaches up from {folder} to {LAYERS[target]}')
    return found


def violations_outside(path, text, allowed):
    found = []
    for include in INCLUDE.findall(text):
        if layer_of(include) is None:
            continue  # the tool's or host's own header
        if not any(include == a or (a.endswith("/") and include.startswith(a)) for a in allowed):
            found.append(f'{path}: "{include}" is a plug-in internal this code may not include')
    return found


def check_tree(root):
    problems = []
    for base, _, files in os.walk(root):
        rel_base = os.path.relpath(base, root)
        if rel_base.startswith(("build", ".git", "out")):
            continue
        for name in files:
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            rel = os.path.normpath(os.path.join(rel_base, name))
            with open(os.path.join(base, name), encoding="utf-8", errors="replace") as f:
                text = f.read()
            if rel.startswith("src" + os.sep):
                problems += violations_in_src(rel, text)
                continue
            for prefix, allowed in ALLOWED_OUTSIDE.items():
                if rel.startswith(prefix.replace("/", os.sep) + os.sep):
                    problems += violations_outside(rel, text, allowed)
    return problems


def self_test():
    upward = violations_in_src(os.path.join("src", "theme", "x.cpp"), '#include "engine/registry.h"\n')
    sideways = violations_in_src(os.path.join("src", "engine", "x.cpp"), '#include "overlay/bindings.h"\n')
    tool = violations_outside("tools/skin_check/x.cpp", '#include "plugin/host_bridge.h"\n',
                              ALLOWED_OUTSIDE["tools/skin_check"])
    ok = len(upward) == 1 and not sideways and len(tool) == 1
    print("check-layers self-test:", "ok" if ok else "FAILED")
    return ok


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if "--self-test" in sys.argv and not self_test():
        return 1
    problems = check_tree(root)
    for problem in problems:
        print("check-layers:", problem)
    print(f"check-layers: {len(problems)} include(s) against the layering "
          f"({' <- '.join(LAYERS)})")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
