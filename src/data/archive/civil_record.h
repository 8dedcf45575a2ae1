#pragma once
// Named fields of the civil records CIVILAIDANT (caregiver) and CIVILAIDE (care
// recipient), keyed by the 5-character person code. Views: the record must outlive them.

#include <string>
#include <string_view>

#include "data/core/dynamic_array.h"

namespace dba {

class CivilView {
 public:
  explicit CivilView(const DynArray& record) : r_(record) {}

  std::string Code() const { return r_(0); }
  std::string Title() const { return r_(1); }  // first part of the listing name
  std::string LastName() const { return r_(2); }
  std::string FirstName() const { return r_(3); }
  // Last name, one blank, first name: how a person is shown.
  std::string DisplayName() const { return LastName() + " " + FirstName(); }
  // Attributes 1, 2 and 3 with a blank between each: the listing's full name.
  std::string ListingName() const { return Title() + " " + LastName() + " " + FirstName(); }

 protected:
  const DynArray& r_;
};

class CivilAidantView : public CivilView {
 public:
  using CivilView::CivilView;
  // Attribute 31, whole: handed to the user-rights check.
  std::string AccessCode() const { return r_(31); }
};

class CivilAideView : public CivilView {
 public:
  using CivilView::CivilView;
  std::string AccessData() const { return r_(40); }
  // The first 3 characters of attribute 40: handed to the user-rights check.
  std::string AccessCode() const;
};

// The two kinds of person, each with its civil file.
enum class PersonKind { kCaregiver, kCareRecipient };

// CIVILAIDANT or CIVILAIDE.
std::string_view CivilFile(PersonKind kind);
// The access code of a civil record of that kind, as the rights check takes it: the
// caregiver's AccessCode or the care recipient's.
std::string AccessCode(PersonKind kind, const DynArray& civil);

}  // namespace dba
