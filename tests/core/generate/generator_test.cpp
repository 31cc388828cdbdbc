#include "core/generate/generator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/generate/reference_random.h"

namespace jrv {
namespace {

struct Generation {
  GeneratorFields window;
  EditorDocument doc;
  Workspace ws;
  RandomState rng;
  CheckResult result;
};

Generation generate(GeneratorFields window) {
  Generation r;
  r.window = std::move(window);
  r.result = generate_data(r.window, r.doc, r.ws, r.rng);
  return r;
}

GeneratorFields fields(std::string cases, std::string items, std::string seed = "1804",
                       GenOptions options = GenOptions::mix) {
  GeneratorFields f;
  f.num_cases = std::move(cases);
  f.num_items = std::move(items);
  f.seed = std::move(seed);
  f.options = options;
  return f;
}

TEST(Generator, DefaultFieldsFillTheEditor) {
  const Generation r = generate(GeneratorFields{});
  ASSERT_TRUE(r.result.ok());
  EXPECT_TRUE(r.result.messages.empty());
  const EditorFields& ed = r.doc.editor;
  EXPECT_EQ(ed.title, "Generated: Cases=20, Items=30, Seed=1804, Options=mix, Diff=medium");
  EXPECT_EQ(ed.comments, "");
  EXPECT_EQ(ed.cases, "20");
  EXPECT_EQ(ed.items, "30");
  EXPECT_EQ(ed.label_length, "15");
  EXPECT_EQ(ed.missing_data, "9");
  EXPECT_EQ(ed.include, std::string(30, 'Y'));
  ASSERT_EQ(ed.answer_key.size(), 30u);
  ASSERT_EQ(ed.options.size(), 30u);
  ASSERT_EQ(ed.data_lines.size(), 20u);
  EXPECT_EQ(ed.data_lines[0].substr(0, 15), "Person_001     ");
  EXPECT_EQ(ed.data_lines[19].substr(0, 15), "Person_020     ");
  for (int i = 0; i < 30; ++i) {
    const int w = ed.options[i] - '0';
    const int k = ed.answer_key[i] - '0';
    EXPECT_TRUE(w >= 2 && w <= 5) << "item " << i + 1;
    EXPECT_TRUE(k >= 1 && k <= w) << "item " << i + 1;
    for (int slot = 1; slot <= 9; ++slot) EXPECT_EQ(r.ws.correct_answers[i + 1][slot], k);
  }
  for (const auto& line : ed.data_lines) {
    ASSERT_EQ(line.size(), 45u) << line;
    for (int i = 0; i < 30; ++i) {
      const int v = line[15 + i] - '0';
      EXPECT_TRUE(v >= 1 && v <= ed.options[i] - '0') << line;
    }
  }
  EXPECT_EQ(r.ws.max_options, 5);
  EXPECT_EQ(r.ws.mc_points, 1.0);
  EXPECT_EQ(r.window.seed, "1804");
  EXPECT_FALSE(r.window.show_largen);
}

TEST(Generator, OptionsAndKeyComeFromTheFirstDrawsOfTheSeed) {
  const Generation r = generate(fields("5", "40", "99"));
  testing_support::Reference ref(99);
  std::string options, key;
  for (int i = 0; i < 40; ++i) {
    const double u = ref.uniform();
    options += u <= 0.25 ? '2' : u <= 0.5 ? '3' : u <= 0.75 ? '4' : '5';
  }
  for (int i = 0; i < 40; ++i) {
    const int w = options[i] - '0';
    key += static_cast<char>('0' + std::ceil(ref.uniform() * w));
  }
  EXPECT_EQ(r.doc.editor.options, options);
  EXPECT_EQ(r.doc.editor.answer_key, key);
}

TEST(Generator, SameFieldsGiveTheSameDataAndSeedsZeroAndMinusOneEqualOne) {
  const Generation a = generate(GeneratorFields{});
  const Generation b = generate(GeneratorFields{});
  EXPECT_EQ(a.doc.editor, b.doc.editor);

  const Generation one = generate(fields("20", "30", "1"));
  const Generation zero = generate(fields("20", "30", "0"));
  const Generation minus = generate(fields("20", "30", "-1"));
  EXPECT_EQ(zero.doc.editor.data_lines, one.doc.editor.data_lines);
  EXPECT_EQ(minus.doc.editor.data_lines, one.doc.editor.data_lines);
  EXPECT_EQ(minus.doc.editor.answer_key, one.doc.editor.answer_key);
  EXPECT_EQ(minus.window.seed, "-1");
  EXPECT_NE(a.doc.editor.data_lines, one.doc.editor.data_lines);
}

TEST(Generator, ReusedStateStillGivesTheSameData) {
  // A spare normal deviate left over from an earlier generation must not leak into the next.
  GeneratorFields f = fields("7", "9", "5");
  EditorDocument d1, d2;
  Workspace ws;
  RandomState rng;
  ASSERT_TRUE(generate_data(f, d1, ws, rng).ok());
  ASSERT_TRUE(generate_data(f, d2, ws, rng).ok());
  EXPECT_EQ(d1.editor, d2.editor);
}

TEST(Generator, SeedTextIsFittedToThirtyTwoBitsAndWrittenBack) {
  struct Case {
    const char* typed;
    const char* shown;
  };
  for (const Case c : {Case{"12345678901", "1234567890"}, Case{"-98765432109", "-987654321"},
                       Case{"2147483647", "2147483647"}, Case{"2147483648", "214748364"},
                       Case{"2.9", "2"}, Case{" 42 ", "42"}, Case{"1e3", "1000"}}) {
    const Generation r = generate(fields("3", "4", c.typed));
    ASSERT_TRUE(r.result.ok()) << c.typed;
    EXPECT_EQ(r.window.seed, c.shown) << c.typed;
    EXPECT_NE(r.doc.editor.title.find(std::string("Seed=") + c.shown + ","), std::string::npos)
        << r.doc.editor.title;
  }
  // The dropped digit is the fraction the truncation removes: the data equal the short seed's.
  EXPECT_EQ(generate(fields("3", "4", "12345678901")).doc.editor.data_lines,
            generate(fields("3", "4", "1234567890")).doc.editor.data_lines);
}

TEST(Generator, BadFieldsShowTheirMessageAndWriteNothing) {
  struct Case {
    GeneratorFields f;
    std::string message;
    std::string focus;
  };
  const std::vector<Case> cases = {
      {fields("abc", "30"), "Number of Cases must be an integer", "edit_num_cases"},
      {fields("", "30"), "Number of Cases must be an integer", "edit_num_cases"},
      {fields("2.5", "30"), "Number of Cases must be an integer", "edit_num_cases"},
      {fields("0", "30"), "Number of Cases must be between 1 and 9999", "edit_num_cases"},
      {fields("10000", "30"), "Number of Cases must be between 1 and 9999", "edit_num_cases"},
      {fields("20", "x"), "Number of Items must be an integer", "edit_num_items"},
      {fields("20", "0"), "Number of Items must be between 1 and 100", "edit_num_items"},
      {fields("20", "101"), "Number of Items must be between 1 and 100", "edit_num_items"},
      {fields("20", "30", "seed"), "Seed must be a numeric value", "edit_seed"},
      {fields("20", "30", ""), "Seed must be a numeric value", "edit_seed"},
  };
  for (const auto& c : cases) {
    Generation r;
    r.window = c.f;
    r.doc.editor.title = "kept";
    r.ws.mc_points = 2.5;
    r.result = generate_data(r.window, r.doc, r.ws, r.rng);
    EXPECT_TRUE(r.result.failed) << c.message;
    ASSERT_EQ(r.result.messages.size(), 1u) << c.message;
    EXPECT_EQ(r.result.messages[0], c.message);
    EXPECT_EQ(r.result.focus, c.focus) << c.message;
    EXPECT_EQ(r.doc.editor.title, "kept") << c.message;
    EXPECT_TRUE(r.doc.editor.data_lines.empty()) << c.message;
    EXPECT_EQ(r.window.seed, c.f.seed) << c.message;
    EXPECT_EQ(r.ws.max_options, 5) << c.message;
    // The MC points are reset once the case count has passed.
    EXPECT_EQ(r.ws.mc_points, c.focus == "edit_num_cases" ? 2.5 : 1.0) << c.message;
  }
}

TEST(Generator, LabelsFillTheLabelLengthForEveryItemCount) {
  struct Case {
    int items;
    const char* small;  // examinee 7 of 999
    const char* large;  // examinee 7 of 1000
  };
  const Case cases[] = {
      {100, "P007 ", "0007 "},
      {99, "P007  ", "P0007 "},
      {98, "P_007  ", "P_0007 "},
      {97, "P_007   ", "P_0007  "},
      {96, "P_007    ", "P_0007   "},
      {95, "P_007     ", "P_0007    "},
      {94, "Person007  ", "Person0007 "},
      {93, "Person_007  ", "Person_0007 "},
      {92, "Person_007   ", "Person_0007  "},
      {91, "Person_007    ", "Person_0007   "},
      {90, "Person_007     ", "Person_0007    "},
      {1, "Person_007     ", "Person_0007    "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(generated_label(7, c.items, 999), c.small) << c.items << " items";
    EXPECT_EQ(generated_label(7, c.items, 1000), c.large) << c.items << " items";
    EXPECT_EQ(generated_label_length(c.items), static_cast<int>(std::string(c.small).size()));
  }
}

TEST(Generator, HundredItemsAndManyCasesFillWholeLines) {
  const Generation r = generate(fields("9999", "100", "7"));
  ASSERT_TRUE(r.result.ok());
  EXPECT_TRUE(r.window.show_largen);
  EXPECT_EQ(r.doc.editor.label_length, "5");
  ASSERT_EQ(r.doc.editor.data_lines.size(), 9999u);
  EXPECT_EQ(r.doc.editor.data_lines.front().substr(0, 5), "0001 ");
  EXPECT_EQ(r.doc.editor.data_lines.back().substr(0, 5), "9999 ");
  for (const auto& line : r.doc.editor.data_lines) ASSERT_EQ(line.size(), 105u);

  EXPECT_FALSE(generate(fields("1000", "3")).window.show_largen);
  EXPECT_TRUE(generate(fields("1001", "3")).window.show_largen);
}

TEST(Generator, TwoOptionsGiveOnlyTheKeyOrTheOtherOption) {
  const Generation r = generate(fields("200", "20", "3", GenOptions::two));
  EXPECT_EQ(r.doc.editor.options, std::string(20, '2'));
  EXPECT_NE(r.doc.editor.title.find("Options=2, "), std::string::npos);
  std::set<char> seen;
  for (const auto& line : r.doc.editor.data_lines)
    for (std::size_t i = 15; i < line.size(); ++i) seen.insert(line[i]);
  EXPECT_EQ(seen, (std::set<char>{'1', '2'}));
}

TEST(Generator, WrongAnswersNeverHitTheKeyAndCoverEveryOtherOption) {
  const Generation r = generate(fields("3000", "10", "11", GenOptions::five));
  const std::string& key = r.doc.editor.answer_key;
  for (int i = 0; i < 10; ++i) {
    std::map<char, int> counts;
    for (const auto& line : r.doc.editor.data_lines) ++counts[line[15 + i]];
    EXPECT_EQ(counts.size(), 5u) << "item " << i + 1;  // every option is chosen by someone
    for (const auto& [c, n] : counts) EXPECT_TRUE(c >= '1' && c <= '5');
    EXPECT_GT(counts[key[i]], 300) << "item " << i + 1;
  }
}

TEST(Generator, LettersCodeTheSameDataAsNumbers) {
  GeneratorFields f = fields("50", "25", "321");
  const Generation numbers = generate(f);
  f.letters = true;
  const Generation letters = generate(f);
  auto as_digits = [](std::string s, std::size_t from) {
    for (std::size_t i = from; i < s.size(); ++i) s[i] = static_cast<char>(s[i] - 'A' + '1');
    return s;
  };
  EXPECT_EQ(as_digits(letters.doc.editor.answer_key, 0), numbers.doc.editor.answer_key);
  ASSERT_EQ(letters.doc.editor.data_lines.size(), 50u);
  for (std::size_t e = 0; e < 50; ++e)
    EXPECT_EQ(as_digits(letters.doc.editor.data_lines[e], 15), numbers.doc.editor.data_lines[e]);
  EXPECT_EQ(letters.doc.editor.options, numbers.doc.editor.options);
}

TEST(Generator, DifficultyStepsMoveTheMeanScore) {
  const GenDifficulty levels[] = {GenDifficulty::easiest, GenDifficulty::very_easy,
                                  GenDifficulty::easy,    GenDifficulty::medium,
                                  GenDifficulty::hard,    GenDifficulty::very_hard,
                                  GenDifficulty::hardest};
  const char* words[] = {"Diff=easiest", "Diff=v. easy", "Diff=easy",   "Diff=medium",
                         "Diff=hard",    "Diff=v. hard", "Diff=hardest"};
  double previous = 1.0;
  for (int l = 0; l < 7; ++l) {
    GeneratorFields f = fields("1000", "40", "2024");
    f.difficulty = levels[l];
    const Generation r = generate(f);
    const std::string& title = r.doc.editor.title;
    EXPECT_EQ(title.substr(title.size() - std::string(words[l]).size()), words[l]);
    long correct = 0;
    for (const auto& line : r.doc.editor.data_lines)
      for (int i = 0; i < 40; ++i) correct += line[15 + i] == r.doc.editor.answer_key[i];
    const double p = correct / 40000.0;
    EXPECT_LT(p, previous) << words[l];
    previous = p;
  }
  EXPECT_GT(previous, 0.3);  // the hardest still leaves a mean near 40%
}

TEST(GeneratorWindow, PreparationChoosesSettingsAndSeeds) {
  int draws = 0;
  auto draw = [&draws] { return ++draws * 1000; };

  GeneratorFields w = fields("55", "66", "77", GenOptions::three);
  w.difficulty = GenDifficulty::hard;
  w.show_largen = true;
  GeneratorSession s;
  prepare_generator_window(w, s, false, false, draw);
  EXPECT_EQ(w, fields("20", "30", "1000"));  // first generation: defaults and a new seed
  EXPECT_FALSE(s.first_generation);
  EXPECT_TRUE(s.reopen_generator);

  w = fields("55", "66", "77", GenOptions::three);
  prepare_generator_window(w, s, false, false, draw);
  EXPECT_EQ(w, fields("55", "66", "77", GenOptions::three));  // kept between showings
  prepare_generator_window(w, s, false, true, draw);
  EXPECT_EQ(w.seed, "2000");  // a new seed every time

  w = fields("55", "66", "77", GenOptions::three);
  w.letters = true;
  prepare_generator_window(w, s, true, false, draw);
  GeneratorFields quick = fields("20", "30", "1804");
  quick.letters = true;  // the coding is the user's
  EXPECT_EQ(w, quick);

  GeneratorSession first;
  prepare_generator_window(w, first, true, true, draw);
  EXPECT_EQ(w.seed, "1804");  // the quick mode's seed on a first generation
  EXPECT_EQ(draws, 2);
}

TEST(GeneratorWindow, NewRandomSeedsStayInRange) {
  SeedSource source;
  GeneratorFields w;
  std::set<std::string> seen;
  for (int i = 0; i < 200; ++i) {
    set_new_random_seed(w, source);
    const int v = std::stoi(w.seed);
    EXPECT_TRUE(v >= 0 && v <= 999999) << w.seed;
    seen.insert(w.seed);
  }
  EXPECT_GT(seen.size(), 150u);
}

}  // namespace
}  // namespace jrv
