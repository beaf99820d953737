"""How bench/report.py puts a section into docs/performance.md: the header
written afresh every time, the section of its kind replaced or added, and
what follows the sections kept."""
import os
import sys
import unittest

sys.path.insert(0, os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", "bench")))
import report  # noqa: E402

OLD = """# Performance

An older header that no longer says what the runs do.

<!-- bench -->
old figures
<!-- /bench -->

<!-- soak -->
soak figures
<!-- /soak -->

## Written by hand
kept
"""


class Placed(unittest.TestCase):
    def test_a_new_document_is_the_header_and_the_section(self):
        self.assertEqual(report.placed("", "bench", "new\n"),
                         report.HEADER + "\n<!-- bench -->\nnew\n<!-- /bench -->\n")

    def test_the_header_is_replaced_and_the_rest_kept(self):
        text = report.placed(OLD, "bench", "new figures\n")
        self.assertTrue(text.startswith(report.HEADER + "\n<!-- bench -->\nnew figures\n<!-- /bench -->\n"))
        self.assertNotIn("older header", text)
        self.assertNotIn("old figures", text)
        self.assertTrue(text.endswith("<!-- soak -->\nsoak figures\n<!-- /soak -->\n\n## Written by hand\nkept\n"))

    def test_a_missing_section_comes_last(self):
        text = report.placed(OLD.replace("<!-- soak -->\nsoak figures\n<!-- /soak -->\n\n", ""), "soak", "s\n")
        self.assertTrue(text.startswith(report.HEADER + "\n<!-- bench -->\nold figures\n"))
        self.assertTrue(text.endswith("kept\n\n<!-- soak -->\ns\n<!-- /soak -->\n"))

    def test_a_document_without_sections_becomes_the_header(self):
        self.assertEqual(report.placed("# Performance\nstale\n", "soak", "s"),
                         report.HEADER + "\n<!-- soak -->\ns\n<!-- /soak -->\n")

    def test_the_header_says_which_build_may_have_run(self):
        flat = " ".join(report.HEADER.split())
        self.assertIn("`velnor.exe`, or on a host that runs no 32-bit programs the x86-64 test build", flat)


if __name__ == "__main__":
    unittest.main()
