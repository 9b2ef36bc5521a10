"""Qt Designer widget elements as text: a small tree of widgets and properties and its rendering.

The rendering follows Designer's own layout (one space of indentation per level, geometry first)
so that generated and hand-written parts of a skin file read alike.
"""

from dataclasses import dataclass, field
from xml.sax.saxutils import escape, quoteattr


@dataclass
class Prop:
    name: str
    kind: str  # string, bool, number, set, enum, cursor
    value: object
    dynamic: bool = False  # a dynamic property (stdset="0"), read by the toolkits


@dataclass
class Widget:
    cls: str
    name: str  # "" for a decorative widget the program never looks up
    geometry: tuple  # x, y, width, height within the parent
    props: list = field(default_factory=list)
    children: list = field(default_factory=list)
    items: list = field(default_factory=list)  # combo entries' texts


def _value(prop):
    if prop.kind == "string":
        return "<string>%s</string>" % escape(str(prop.value))
    if prop.kind == "bool":
        return "<bool>%s</bool>" % ("true" if prop.value else "false")
    if prop.kind == "number":
        return "<number>%d</number>" % prop.value
    if prop.kind == "set":
        return "<set>%s</set>" % prop.value
    if prop.kind == "enum":
        return "<enum>%s</enum>" % prop.value
    if prop.kind == "cursor":
        return "<cursorShape>%s</cursorShape>" % prop.value
    raise ValueError("unknown property kind %r" % prop.kind)


def render_prop(prop):
    stdset = ' stdset="0"' if prop.dynamic else ""
    return '<property name="%s"%s>%s</property>' % (prop.name, stdset, _value(prop))


def render(widget, indent=0):
    """The widget's element as a list of lines, indented by `indent` levels."""
    pad = " " * indent
    name = " name=%s" % quoteattr(widget.name) if widget.name else ""
    x, y, w, h = widget.geometry
    lines = ['%s<widget class="%s"%s>' % (pad, widget.cls, name),
             "%s <property name=\"geometry\"><rect><x>%d</x><y>%d</y><width>%d</width>"
             "<height>%d</height></rect></property>" % (pad, x, y, w, h)]
    lines += [pad + " " + render_prop(p) for p in widget.props]
    lines += ['%s <item><property name="text"><string>%s</string></property></item>'
              % (pad, escape(i)) for i in widget.items]
    for child in widget.children:
        lines += render(child, indent + 1)
    lines.append(pad + "</widget>")
    return lines


# Shorthands for the properties the skins use most.

def text(value):
    return Prop("text", "string", value)


def tooltip(value):
    return Prop("toolTip", "string", value)


def role(value):
    """The style sheet's class of a control (quillon.qss selects on it)."""
    return Prop("role", "string", value, dynamic=True)


def hidden():
    return Prop("visible", "bool", False, dynamic=True)


def option(group, checked=False):
    props = [Prop("checkable", "bool", True), Prop("option", "bool", True, dynamic=True),
             Prop("group", "string", group, dynamic=True)]
    if checked:
        props.append(Prop("checked", "bool", True))
    return props


def bkcolor(argb):
    return Prop("bkcolor", "string", "0x%08X" % argb, dynamic=True)


def bkimage(path):
    return Prop("bkimage", "string", path, dynamic=True)


def align(flags):
    return Prop("alignment", "set", flags)


def hand_cursor():
    return Prop("cursor", "cursor", "PointingHandCursor")
