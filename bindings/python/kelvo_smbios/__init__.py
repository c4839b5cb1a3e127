"""kelvo-shared-smbios from Python, through its C interface (ctypes, standard library only).

    import kelvo_smbios
    with kelvo_smbios.Table.open_file("/sys/firmware/dmi/tables") as table:
        print(table.error()["message"], table.accepted_version())
        for s in table.structures():
            print(s.type, s.handle, [(f.label, f.text) for f in s.fields])

Two views of one table: the C++ interface's outcome (error(), accepted_version()) and the table
as it is (info(), structures(): every structure in table order, each with the library's fields,
decoded within its Length by the library's description of its type, which schema() and names()
give without any table). Texts are bytes, as the table holds them.

The library is the one installed inside this package (pip install ./bindings/python puts it
there), else the file that the KELVO_SMBIOS_LIBRARY environment variable names (running from the
source tree), else the one on the system's library path. When it cannot be loaded, the import
still succeeds and every call raises LibraryError, whose text names the file tried and why.
"""

import ctypes
import ctypes.util
import os
import sys

__all__ = ["Error", "LibraryError", "Table", "Structure", "Field", "schema", "title", "names",
           "set_log_callback"]

# ---- Status codes ---------------------------------------------------------------------------

OK = 0
INVALID_ARGUMENT = 1
STRUCT_TOO_SMALL = 2
FILE_UNREADABLE = 3
NOT_A_TABLE = 4
OUT_OF_MEMORY = 5
OUT_OF_RANGE = 6
LOGGER_ALREADY_SET = 7
INTERNAL_ERROR = 8

LOG_NONE, LOG_FATAL, LOG_ERROR, LOG_WARNING, LOG_INFO, LOG_DEBUG, LOG_VERBOSE = range(7)


try:  # written by the package's build: the library's version and file inside the package
    from ._built import VERSION as __version__, LIBRARY as _BUILT_LIBRARY
except ImportError:  # the source tree
    __version__, _BUILT_LIBRARY = None, None


class LibraryError(OSError):
    """The library could not be loaded: the text names the file tried and why."""


def _library():
    """The loaded library, or a LibraryError saying which file was tried and why it failed."""
    if _BUILT_LIBRARY:
        name = os.path.join(os.path.dirname(os.path.abspath(__file__)), _BUILT_LIBRARY)
    else:
        name = os.environ.get("KELVO_SMBIOS_LIBRARY") or ctypes.util.find_library(
            "kelvo-shared-smbios")
    if not name:
        return LibraryError("kelvo-shared-smbios not found: not installed with this package, "
                            "KELVO_SMBIOS_LIBRARY not set, none on the system's library path")
    try:
        return ctypes.CDLL(name)
    except OSError as error:
        return LibraryError("cannot load %s: %s" % (name, error))


class _Unloaded:
    """Stands for a library that did not load: any use raises its LibraryError."""

    def __init__(self, error):
        self.error = error

    def __getattr__(self, name):
        raise self.error


# ---- The C interface's own structures -------------------------------------------------------

u8, u16, u32, u64, i32 = ctypes.c_uint8, ctypes.c_uint16, ctypes.c_uint32, ctypes.c_uint64, ctypes.c_int32
text, pointer, size_t = ctypes.c_char_p, ctypes.c_void_p, ctypes.c_size_t


def _struct(name, fields):
    return type(name, (ctypes.Structure,), {"_fields_": fields})


_ErrorInfo = _struct("ErrorInfo", [
    ("struct_size", u32), ("failed", i32), ("category", i32), ("code", ctypes.c_int64),
    ("message", text), ("type_name", text), ("component", text), ("text", text)])
_TableInfo = _struct("TableInfo", [
    ("struct_size", u32), ("calling_method", u8), ("major_version", u8), ("minor_version", u8),
    ("dmi_revision", u8), ("length", u32), ("walked_length", u64),
    ("structure_count", size_t), ("written_major_version", u8), ("written_minor_version", u8)])
_Structure = _struct("StructureInfo", [
    ("struct_size", u32), ("type", u8), ("length", u8), ("handle", u16), ("offset", u64),
    ("formatted", ctypes.POINTER(u8)), ("formatted_size", size_t),
    ("string_count", size_t), ("record", pointer)])
_OpenOptions = _struct("OpenOptions", [
    ("struct_size", u32), ("bare_version", i32), ("error_text", pointer), ("error_size", size_t),
    ("flags", u32)])
_Field = _struct("Field", [
    ("struct_size", u32), ("key", text), ("label", text), ("kind", i32), ("text", text),
    ("items", ctypes.POINTER(text)), ("item_count", size_t), ("has_raw", i32), ("raw", u64),
    ("reference", i32), ("offset", u8), ("width", u8)])
