#!/usr/bin/env python3
"""Checks the skin folder against what the program and the toolkits expect of it.

    python3 tools/gen_skin/check_skin.py [skin folder]

Reports, one line each, and exits with 1 when there is any:
- a file that is not well-formed XML, a resource id or page that names a missing file;
- a control the program looks up that is missing, of another class, or not in the state it must
  start in (hidden, number of entries, slider range, option group);
- two controls of one name in a window (a page placed twice, like the cursor page, is exempt);
- more than one selected option in a group, a tab layout showing a page it does not have;
- a shown control outside its parent, a page whose size differs from its placeholder;
- a malformed colour, a picture that is missing, lies outside the folder, or has another size than
  its control (pictures are stretched over the control); a colour or picture on a control without
  a name (the toolkits apply them only to named controls);
- a visible text that is not a language text id, or an id a language file lacks.
"""

import os
import re
import struct
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skin_contract import LANGUAGE_FILES, MENUS, WINDOWS  # noqa: E402
from skin_tree import SkinError, load_window, read_xml, resource_files, safe_name  # noqa: E402

COLOUR = re.compile(r"^0x[0-9A-Fa-f]{8}$")
TEXT_ID = re.compile(r"^@[A-Za-z0-9_]+$")
TEXT_PROPS = ("text", "toolTip")
# Properties the toolkits apply only to controls they know by name.
LOOK_PROPS = ("bkcolor", "textcolor", "bordercolor", "bordersize", "bkimage")


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def _is_text_ok(text):
    """A shown text must be a language text id, or carry no words (numbers, signs)."""
    if not text or TEXT_ID.match(text):
        return True
    return not any(ch.isalpha() for ch in text)


def _picture_errors(skin, node):
    value = node.prop("bkimage")
    if value is None:
        return []
    path = value[6:-1] if value.startswith("file='") and value.endswith("'") else value
    try:
        full = safe_name(skin, path)
    except SkinError as e:
        return ["%s: %s" % (node.name or node.cls, e)]
    if not os.path.isfile(full):
        return ["%s: picture %s is missing" % (node.name or node.cls, path)]
    size = png_size(full)
    if size != tuple(node.geometry[2:]):
        return ["%s: picture %s is %s, the control %dx%d (it would be stretched)"
                % (node.name or node.cls, path, "%dx%d" % size if size else "not a PNG",
                   node.geometry[2], node.geometry[3])]
    return []


def _node_errors(skin, node):
    errors = []
    label = node.name or node.cls
    unnamed_looks = [p for p in LOOK_PROPS if not node.name and node.prop(p) is not None]
    if unnamed_looks:
        errors.append("a %s without a name has %s, which no toolkit applies to it" % (
            node.cls, ", ".join(unnamed_looks)))
    for prop in ("bkcolor", "textcolor", "bordercolor"):
        value = node.prop(prop)
        if value is not None and not COLOUR.match(value):
            errors.append("%s: %s %r is not 0xAARRGGBB" % (label, prop, value))
    errors += _picture_errors(skin, node)
    for text in [node.prop(p) for p in TEXT_PROPS] + node.items:
        if isinstance(text, str) and not _is_text_ok(text):
            errors.append("%s: shows %r, which is not a language text id" % (label, text))
    if node.cls == "QStackedWidget":
        index = node.prop("currentIndex", 0)
        if not 0 <= index < len(node.children):
            errors.append("%s: shows page %d of %d" % (label, index, len(node.children)))
    if node.page_of and tuple(node.props["page_size"]) != tuple(node.geometry[2:]):
        errors.append("%s: page %s is %dx%d, its place %dx%d" % (
            label, node.page_of, *node.props["page_size"], *node.geometry[2:]))
    return errors


def _layout_errors(node):
    """Shown children that do not lie inside their shown parent."""
    errors = []
    if node.prop("visible") is False:
        return errors
    _, _, width, height = node.geometry
    for child in node.children:
        if child.prop("visible") is False:
            continue
        x, y, w, h = child.geometry
        if node.cls != "QStackedWidget" and (x < 0 or y < 0 or x + w > width or y + h > height):
            errors.append("%s at %d,%d %dx%d lies outside %s (%dx%d)" % (
                child.name or child.cls, x, y, w, h, node.name or node.cls, width, height))
        errors += _layout_errors(child)
    return errors


def _group_errors(nodes):
    errors, checked = [], {}
    for node in nodes:
        group = node.prop("group")
        if group is None:
            continue
        if not (node.cls == "QRadioButton" or node.prop("option") is True):
            errors.append("%s: has group %s but is not an option" % (node.name, group))
        if node.prop("checked") is True:
            checked.setdefault(group, []).append(node.name)
    for group, names in checked.items():
        if len(names) > 1:
            errors.append("group %s starts with %s all selected" % (group, ", ".join(names)))
    return errors


