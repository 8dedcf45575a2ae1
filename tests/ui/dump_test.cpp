#include "ui/dump.h"

#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/test_desktop.h"

namespace {

TEST(JsonString, EscapesWhatJsonNeedsAndKeepsTheRest) {
  struct Case {
    std::string in, out;
  };
  for (const Case& c : {Case{"Aidé", "\"Aidé\""}, Case{"a\"b\\c", R"("a\"b\\c")"},
                        Case{"l1\nl2\t", R"("l1\u000al2\u0009")"},
                        Case{"A\xFE"
                             "B",
                             "\"A\xC3\xBE"
                             "B\""}}) {
    EXPECT_EQ(ui::JsonString(c.in), c.out) << c.in;
  }
}

TEST(DumpJson, OneControlALineWithItsPropertiesItemsAndTheFocus) {
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  ui::Form form("Frm_D", "Titre");
  ui::ComboBox combo(form, "Cbo_An");
  ui::CheckBox box(form, "Cac_X", "X");
  combo.AddItem("2003");
  combo.SetListIndex(0);
  box.SetFocus();
  const std::string json = ui::DumpJson(form);
  ui::Control::ClearFocus();
  const std::string expected_combo =
      R"(    {"name": "Cbo_An", "kind": "ComboBox", "properties": {"Enabled": true, "Visible": true, )"
      R"("Left": 0, "Top": 0, "Width": 0, "Height": 0, "FontName": "MS Sans Serif", )"
      R"("FontSize": 825, "FontBold": false, "TabIndex": 0, "HelpContextID": 0, "Focus": false, )"
      R"("Text": "2003", "MaxLength": 0, "SelStart": 4, "SelLength": 0, "Style": 0, "ListIndex": 0, "ListCount": 1}, )"
      R"("items": ["2003"], "selection": 0},)";
  EXPECT_EQ(json.rfind("{\n  \"window\": \"Frm_D\",\n  \"focus\": \"Cac_X\",\n  \"controls\": [\n"
                       "    {\"name\": \"Frm_D\", \"kind\": \"Form\"",
                       0),
            0u)
      << json;
  EXPECT_NE(json.find(expected_combo + "\n"), std::string::npos) << json;
  EXPECT_NE(json.find(R"("Caption": "X", "Value": 0}})"), std::string::npos) << json;
  EXPECT_EQ(json.substr(json.size() - 8), "}\n  ]\n}\n");
}

}  // namespace

TEST(ShownText, RecordMarksShowAsBlanksInDumpsAndExpectations) {
  EXPECT_EQ(ui::ShownText("IDCC\xFD"
                          "2111\xFE"
                          "x\xFC"
                          "y"),
            "IDCC 2111 x y");
  ui::Form form("Frm_D");
  ui::Label label{form, "Etq_ConvCol",
                  "A\xFD"
                  "B"};
  EXPECT_NE(ui::DumpJson(form).find(R"("Caption": "A B")"), std::string::npos);
  EXPECT_EQ(label.Caption(),
            "A\xFD"
            "B");  // the model keeps the record's text
}
