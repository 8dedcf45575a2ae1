// The caregiver and care-recipient lookup, told once for both twins: each case runs on
// the caregiver side and on the care-recipient side, with the differences in the table.
#include <gtest/gtest.h>

#include "support/selection_fixture.h"

namespace {

using vantelor::SelectionScreen;

struct Twin {
  const char* side;
  ui::TextBox SelectionScreen::*code;
  ui::ComboBox SelectionScreen::*nom;
  dba::DynArray SelectionScreen::*liste;
  std::shared_ptr<dba::File> vantelor::Variable::*civil;
  const char* index;
  const char* item;  // dictionary item of the name search
  const char* accepted;
  const char* acceptedName;
  const char* shortCode;  // typed form of `accepted`
  const char* refused;
  const char* missing;  // in the index, no civil record
  const char* missingMessage;
  const char* refusedMessage;
  std::vector<std::string> du;          // the names found for "DU", in order
  const char* single;                   // a prefix that finds one allowed person...
  const char* singleCode;               // ...this one
  const char* accented;                 // found by typing "é"
  bool blanksAreRead;                   // five blanks reach the civil file
  std::vector<std::string> emptyEnter;  // items after Enter in an empty name box
};

const Twin kTwins[] = {
    {"Aidant",
     &SelectionScreen::Txt_CodeAidant,
     &SelectionScreen::Cbo_NomAidant,
     &SelectionScreen::W_ListeAidants,
     &vantelor::Variable::Fic_CivilAidant,
     "AIDANTSARCHIVEBULL",
     "NomPrenomAidantArchBull",
     "00012",
     "DUPONT Marie",
     "12",
     "00014",
     "00099",
     "Cet aidant n'existe pas.",
     "Vous n'êtes pas autorisé à accéder à cet aidant.",
     {"DUPONT Marie", "DUPUIS Anne", "DURAND Paul"},
     "dura",
     "00013",
     "ÉMERY Luc",
     true,
     {}},
    {"Aide",
     &SelectionScreen::Txt_CodeAide,
     &SelectionScreen::Cbo_NomAide,
     &SelectionScreen::W_ListeAides,
     &vantelor::Variable::Fic_CivilAide,
     "AIDESARCHIVEBULL",
     "NomPrenomAideArchBull",
     "00045",
     "DUPRE Louise",
     "45",
     "00046",
     "00098",
     "Cet aidé n'existe pas.",
     "Vous n'êtes pas autorisé à accéder à cet aidé.",
     {"DUPRE Louise", "DURIEZ Jean", "DUVAL Rose"},
     "duv",
     "00047",
     "ÉTIENNE Marc",
     false,
     {"DUPRE Louise", "DURIEZ Jean", "DUVAL Rose", "ÉTIENNE Marc"}},
};

// A file whose reads fail for another reason than a missing record.
class FailingFile : public dba::File {
 public:
  const std::string& Name() const override { return name_; }
  dba::Record ReadRecord(std::string_view) override { Fail(); }
  dba::Record NewRecord(std::string_view) override { Fail(); }
  void DeleteRecord(std::string_view) override { Fail(); }
  void WriteRecord(std::string_view, std::string_view) override { Fail(); }

