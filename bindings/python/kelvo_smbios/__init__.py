"""kelvo-shared-smbios from Python, through its C interface (ctypes, standard library only).

    import kelvo_smbios
    with kelvo_smbios.Table.open_file("/sys/firmware/dmi/tables") as table:
        print(table.error()["message"], table.accepted_version())
        for s in table.structures():
            print(s.type, s.handle, s.strings, s.record)

Two views of one table: the C++ interface's (error(), accepted_version(), last_records(): the
last structure of each of the nine types, as SMBiosInfo's getters return them) and the table as
it is (info(), structures(): every structure in table order, with the nine types decoded within
each structure's Length). Texts are bytes, as the table holds them.

The library is the one installed inside this package (pip install ./bindings/python puts it
there), else the file that the KELVO_SMBIOS_LIBRARY environment variable names (running from the
source tree), else the one on the system's library path. When it cannot be loaded, the import
still succeeds and every call raises LibraryError, whose text names the file tried and why.
"""

import ctypes
import ctypes.util
import os
import sys

__all__ = ["Error", "LibraryError", "Table", "Structure", "set_log_callback", "RECORD_TYPES"]

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


# ---- Records (the layout of kelvo_smbios.h) -------------------------------------------------

u8, u16, u32, u64, i32 = ctypes.c_uint8, ctypes.c_uint16, ctypes.c_uint32, ctypes.c_uint64, ctypes.c_int32
text, pointer = ctypes.c_char_p, ctypes.c_void_p


def _struct(name, fields):
    return type(name, (ctypes.Structure,), {"_fields_": fields})


Bios = _struct("Bios", [
    ("VendorStringNumber", u8), ("Vendor", text), ("BIOSVersionStringNumber", u8),
    ("BIOSVersion", text), ("BIOSStartingSegment", u16), ("BIOSReleaseDateStringNumber", u8),
    ("BIOSReleaseDate", text), ("BIOSROMSize", u8), ("BIOSCharacteristics", u8 * 8),
    ("ExtensionByte1", u8), ("ExtensionByte2", u8), ("SystemBIOSMajorRelease", u8),
    ("SystemBIOSMinorRelease", u8), ("EmbeddedFirmwareMajorRelease", u8),
    ("EmbeddedFirmwareMinorRelease", u8)])
System = _struct("System", [
    ("ManufacturerStringNumber", u8), ("Manufacturer", text), ("ProductNameStringNumber", u8),
    ("ProductName", text), ("VersionStringNumber", u8), ("Version", text),
    ("SerialNumberStringNumber", u8), ("SerialNumber", text),
    ("V2_1", _struct("System_2_1", [("UUID", u8 * 16), ("WakeUpType", u8), ("UUIDString", text)])),
    ("V2_4", _struct("System_2_4", [("SKUNumberStringNumber", u8), ("SKUNumber", text),
                                    ("FamilyStringNumber", u8), ("Family", text)]))])
Baseboard = _struct("Baseboard", [
    ("ManufacturerStringNumber", u8), ("Manufacturer", text), ("ProductStringNumber", u8),
    ("Product", text), ("VersionStringNumber", u8), ("Version", text),
    ("SerialNumberStringNumber", u8), ("SerialNumber", text), ("AssetTagStringNumber", u8),
    ("AssetTag", text), ("FeatureFlags", u8), ("LocationInChassisStringNumber", u8),
    ("LocationInChassis", text), ("ChassisHandle", u16), ("BoardType", u8),
    ("NumberOfContainedObjectHandles", u8), ("ContainedObjectHandles", pointer)])
Enclosure = _struct("Enclosure", [
    ("ManufacturerStringNumber", u8), ("Manufacturer", text), ("ChassisType", u8),
    ("VersionStringNumber", u8), ("Version", text), ("SerialNumberStringNumber", u8),
    ("SerialNumber", text), ("AssetTagStringNumber", u8), ("AssetTag", text),
    ("ChassisTypeName", text),
    ("V2_1", _struct("Enclosure_2_1", [("BootUpState", u8), ("PowerSupplyState", u8),
                                       ("ThermalState", u8), ("SecurityStatus", u8)])),
    ("V2_3", _struct("Enclosure_2_3", [("OEMDefined", u32), ("Height", u8),
                                       ("NumberOfPowerCords", u8), ("ContainedElementCount", u8),
                                       ("ContainedElementRecordLength", u8),
                                       ("ContainedElements", pointer)])),
    ("V2_7", _struct("Enclosure_2_7", [("SKUNumberStringNumber", u8), ("SKUNumber", text)]))])
