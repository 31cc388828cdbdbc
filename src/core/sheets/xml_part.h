#pragma once
// The XML parts of a zipped workbook, parsed in place with pugixml: the expanded bytes
// become the tree's text, so no cell text is copied while parsing. Entities of a DTD are
// never expanded, so an "XML bomb" stays its own size.

#include <cstring>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "core/sheets/zip_archive.h"

namespace jrv {

// Escapes and CDATA sections (text too): no line-end or attribute normalisation, no
// DOCTYPE, no comments kept.
inline constexpr unsigned kPartParseFlags =
    pugi::parse_escapes | pugi::parse_cdata | pugi::parse_embed_pcdata;

class XmlPart {
 public:
  // Reads and parses entry `name`; throws SheetError when it is missing (when `required`)
  // or not well-formed. An absent optional part leaves an empty document.
  XmlPart(ZipArchive& zip, const std::string& name, bool required = true);
  const pugi::xml_document& doc() const { return doc_; }
  bool present() const { return present_; }

 private:
  std::string bytes_;
  pugi::xml_document doc_;
  bool present_ = false;
};

// The name without its namespace prefix: "x:row" -> "row".
inline std::string_view local_name(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

inline std::string_view local_name(const pugi::xml_attribute& attr) {
  const std::string_view name = attr.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Whether the node's local name is `local`: local_name(node) == local without measuring
// the name first, for the million cells of a large sheet.
inline bool has_local_name(const pugi::xml_node& node, std::string_view local) {
  const char* name = node.name();
  std::size_t i = 0;
  while (i < local.size() && name[i] == local[i]) ++i;
  if (i == local.size() && name[i] == '\0') return true;
  const char* colon = std::strchr(name, ':');
  return colon != nullptr && std::string_view(colon + 1) == local;
}

// The first child, or attribute, with that local name (empty when there is none).
pugi::xml_node child_named(const pugi::xml_node& node, std::string_view local);
pugi::xml_attribute attribute_named(const pugi::xml_node& node, std::string_view local);

}  // namespace jrv
