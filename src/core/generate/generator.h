#pragma once
// The data generator window (TGenForm): its fields as typed, "Generate" filling the data
// editor with a simulated test, and the rules for preparing the window before it shows.

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>

#include "core/generate/random_numbers.h"
#include "core/input/editor_document.h"
#include "core/text/messages.h"
#include "core/workspace/workspace.h"

namespace jrv {

// rdo_2 .. rdo_5, rdo_mix
enum class GenOptions { two, three, four, five, mix };

// rdo_easiest .. rdo_hardest
enum class GenDifficulty { easiest, very_easy, easy, medium, hard, very_hard, hardest };

struct GeneratorFields {
  std::string num_cases = "20";  // edit_num_cases
  std::string num_items = "30";  // edit_num_items
  std::string seed = "1804";     // edit_seed
  GenOptions options = GenOptions::mix;
  GenDifficulty difficulty = GenDifficulty::medium;
  bool letters = false;      // gen_let checked (else gen_num)
  bool show_largen = false;  // lbl_largen visible
  bool operator==(const GeneratorFields&) const = default;
};

// The ability offset and the title's word of a difficulty.
double difficulty_offset(GenDifficulty d);
std::string_view difficulty_comment(GenDifficulty d);

// The label that begins examinee `number`'s line for n items and N cases (exactly as long
// as the label length the generator sets).
std::string generated_label(int number, int num_items, int num_cases);

// The label length the generator sets for n items.
int generated_label_length(int num_items);

// btn_generateClick. Sets max_options to 5 and (once the case count passes) the MC points to
// 1.0; on success writes the editor's fields and data lines into `doc`, sets every item's
// accepted answers to its key, writes the truncated seed back into `window.seed` and shows
// lbl_largen for more than 1000 cases. A failed result (message, focus field) means the
// window is shown again and nothing was written to the editor.
CheckResult generate_data(GeneratorFields& window, EditorDocument& doc, Workspace& ws,
                          RandomState& rng);

// The platform's random source for proposing seeds, seeded from the clock on first use.
class SeedSource {
 public:
  std::int32_t next();  // 0..999999
 private:
  bool started_ = false;
  std::mt19937 engine_;
};

// Button1 "Set a New Random Seed".
void set_new_random_seed(GeneratorFields& window, SeedSource& source);

// The program-wide flags the window preparation reads and changes.
struct GeneratorSession {
  bool first_generation = true;
  bool reopen_generator = false;
};

// What the data editor's "Generate Data" does before showing the window: fixed settings in
// the hidden quick mode (editor start mode 5), defaults and a new seed on the first
// generation, a new seed each time when that option is on. `draw_seed` proposes a seed.
void prepare_generator_window(GeneratorFields& window, GeneratorSession& session, bool quick_mode,
                              bool change_seed_each_time,
                              const std::function<std::int32_t()>& draw_seed);

}  // namespace jrv