_SchemaType = _struct("SchemaType", [
    ("struct_size", u32), ("type", u8), ("key", text), ("title", text), ("name", text),
    ("keyword", text), ("field_count", size_t)])
_SchemaField = _struct("SchemaField", [
    ("struct_size", u32), ("key", text), ("label", text), ("kind", i32), ("offset", u8),
    ("width", u8), ("since", u16), ("shown_from", u8), ("format", text), ("names", i32),
    ("mask", u64), ("shift", u8), ("first_bit", u8), ("last_bit", u8), ("none", text),
    ("unit", text), ("special_count", size_t), ("has_escape", i32), ("escape", u64),
    ("has_omit", i32), ("omit", u64), ("only_if_key", text), ("count_key", text),
    ("stride_key", text), ("stride", u8), ("after_key", text), ("reference", i32),
    ("record", text), ("to_end", i32), ("omit_from", u8), ("only_if_is", i32),
    ("only_if_value", u64), ("element_heading", text), ("layout_from", u16),
    ("layout_before", u16)])

# The kinds of fields (KSMBIOS_KIND_...), by number.
KINDS = ("part", "string", "decimal", "hex", "enum", "flags", "handle", "size", "bytes", "uuid",
         "text")
# How a table was kept (KSMBIOS_SOURCE_...), by number.
SOURCES = ("raw", "dump", "after-entry-point", "folder", "bare", "machine")
OPEN_STRUCTURES_ONLY = 1

_Source = _struct("Source", [
    ("struct_size", u32), ("format", i32), ("version_inferred", i32), ("stopped_early", i32),
    ("warning", text)])

_LogCallback = ctypes.CFUNCTYPE(None, i32, text, u32, text, pointer)

_lib = _library()
if isinstance(_lib, LibraryError):
    _lib = _Unloaded(_lib)
_table_p = ctypes.c_void_p
for _name, _args in {} if isinstance(_lib, _Unloaded) else {
        "ksmbios_open_machine": [ctypes.POINTER(_table_p)],
        "ksmbios_open_bytes": [ctypes.c_char_p, ctypes.c_size_t, ctypes.POINTER(_table_p)],
        "ksmbios_open_file": [ctypes.c_char_p, ctypes.POINTER(_table_p)],
        "ksmbios_get_error": [_table_p, ctypes.POINTER(_ErrorInfo)],
        "ksmbios_get_accepted_version": [_table_p, ctypes.POINTER(i32)],
        "ksmbios_open_file_with": [ctypes.c_char_p, ctypes.POINTER(_OpenOptions),
                                   ctypes.POINTER(_table_p)],
        "ksmbios_get_source": [_table_p, ctypes.POINTER(_Source)],
        "ksmbios_get_field_count": [_table_p, size_t, ctypes.POINTER(size_t)],
        "ksmbios_get_field": [_table_p, size_t, size_t, ctypes.POINTER(_Field)],
        "ksmbios_schema_type_count": [ctypes.POINTER(size_t)],
        "ksmbios_schema_get_type": [size_t, ctypes.POINTER(_SchemaType)],
        "ksmbios_schema_find_type": [u32, ctypes.POINTER(size_t)],
        "ksmbios_schema_describing": [u32, ctypes.POINTER(size_t)],
        "ksmbios_schema_get_field": [size_t, size_t, ctypes.POINTER(_SchemaField)],
        "ksmbios_schema_get_special": [size_t, size_t, size_t, ctypes.POINTER(u64),
                                       ctypes.POINTER(ctypes.c_char_p)],
        "ksmbios_name_entry": [i32, size_t, ctypes.POINTER(u32), ctypes.POINTER(ctypes.c_char_p)],
        "ksmbios_get_table_info": [_table_p, ctypes.POINTER(_TableInfo)],
        "ksmbios_get_structure": [_table_p, ctypes.c_size_t, ctypes.POINTER(_Structure)],
        "ksmbios_get_string": [_table_p, ctypes.c_size_t, u8, ctypes.POINTER(ctypes.c_char_p),
                               ctypes.POINTER(ctypes.c_size_t)],
        "ksmbios_get_source": [_table_p, ctypes.POINTER(_Source)],
        "ksmbios_set_log_callback": [i32, _LogCallback, pointer]}.items():
    getattr(_lib, _name).argtypes = _args
    getattr(_lib, _name).restype = i32
