#pragma once
// Opens the viewer on a payslip record built from readable lines (support/payslip_record.h),
// on a test desktop, as the selection screen would: record in the shared state, then Load.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "state/variable.h"
#include "support/payslip_record.h"
#include "ui/test_desktop.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace testsupport {

class ViewerTest : public ::testing::Test {
 protected:
  std::unique_ptr<vantelor::Frm_VisualisationBulletin> Open(const Lines& body,
                                                            const Lines& footer = SampleFooter(),
                                                            const Lines& header = SampleHeader()) {
    v.Enr_ArchiveBull =
        dba::Record(nullptr, "0001200120030300101", PayslipRecord(body, footer, header).Text());
    auto window = std::make_unique<vantelor::Frm_VisualisationBulletin>(v);
    window->Load();
    window->Init();
    return window;
  }

  ui::TestDesktop desk;
  ui::ScopedDesktop installed{desk};
  vantelor::Variable v;
};

// The seven columns of a window, left to right.
inline std::vector<ui::ListBox*> Columns(vantelor::Frm_VisualisationBulletin& w) {
  return {&w.Lst_Rubrique, &w.Lst_Base,   &w.Lst_TauxEmpl, &w.Lst_MontEmpl,
          &w.Lst_TauxSal,  &w.Lst_APayer, &w.Lst_ADeduire};
}

}  // namespace testsupport
