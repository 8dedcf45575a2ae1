#include "data/tools/demo/payslip_builder.h"

#include "data/core/record_text.h"
#include "data/tools/demo/payslip_figures.h"
#include "text/text.h"

namespace dba::demo {

namespace {

using Attributes = std::vector<std::vector<std::string>>;

std::string N(long long n) { return std::to_string(n); }
std::string Two(int n) { return text::ZeroPadded(n, 2); }

int DaysIn(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

std::string LastDay(int year, int month) {
  return Two(DaysIn(year, month)) + "/" + Two(month) + "/" + std::to_string(year);
}

std::string PaymentDay(int year, int month) {
  return month == 12 ? "05/01/" + std::to_string(year + 1)
                     : "05/" + Two(month + 1) + "/" + std::to_string(year);
}

// Francs to euros and back, at the fixed rate 6,55957.
long long CounterValue(long long amount, bool toFrancs) {
  return toFrancs ? Scaled(amount, 655957, 100000) : Scaled(amount, 100000, 655957);
}

void AddHeader(Attributes& a, const PayslipInput& in) {
  const Person& p = in.caregiver->person;
  const bool mandataire = in.contract->mandataire;
  const std::string period = "01/" + Two(in.month) + "/" + std::to_string(in.year);
  a.push_back({""});
  a.push_back({"BULLETIN DE PAIE DU " + period + " AU " + LastDay(in.year, in.month)});
  a.push_back({std::string(mandataire ? "Emploi familial - mode mandataire         "
                                      : "Service d'aide à domicile - mode prestataire     ") +
               "Paiement le " + PaymentDay(in.year, in.month)});
  a.push_back({""});
  a.push_back({mandataire ? "Convention collective nationale des salariés du particulier employeur"
                          : "Convention collective de la branche de l'aide, de l'accompagnement, "
                            "des soins et des services à domicile"});
  a.push_back({""});
  if (mandataire) {
    const Person& e = *in.recipient;
    a.push_back({e.title + " " + e.lastName + " " + e.firstName, "SIRET : non concerné"});
    a.push_back({e.street, "APE : 970Z"});
    a.push_back({e.complement, "URSSAF : 117 " + e.code + "00 12"});
    a.push_back({e.town, "N° employeur : E" + e.code});
  } else {
    const Association& e = *in.association;
    a.push_back({e.name, "SIRET : " + e.siret});
    a.push_back({e.street, "APE : 8810A"});
    a.push_back({"", "URSSAF : " + e.urssaf});
    a.push_back({e.town, "N° employeur : " + e.code});
  }
  a.push_back({""});
  a.push_back({"Matricule : " + p.code});
  a.push_back({"N° SS : " + p.socialSecurity, p.title + " " + p.lastName + " " + p.firstName});
  a.push_back({"Qualification : " + in.caregiver->qualification, ""});
  a.push_back({"Coefficient : " + N(2 + in.caregiver->entryYear % 3), p.street});
  a.push_back({"Ancienneté : " + N(in.year - in.caregiver->entryYear) + " ans", p.complement});
  a.push_back({"Entrée le : 01/02/" + N(in.caregiver->entryYear), p.town});
  a.push_back({""});
}

void AddContributions(Attributes& a, const PayslipFigures& f, bool simplified) {
  if (!simplified) a.push_back({"<bold>COTISATIONS SOCIALES", "", "", "", "", "", ""});
  for (const ChargeLine& c : f.charges) {
    const Charge& ch = *c.charge;
    a.push_back({ch.label, N(c.base), ch.employerRate ? N(ch.employerRate) : "",
                 ch.employerRate ? N(c.employerAmount) : "",
                 ch.employeeRate ? N(ch.employeeRate) : "", "",
                 ch.employeeRate ? N(-c.employeeAmount) : ""});
  }
  a.push_back(
      {"TOTAL DES COTISATIONS", "", "", N(f.employerTotal), "", N(f.gross), N(-f.deductions)});
}

void AddNetSection(Attributes& a, const PayslipFigures& f, int year) {
  if (year >= 2019) {
    a.push_back({"Net à payer avant impôt sur le revenu", N(f.netToPay + f.tax)});
    a.push_back({"Impôt sur le revenu", "Base", "Taux", "Montant", "", "", ""});
    a.push_back({"Impôt sur le revenu prélevé à la source", N(f.taxBase), N(f.taxRate), N(f.tax)});
  } else {
    a.push_back({"SALAIRE TOTAL NET", N(f.net)});
  }
  if (f.transport) a.push_back({"Indemnité de transport", N(f.transport)});
  if (f.mileage) a.push_back({"Indemnités kilométriques", N(f.mileage)});
  a.push_back({year >= 2019 ? "<bold>NET A PAYER" : "NET A PAYER", N(f.netToPay)});
}

void AddBody(Attributes& a, const PayslipFigures& f, const PayslipInput& in, bool simplified) {
  for (const GainLine& g : f.gains)
    a.push_back({g.label, N(g.hours), "", "", N(g.rate), N(g.amount), ""});
  a.push_back({"%"});
  AddContributions(a, f, simplified);
  AddNetSection(a, f, in.year);
  a.push_back({"*"});
  a.push_back({"DETAIL DES PAIEMENTS", "", "", "", "", "", ""});
  a.push_back({"Virement du " + PaymentDay(in.year, in.month), "", "", "", "", N(f.netToPay), ""});
  if (in.year >= 2020) a.push_back({"MONTANT NET SOCIAL", N(f.netTaxable - f.deductions / 10)});
  a.push_back({"#6"});
}

void AddFooter(Attributes& a, const PayslipFigures& f, const PayslipInput& in, YearTotals& t,
               Random& random) {
  t.gross += f.gross;
  t.netTaxable += f.netTaxable;
  t.hours += f.hours;
  const bool gainsLayout = in.contract->mandataire;
  a.push_back({N(f.gross), N(f.netTaxable), N(f.hours)});
  a.push_back({N(t.gross), N(t.netTaxable), N(t.hours), N(f.employerTotal),
               gainsLayout ? N(f.gross) : "", gainsLayout ? N(-f.deductions) : ""});
  a.push_back({""});
  a.push_back({N(f.netToPay), f.euros ? "E" : "F"});
  const bool counterValue = in.year <= 2003;
  a.push_back({N(random.Between(0, 250) * 100), N(random.Between(0, 300) * 25),
               N(random.Between(0, 60) * 100), N(random.Between(0, 60) * 25),
               counterValue ? N(CounterValue(f.netToPay, f.euros)) : "",
               "CP au " + LastDay(in.year, in.month), counterValue ? (f.euros ? "F" : "E") : ""});
}

std::string DetailText(const PayslipFigures& f) {
  Attributes a(21);
  a[0] = {""};
  for (const GainLine& g : f.gains) {
    a[1].push_back(g.code);
    a[2].push_back(N(g.hours));
    a[3].push_back(N(g.rate * 10));  // ten-thousandths
    a[4].push_back(N(g.amount));
  }
  a[5] = {N(f.hours)};
  a[6] = {N(f.gross)};
  for (const ChargeLine& c : f.charges) {
    const Charge& ch = *c.charge;
    a[7].push_back(ch.code);
    a[8].push_back(ch.employeeRate ? N(c.base) : "");
    a[9].push_back(ch.employeeRate ? N(ch.employeeRate) : "");
    a[10].push_back(ch.employeeRate ? N(c.employeeAmount) : "");
    a[11].push_back(ch.employerRate ? N(c.base) : "");
    a[12].push_back(ch.employerRate ? N(ch.employerRate) : "");
    a[13].push_back(ch.employerRate ? N(c.employerAmount) : "");
  }
  a[14] = {N(f.netTaxable)};
  a[15] = {""};
  const auto after = [&](const char* code, long long amount) {
    a[16].push_back(code);
    a[17].push_back("0");
    a[18].push_back("");
    a[19].push_back(N(amount));
  };
  if (f.transport) after("TRA", f.transport);
  if (f.mileage) after("KM", f.mileage);
  a[20] = {N(f.netToPay)};
  for (auto& attribute : a)
    if (attribute.empty()) attribute.push_back("");
  return RecordTextOf(a);
}

}  // namespace

BuiltPayslip BuildPayslip(Random& random, const PayslipInput& input, YearTotals& totals) {
  const bool simplified = random.Chance(input.contract->simplified);
  const PayslipFigures f = ComputeFigures(random, input.year, input.contract->mandataire,
                                          input.contract->rateFactor, simplified);
  Attributes a;
  a.reserve(64);
  AddHeader(a, input);
  AddBody(a, f, input, simplified);
  AddFooter(a, f, input, totals, random);
  return {RecordTextOf(a), DetailText(f)};
}

}  // namespace dba::demo
