#!/usr/bin/python3
"""Writes the spreadsheet fixtures of this folder: the XLSX files with openpyxl (as a
teacher's office program or a learning platform's export would), the ODS file as its
XML zipped by hand, and the damaged and hostile files. The CSV and TSV files are typed
by hand. Run from this folder; the expected .jrv files are reviewed by hand."""
import zipfile

import openpyxl

# An XLSX with numbers as numbers, a column left empty, and a KEY row.
wb = openpyxl.Workbook()
ws = wb.active
ws.title = "Scores"
ws.append(["ID", "Name", None, "Q1", "Q2", "Q3", "Q4", "Q5", "Q6"])
ws.append(["KEY", None, None, 1, 3, 2, 4, 5, 1])
ws.append([1001, "Ada Lovelace", None, 1, 3, 2, 4, 5, 1])
ws.append([1002, "Alan Turing", None, 1, 3, 3, 4, 1, 1])
ws.append([1003, "Grace Hopper", None, 2, 3, 2, 4, 5, 2])
ws.append([1004, "Edsger Dijkstra", None, 1, 1, 2, None, 5, 1])
ws.append([1005, "Barbara Liskov", None, 1, 3, 2, 4, 5, 1])
ws.append([None] * 9)  # a formatted, empty row
ws["B9"].font = openpyxl.styles.Font(bold=True)
second = wb.create_sheet("Notes")
second.append(["not the answers"])
wb.save("numbers.xlsx")

# A learning platform's export: answers as texts, a header row, an "Answer Key" row.
wb = openpyxl.Workbook()
ws = wb.active
ws.append(["Timestamp", "Name", "Capital of France?", "2 + 2 =", "Largest planet?"])
ws.append([None, "Answer Key", "Paris", "four", "Jupiter"])
ws.append(["2026-03-01 09:00", "Émile Zola", "Paris", "four", "Jupiter"])
ws.append(["2026-03-01 09:02", "Søren Kierkegaard", "Lyon", "four", "Saturn"])
ws.append(["2026-03-01 09:03", "Ngũgĩ wa Thiong'o", "Paris", "five", "Jupiter"])
ws.append(["2026-03-01 09:05", "Chimamanda Ngozi Adichie", "Marseille", "four", None])
wb.save("text_answers.xlsx")

# A workbook whose only sheet is empty.
wb = openpyxl.Workbook()
wb.save("empty_sheet.xlsx")

# OpenDocument: true/false answers, repeated cells and the trailing rows a spreadsheet
# program writes, a second sheet.
content = """<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2">
<office:body><office:spreadsheet>
<table:table table:name="Class 7B">
<table:table-row><table:table-cell office:value-type="string"><text:p>Pupil</text:p></table:table-cell>
<table:table-cell office:value-type="float" office:value="1"><text:p>1</text:p></table:table-cell>
<table:table-cell office:value-type="float" office:value="2"><text:p>2</text:p></table:table-cell>
<table:table-cell office:value-type="float" office:value="3"><text:p>3</text:p></table:table-cell>
<table:table-cell office:value-type="float" office:value="4"><text:p>4</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p>Key</text:p></table:table-cell>
<table:table-cell office:value-type="string" table:number-columns-repeated="2"><text:p>T</text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>F</text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>T</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p>Anna<text:s text:c="2"/>K.</text:p></table:table-cell>
<table:table-cell office:value-type="string" table:number-columns-repeated="3"><text:p>T</text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>F</text:p></table:table-cell></table:table-row>
<table:table-row table:number-rows-repeated="2"><table:table-cell office:value-type="string"><text:p><text:span>Twin</text:span></text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>t</text:p></table:table-cell>
<table:table-cell/>
<table:table-cell office:value-type="string"><text:p>F</text:p></table:table-cell>
<table:table-cell office:value-type="string"><text:p>T</text:p></table:table-cell></table:table-row>
<table:table-row table:number-rows-repeated="1048571"><table:table-cell table:number-columns-repeated="1024"/></table:table-row>
</table:table>
<table:table table:name="Other"><table:table-row><table:table-cell office:value-type="string"><text:p>x</text:p></table:table-cell></table:table-row></table:table>
</office:spreadsheet></office:body></office:document-content>
"""
manifest = """<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
 <manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>
 <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
</manifest:manifest>
"""
with zipfile.ZipFile("true_false.ods", "w") as z:
    z.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.spreadsheet")
    z.writestr("content.xml", content, zipfile.ZIP_DEFLATED)
    z.writestr("META-INF/manifest.xml", manifest, zipfile.ZIP_DEFLATED)

# Damaged and hostile files.
with open("numbers.xlsx", "rb") as f:
    whole = f.read()
with open("truncated.xlsx", "wb") as f:
    f.write(whole[: len(whole) // 2])
with open("encrypted.xlsx", "wb") as f:  # how an office suite stores a password-protected workbook
    f.write(b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1" + b"\0" * 504)
with open("not_a_sheet.xlsx", "w") as f:
    f.write("These are my notes, not a workbook.\n")
with zipfile.ZipFile("zip_bomb.xlsx", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    z.writestr("[Content_Types].xml", "<Types/>")
    z.writestr("xl/workbook.xml", '<workbook><sheets><sheet name="S" r:id="rId1" xmlns:r="r"/></sheets></workbook>')
    z.writestr("xl/_rels/workbook.xml.rels",
               '<Relationships><Relationship Id="rId1" Type="x/worksheet" Target="worksheets/sheet1.xml"/></Relationships>')
    z.writestr("xl/worksheets/sheet1.xml", b"<worksheet><sheetData>" + b" " * (210 << 20))
lol = '<!DOCTYPE lolz [<!ENTITY lol "lol">' + "".join(
    f'<!ENTITY lol{i} "{("&lol" + str(i - 1) + ";") * 10 if i > 1 else "&lol;" * 10}">' for i in range(1, 10)) + "]>"
with zipfile.ZipFile("xml_bomb.xlsx", "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("xl/workbook.xml", '<workbook><sheets><sheet name="S" r:id="rId1" xmlns:r="r"/></sheets></workbook>')
    z.writestr("xl/_rels/workbook.xml.rels",
               '<Relationships><Relationship Id="rId1" Type="x/worksheet" Target="worksheets/sheet1.xml"/></Relationships>')
    z.writestr("xl/worksheets/sheet1.xml", '<?xml version="1.0"?>' + lol +
               '<worksheet><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>&lol9;</t></is></c></row></sheetData></worksheet>')
