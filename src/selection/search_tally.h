#pragma once
// The working values of one payslip search: the years offered so far and the latest pay
// period found among the keys accepted.

#include <string>
#include <vector>

namespace vantelor {

class BilanRecherche {
 public:
  // Adds a year ("2004") to those offered, which stay newest first; returns the position
  // it took, or -1 when it was offered already.
  int AjouterAnnee(const std::string& annee);
  const std::vector<std::string>& Annees() const { return annees_; }

  // Notes the pay period (year then two-digit month, "200403") of an accepted key; the
  // latest one noted is kept.
  void NoterPeriode(const std::string& periode);
  // The month of the latest period, 1-12; 0 when none was noted or it names no month.
  int MoisDernierePeriode() const;

 private:
  std::vector<std::string> annees_;
  std::string derniere_;
};

}  // namespace vantelor
