#include "core/sheets/xml_part.h"

#include "core/sheets/cell_table.h"

namespace jrv {

XmlPart::XmlPart(ZipArchive& zip, const std::string& name, bool required) {
  auto bytes = zip.read(name);
  if (!bytes) {
    if (required) throw SheetError("not a spreadsheet: the workbook has no " + name);
    return;
  }
  bytes_ = std::move(*bytes);
  present_ = true;
  const pugi::xml_parse_result result =
      doc_.load_buffer_inplace(bytes_.data(), bytes_.size(), kPartParseFlags, pugi::encoding_utf8);
  if (!result)
    throw SheetError("the workbook is damaged: " + name + " is not well-formed XML (" +
                     result.description() + " at byte " + std::to_string(result.offset) + ")");
}

pugi::xml_node child_named(const pugi::xml_node& node, std::string_view local) {
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && local_name(c) == local) return c;
  return {};
}

pugi::xml_attribute attribute_named(const pugi::xml_node& node, std::string_view local) {
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
    if (local_name(a) == local) return a;
  return {};
}

}  // namespace jrv
