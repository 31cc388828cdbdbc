#include "core/export/results_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/analysis/analysis_fixture.h"
#include "core/analysis/analysis_run.h"

namespace jrv {
namespace {

using nlohmann::json;
using testing::load;
using testing::TestDefinition;

json document(Workspace& ws) {
  compute_analysis(ws, 0.27, 0.27);
  return json::parse(results_json(ws, diagnose(ws)));
}

// Item 1 everyone right (correlations are the 9.0 marker), item 2 keyed 2, item 3 excluded.
TestDefinition small() {
  TestDefinition t;
  t.key = "121";
  t.include = "YYN";
  t.label_length = 3;
  t.lines = {"Ann121", "Bob131", "Cy 1 1", "Di 122"};
  return t;
}

TEST(ResultsJson, HoldsTheNamedKeysWithFullPrecisionValues) {
  Workspace ws = load(small());
  const json d = document(ws);
  ASSERT_EQ(d.size(), 3u);
  const json& t = d.at("test");
  for (const char* key : {"examinees", "items", "included_items", "mean", "sd", "variance", "kr20",
                          "kr20_ci95", "kr20_ci90", "kr21", "sem"})
    EXPECT_TRUE(t.contains(key)) << key << " missing from " << t.dump();
  EXPECT_EQ(t["examinees"], 4);
  EXPECT_EQ(t["items"], 3);
  EXPECT_EQ(t["included_items"], 2);
  EXPECT_EQ(t["mean"].get<double>(), ws.stats.mean_score);  // scores 2 1 1 2: 1.5 exactly
  EXPECT_EQ(t["variance"].get<double>(), 0.25);

  const json& items = d.at("items");
  ASSERT_EQ(items.size(), 3u);
  const json& two = items[1];
  for (const char* key :
       {"item", "included", "key", "difficulty", "discrimination", "point_biserial", "biserial",
        "adjusted_point_biserial", "flags", "options"})
    EXPECT_TRUE(two.contains(key)) << key << " missing from " << two.dump();
  EXPECT_EQ(two["item"], 2);
  EXPECT_EQ(two["included"], true);
  EXPECT_EQ(two["difficulty"].get<double>(), 0.5);
  // Options 1..4 then the missing answers (Cy's blank) as option 0.
  ASSERT_EQ(two["options"].size(), 5u);
  EXPECT_EQ(two["options"][4]["option"], 0);
  EXPECT_EQ(two["options"][4]["count"], 1);
  EXPECT_EQ(two["options"][1]["quintiles"].size(), 5u);
  EXPECT_EQ(items[2]["included"], false);
  // Options 1 and 4 of item 2 are chosen by nobody.
  EXPECT_EQ(two["flags"], json::array({"non_functioning_distractor"}));
  EXPECT_EQ(items[0]["flags"], json::array({"non_functioning_distractor", "too_easy"}));

  const json& people = d.at("examinees");
  ASSERT_EQ(people.size(), 4u);
  EXPECT_EQ(people[2]["label"], "Cy");
  EXPECT_EQ(people[2]["raw_score"], 1);
  EXPECT_EQ(people[2]["percent"].get<double>(), 50.0);
}

TEST(ResultsJson, MarkersUndefinedValuesAndMissingGradesAreNull) {
  Workspace ws = load(small());
  json d = document(ws);
  // Everyone right on item 1: the reports print the 9.0 marker.
  EXPECT_TRUE(d["items"][0]["point_biserial"].is_null()) << d["items"][0].dump();
  EXPECT_TRUE(d["items"][0]["adjusted_point_biserial"].is_null());
  EXPECT_TRUE(d["items"][1]["point_biserial"].is_number());
  EXPECT_TRUE(d["examinees"][0]["grade"].is_null());  // no grade scale
  EXPECT_EQ(d["test"]["kr20_ci95"].size(), 2u);

  // One included item: no interval.
  TestDefinition one = small();
  one.include = "NYN";
  Workspace ws1 = load(one);
  d = document(ws1);
  EXPECT_TRUE(d["test"]["kr20_ci95"].is_null()) << d["test"].dump();
  EXPECT_TRUE(d["test"]["kr20_ci90"].is_null());
}

TEST(ResultsJson, ALabelThatIsNotUtf8StillGivesADocument) {
  TestDefinition t = small();
  t.lines[0] = "A\xE9 121";
  Workspace ws = load(t);
  const json d = document(ws);
  EXPECT_EQ(d["examinees"].size(), 4u);
}

}  // namespace
}  // namespace jrv
