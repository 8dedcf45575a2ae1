#pragma once
// A payslip print control as the screens reach it: late-bound, by member identifier,
// through one dispatch entry point. The screens never know which control is behind it;
// the host installs one (see ostrel.h), tests install a recording one.
//
// Members:
//   kDispDatabase          property set: 1 argument, the database object
//   kDispClient            property set: 1 argument, the database client object
//   kDispEditionBulletins  method: 5 arguments in this order, the key list (a DynArray
//                          by reference, attribute i = the i-th ARCHIVEBULL key), the
//                          interactive flag, the user name in capitals, the print status
//                          flag (16-bit, by reference), the pre-printed flag
//
// Invoke throws vantelor::DispatchError for an unknown identifier or wrong arguments
// (vantelor/dispatch_error.h, as the control's own Invoke does), dba::Error kPrintFailed
// (or the database's own error) when the print itself fails.

#include <cstdint>
#include <vector>

#include "data/core/error.h"
#include "printing/variant.h"
#include "vantelor/dispatch_error.h"

namespace printing {

using DispId = std::uint32_t;
inline constexpr DispId kDispDatabase = 0x68030000;
inline constexpr DispId kDispClient = 0x68030001;
inline constexpr DispId kDispEditionBulletins = 0x60030002;

inline constexpr std::uint32_t kPrintFailed = 0x80040100;

// The print status flag as the control leaves it: True when the request produced its
// output, False when nothing was produced (empty key list, or cancelled by the user).
inline constexpr std::int16_t kStatusPrinted = -1;
inline constexpr std::int16_t kStatusNothingPrinted = 0;

// A print that failed, said in French as the clerk reads it ("L'imprimante HP-Bureau est
// arrêtée."): our print control's failures, which the screens may show as they are.
class PrintFailure : public dba::Error {
 public:
  explicit PrintFailure(const std::string& message) : dba::Error(kPrintFailed, message) {}
};

// A failure the print control has already told the user in a message of its own: the
// print log records it, and nobody shows it a second time.
class ShownPrintFailure : public PrintFailure {
 public:
  using PrintFailure::PrintFailure;
};

class PrintControl {
 public:
  virtual ~PrintControl() = default;
  // Calls member `id` with `args` (by-reference arguments may be changed).
  virtual void Invoke(DispId id, std::vector<Variant>& args) = 0;
  // Where the last EditionBulletins sent the payslips, for the print log: a printer's
  // name or a file's path; "" when the control does not say or nothing was chosen.
  virtual std::string LastDestination() const { return ""; }
  // Tells the user, in the control's own message, that a request could not even start
  // (`what`, in French); true when told. A control without windows, or a request that is
  // not interactive, tells nobody (false): the caller raises the error instead.
  virtual bool TellFailure(const std::string& what, bool interactive) {
    (void)what;
    (void)interactive;
    return false;
  }
};

// Throws DispatchError(kBadParamCount) unless `args` holds exactly `count` arguments.
void RequireArgumentCount(const std::vector<Variant>& args, std::size_t count, DispId id);

// The five arguments of EditionBulletins, checked and unpacked; the references point into
// the caller's variables.
struct EditionArguments {
  dba::DynArray& keys;
  bool interactive;
  const std::string& user;
  std::int16_t& status;
  bool preprinted;
};
// Throws DispatchError (kBadParamCount, kTypeMismatch) when `args` is not what
// EditionBulletins takes.
EditionArguments UnpackEditionBulletins(std::vector<Variant>& args);

// The payslip keys of a key list: attribute 1, 2, ... up to its attribute count.
std::vector<std::string> KeysOf(const dba::DynArray& list);
// The key list of `keys`, one attribute each, in order.
dba::DynArray KeyList(const std::vector<std::string>& keys);

}  // namespace printing
