"""Generated regions of a hand-written skin file.

A region is the text between a begin and an end comment of the same name, each alone on its line:

    <!-- BEGIN GENERATED dpi_rows: written by tools/gen_skin, do not edit by hand -->
    ...
    <!-- END GENERATED dpi_rows -->

Only the lines between the two comments are replaced; everything else in the file, the comments
themselves included, stays byte for byte as it was. Generated lines take the indentation of the
begin comment.
"""

BEGIN = "<!-- BEGIN GENERATED %s: written by tools/gen_skin, do not edit by hand -->"
END = "<!-- END GENERATED %s -->"


class MarkerError(Exception):
    pass


def _lines_with(lines, marker):
    return [i for i, line in enumerate(lines) if line.strip() == marker]


def find_region(text, name):
    """(index of the begin line, index of the end line, indentation) of region `name`."""
    lines = text.split("\n")
    begins = _lines_with(lines, BEGIN % name)
    ends = _lines_with(lines, END % name)
    if len(begins) != 1 or len(ends) != 1:
        raise MarkerError("region %s: %d begin and %d end markers, expected one of each"
                          % (name, len(begins), len(ends)))
    begin, end = begins[0], ends[0]
    if end < begin:
        raise MarkerError("region %s: the end marker comes before the begin marker" % name)
    line = lines[begin]
    return begin, end, line[:len(line) - len(line.lstrip())]


def replace_region(text, name, new_lines):
    """`text` with the lines of region `name` replaced by `new_lines`, indented like the markers.

    The new lines end as the begin marker's line does (a file with Windows line ends keeps them).
    """
    begin, end, indent = find_region(text, name)
    lines = text.split("\n")
    cr = "\r" if lines[begin].endswith("\r") else ""
    body = [(indent + line if line else line) + cr for line in new_lines]
    return "\n".join(lines[:begin + 1] + body + lines[end:])
