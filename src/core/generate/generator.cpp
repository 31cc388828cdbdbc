#include "core/generate/generator.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/text/convert.h"
#include "core/text/format.h"

namespace jrv {

namespace {

constexpr std::int64_t kLargestSeed = 2147483647;

int option_count_of(GenOptions o) {
  switch (o) {
    case GenOptions::two:
      return 2;
    case GenOptions::three:
      return 3;
    case GenOptions::four:
      return 4;
    case GenOptions::five:
      return 5;
    case GenOptions::mix:
      return 0;
  }
  return 0;
}

std::string_view options_words(GenOptions o) {
  switch (o) {
    case GenOptions::two:
      return "Options=2, ";
    case GenOptions::three:
      return "Options=3, ";
    case GenOptions::four:
      return "Options=4, ";
    case GenOptions::five:
      return "Options=5, ";
    case GenOptions::mix:
      return "Options=mix, ";
  }
  return "";
}

// The smallest j in 1..limit with t <= j / divisor (limit when none is).
int smallest_share(double t, int divisor, int limit) {
  for (int j = 1; j <= limit; ++j)
    if (t <= static_cast<double>(j) / divisor) return j;
  return limit;
}

char response_char(int value, bool letters) {
  return static_cast<char>(letters ? 'A' + value - 1 : '0' + value);
}

std::string zero_padded(int number, int digits) {
  std::string s = int_str(number);
  if (static_cast<int>(s.size()) < digits) s.insert(0, digits - s.size(), '0');
  return s;
}

// The seed as the field shows it after "Generate": divided by ten until it fits in 32 bits,
// then truncated.
std::int64_t fitted_seed(double value) {
  while (std::fabs(value) > static_cast<double>(kLargestSeed)) value /= 10.0;
  return static_cast<std::int64_t>(std::trunc(value));
}

}  // namespace

double difficulty_offset(GenDifficulty d) {
  switch (d) {
    case GenDifficulty::easiest:
      return 2.2;
    case GenDifficulty::very_easy:
      return 1.5;
    case GenDifficulty::easy:
      return 1.0;
    case GenDifficulty::medium:
      return 0.6;
    case GenDifficulty::hard:
      return 0.3;
    case GenDifficulty::very_hard:
      return 0.0;
    case GenDifficulty::hardest:
      return -0.3;
  }
  return 0.6;
}

std::string_view difficulty_comment(GenDifficulty d) {
  switch (d) {
    case GenDifficulty::easiest:
      return "Diff=easiest";
    case GenDifficulty::very_easy:
      return "Diff=v. easy";
    case GenDifficulty::easy:
      return "Diff=easy";
    case GenDifficulty::medium:
      return "Diff=medium";
    case GenDifficulty::hard:
      return "Diff=hard";
    case GenDifficulty::very_hard:
      return "Diff=v. hard";
    case GenDifficulty::hardest:
      return "Diff=hardest";
  }
  return "";
}

int generated_label_length(int num_items) {
  return num_items < 91 ? 15 : kMaxLabelPlusItems - num_items;
}

std::string generated_label(int number, int num_items, int num_cases) {
  const bool large = num_cases > 999;
  std::string_view prefix;
  if (num_items >= 100) {
    prefix = large ? "" : "P";
  } else if (num_items == 99) {
    prefix = "P";
  } else if (num_items >= 95) {
    prefix = "P_";
  } else if (num_items == 94) {
    prefix = "Person";
  } else {
    prefix = "Person_";
  }
  std::string label(prefix);
  label += zero_padded(number, large ? 4 : 3);
  return left(label, static_cast<std::size_t>(generated_label_length(num_items)));
}

CheckResult generate_data(GeneratorFields& window, EditorDocument& doc, Workspace& ws,
                          RandomState& rng) {
  CheckResult result;
  ws.max_options = 5;

  const auto cases = parse_int(window.num_cases);
  if (!cases) {
    result.fail("Number of Cases must be an integer", "edit_num_cases");
    return result;
  }
  const int n_cases = *cases;
  if (n_cases < 1 || n_cases > ws.max_cases) {
    result.fail("Number of Cases must be between 1 and " + int_str(ws.max_cases), "edit_num_cases");
    return result;
  }

  ws.mc_points = 1.0;
  const auto items = parse_int(window.num_items);
  if (!items) {
    result.fail("Number of Items must be an integer", "edit_num_items");
    return result;
  }
  const int n_items = *items;
  if (n_items < 1 || n_items > kMaxItems) {
    result.fail("Number of Items must be between 1 and " + int_str(kMaxItems), "edit_num_items");
    return result;
  }

  const auto typed_seed = parse_double(window.seed);
  if (!typed_seed) {
    result.fail("Seed must be a numeric value", "edit_seed");
    return result;
  }
  const std::int64_t seed = fitted_seed(*typed_seed);
  window.seed = int_str(seed);
  rng.reseed(seed);

  window.show_largen = n_cases > 1000;

  // Options per item, then the key.
  std::vector<int> width(n_items + 1), key(n_items + 1);
  const int fixed_width = option_count_of(window.options);
  for (int i = 1; i <= n_items; ++i) {
    if (fixed_width != 0) {
      width[i] = fixed_width;
    } else {
      const double u = uniform(rng);
      width[i] = u <= 0.25 ? 2 : u <= 0.5 ? 3 : u <= 0.75 ? 4 : 5;
    }
  }
  for (int i = 1; i <= n_items; ++i) {
    key[i] = smallest_share(uniform(rng), width[i], 8);
    for (int slot = 1; slot <= kAnswerSlots; ++slot) ws.correct_answers[i][slot] = key[i];
  }

  // Abilities and item locations of a logistic response model.
  rng.normal_saved = false;
  const double offset = difficulty_offset(window.difficulty);
  std::vector<double> ability(n_cases + 1), location(n_items + 1);
  for (int e = 1; e <= n_cases; ++e) ability[e] = 0.5 * normal(rng) + offset;
  for (int i = 1; i <= n_items; ++i) location[i] = 0.5 * normal(rng);

  const int label_length = generated_label_length(n_items);
  std::vector<std::string> lines;
  lines.reserve(n_cases);
  for (int e = 1; e <= n_cases; ++e) {
    std::string line = generated_label(e, n_items, n_cases);
    line.reserve(label_length + n_items);
    for (int i = 1; i <= n_items; ++i) {
      const double z = std::exp(1.7 * (ability[e] - location[i]));
      const double p = z / (1.0 + z);
      int answer = key[i];
      if (!(uniform(rng) < p)) {
        double v = uniform(rng);
        if (v < 0.5) v *= 2.0;
        const int a = smallest_share(v, width[i] - 1, 7);
        answer = a < key[i] ? a : a + 1;
      }
      line += response_char(answer, window.letters);
    }
    lines.push_back(std::move(line));
  }

  EditorFields& ed = doc.editor;
  ed.answer_key.clear();
  ed.options.clear();
  for (int i = 1; i <= n_items; ++i) {
    ed.answer_key += response_char(key[i], window.letters);
    ed.options += static_cast<char>('0' + width[i]);
  }
  ed.include = repeat('Y', n_items);
  ed.label_length = int_str(label_length);
  ed.cases = int_str(n_cases);
  ed.items = int_str(n_items);
  ed.missing_data = "9";
  ed.title = "Generated: Cases=" + int_str(n_cases) + ", Items=" + int_str(n_items) +
             ", Seed=" + int_str(seed) + ", " + std::string(options_words(window.options)) +
             std::string(difficulty_comment(window.difficulty));
  ed.comments.clear();
  ed.data_lines = std::move(lines);
  return result;
}

std::int32_t SeedSource::next() {
  if (!started_) {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
    started_ = true;
  }
  return std::uniform_int_distribution<std::int32_t>(0, 999999)(engine_);
}

void set_new_random_seed(GeneratorFields& window, SeedSource& source) {
  window.seed = int_str(source.next());
}

void prepare_generator_window(GeneratorFields& window, GeneratorSession& session, bool quick_mode,
                              bool change_seed_each_time,
                              const std::function<std::int32_t()>& draw_seed) {
  if (quick_mode) {
    window.difficulty = GenDifficulty::medium;
    window.num_cases = "20";
    window.num_items = "30";
    window.seed = "1804";
    window.options = GenOptions::mix;
  } else if (session.first_generation) {
    window.difficulty = GenDifficulty::medium;
    window.options = GenOptions::mix;
    window.num_cases = "20";
    window.num_items = "30";
    window.seed = int_str(draw_seed());
  }
  if (change_seed_each_time && !session.first_generation) window.seed = int_str(draw_seed());
  session.first_generation = false;
  session.reopen_generator = true;
  window.show_largen = false;
}

}  // namespace jrv
