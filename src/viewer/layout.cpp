#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {

namespace {

constexpr int kRowHeight = 195;  // one line of 8.25-point text
constexpr int kListTop = 2400;
constexpr int kListHeight = 4230;

// Approximate advances of the 8.25-point sans-serif face, in twips: the column titles are
// single labels whose words are pushed over their columns with blanks.
constexpr int kBlankWidth = 45;
int TitleWidth(std::string_view title) {
  int width = 0;
  for (char c : title) width += c == ' ' ? kBlankWidth : (c >= 'a' && c <= 'z') ? 85 : 110;
  return width;
}

// A caption whose titles start near the given offsets (twips from the label's left).
std::string PlaceByBlanks(std::initializer_list<std::pair<int, std::string_view>> titles) {
  std::string caption;
  int x = 0;
  for (const auto& [offset, title] : titles) {
    const int blanks =
        std::max(caption.empty() ? 0 : 1, (offset - x + kBlankWidth / 2) / kBlankWidth);
    caption.append(static_cast<std::size_t>(blanks), ' ');
    caption += title;
    x += blanks * kBlankWidth + TitleWidth(title);
  }
  return caption;
}

void Place(ui::Control& c, int left, int top, int width, int height, const ui::Font& font) {
  c.Move(left, top, width, height);
  c.SetFont(font);
}

const ui::Font kTitleFont{};  // the window's sans-serif face
const ui::Font kNetFont{"Courier New", 15.75, true};

}  // namespace

void Frm_VisualisationBulletin::Layout() {
  Move(0, 0, 9615, 8580);
  LayoutHeader();
  LayoutBody();
  LayoutFooter();
  LayoutRuling();
  ui::Control* const tabOrder[] = {&Lst_Rubrique, &Lst_Base,   &Lst_TauxEmpl, &Lst_MontEmpl,
                                   &Lst_TauxSal,  &Lst_APayer, &Lst_ADeduire, &Bdv_Detail,
                                   &Cmd_Edition,  &Cmd_Detail, &Cmd_DetailBS, &Cmd_Retour};
  int tab = 0;
  for (ui::Control* c : tabOrder) c->SetTabIndex(tab++);
}

void Frm_VisualisationBulletin::LayoutHeader() {
  Place(Etq_Entete1, 120, 120, 9255, kRowHeight, ui::kFixedFont);
  Place(Etq_Entete2, 120, 360, 9255, kRowHeight, ui::kFixedFont);
  Place(Cdr_Cadre1, 120, 600, 4575, 1005, kTitleFont);
  Place(Cdr_Cadre4, 4800, 600, 4575, 1005, kTitleFont);
  int top = 135;
  for (ui::Label* l : {&Etq_SigleEmpl, &Etq_AdresseEmpl, &Etq_ComplAdrEmpl, &Etq_VilleEmpl}) {
    l->SetContainer(&Cdr_Cadre1);
    Place(*l, 120, top, 4335, kRowHeight, ui::kFixedFont);
    top += 210;
  }
  top = 135;
  for (ui::Label* l : {&Etq_Aidant, &Etq_AdresseAidant, &Etq_ComplAdrAidant, &Etq_VilleAidant}) {
    l->SetContainer(&Cdr_Cadre4);
    Place(*l, 120, top, 4335, kRowHeight, ui::kFixedFont);
    top += 210;
  }
  Place(Cdr_ConvCol, 120, 1650, 9255, 330, kTitleFont);
  Etq_ConvCol.SetContainer(&Cdr_ConvCol);
  Place(Etq_ConvCol, 120, 90, 9015, kRowHeight, ui::kFixedFont);
}