Processor = _struct("Processor", [
    ("SocketDesignationStringNumber", u8), ("SocketDesignation", text), ("ProcessorType", u8),
    ("ProcessorFamily", u8), ("ProcessorManufacturerStringNumber", u8),
    ("ProcessorManufacturer", text), ("ProcessorID", u8 * 8), ("ProcessorVersionStringNumber", u8),
    ("ProcessorVersion", text), ("Voltage", u8), ("ExternalClock", u16), ("MaxSpeed", u16),
    ("CurrentSpeed", u16), ("Status", u8), ("ProcessorUpgrade", u8),
    ("V2_1", _struct("Processor_2_1", [("L1CacheHandle", u16), ("L2CacheHandle", u16),
                                       ("L3CacheHandle", u16)])),
    ("V2_3", _struct("Processor_2_3", [("SerialNumberStringNumber", u8), ("SerialNumber", text),
                                       ("AssetTagStringNumber", u8), ("AssetTag", text),
                                       ("PartNumberStringNumber", u8), ("PartNumber", text)])),
    ("V2_5", _struct("Processor_2_5", [("CoreCount", u8), ("CoreEnabled", u8),
                                       ("ThreadCount", u8), ("ProcessorCharacteristics", u16)])),
    ("V2_6", _struct("Processor_2_6", [("ProcessorFamily2", u16)])),
    ("V3_0", _struct("Processor_3_0", [("CoreCount2", u16), ("CoreEnabled2", u16),
                                       ("ThreadCount2", u16)]))])
Slot = _struct("Slot", [
    ("SlotDesignationStringNumber", u8), ("SlotDesignation", text), ("SlotType", u8),
    ("SlotDataBusWidth", u8), ("CurrentUsage", u8), ("SlotLength", u8), ("SlotID", u16),
    ("SlotCharacteristics1", u8),
    ("V2_1", _struct("Slot_2_1", [("SlotCharacteristics2", u8)])),
    ("V2_6", _struct("Slot_2_6", [("SegmentGroupNumber", u16), ("BusNumber", u8),
                                  ("DeviceFunctionNumber", u8)]))])
OemStrings = _struct("OemStrings", [("Count", u8), ("Strings", pointer), ("StringsSize", i32)])
MemoryArray = _struct("MemoryArray", [
    ("V2_1", _struct("MemoryArray_2_1", [("Location", u8), ("Use", u8),
                                         ("MemoryErrorCorrection", u8), ("MaximumCapacity", u32),
                                         ("MemoryErrorInformationHandle", u16),
                                         ("NumberOfMemoryDevices", u16)])),
    ("V2_7", _struct("MemoryArray_2_7", [("ExtendedMaximumCapacity", u64)]))])
MemoryDevice = _struct("MemoryDevice", [
    ("V2_1", _struct("MemoryDevice_2_1", [
        ("PhysicalMemoryArrayHandle", u16), ("MemoryErrorInformationHandle", u16),
        ("TotalWidth", u16), ("DataWidth", u16), ("Size", u16), ("FormFactor", u8),
        ("DeviceSet", u8), ("DeviceLocatorStringNumber", u8), ("DeviceLocator", text),
        ("BankLocatorStringNumber", u8), ("BankLocator", text), ("MemoryType", u8),
        ("TypeDetail", u16)])),
    ("V2_3", _struct("MemoryDevice_2_3", [
        ("Speed", u16), ("ManufacturerStringNumber", u8), ("Manufacturer", text),
        ("SerialNumberStringNumber", u8), ("SerialNumber", text), ("AssetTagStringNumber", u8),
        ("AssetTag", text), ("PartNumberStringNumber", u8), ("PartNumber", text)])),
    ("V2_6", _struct("MemoryDevice_2_6", [("Attributes", u8)])),
    ("V2_7", _struct("MemoryDevice_2_7", [("ExtendedSize", u32),
                                          ("ConfiguredMemoryClockSpeed", u16)])),
    ("V2_8", _struct("MemoryDevice_2_8", [("MinimumVoltage", u16), ("MaximumVoltage", u16),
                                          ("ConfiguredVoltage", u16)]))])

