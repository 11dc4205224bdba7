#!/usr/bin/python3
"""Writes the seed inputs of the fuzz harnesses under fuzz/corpus/<harness>/.

Run from anywhere: /usr/bin/python3 tools/make_fuzz_seeds.py
Each seed is a small, valid example of what its harness reads, so that the fuzzer starts
from inputs that reach deep into the reader rather than from nothing.
"""
import hashlib
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus")
RECORD = 32724

# Offsets of the line record (see src/document/LineRecord.cpp).
FIELDS = {"text": 8, "horizontal": 122, "two_colour": 578, "vertical": 1602, "links": 2062,
          "definitions": 2514, "targets": 6356, "alignment": 6808, "bold": 14498,
          "reserved1": 14950, "tail5": 32698}
INTS = {"line": (0, "<i"), "page": (4, "<i"), "has_marks": (574, "<i"), "link_kind": (2054, "<i"),
        "serial": (2058, "<i"), "has_bold": (14490, "<i"), "row": (26926, "<h"),
        "image_start": (26928, "<i"), "force_keep": (26932, "<i"), "reserved_int": (32720, "<i")}


def record(**values):
    image = bytearray(RECORD)
    for name, value in values.items():
        if name in INTS:
            offset, form = INTS[name]
            struct.pack_into(form, image, offset, value)
        else:
            data = value if isinstance(value, bytes) else value.encode("cp1252")
            image[FIELDS[name]:FIELDS[name] + len(data)] = data
    return bytes(image)


def write(harness, name, data):
    folder = os.path.join(ROOT, harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data if isinstance(data, bytes) else data.encode("cp1252"))


def consumed_string(text):
    """A string as the fuzzed-data reader takes it: backslashes doubled, ended by '\\' 'x'."""
    return text.replace("\\", "\\\\").encode("cp1252") + b"\\x"


def cache_seeds():
    write("cache_file_fuzzer", "one-marked-row", record(
        line=1, page=1, row=1, serial=2, text="A row with marks", horizontal="1,3,10;",
        has_marks=1, link_kind=2, links="1,4,8,1E1;1,10,14,2E2;", targets="2,1E1;",
        definitions="a word|2E2~", bold="1,4,6;", has_bold=1))
    write("cache_file_fuzzer", "two-pages-and-kept", record(line=1, page=1, row=1, text="first")
          + record(page=1, row=2, force_keep=1, reserved1="kept as it was")
          + record(line=66, page=2, row=1, text="\\#05 second \\$1", tail5="tail",
                   reserved_int=7))
    write("cache_file_fuzzer", "out-of-order", record(line=66, page=2, row=1, text="late")
          + record(line=1, page=1, row=1, text="early", alignment="AL2")
          + record(line=3, page=999, row=1, text="off the table"))


def journal(length, spans, checksum="by the harness"):
    """A cache journal (src/document/CacheJournal.cpp). By default the image ends in an odd
    byte, which the harness replaces by the checksum; otherwise the checksum is written."""
    body = b"FOLIAJN1" + struct.pack("<qI", length, len(spans))
    for offset, data in spans:
        body += struct.pack("<qI", offset, len(data)) + data
    if checksum == "by the harness":
        return body + b"\x01"
    return body + hashlib.sha256(body).digest()


def journal_seeds():
    two_records = 2 * RECORD
    serial = struct.pack("<i", 9)
    write("cache_journal_fuzzer", "underline-and-serials", journal(two_records, [
        (2058, serial), (RECORD + 122, b"1,3,10;\x00"), (RECORD + 2058, serial)]))
    write("cache_journal_fuzzer", "end-of-file", journal(two_records, [(two_records - 4, b"tail")]))
    write("cache_journal_fuzzer", "checksummed", journal(two_records, [(574, b"\x01\x00\x00\x00")],
                                                         checksum="written"))
    write("cache_journal_fuzzer", "other-length", journal(3 * RECORD, [(0, b"x")]))
    write("cache_journal_fuzzer", "cut", journal(two_records, [(8, b"new text")],
                                                 checksum="written")[:-9])


SETTINGS = """[Fichero]\r\nFormato= 3305\r\n[Control_Subrayado]\r\nForma= 1\r\n""" + "".join(
    "[Pie_de_Pagina_%d]\r\nActivar= 1\r\nAlineamiento= 132\r\nFuente= 10\r\n"
    "Fuente_Estilo_Negrita= 0\r\nFuente_Estilo_Italica= 1\r\nFuente_Estilo_Subrayado= 0\r\n"
    "Texto=Footer %d\r\n" % (n, n) for n in (1, 2)) + (
    "[Numero_de_Pagina]\r\nActivar= 1\r\nAlineamiento= 133\r\nFuente= 10\r\nEtiqueta_Pagina= 1\r\n"
    "Tipo_Numerico= 2\r\nResalte= 1\r\n[Colores]\r\nSub_Horizontal= 255\r\nSub_Vertical= 255\r\n"
    "Sub_Fuente= 16777215\r\nSub_Fondo= 255\r\nSub_Enlaces= 255\r\nSelector= 16750899\r\n"
    "Texto_Selector= 16777215\r\n[Posicion]\r\nY=-120\r\nPagina= 3\r\nLector= 12\r\n"
    "Lector_bool= 3\r\n[Imprimir]\r\nCopias= 2\r\nColor= 2\r\nCalidad= 4\r\n")


