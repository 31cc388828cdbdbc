#pragma once
// An XLSX workbook made in memory around the XML of one sheet (and, if given, a table of
// shared strings), zipped with libzip as an office program would: for tests and benchmarks
// that need sheets of a given layout or size.

#include <zip.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace jrv::fixture {

inline std::string xlsx_with_sheet(const std::string& sheet_xml,
                                   const std::string& shared_strings_xml = {}) {
  const std::string main = "http://schemas.openxmlformats.org/";
  std::vector<std::pair<std::string, std::string>> parts = {
      {"[Content_Types].xml", "<Types xmlns=\"" + main +
                                  "package/2006/content-types\"><Default Extension=\"xml\" "
                                  "ContentType=\"application/xml\"/></Types>"},
      {"_rels/.rels", "<Relationships xmlns=\"" + main +
                          "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + main +
                          "officeDocument/2006/relationships/officeDocument\" "
                          "Target=\"xl/workbook.xml\"/></Relationships>"},
      {"xl/workbook.xml", "<workbook xmlns=\"" + main + "spreadsheetml/2006/main\" xmlns:r=\"" +
                              main +
                              "officeDocument/2006/relationships\"><sheets><sheet name=\"Class\" "
                              "sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
      {"xl/_rels/workbook.xml.rels",
       "<Relationships xmlns=\"" + main +
           "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + main +
           "officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
           "</Relationships>"},
      {"xl/worksheets/sheet1.xml", sheet_xml},
  };
  if (!shared_strings_xml.empty()) parts.emplace_back("xl/sharedStrings.xml", shared_strings_xml);

  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_source_keep(out);
  zip_t* archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("the test workbook cannot be made");
  for (const auto& [name, text] : parts) {
    zip_source_t* part = zip_source_buffer(archive, text.data(), text.size(), 0);
    zip_file_add(archive, name.c_str(), part, ZIP_FL_OVERWRITE);
  }
  zip_close(archive);
  std::string bytes;
  zip_source_open(out);
  zip_source_seek(out, 0, SEEK_END);
  bytes.resize(static_cast<std::size_t>(zip_source_tell(out)));
  zip_source_seek(out, 0, SEEK_SET);
  zip_source_read(out, bytes.data(), bytes.size());
  zip_source_close(out);
  zip_source_free(out);
  return bytes;
}

}  // namespace jrv::fixture
