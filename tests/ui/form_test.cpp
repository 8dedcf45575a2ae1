#include <gtest/gtest.h>

#include "event_log.h"
#include "ui/test_desktop.h"

namespace {

using ui_test::LoggedForm;
using Log = std::vector<std::string>;

// A window that closes only through its Retour button, as the detail windows do.
class ClosingForm : public ui::Form {
 public:
  ClosingForm() : ui::Form("Frm_Detail", "Détail") {
    OnLoad = [this] { W_Fermeture = false; };
    OnUnload = [this](bool& cancel) { cancel = !W_Fermeture; };
    Cmd_Retour.OnClick = [this] {
      W_Fermeture = true;
      Unload();
    };
  }
  bool W_Fermeture = false;
  ui::Label Etq_Titre{*this, "Etq_Titre", "Titre"};
  ui::ListBox Lst_Rub{*this, "Lst_Rub"};
  ui::CommandButton Cmd_Retour{*this, "Cmd_Retour", "Retour"};
};

class FormTest : public ::testing::Test {
 protected:
  ~FormTest() override { ui::Control::ClearFocus(); }
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  LoggedForm form;
};

TEST_F(FormTest, LoadRaisesLoadOnceAndUnloadOnlyWhenLoaded) {
  form.OnLoad = form.Logs("Load");
  form.OnUnload = [this](bool&) { form.log.push_back("Unload"); };
  form.Load();
  form.Load();
  EXPECT_TRUE(form.Unload());
  EXPECT_TRUE(form.Unload());
  EXPECT_EQ(form.TakeLog(), (Log{"Load", "Unload"}));
}

TEST_F(FormTest, ShownModallyTheFormIsOnTopAndTheWindowBelowTakesNoInput) {
  LoggedForm below;
  ui::CommandButton lister(below, "Cmd_Lister");
  lister.OnClick = below.Logs("Lister");
  ClosingForm detail;
  desktop.OnShowModal([&](ui::Form& shown) {
    EXPECT_EQ(&shown, &detail);
    EXPECT_EQ(ui::Form::TopModal(), &detail);
    lister.UserClick();  // refused: a modal window is over it
    EXPECT_FALSE(lister.AcceptsInput());
    EXPECT_TRUE(detail.Cmd_Retour.AcceptsInput());
    detail.Cmd_Retour.UserClick();
  });
  detail.ShowModal();
  EXPECT_EQ(ui::Form::TopModal(), nullptr);
  EXPECT_TRUE(ui::Form::ModalStack().empty());
  EXPECT_EQ(below.TakeLog(), Log{});
  lister.UserClick();
  EXPECT_EQ(below.TakeLog(), Log{"Lister"});
  EXPECT_EQ(desktop.ModalForms(), std::vector<std::string>{"Frm_Detail"});
}

TEST_F(FormTest, AModalFormTakesTheFocusFirstInTabOrderAndGivesItBackSilently) {
  LoggedForm below;
  ui::TextBox code(below, "Txt_Code");
  below.LogFocus(code);
  code.SetFocus();
  ClosingForm detail;
  detail.Cmd_Retour.SetTabIndex(0);
  detail.Lst_Rub.SetTabIndex(1);
  desktop.OnShowModal([&](ui::Form&) {
    EXPECT_TRUE(detail.Cmd_Retour.HasFocus());
    detail.Cmd_Retour.UserClick();
  });
  below.TakeLog();
  detail.ShowModal();
  EXPECT_TRUE(code.HasFocus());
  EXPECT_EQ(below.TakeLog(), Log{});  // switching windows raises no LostFocus/GotFocus
}

TEST_F(FormTest, NestedModalFormsStackInOrder) {
  ClosingForm viewer;
  ClosingForm detail;
  desktop.OnShowModal([&](ui::Form&) {
    detail.ShowModal();
    EXPECT_EQ(ui::Form::TopModal(), &viewer);
    viewer.Cmd_Retour.UserClick();
  });
  desktop.OnShowModal([&](ui::Form&) {
    EXPECT_EQ(ui::Form::ModalStack(), (std::vector<ui::Form*>{&viewer, &detail}));
    viewer.Cmd_Retour.UserClick();  // under the detail window: refused
    EXPECT_TRUE(viewer.Loaded());
    detail.Cmd_Retour.UserClick();
  });
  viewer.ShowModal();
  EXPECT_FALSE(viewer.Loaded());
}

TEST_F(FormTest, ACheckBoxRaisesClickWhenItsValueChanges) {
  ui::CheckBox box(form, "Cac_Mandataire", "Mandataire");
  box.OnClick = [&] { form.log.push_back("Click:" + std::to_string(box.Value())); };
  box.SetValue(1);
  box.SetValue(1);
  box.UserClick();
  box.SetValue(2);
  box.UserClick();
  EXPECT_THROW(box.SetValue(3), std::invalid_argument);
  EXPECT_EQ(box.Value(), 1);
  box.SetEnabled(false);
  box.UserClick();
  EXPECT_EQ(form.TakeLog(), (Log{"Click:1", "Click:0", "Click:2", "Click:1"}));
}

TEST_F(FormTest, AMenuEntryChosenRaisesClickOnlyWhenItAndItsMenuAreEnabled) {
  ui::Menu menu(form, "Mnu_Aide", "Aide");
  ui::Menu entry(form, "Mnu_Sommaire", "Aide_KALVENOR");
  menu.AddEntry(entry);
  entry.OnClick = form.Logs("Sommaire");
  entry.UserChoose();
  menu.SetEnabled(false);
  entry.UserChoose();
  EXPECT_EQ(form.TakeLog(), Log{"Sommaire"});
}

}  // namespace