 private:
  [[noreturn]] static void Fail() { throw dba::Error(dba::kStorageFailure, "disk I/O error"); }
  std::string name_ = "CIVIL";
};

void PrintTo(const Twin& twin, std::ostream* out) { *out << twin.side; }

class LookupTest : public testsupport::SelectionFixture,
                   public ::testing::WithParamInterface<Twin> {
 protected:
  LookupTest() {
    AddCaregiver("00012", "DUPONT", "Marie", "A01");
    AddCaregiver("00013", "DURAND", "Paul", "A02");
    AddCaregiver("00014", "DUPUIS", "Anne", "SEC");
    AddCaregiver("00015", "ÉMERY", "Luc", "A01");
    for (const char* key :
         {"000122003", "000122004", "000132003", "000142003", "000152003", "000992003"}) {
      AddIndex("AIDANTSARCHIVEBULL", key);
    }
    AddCareRecipient("00045", "DUPRE", "Louise", "A01XYZ");
    AddCareRecipient("00046", "DURIEZ", "Jean", "SECRET");
    AddCareRecipient("00047", "DUVAL", "Rose", "A02");
    AddCareRecipient("00048", "ÉTIENNE", "Marc", "A01");
    for (const char* key :
         {"000452003", "000452004", "000462003", "000472003", "000482003", "000982003"}) {
      AddIndex("AIDESARCHIVEBULL", key);
    }
  }

  const Twin& T() const { return GetParam(); }
  ui::TextBox& Code() { return screen.*(T().code); }
  ui::ComboBox& Nom() { return screen.*(T().nom); }
  dba::DynArray& Liste() { return screen.*(T().liste); }

  void SearchName(const std::string& typed) {
    Nom().UserType(typed);
    Nom().UserKey(ui::kKeyEnter);
  }
  std::string ListedCode(int entry) { return Liste()(entry, 1); }
};

TEST_P(LookupTest, AcceptedCodeShowsTheNameAndStartsAnewPeriod) {
  screen.Lst_Periode.AddItem("MARS 2003         X");
  screen.Cmd_Imprimer.SetEnabled(true);
  Code().UserType(T().accepted);

  EXPECT_EQ(Nom().Text(), T().acceptedName);
  EXPECT_EQ(Items(Nom()), std::vector<std::string>{T().acceptedName});
  EXPECT_EQ(ListedCode(1), T().accepted);
  EXPECT_EQ(Liste().DCount(), 1);
  EXPECT_TRUE(screen.Cmd_OK.Enabled());
  EXPECT_TRUE(screen.Cmd_Recherche.Enabled());
  EXPECT_EQ(screen.Lst_Periode.ListCount(), 0);
  EXPECT_FALSE(screen.Cmd_Imprimer.Enabled());
  EXPECT_TRUE(Code().HasFocus());
  EXPECT_TRUE(desktop.Messages().empty());
  // Gestion_Recherche ran inside one busy bracket, which left the screen usable.
  EXPECT_EQ(desktop.PointerChanges(), (std::vector<int>{ui::kHourglass, ui::kDefaultPointer}));
  EXPECT_TRUE(screen.Enabled());
}

TEST_P(LookupTest, CodeWithNoCivilRecordIsReportedAndCleared) {
  for (const char* typed : {T().missing, "ABCDE"}) {
    SCOPED_TRACE(typed);
    desktop.Answer(ui::kAnswerOk);
    Code().UserType(typed);
    EXPECT_EQ(desktop.LastMessage(), (ui::MessageRecord{T().missingMessage, ui::kExclamation,
                                                        "Message KALVENOR", ui::kAnswerOk}));
    EXPECT_EQ(Code().Text(), "");
    EXPECT_EQ(Nom().Text(), "");
    EXPECT_TRUE(Code().HasFocus());
    EXPECT_FALSE(screen.Cmd_Recherche.Enabled());
  }
}

TEST_P(LookupTest, PersonOutsideTheRightsIsRefusedAndCleared) {
  desktop.Answer(ui::kAnswerOk);
  Code().UserType(T().refused);
  EXPECT_EQ(desktop.LastMessage(), (ui::MessageRecord{T().refusedMessage, ui::kCritical,
                                                      "Message KALVENOR", ui::kAnswerOk}));
  EXPECT_EQ(Code().Text(), "");
  EXPECT_EQ(Nom().Text(), "");
  EXPECT_TRUE(Code().HasFocus());

  // Without function rights (none were handed in) nobody is shown.
  v.DroitsFonction.reset();
  desktop.Answer(ui::kAnswerOk);
  Code().UserType(T().accepted);
  EXPECT_EQ(desktop.LastMessage().text, T().refusedMessage);
}

TEST_P(LookupTest, ShortCodeNeverReachesTheCivilFileUntilPadded) {
  v.*(T().civil) = std::make_shared<FailingFile>();
  Code().UserType(T().shortCode);
  EXPECT_EQ(Nom().Text(), "");
  EXPECT_TRUE(screen.Cmd_Recherche.Enabled());  // a code is typed
  EXPECT_TRUE(desktop.Errors().empty());

  // Enter pads it to five characters, and the check reads the civil file.
  Code().UserKey(ui::kKeyEnter);
  EXPECT_EQ(desktop.Errors().size(), 1u);
}

TEST_P(LookupTest, EditingASelectedCodeUnselectsThePerson) {
  Code().UserType(T().accepted);
  Code().UserKey(ui::kKeyBackspace);
  // The name is cleared, and an empty name clears the code with it.
  EXPECT_EQ(Nom().Text(), "");
  EXPECT_EQ(Code().Text(), "");
  EXPECT_FALSE(screen.Cmd_Recherche.Enabled());

  Code().UserType(T().accepted);
  Nom().SetText("");
  EXPECT_EQ(Code().Text(), "");
}

TEST_P(LookupTest, ReadFailureGoesToTheHostAndSelectsNobody) {
  v.*(T().civil) = std::make_shared<FailingFile>();
  Code().UserType(T().accepted);
  ASSERT_EQ(desktop.Errors().size(), 1u);
  EXPECT_EQ(desktop.Errors()[0].message, "disk I/O error");
  EXPECT_EQ(Code().Text(), "");
  EXPECT_EQ(Nom().Text(), "");
  EXPECT_TRUE(desktop.Messages().empty());
}

TEST_P(LookupTest, EnterAndLeavingTheBoxPadTheCodeWithZeros) {
  Code().UserType(T().shortCode);
  Code().UserKey(ui::kKeyEnter);
  EXPECT_EQ(Code().Text(), T().accepted);
  EXPECT_EQ(Nom().Text(), T().acceptedName);

  screen.Cmd_OK.SetFocus();
  Code().SetText("");
  Code().SetFocus();
  Code().UserType(T().shortCode);
  screen.Cmd_Sortir.SetFocus();
  EXPECT_EQ(Code().Text(), T().accepted);
  EXPECT_EQ(Nom().Text(), T().acceptedName);
}

TEST_P(LookupTest, FiveBlanksAreReadOnlyOnTheCaregiverSide) {
  if (T().blanksAreRead) desktop.Answer(ui::kAnswerOk);
  Code().SetText("     ");
  EXPECT_EQ(desktop.Messages().size(), T().blanksAreRead ? 1u : 0u);
  EXPECT_EQ(Nom().Text(), "");
}

TEST_P(LookupTest, NameSearchListsEachMatchingPersonOnceInNameOrder) {
  SearchName("du");
  EXPECT_EQ(Items(Nom()), T().du);
  ASSERT_EQ(Liste().DCount(), 3);
  EXPECT_EQ(Liste()(1, 2) + " " + Liste()(1, 3), T().du[0]);
  EXPECT_EQ(Code().Text(), "");
  EXPECT_TRUE(screen.Enabled());
  EXPECT_EQ(desktop.PointerChanges().back(), ui::kDefaultPointer);
}

TEST_P(LookupTest, NameSearchFindingOnePersonSelectsIt) {
  for (const auto& [typed, code] :
       {std::pair<std::string, std::string>{T().single, T().singleCode}, {"é", ""}}) {
    SCOPED_TRACE(typed);
    Nom().SetText("");
    SearchName(typed);
    ASSERT_EQ(Nom().ListCount(), 1);
    if (!code.empty()) {
      EXPECT_EQ(Code().Text(), code);
    }
    EXPECT_EQ(Nom().Text(), Nom().List(0));
    EXPECT_TRUE(Code().HasFocus());
  }
  EXPECT_EQ(Nom().Text(), T().accented);  // "é" typed is searched as "É"
}

TEST_P(LookupTest, TypedTextCanOnlySelectNamesThatBeginWithIt) {
  // The last one would otherwise select every name beginning with "D".
  for (const char* typed : {"\"", "D\"", "D]", "D]\" PAR 0 AVEC 0 = \""}) {
    SCOPED_TRACE(typed);
    Nom().SetText("");
    SearchName(typed);
    EXPECT_EQ(Nom().ListCount(), 0);
    EXPECT_EQ(Code().Text(), "");
  }
  EXPECT_TRUE(desktop.Errors().empty());
  EXPECT_TRUE(desktop.Messages().empty());
}

TEST_P(LookupTest, EnterInAnEmptyNameBox) {
  SearchName("");
  EXPECT_EQ(Items(Nom()), T().emptyEnter);
  EXPECT_EQ(Code().Text(), "");
}

TEST_P(LookupTest, ChoosingANameSelectsItsPerson) {
  SearchName("du");
  Nom().UserChoose(2);
  EXPECT_EQ(Code().Text(), T().singleCode);
  EXPECT_EQ(Nom().Text(), T().du[2]);
  EXPECT_TRUE(screen.Cmd_Imprimer.Enabled());

  // Another name while one is selected: the new one is selected.
  Nom().UserChoose(0);
  EXPECT_EQ(Code().Text(), T().accepted);
  EXPECT_EQ(Nom().Text(), T().acceptedName);
  EXPECT_TRUE(desktop.Messages().empty());
}

TEST_P(LookupTest, ChoosingARefusedNameClearsBothBoxes) {
  SearchName("du");
  desktop.Answer(ui::kAnswerOk);
  Nom().UserChoose(1);
  EXPECT_EQ(desktop.LastMessage().text, T().refusedMessage);
  EXPECT_EQ(Code().Text(), "");
  EXPECT_EQ(Nom().Text(), "");
}

TEST_P(LookupTest, TypedCodeFillsTheEmptyNameBoxWithThatPersonAlone) {
  Code().UserType(T().accepted);
  Nom().UserType("x");  // the text no longer names the item
  Nom().UserChoose(0);
  EXPECT_EQ(Code().Text(), T().accepted);
  EXPECT_EQ(Nom().Text(), T().acceptedName);
}

class CaregiverNameTest : public testsupport::SelectionFixture {};

TEST_F(CaregiverNameTest, EmptyNameKeepsTheListThatItsItemsStandFor) {
  AddCaregiver("00012", "DUPONT", "Marie", "A01");
  AddCaregiver("00013", "DURAND", "Paul", "A02");
  AddCaregiver("00010", "ABEL", "Jean", "A01");
  for (const char* key : {"000122003", "000132003", "000102003"}) {
    AddIndex("AIDANTSARCHIVEBULL", key);
  }
  vantelor::SelectionScreen& s = screen;
  s.Cbo_NomAidant.UserType("du");
  s.Cbo_NomAidant.UserKey(ui::kKeyEnter);
  s.Cbo_NomAidant.SetText("");
  s.Cbo_NomAidant.UserKey(ui::kKeyEnter);
  EXPECT_EQ(s.Cbo_NomAidant.Items(), (std::vector<std::string>{"DUPONT Marie", "DURAND Paul"}));
  // Item 1 still stands for entry 2, not for whoever the whole index lists second.
  s.Cbo_NomAidant.UserChoose(1);
  EXPECT_EQ(s.Txt_CodeAidant.Text(), "00013");
}

INSTANTIATE_TEST_SUITE_P(Twins, LookupTest, ::testing::ValuesIn(kTwins),
                         [](const auto& info) { return std::string(info.param.side); });

}  // namespace
