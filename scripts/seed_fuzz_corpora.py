#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets in fuzz/corpus/<name>/ from the unit tests' inputs:
the string literals of the named test files, framed as each target reads its input. Re-run after
adding tests; libFuzzer takes it from there."""
import ast
import hashlib
import pathlib
import re
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
LITERAL = re.compile(r'"(?:[^"\\\n]|\\.)*"')


def literals(*test_files):
    found = []
    for name in test_files:
        for text in LITERAL.findall((ROOT / "tests" / name).read_text()):
            if text.endswith('.h"'):
                continue
            try:
                found.append(ast.literal_eval(text).encode("latin-1"))
            except (ValueError, SyntaxError, UnicodeEncodeError):
                continue
    return sorted(set(found))


def write(target, inputs):
    folder = ROOT / "fuzz" / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    for data in inputs:
        (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)


def error_record(kind, axis=3, axis_type=65, axis_status=256, drive_error=0x7305, slot=1):
    # kova_error_info: kind, system_error, axis, axis_type, axis_status (64 bits), drive_error,
    # slot, vendor_id, product_code, alias_address, configured_address, drive_profile,
    # drive_mode, ethercat_index, is_online, four SxBus fields.
    return struct.pack("<IIIIQ" + "I" * 14, kind, 0x40, axis, axis_type, axis_status, drive_error, slot,
                       0x21B, 0x10, 0, 1001, 0, 0, 0, 1, 0, 0, 0, 0)


replies = literals("reply_parsing_test.cpp")
write("reply_readers", [b"\x0a" + r for r in replies] + [b"\x10FFFFFFFF", b"\x24-zZ"])
write("by_line_reply_parser", [b"\x01" + r for r in replies] + [b"\x07ok\n!bad\nlater\n\n"])
templates = literals("error_templates_test.cpp")
write("text_template", [error_record(kind) + t for t in templates for kind in (1, 4, 12)])
write("interpreter", literals("sim_controller_test.cpp", "sim_motion_test.cpp", "sim_language_test.cpp", "sim_programs_test.cpp"))
write("param_block_names", [kind + name for name in literals("param_blocks_calls_test.cpp") for kind in (b"\x00", b"\x01")])
language = literals("language_parsers_test.cpp", "programs_calls_test.cpp")
write("compile_reply", [b"\x03" + r for r in language] + [b"\x00%[COMPILE Line MAIN:12] (1005) - Syntax error\n"])
write("function_info", [b"\x07" + r for r in language] + [b"\x01ABS[3]:MATH(X:FLOAT,Y:INTEGER()):FLOAT\r\n"])
listings = literals("program_listings_test.cpp", "programs_calls_test.cpp")
write("directory_listing", listings + [b"Name\nMAIN,1200,45,3,0,7\nTABLE,1,1,1,1,1\nOK\n"])
write("process_listing", listings + [b" 3,2,MAIN,14,1.02:03:04.5678,12.5,BASIC\r\n4,1,M,0,0.0:0:0,*,SYSTEM\n"])
documents = literals("xml_reader_test.cpp")
declaration = b'<?xml version="1.0" encoding="utf-8"?>\n'
write("xml_reader", documents + [declaration + d for d in documents if not d.startswith((b"<?", b"\xef"))])
resource_documents = sorted((ROOT / "resources" / "documents").glob("*.resx"))
write("resource_tables", [bytes([index]) + path.read_bytes() for index, path in enumerate(resource_documents)] +
      [bytes([index % 6]) + d for index, d in enumerate(literals("resource_texts_test.cpp"))])
