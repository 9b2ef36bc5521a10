"""Reads a skin file into a tree of widgets, with page placeholders replaced by their pages.

This is the checker's own reading of the format in skin/README.md, kept independent of the
program's toolkits so that it can judge the files without building anything.
"""

import os
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass, field

# The main window's page classes (compared without regard to case) and their files.
PAGE_TABLE = {
    "kb_key_ui": "keyboard_key.xml",
    "kb_deng_ui": "keyboard_deng.xml",
    "kb_macro_ui": "keyboard_macro.xml",
    "ms_deng_ui": "Mouse_deng.xml",
    "ms_macro_ui": "Mouse_macro.xml",
    "ms_key_ui": "Mouse_key.xml",
    "mp_deng_ui": "MousePad_deng.xml",
    "ms_dpi_ui": "Mouse_DPI.xml",
    "ms_cursor_ui": "Mouse_cursor.xml",
    "kb_cursor_ui": "keyboard_cursor.xml",
}

MAX_PAGE_DEPTH = 4


class SkinError(Exception):
    pass


@dataclass
class Node:
    cls: str
    name: str
    props: dict  # property name -> value (str, bool, int, tuple for geometry)
    items: list  # combo and list entries' texts
    children: list = field(default_factory=list)
    source: str = ""  # the file the element was read from
    page_of: str = ""  # for a placeholder: the page file it holds

    @property
    def geometry(self):
        return self.props.get("geometry", (0, 0, 0, 0))

    def prop(self, name, default=None):
        return self.props.get(name, default)

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()


def _prop_value(element):
    value = next(iter(element), None)
    if value is None:
        return None
    tag = value.tag
    if tag == "rect":
        return tuple(int(value.findtext(k, "0")) for k in ("x", "y", "width", "height"))
    if tag == "bool":
        return (value.text or "").strip() == "true"
    if tag == "number":
        return int((value.text or "0").strip())
    return value.text or ""


def _props(element):
    return {p.get("name"): _prop_value(p) for p in element.findall("property")}


def _items(element):
    return [(item.find("property/string").text or "") for item in element.findall("item")
            if item.find("property/string") is not None]


def read_xml(path):
    try:
        return ElementTree.parse(path).getroot()
    except (ElementTree.ParseError, OSError) as e:
        raise SkinError("%s: %s" % (os.path.basename(path), e))


def _node(element, source):
    node = Node(element.get("class", ""), element.get("name", ""), _props(element),
                _items(element), source=source)
    node.children = [_node(child, source) for child in element.findall("widget")]
    return node


def safe_name(skin, file_name):
    """The path of a file named by a skin, or a SkinError when the name leaves the folder."""
    if not file_name or os.path.isabs(file_name) or ".." in file_name.replace("\\", "/").split("/"):
        raise SkinError("file name %r leaves the skin folder" % file_name)
    return os.path.join(skin, file_name)


def load_window(skin, file_name, depth=0):
    """The root widget of `file_name`, with every page placeholder holding its page's children."""
    root_element = read_xml(safe_name(skin, file_name)).find("widget")
    if root_element is None:
        raise SkinError("%s: no root widget" % file_name)
    root = _node(root_element, file_name)
    for node in list(root.walk()):
        page_file = PAGE_TABLE.get(node.cls.lower())
        if not page_file:
            continue
        if depth >= MAX_PAGE_DEPTH:
            raise SkinError("%s: pages nested deeper than %d" % (file_name, MAX_PAGE_DEPTH))
        page = load_window(skin, page_file, depth + 1)
        node.page_of = page_file
        node.props["page_size"] = page.geometry[2:]
        node.children = page.children
    return root


def resource_files(skin):
    """The resource ids of res.xml and the files they name."""
    root = read_xml(os.path.join(skin, "res.xml"))
    return {e.get("id"): e.get("file") for e in root.iter("skin")}
