#pragma once
// Who may be seen: the person-by-person rights filter of a payslip search made with a
// partial code.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "data/database.h"
#include "rights/rights.h"

namespace vantelor {

enum class Personne { Aidant, Aide };

// Decides whether the payslips of an archive-index record may be shown, by the person its
// key names (characters 1-5). A search by a whole code needs no check: that code went
// through the rights check when it was typed. A search by a partial code reaches other
// people, so each one is read from its civil file and put to the rights object; a person
// with no civil record cannot be checked and is refused. Answers are remembered per
// person for the life of the filter. A read failing for another reason than a missing
// record throws its dba::Error.
class FiltrePersonnes {
 public:
  // `civil` is the person's civil file (CIVILAIDANT or CIVILAIDE), read only when needed.
  FiltrePersonnes(Personne personne, std::string_view code, std::shared_ptr<dba::File> civil,
                  std::shared_ptr<rights::FunctionAccess> droits);

  bool Autorise(std::string_view cleIndex);

 private:
  bool Verifier(const std::string& codePersonne);

  Personne personne_;
  bool codeComplet_;
  std::shared_ptr<dba::File> civil_;
  std::shared_ptr<rights::FunctionAccess> droits_;
  std::map<std::string, bool, std::less<>> reponses_;
};

}  // namespace vantelor