if not isinstance(_lib, _Unloaded):
    _lib.ksmbios_close.argtypes = [_table_p]
    _lib.ksmbios_close.restype = None
    _lib.ksmbios_name_list_count.argtypes = []
    _lib.ksmbios_name_list_count.restype = i32
    _lib.ksmbios_status_text.argtypes = [i32]
    _lib.ksmbios_status_text.restype = ctypes.c_char_p


class Error(Exception):
    """A call that did not succeed: `status` is the C interface's code."""

    def __init__(self, status):
        self.status = status
        super().__init__(status_text(status))


def status_text(status):
    return _lib.ksmbios_status_text(status).decode("ascii")


def _check(status):
    if status != OK:
        raise Error(status)


def _sized(kind):
    value = kind()
    value.struct_size = ctypes.sizeof(kind)
    return value


class Field:
    """One field of a structure as the library shows it: `key` ("memory_device.size"), `label`
    ("Size"), `kind` (a name of KINDS), `text` (the value as shown), `items` (the lines of a
    list), `raw` (the number that the table holds, or None), `reference` (it refers to another
    structure), `offset` and `width` (where its bytes lie). Texts are bytes, as the library
    gives them."""

    __slots__ = ("key", "label", "kind", "text", "items", "raw", "reference", "offset", "width")

    def __init__(self, f):
        self.key, self.label, self.text = f.key.decode("ascii"), f.label, f.text
        self.kind = KINDS[f.kind] if 0 <= f.kind < len(KINDS) else f.kind
        self.items = [f.items[i] for i in range(f.item_count)]
        self.raw = f.raw if f.has_raw else None
        self.reference, self.offset, self.width = bool(f.reference), f.offset, f.width

    def __repr__(self):
        return "Field(%s=%r)" % (self.key, self.text)


class Structure:
    """One structure of the table as it is: its header, formatted bytes and strings, and the
    library's fields of it (`fields`, empty for a type that the library does not describe)."""

    def __init__(self, index, type, length, handle, offset, formatted, strings, fields):
        self.index, self.type, self.length, self.handle = index, type, length, handle
        self.offset, self.formatted, self.strings, self.fields = offset, formatted, strings, fields

    def field(self, key):
        """The first field with this key, or None."""
        return next((f for f in self.fields if f.key == key), None)

    def __repr__(self):
        return "Structure(type=%d, handle=0x%04X, length=%d)" % (self.type, self.handle, self.length)


def _schema_type(index):
    t = _sized(_SchemaType)
    _check(_lib.ksmbios_schema_get_type(index, ctypes.byref(t)))
    return t


def schema():
    """The library's description of every structure type it decodes, without any table: a list
    of dicts (type, key, title, name, keyword, fields), each field a dict of its row (key,
    label, kind, offset, width, since, ..., specials as (value, text) pairs)."""
    count = size_t()
    _check(_lib.ksmbios_schema_type_count(ctypes.byref(count)))
    types = []
    for t in range(count.value):
        row = _schema_type(t)
        fields = []
        for i in range(row.field_count):
            f = _sized(_SchemaField)
            _check(_lib.ksmbios_schema_get_field(t, i, ctypes.byref(f)))
            field = {name: getattr(f, name) for name, _ in _SchemaField._fields_[1:]}
            field["kind"] = KINDS[f.kind]
            specials = []
            for n in range(f.special_count):
                value, special = u64(), ctypes.c_char_p()
                _check(_lib.ksmbios_schema_get_special(t, i, n, ctypes.byref(value),
                                                       ctypes.byref(special)))
                specials.append((value.value, special.value))
            field["specials"] = specials
            fields.append(field)
        types.append({"type": row.type, "key": row.key, "title": row.title, "name": row.name,
                      "keyword": row.keyword, "fields": fields})
    return types


def title(type):
    """The title under which structures of `type` are shown: the described type's, else that of
    OEM-specific or unknown types (shown as their bytes and strings)."""
    index = size_t()
    _check(_lib.ksmbios_schema_describing(type, ctypes.byref(index)))
    return _schema_type(index.value).title


def names(name_list):
    """The entries of a names list (kelvo_smbios_names.h's numbers) as {value: name}."""
    entries, value, name = {}, u32(), ctypes.c_char_p()
    while _lib.ksmbios_name_entry(name_list, len(entries), ctypes.byref(value),
                                  ctypes.byref(name)) == OK:
        entries[value.value] = name.value
    return entries


def name_list_count():
    return _lib.ksmbios_name_list_count()