# Structure type -> (name, record structure), in the order of the C++ getters.
RECORD_TYPES = {
    0: ("bios", Bios), 1: ("system", System), 2: ("baseboard", Baseboard),
    3: ("enclosure", Enclosure), 4: ("processor", Processor), 9: ("slot", Slot),
    11: ("oem_strings", OemStrings), 16: ("memory_array", MemoryArray),
    17: ("memory_device", MemoryDevice),
}

# ---- The C interface's own structures -------------------------------------------------------

_ErrorInfo = _struct("ErrorInfo", [
    ("struct_size", u32), ("failed", i32), ("category", i32), ("code", ctypes.c_int64),
    ("message", text), ("type_name", text), ("component", text), ("text", text)])
_Records = _struct("Records", [("struct_size", u32)] + [
    (name, ctypes.POINTER(record)) for name, record in
    [RECORD_TYPES[t] for t in (0, 1, 2, 3, 4, 9)] + [RECORD_TYPES[16], RECORD_TYPES[17],
                                                      RECORD_TYPES[11]]])
_TableInfo = _struct("TableInfo", [
    ("struct_size", u32), ("calling_method", u8), ("major_version", u8), ("minor_version", u8),
    ("dmi_revision", u8), ("length", u32), ("walked_length", u64),
    ("structure_count", ctypes.c_size_t)])
_Structure = _struct("StructureInfo", [
    ("struct_size", u32), ("type", u8), ("length", u8), ("handle", u16), ("offset", u64),
    ("formatted", ctypes.POINTER(u8)), ("formatted_size", ctypes.c_size_t),
    ("string_count", ctypes.c_size_t), ("record", pointer)])

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
        "ksmbios_get_records": [_table_p, ctypes.POINTER(_Records)],
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


def record_to_dict(record):
    """The record's fields by name: numbers as int, texts as bytes, byte arrays as bytes, nested
    version blocks as dicts; pointers to other memory as True or False (the OEM strings area as
    bytes)."""
    out = {}
    for name, kind in record._fields_:
        value = getattr(record, name)
        if isinstance(value, ctypes.Structure):
            out[name] = record_to_dict(value)
        elif isinstance(value, ctypes.Array):
            out[name] = bytes(value)
        elif kind is pointer:
            out[name] = value is not None
        else:
            out[name] = value
    if isinstance(record, OemStrings):
        size = record.StringsSize
        out["Strings"] = ctypes.string_at(record.Strings, size) if record.Strings and size > 0 else b""
    return out


class Structure:
    """One structure of the table as it is. `record` is the decoded record (a ctypes structure)
    for the nine types, else None; valid while the table is open."""

    def __init__(self, index, type, length, handle, offset, formatted, strings, record):
        self.index, self.type, self.length, self.handle = index, type, length, handle
        self.offset, self.formatted, self.strings, self.record = offset, formatted, strings, record

    def __repr__(self):
        return "Structure(type=%d, handle=0x%04X, length=%d)" % (self.type, self.handle, self.length)


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
    def open_file(cls, path):
        return cls._open(_lib.ksmbios_open_file, os.fsdecode(path).encode("utf-8"))

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

    def last_records(self):
        """The nine records as SMBiosInfo's getters return them, by name."""
        records = _sized(_Records)
        _check(_lib.ksmbios_get_records(self._handle, ctypes.byref(records)))
        return {name: getattr(records, name).contents for name, _ in _Records._fields_[1:]}

    # The table as it is

    def warnings(self):
        """The reader's warnings, as text: one when the table was read only up to its last whole
        structure (its bytes end first, or a structure cannot be stepped over), none otherwise."""
        source = _sized(_Source)
        _check(_lib.ksmbios_get_source(self._handle, ctypes.byref(source)))
        return [source.warning.decode("utf-8", "replace")] if source.stopped_early else []

    def info(self):
        """The raw header as a dict, or None when the table cannot be read as one."""
        info = _sized(_TableInfo)
        status = _lib.ksmbios_get_table_info(self._handle, ctypes.byref(info))
        if status == NOT_A_TABLE:
            return None
        _check(status)
        return {name: getattr(info, name) for name, _ in _TableInfo._fields_[1:]}

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
        record = None
        if s.record and s.type in RECORD_TYPES:
            record = ctypes.cast(s.record, ctypes.POINTER(RECORD_TYPES[s.type][1])).contents
        return Structure(index, s.type, s.length, s.handle, s.offset,
                         ctypes.string_at(s.formatted, s.formatted_size), strings, record)


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
