#!/usr/bin/env python3
"""Checks that the modules of src/ depend on each other one way only.

Usage: check-layers.py SRC_DIR LAYER... (lowest first)
       check-layers.py --self-test

A layer may include the headers of the layers before it. Every other folder of
SRC_DIR is a front end (cli, ui, orderd): it may include any layer, and nothing
includes it. Only ui/ may include a Qt header. Prints each violation and every
cycle between modules, and exits 1 when there is one.
"""
import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s+([<"])([^>"]+)[>"]')


def module_includes(src):
    """Yields (module, file, line number, included module or None, is Qt)."""
    for module in sorted(os.listdir(src)):
        folder = os.path.join(src, module)
        if not os.path.isdir(folder):
            continue
        for root, _, files in os.walk(folder):
            for name in sorted(files):
                if not name.endswith((".h", ".cc")):
                    continue
                path = os.path.join(root, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        quote, target = match.groups()
                        if quote == "<":
                            yield module, path, number, None, re.match(r"Q[A-Za-z]", target) is not None
                        elif "/" in target:
                            yield module, path, number, target.split("/", 1)[0], False


def find_cycles(graph):
    """Returns the cycles of `graph` (module -> set of modules), each once."""
    cycles, state, stack = [], {}, []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for succ in sorted(graph.get(node, ())):
            if state.get(succ) == "open":
                cycles.append(stack[stack.index(succ):] + [succ])
            elif succ not in state:
                visit(succ)
        stack.pop()
        state[node] = "done"

    for node in sorted(graph):
        if node not in state:
            visit(node)
    return cycles


def check(src, layers):
    modules = {m for m in os.listdir(src) if os.path.isdir(os.path.join(src, m))}
    rank = {name: i for i, name in enumerate(layers)}
    problems, graph = [], {}
    for module, path, number, target, is_qt in module_includes(src):
        where = f"{os.path.relpath(path, src)}:{number}"
        if is_qt and module != "ui":
            problems.append(f"{where}: a Qt header outside ui/")
        if target is None or target == module or target not in modules:
            continue
        graph.setdefault(module, set()).add(target)
        if target not in rank:
            problems.append(f"{where}: {module}/ includes the front end {target}/")
        elif module in rank and rank[target] > rank[module]:
            problems.append(f"{where}: {module}/ includes {target}/, which is above it")
    for cycle in find_cycles(graph):
        problems.append("cycle between modules: " + " -> ".join(cycle))
    for missing in sorted(set(layers) - modules):
        problems.append(f"the layer {missing}/ does not exist")
    return problems


def self_test():
    with tempfile.TemporaryDirectory() as src:
        def write(path, text):
            os.makedirs(os.path.dirname(os.path.join(src, path)), exist_ok=True)
            with open(os.path.join(src, path), "w") as f:
                f.write(text)
        write("low/a.h", '#include <string>\n')
        write("high/b.h", '#include "low/a.h"\n')
        write("cli/main.cc", '#include "high/b.h"\n')
        assert check(src, ["low", "high"]) == [], "a clean tree passes"
        write("low/c.cc", '#include "high/b.h"\n#include <QWidget>\n')
        write("high/d.cc", '#include "cli/x.h"\n')
        found = "\n".join(check(src, ["low", "high"]))
        for expected in ("low/ includes high/, which is above it", "a Qt header outside ui/",
                         "includes the front end cli/", "cycle between modules: high -> low -> high"):
            assert expected in found, f"missing: {expected}\n{found}"
    print("self-test passed")


def main(argv):
    if argv[1:] == ["--self-test"]:
        self_test()
        return 0
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    problems = check(argv[1], argv[2:])
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