def _named(root):
    """Named controls by lower-case name; controls of a page placed twice are left out."""
    placements = {}
    for node in root.walk():
        if node.page_of:
            placements[node.page_of] = placements.get(node.page_of, 0) + 1
    named = {}
    for node in root.walk():
        if node.name and placements.get(node.source, 1) == 1:
            named.setdefault(node.name.lower(), []).append(node)
    return named


def _expectation_errors(name, node, cls, expected):
    errors = []
    if cls and node.cls != cls:
        errors.append("%s is a %s, expected %s" % (name, node.cls, cls))
    checks = {
        "visible": lambda: node.prop("visible", True),
        "items": lambda: len(node.items),
        "pages": lambda: len(node.children),
        "min": lambda: node.prop("minimum", 0),
        "max": lambda: node.prop("maximum", 99),
        "userdata": lambda: node.prop("userdata"),
    }
    for key, want in expected.items():
        if key == "group":
            group = node.prop("group")
            if group is None or (want is not True and group != want):
                errors.append("%s is in option group %r, expected %s" % (
                    name, group, "one" if want is True else repr(want)))
        elif checks[key]() != want:
            errors.append("%s: %s is %r, expected %r" % (name, key, checks[key](), want))
    return errors


def check_window(skin, key, contract):
    files = resource_files(skin) if key.startswith("XML_") else {key: key}
    file_name = files.get(key)
    if not file_name:
        return ["res.xml names no file for %s" % key]
    try:
        root = load_window(skin, file_name)
    except SkinError as e:
        return [str(e)]
    nodes = list(root.walk())
    named = _named(root)
    errors = ["%s appears %d times" % (n[0].name, len(n)) for n in named.values() if len(n) > 1]
    for name, (cls, expected) in contract.items():
        found = named.get(name.lower())
        if not found:
            errors.append("%s is missing" % name)
            continue
        errors += _expectation_errors(name, found[0], cls, expected)
    for node in nodes:
        errors += _node_errors(skin, node)
    errors += _group_errors(nodes) + _layout_errors(root)
    return ["%s: %s" % (file_name, e) for e in errors]


def check_menu(skin, file_name, items):
    try:
        root = read_xml(safe_name(skin, file_name)).find("widget")
    except SkinError as e:
        return [str(e)]
    if root is None or root.get("class") != "QMenu":
        return ["%s: the root is not a QMenu" % file_name]
    actions = [a.get("name") for a in root.findall("action")]
    errors = ["%s: item %s is missing" % (file_name, i) for i in items if i not in actions]
    for action in root.findall("action"):
        text = action.findtext("property/string") or ""
        if not _is_text_ok(text):
            errors.append("%s: item %s shows %r, not a text id" % (file_name, action.get("name"),
                                                                    text))
    return errors


def used_text_ids(skin):
    ids = set()
    for file_name in sorted(os.listdir(skin)):
        if not file_name.endswith(".xml") or file_name in LANGUAGE_FILES:
            continue
        try:
            root = read_xml(os.path.join(skin, file_name))
        except SkinError:
            continue
        for element in root.iter("string"):
            text = element.text or ""
            if TEXT_ID.match(text):
                ids.add(text[1:].lower())
    return ids


def check_languages(skin):
    ids = used_text_ids(skin)
    errors = []
    for file_name in LANGUAGE_FILES:
        path = os.path.join(skin, file_name)
        if not os.path.exists(path):
            continue
        try:
            root = read_xml(path)
        except SkinError as e:
            errors.append(str(e))
            continue
        defined = {(t.get("id") or "").lower() for t in root.iter("text")}
        errors += ["%s: text id %s is used by the skin but not defined" % (file_name, i)
                   for i in sorted(ids - defined)]
    return errors


def check_well_formed(skin):
    errors = []
    for file_name in sorted(os.listdir(skin)):
        if file_name.endswith(".xml"):
            try:
                read_xml(os.path.join(skin, file_name))
            except SkinError as e:
                errors.append(str(e))
    return errors


def check(skin):
    errors = check_well_formed(skin)
    for key, contract in WINDOWS.items():
        errors += check_window(skin, key, contract)
    for file_name, items in MENUS.items():
        errors += check_menu(skin, file_name, items)
    return errors + check_languages(skin)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    skin = argv[1] if len(argv) > 1 else os.path.normpath(os.path.join(here, "..", "..", "skin"))
    errors = check(skin)
    for error in errors:
        print(error)
    print("%d problem%s in %s" % (len(errors), "" if len(errors) == 1 else "s", skin))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