class Table:
    """One table; close() (or a with block) releases it."""

    def __init__(self, handle):
        self._handle = handle

    @classmethod
    def _open(cls, call, *args):
        handle = _table_p()
        _check(call(*args, ctypes.byref(handle)))
        return cls(handle)

    @classmethod
    def open_machine(cls):
        return cls._open(_lib.ksmbios_open_machine)

    @classmethod
    def open_bytes(cls, data):
        data = bytes(data)
        return cls._open(_lib.ksmbios_open_bytes, data, len(data))

    @classmethod
    def open_file(cls, path, bare_version=0, structures_only=False):
        """A table file in any format that the library reads (a bare structure table too, of
        `bare_version` or of an inferred one); `structures_only` spares the C++ interface's view
        until it is asked for. A refusal raises Error with the library's reason as `reason`."""
        options = _sized(_OpenOptions)
        reason = ctypes.create_string_buffer(512)
        options.bare_version = bare_version
        options.error_text = ctypes.cast(reason, pointer)
        options.error_size = len(reason)
        options.flags = OPEN_STRUCTURES_ONLY if structures_only else 0
        handle = _table_p()
        status = _lib.ksmbios_open_file_with(os.fsdecode(path).encode("utf-8"),
                                             ctypes.byref(options), ctypes.byref(handle))
        if status != OK:
            error = Error(status)
            error.reason = reason.value.decode("utf-8", "replace")
            raise error
        return cls(handle)

    def close(self):
        if self._handle:
            _lib.ksmbios_close(self._handle)
            self._handle = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def __del__(self):
        self.close()

    # The C++ interface's view

    def error(self):
        info = _sized(_ErrorInfo)
        _check(_lib.ksmbios_get_error(self._handle, ctypes.byref(info)))
        return {"failed": bool(info.failed), "category": info.category, "code": info.code,
                "message": info.message, "type_name": info.type_name,
                "component": info.component, "text": info.text}

    def accepted_version(self):
        version = i32()
        _check(_lib.ksmbios_get_accepted_version(self._handle, ctypes.byref(version)))
        return version.value

    # The table as it is

    def warnings(self):
        """The reader's warnings, as text: one when the table was read only up to its last whole
        structure (its bytes end first, or a structure cannot be stepped over), none otherwise."""
        source = _sized(_Source)
        _check(_lib.ksmbios_get_source(self._handle, ctypes.byref(source)))
        return [source.warning.decode("utf-8", "replace")] if source.stopped_early else []

    def info(self):
        """The raw header as a dict, or None when the table cannot be read as one. Its version is
        the one the fields are decoded by (2.31 reads as 2.3, as dmidecode reads it); the written_
        ones are the header's as it is."""
        info = _sized(_TableInfo)
        status = _lib.ksmbios_get_table_info(self._handle, ctypes.byref(info))
        if status == NOT_A_TABLE:
            return None
        _check(status)
        return {name: getattr(info, name) for name, _ in _TableInfo._fields_[1:]}

    def source(self):
        """How the table was kept: (a name of SOURCES, whether a bare table's version was
        inferred)."""
        source = _sized(_Source)
        _check(_lib.ksmbios_get_source(self._handle, ctypes.byref(source)))
        name = SOURCES[source.format] if 0 <= source.format < len(SOURCES) else "unknown"
        return name, bool(source.version_inferred)

    def structures(self):
        info = self.info()
        return [self.structure(i) for i in range(info["structure_count"] if info else 0)]

    def structure(self, index):
        s = _sized(_Structure)
        _check(_lib.ksmbios_get_structure(self._handle, index, ctypes.byref(s)))
        strings = []
        for number in range(1, min(s.string_count, 255) + 1):
            string, length = ctypes.c_char_p(), ctypes.c_size_t()
            _check(_lib.ksmbios_get_string(self._handle, index, number, ctypes.byref(string),
                                           ctypes.byref(length)))
            strings.append(ctypes.string_at(string, length.value))
        count = size_t()
        _check(_lib.ksmbios_get_field_count(self._handle, index, ctypes.byref(count)))
        fields = []
        for i in range(count.value):
            f = _sized(_Field)
            _check(_lib.ksmbios_get_field(self._handle, index, i, ctypes.byref(f)))
            fields.append(Field(f))
        return Structure(index, s.type, s.length, s.handle, s.offset,
                         ctypes.string_at(s.formatted, s.formatted_size), strings, fields)


_callbacks = []


def set_log_callback(max_severity, callback):
    """Sends the library's log records up to `max_severity` to callback(severity, function,
    line, message), texts as str. Once per process, before the first table is opened."""

    def bridge(severity, function, line, message, user):
        callback(severity, function.decode("utf-8", "replace"), line,
                 message.decode("utf-8", "replace"))

    c_callback = _LogCallback(bridge)
    _check(_lib.ksmbios_set_log_callback(max_severity, c_callback, None))
    _callbacks.append(c_callback)  # the library keeps calling it
