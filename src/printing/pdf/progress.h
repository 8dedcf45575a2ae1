#pragma once
// Progress of a print request of many payslips, with the user's way to cancel it between
// two payslips.

#include <functional>
#include <memory>

namespace printing::pdf {

class Progress {
 public:
  virtual ~Progress() = default;
  // `done` payslips of the request are drawn. Returns false when the user has asked to
  // cancel.
  virtual bool Advance(int done) = 0;
};

// Makes the progress of a request of `total` payslips (may return nullptr: no progress).
using ProgressFactory = std::function<std::unique_ptr<Progress>(int total)>;

// The progress window of a running Qt widgets application, or nullptr when there is no
// window system to show it on.
std::unique_ptr<Progress> MakeProgressWindow(int total);

}  // namespace printing::pdf
