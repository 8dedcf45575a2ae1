#include "viewer/verifier_bulletin.h"

#include <cstdint>
#include <limits>

#include "data/archive/payslip_body.h"
#include "data/archive/payslip_footer.h"

namespace vantelor {

namespace {

constexpr const char* kNonAffichable = " Il ne peut pas être affiché.";

// The footer reads up to five attributes past the end marker; W_Ligne must reach them.
constexpr int kLastFooterOffset = 5;

std::string Nommer(const dba::DynArray& record) {
  return record.Key().empty() ? "Ce bulletin" : "Le bulletin " + record.Key();
}

std::string Message(const dba::DynArray& record, const dba::PayslipFault& fault) {
  if (fault.code() == dba::kPayslipNoEndMarker)
    return Nommer(record) + " est incomplet : la marque de fin de ses lignes (#6) est absente." +
           kNonAffichable;
  return Nommer(record) + " est illisible : « " + fault.stored() +
         " » n'est pas un nombre (attribut " + std::to_string(fault.attribute()) + ", valeur " +
         std::to_string(fault.value()) + ")." + kNonAffichable;
}

}  // namespace

std::string Verifier_Bulletin(const dba::DynArray& record) {
  try {
    const dba::PayslipBody body = dba::FormatPayslipBody(record);
    if (body.endMarker > std::numeric_limits<std::int16_t>::max() - kLastFooterOffset)
      return Nommer(record) + " compte trop de lignes." + kNonAffichable;
    dba::FormatPayslipFooter(record, body.endMarker);
    return "";
  } catch (const dba::PayslipFault& fault) {
    return Message(record, fault);
  }
}

std::string Message_BulletinAbsent(const std::string& key) {
  return "Le bulletin " + key + " n'existe plus dans les archives." + kNonAffichable;
}

}  // namespace vantelor
