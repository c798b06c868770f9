#!/usr/bin/env python3
"""The layering check itself: it passes a clean tree and names each fault."""
import contextlib
import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_layers  # noqa: E402

HOST_CMAKE = "add_library(tovrins_document STATIC\n  document_data.cpp\n  document/geometry.cpp\n)\n"
IO_CMAKE = "target_link_libraries(tovrins_document_io PUBLIC tovrins_sdk tovrins_document)\n"


class LayeringCheck(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.root = self.tmp.name
        self.write("rotate/rotate_filter.hpp", "")
        self.write("rotate/rotate_engine.hpp", "")
        self.write("shell/copy_engine.cpp", '#include "shell/copy_engine.hpp"\n')
        self.write("shell/copy_engine.hpp", "")
        self.write("host/CMakeLists.txt", HOST_CMAKE)
        self.write("host/io/CMakeLists.txt", IO_CMAKE)
        self.write("host/document/geometry.hpp", "")
        self.write("host/document/id_list.hpp", "")
        self.write("host/document/geometry.cpp", "")
        self.write("host/suites/art_suite.hpp", "")
        self.write("host/io/svg_import.cpp",
                   '#include "host/io/svg_import.hpp"\n#include "host/document/geometry.hpp"\n'
                   '#include "host/document_data.hpp"\n#include "host/document/id_list.hpp"\n'
                   '#include "sdk/tv_types.h"\n#include <vector>\n')

    def tearDown(self):
        self.tmp.cleanup()

    def write(self, path, text):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "a", encoding="utf-8") as f:
            f.write(text)

    def check(self):
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            code = check_layers.main(self.root)
        return code, out.getvalue()

    def test_clean_tree_passes(self):
        code, out = self.check()
        self.assertEqual(code, 0, out)

    def test_shared_include_of_a_filter_header_by_folder_or_bare_name(self):
        for include in ("rotate/rotate_engine.hpp", "rotate_engine.hpp"):
            with self.subTest(include=include):
                self.write("dialog/notifiers.cpp", f'#include "{include}"\n')
                code, out = self.check()
                self.assertEqual(code, 1)
                self.assertIn('dialog/notifiers.cpp includes "' + include + '", a header of the rotate filter', out)
                os.remove(os.path.join(self.root, "dialog/notifiers.cpp"))

    def test_host_io_including_the_suites_or_the_workbench(self):
        for include in ("host/suites/art_suite.hpp", "host/host_context.hpp"):
            with self.subTest(include=include):
                self.write("host/io/svg_export.cpp", f'#include "{include}"\n')
                code, out = self.check()
                self.assertEqual(code, 1)
                self.assertIn(f'host/io/svg_export.cpp includes "{include}"', out)
                os.remove(os.path.join(self.root, "host/io/svg_export.cpp"))

    def test_host_io_linking_the_workbench(self):
        self.write("host/io/CMakeLists.txt", "target_link_libraries(tovrins_document_io PRIVATE tovrins_workbench)\n")
        code, out = self.check()
        self.assertEqual(code, 1)
        self.assertIn("links tovrins_document_io with the whole workbench", out)

    def test_missing_document_values_library_is_a_fault(self):
        with open(os.path.join(self.root, "host/CMakeLists.txt"), "w", encoding="utf-8") as f:
            f.write("add_library(tovrins_workbench STATIC document_data.cpp)\n")
        code, out = self.check()
        self.assertEqual(code, 1)
        self.assertIn("defines no tovrins_document library", out)


if __name__ == "__main__":
    unittest.main()