def settings_seeds():
    write("settings_file_fuzzer", "as-saved", SETTINGS)
    write("settings_file_fuzzer", "hand-edited",
          "; a comment\n[fichero]\nformato = abc\n[Pie_de_Pagina_1]\nTexto = " + "x" * 120 +
          "\nTexto=second\n[Colores]\nSub_Fondo=1e9\r[Unknown]\nKey=value\n[Posicion]\n"
          "Lector=  -70000.6\nPagina=+2.5\n")


PAGE = ("0 g 3\n0 p 3\n"
        "1 t Study notes on the reading\n1 a AL2\n"
        "3 t    The first point is marked \\#05 and \\$2 with a bracket\n"
        "3 f 1 2 0 1\n3 h 3,6,20;3,25,40;\n3 v 3,7;\n3 c 3,30,35,0,16777215;\n"
        "3 b 3,8,12;\n3 l 3,14,18,1E1;3,20,24,2E2;\n3 r 2,1E1;\n3 d a note|2E2~\n"
        "5 t {@@pic,p.png}\n5 f 0 0 1 0\n"
        "7 t right aligned\n7 a AL3\n7 v 7,9;\n"
        "9 t " + "long row " * 14 + "\n9 f 1 0 0 0\n9 h 9,0,114;\n")


def page_seeds():
    for harness in ("mark_lists_fuzzer", "page_render_fuzzer"):
        write(harness, "marked-page", PAGE)
    write("mark_lists_fuzzer", "cut-lists",
          "2 t cut\n2 f 1 1 0 1\n2 h 2,10,20;2,25,3\n2 l 2,1,5,1E3;2,6,9,1E4;\n"
          "2 r 1,1E3; 9,1E4;\n2 d one|2E1~two|2E2\n2 b -5,200,3;2,,;\n")
    write("page_render_fuzzer", "furniture", PAGE + SETTINGS.replace("Tipo_Numerico= 2",
                                                                       "Tipo_Numerico= 1"))


def import_seeds():
    write("text_import_fuzzer", "short", "Title\r\n\r\nA line with \\#10 and \\$3.\r\n"
          "{@@picture,p.png}\r\nafter the picture\n" + "y" * 150 + "\rlast")
    write("text_import_fuzzer", "two-pages", "".join("line %d\r\n" % n for n in range(1, 132)))
    write("text_import_fuzzer", "picture-at-bottom",
          "".join("row %d\n" % n for n in range(1, 63)) + "{@@tall,p.png}\nnext\n")


RULER = "123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123*"


def layout_seeds():
    write("line_layout_fuzzer", "ruler", b"\x00" + RULER.encode())
    write("line_layout_fuzzer", "prose", b"\x00" + ("Some words of prose, well-wrapped "
          "(or not) at the end of a row; tabs\tand  double  spaces. " * 4 + "\r\n\r\n" +
          "x" * 200 + "\n" + " " * 120 + "end").encode("cp1252"))
    write("line_layout_fuzzer", "unicode", b"\x01" + ("caf\u00e9 \u2014 na\u00efve\u00a0text "
          "\u3053\u3093\u306b\u3061\u306f \U0001F600 " * 6 + "\u2029para\u2028line").encode(
          "utf-16-le"))


def find_seeds():
    # Integers come from the end of the input, strings from the front.
    def seed(find, replace, text, requests, flags):
        return (consumed_string(find) + consumed_string(replace) + consumed_string(text) +
                bytes(requests) + b"\x00\x00" + bytes([flags]))
    write("find_replace_fuzzer", "banana-down", seed("a", "b", "banana", [2, 0, 1], 1))
    write("find_replace_fuzzer", "whole-word-up", seed("cat", "cats", "a cat.\n(cat) concat cats cat",
                                                      [0, 0, 1, 2], 4))
    write("find_replace_fuzzer", "case-accents", seed("\u00e1", "\u00c1\u00e1",
                                                     "\u00c1rbol \u00e1rbol ARBOL", [0, 2], 1))


def palette_cell(column, row, colour=16777215, geometry=None):
    left, right, top, bottom = geometry or (25 * column + 1, 25 * (column + 1) + 1,
                                            25 * row + 1, 25 * (row + 1) + 1)
    return struct.pack("<iiiihhI", left, right, top, bottom, column, row, colour)


def favourites_seeds():
    cells = [palette_cell(c, r, 255 if (c, r) == (3, 2) else 16777215)
             for r in range(10) for c in range(13)]
    write("favourites_file_fuzzer", "as-saved", b"".join(cells))
    write("favourites_file_fuzzer", "foreign", palette_cell(12, 9, 0x00FF00)
          + palette_cell(51, 0) + palette_cell(0, -1) + palette_cell(0, 0, 7, (5, 6, 7, 8))
          + b"partial record")


if __name__ == "__main__":
    cache_seeds()
    journal_seeds()
    settings_seeds()
    page_seeds()
    import_seeds()
    layout_seeds()
    find_seeds()
    favourites_seeds()
