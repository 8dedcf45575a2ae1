#include "data/tools/demo/payslip_figures.h"

namespace dba::demo {

long long Scaled(long long a, long long rate, long long divisor) {
  const long long product = a * rate;
  return (product >= 0 ? product + divisor / 2 : product - divisor / 2) / divisor;
}

namespace {

// Thousandths of the currency per hour.
long long HourlyRate(int year, int rateFactor) {
  const long long base = year < 2002 ? 45000 : year < 2010 ? 8750 : 10450;
  return base * rateFactor / 100;
}

// `rate` per hour in thousandths of the currency (divisor 1000), or a percentage in
// thousandths of a point of the base (divisor 100000).
void AddGain(PayslipFigures& f, std::string code, std::string label, long long hours,
             long long rate, long long divisor = 1000) {
  const long long amount = Scaled(hours, rate, divisor);
  f.gains.push_back({std::move(code), std::move(label), hours, rate, amount});
  f.gross += amount;
}

void AddGains(PayslipFigures& f, Random& random, int year, bool mandataire, int rateFactor,
              bool simplified) {
  const long long rate = HourlyRate(year, rateFactor);
  f.hours = random.Between(20, 150) * 100 + random.Between(0, 3) * 25;
  AddGain(f, mandataire ? "SB" : "HRS", mandataire ? "Salaire de base" : "Heures d'intervention",
          f.hours, rate);
  if (mandataire) AddGain(f, "CP", "Indemnité de congés payés 10 %", f.gross, 10000, 100000);
  if (simplified) return;
  if (random.Chance(60)) {
    const long long hours = random.Between(2, 16) * 100;
    AddGain(f, "DIM", "<bold>Majoration dimanche et jours fériés", hours, rate / 4);
  }
  if (random.Chance(40)) {
    const long long hours = random.Between(4, 30) * 100;
    AddGain(f, "NUIT", "Heures de nuit", hours, rate * 2 / 3);
    f.hours += hours;
  }
}

void AddCharges(PayslipFigures& f, int year, bool simplified) {
  const std::vector<Charge>& all = ChargesOf(year);
  const long long csgBase = Scaled(f.gross, year < 2012 ? 9500 : 9825, 10000);
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (simplified && i % 3 != 0 && !all[i].onCsgBase) continue;
    const Charge& c = all[i];
    const long long base = c.onCsgBase ? csgBase : f.gross;
    ChargeLine line{&c, base, Scaled(base, c.employerRate, 100000),
                    Scaled(base, c.employeeRate, 100000)};
    f.employerTotal += line.employerAmount;
    f.deductions += line.employeeAmount;
    if (c.nonDeductible) f.netTaxable += line.employeeAmount;
    f.charges.push_back(line);
  }
}

}  // namespace

PayslipFigures ComputeFigures(Random& random, int year, bool mandataire, int rateFactor,
                              bool simplified) {
  PayslipFigures f;
  f.euros = year >= 2002;
  AddGains(f, random, year, mandataire, rateFactor, simplified);
  AddCharges(f, year, simplified);
  f.net = f.gross - f.deductions;
  f.netTaxable += f.net;
  if (random.Chance(55)) f.transport = f.euros ? random.Between(10, 38) * 100 : 10000;
  if (!mandataire && random.Chance(35)) f.mileage = random.Between(20, 300) * 50;
  if (year >= 2019) {
    f.taxBase = f.netTaxable;
    f.taxRate = random.Chance(35) ? 0 : random.Between(5, 75) * 1000;
    f.tax = Scaled(f.taxBase, f.taxRate, 1000000);
  }
  f.netToPay = f.net + f.transport + f.mileage - f.tax;
  return f;
}

}  // namespace dba::demo
