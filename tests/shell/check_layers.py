#!/usr/bin/env python3
"""Fails when a shared folder includes a filter folder's header, or when the
workbench's file readers and writers reach past the document.

    check_layers.py ROOT

The shared folders (sdk/, shell/, dialog/, resources/) reach the filters only
through the filter registry; a filter folder is any folder whose record
header NAME/NAME_filter.hpp exists. An include names a filter's header when
its path starts with a filter folder or, said by bare file name, when only a
filter folder has a file of that name.

host/io links only tovrins_document of the workbench, so of host/ it may
include only that library's headers besides its own folder and sdk/: each
source's own header, and every header of a subfolder of host/ that the
library takes sources from.
"""
import os
import re
import sys

SHARED = ("sdk", "shell", "dialog", "resources")
SOURCES = (".c", ".cpp", ".h", ".hpp", ".rc", ".in")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def files_in(root, folder):
    for dirpath, _, names in os.walk(os.path.join(root, folder)):
        for name in names:
            if name.endswith(SOURCES):
                yield os.path.join(dirpath, name)


def document_headers(root):
    with open(os.path.join(root, "host", "CMakeLists.txt"), encoding="utf-8") as f:
        text = f.read()
    library = re.search(r"add_library\(tovrins_document STATIC([^)]*)\)", text)
    if not library:
        return None
    sources = library.group(1).split()
    headers = {"host/" + os.path.splitext(source)[0] + ".hpp" for source in sources}
    for folder in {os.path.dirname(source) for source in sources} - {""}:
        for name in os.listdir(os.path.join(root, "host", folder)):
            if name.endswith((".h", ".hpp")):
                headers.add(f"host/{folder}/{name}")
    return headers


def host_io_faults(root):
    allowed = document_headers(root)
    if allowed is None:
        return ["host/CMakeLists.txt defines no tovrins_document library"]
    faults = []
    for path in files_in(root, os.path.join("host", "io")):
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for include in INCLUDE.findall(text):
            if include.startswith(("sdk/", "host/io/")) or include in allowed:
                continue
            faults.append(f"{os.path.relpath(path, root)} includes \"{include}\", which is not host/io's, "
                          f"sdk/'s or the document's ({', '.join(sorted(allowed))})")
    with open(os.path.join(root, "host", "io", "CMakeLists.txt"), encoding="utf-8") as f:
        if re.search(r"target_link_libraries\(tovrins_document_io[^)]*\btovrins_workbench\b", f.read()):
            faults.append("host/io/CMakeLists.txt links tovrins_document_io with the whole workbench")
    return faults


def main(root):
    filters = sorted(d for d in os.listdir(root)
                     if os.path.isfile(os.path.join(root, d, f"{d}_filter.hpp")))
    if not filters:
        print(f"no filter folder found under {root}")
        return 1
    filter_names = {os.path.basename(f): d for d in filters for f in files_in(root, d)}
    shared_names = {os.path.basename(f) for d in SHARED for f in files_in(root, d)}
    faults = []
    for folder in SHARED:
        for path in files_in(root, folder):
            with open(path, encoding="utf-8") as f:
                text = f.read()
            for include in INCLUDE.findall(text):
                first = include.split("/")[0]
                name = os.path.basename(include)
                if ("/" in include and first in filters) or (
                        "/" not in include and name in filter_names and name not in shared_names):
                    faults.append(f"{os.path.relpath(path, root)} includes \"{include}\", a header of the "
                                  f"{first if '/' in include else filter_names[name]} filter")
    io_faults = host_io_faults(root)
    for fault in faults + io_faults:
        print(fault)
    print(f"{len(faults)} shared-folder includes of filter headers (filters: {', '.join(filters)}); "
          f"{len(io_faults)} host/io reaches past the document")
    return 1 if faults or io_faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