void Frm_VisualisationBulletin::LayoutBody() {
  Place(Label1, 120, 2010, 9255, kRowHeight, kTitleFont);
  Label1.SetCaption(PlaceByBlanks({{4545, "EMPLOYEUR"}, {7115, "SALARIE"}}));
  Place(Label2, 120, 2205, 9255, kRowHeight, kTitleFont);
  Label2.SetCaption(PlaceByBlanks({{120, "Rubrique"},
                                   {3320, "BASE"},
                                   {4280, "TAUX"},
                                   {5060, "MONTANT"},
                                   {6200, "TAUX"},
                                   {7040, "A PAYER"},
                                   {8020, "A DEDUIRE"}}));
  const std::pair<ui::ListBox*, std::pair<int, int>> columns[] = {
      {&Lst_Rubrique, {120, 3375}},  {&Lst_Base, {3120, 1455}},    {&Lst_TauxEmpl, {4200, 1215}},
      {&Lst_MontEmpl, {5040, 1455}}, {&Lst_TauxSal, {6120, 1215}}, {&Lst_APayer, {6960, 1455}},
      {&Lst_ADeduire, {8040, 1095}}};
  for (const auto& [list, place] : columns)
    Place(*list, place.first, kListTop, place.second, kListHeight, ui::kFixedFont);
  // Screen readers: the headings share one label, so each column is named by its own.
  const std::pair<ui::Control*, const char*> names[] = {
      {&Lst_Rubrique, "Rubrique"},         {&Lst_Base, "Base"},
      {&Lst_TauxEmpl, "Employeur : taux"}, {&Lst_MontEmpl, "Employeur : montant"},
      {&Lst_TauxSal, "Salarié : taux"},    {&Lst_APayer, "A payer"},
      {&Lst_ADeduire, "A déduire"},        {&Bdv_Detail, "Défilement des rubriques"}};
  for (const auto& [control, name] : names) control->SetAccessibleName(name);
  Bdv_Detail.Move(9120, kListTop, 255, 4215);
  Bdv_Detail.SetSmallChange(1);
  Bdv_Detail.SetLargeChange(1);
}

void Frm_VisualisationBulletin::LayoutFooter() {
  Place(Lab_ChgPat, 4680, 6720, 2295, kRowHeight, ui::kFixedFont);
  Place(Lab_Gain, 6960, 6720, 1095, kRowHeight, ui::kFixedFont);
  Place(Lab_Retenue, 8040, 6720, 1095, kRowHeight, ui::kFixedFont);
  Place(Etq_ChargesPat, 5280, 7080, 1065, kRowHeight, ui::kFixedFont);
  Place(Etq_Gains, 6960, 7080, 1065, kRowHeight, ui::kFixedFont);
  Place(Etq_Retenues, 8040, 7080, 1065, kRowHeight, ui::kFixedFont);
  Place(Label6, 240, 6960, 2505, 375, kNetFont);
  Place(Etq_NetFrancs, 2760, 6840, 1125, kRowHeight, ui::kFixedFont);
  Place(Etq_Lib1, 3960, 6840, 615, kRowHeight, kTitleFont);
  Place(Etq_NetEuros, 2760, 7080, 1125, kRowHeight, ui::kFixedFont);
  Place(Etq_Lib2, 3960, 7080, 615, kRowHeight, kTitleFont);
  int left = 2040;
  for (ui::CommandButton* b : {&Cmd_Edition, &Cmd_Detail, &Cmd_DetailBS, &Cmd_Retour}) {
    Place(*b, left, 7560, 1335, 375, kTitleFont);
    left += b == &Cmd_DetailBS ? 2520 : 1560;
  }
}

// The title grid over the columns, the foot of the lists and the box of the totals.
void Frm_VisualisationBulletin::LayoutRuling() {
  Line1.SetPoints(120, 1995, 9375, 1995);
  Line2.SetPoints(4620, 6690, 4620, 7320);
  Line3.SetPoints(6945, 6690, 6945, 7320);
  Line4.SetPoints(8025, 6690, 8025, 7320);
  Line5.SetPoints(3105, 2190, 3105, 2400);
  Line6.SetPoints(4185, 1995, 4185, 2400);
  Line7.SetPoints(5025, 2190, 5025, 2400);
  Line8.SetPoints(6105, 1995, 6105, 2400);
  Line9.SetPoints(6945, 2190, 6945, 2400);
  Line10.SetPoints(8025, 2190, 8025, 2400);
  Line11.SetPoints(4185, 2190, 9375, 2190);
  Line12.SetPoints(4620, 6690, 9375, 6690);
  Line13.SetPoints(4620, 7005, 9375, 7005);
  Line14.SetPoints(4620, 7320, 9375, 7320);
  Line15.SetPoints(9375, 6690, 9375, 7320);
}

}  // namespace vantelor
