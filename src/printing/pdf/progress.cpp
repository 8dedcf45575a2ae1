#include "printing/pdf/progress.h"

#include <QApplication>
#include <QProgressDialog>

namespace printing::pdf {
namespace {

class ProgressWindow final : public Progress {
 public:
  explicit ProgressWindow(int total)
      : dialog_("Impression des bulletins…", "Annuler", 0, total, QApplication::activeWindow()) {
    dialog_.setWindowTitle("Message KALVENOR");
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(0);
    dialog_.setValue(0);
  }
  bool Advance(int done) override {
    dialog_.setValue(done);  // also processes the window's events (the Cancel button)
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
};

}  // namespace

std::unique_ptr<Progress> MakeProgressWindow(int total) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
  return std::make_unique<ProgressWindow>(total);
}

}  // namespace printing::pdf
