// Arbitrary bytes as the contents of a text file: decoding never fails and always gives valid
// UTF-8; what the writer stores for that text decodes to the same text again; counting,
// cutting, padding and masking agree with each other and never split a character; and the
// decoded lines go through the version-6 reader and the editor's check.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/input/editor_actions.h"
#include "core/input/input_file_reader.h"
#include "core/text/encoding.h"
#include "core/text/text_file.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = jrv::decode_text(bytes);
  check(jrv::is_valid_utf8(text));
  if (jrv::is_valid_utf8(bytes) && !bytes.starts_with("\xEF\xBB\xBF")) check(text == bytes);

  // A leading U+FEFF is the one character a file cannot carry: it reads as a byte-order mark.
  if (!text.starts_with("\xEF\xBB\xBF"))
    check(jrv::decode_text(jrv::encode_legacy_file(text)) == text);
  // The stored bytes are the Windows-1252 form or the text itself.
  const std::string stored = jrv::encode_legacy_file(text);
  check(stored == text || stored == jrv::to_windows_1252(text));

  const std::size_t n = jrv::char_count(text);
  check(n <= text.size());
  check(jrv::one_byte_per_char(text).size() == n);
  const std::size_t k = size > 0 ? data[0] % (n + 2) : 0;
  const std::string_view head = jrv::cut_chars(text, k);
  const std::string_view tail = jrv::sub_chars(text, k);
  check(jrv::is_valid_utf8(head) && jrv::is_valid_utf8(tail));
  check(std::string(head) + std::string(tail) == text);
  check(jrv::char_count(head) == std::min(k, n));
  check(jrv::char_count(jrv::pad_right(head, n)) == n);
  check(jrv::char_count(jrv::pad_left(tail, n)) == n);
  check(jrv::sub_chars(text, k, 1).size() == jrv::char_offset(tail, 1));

  jrv::EditorDocument doc;
  jrv::Workspace ws;
  if (jrv::read_input_lines(jrv::split_lines(text), doc, ws).read)
    jrv::leave_editor(doc, ws, jrv::EditorExitButton::close_and_analyze, "");
  return 0;
}
