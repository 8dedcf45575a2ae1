#pragma once
// The inside of Ctr_Vantelor: the component-wide state and the selection screen, the
// control's own window, which it owns. Internal to the component, its Qt embedding and
// its tests.

#include "selection/selection_screen.h"
#include "state/variable.h"
#include "vantelor/ctr_vantelor.h"

namespace vantelor {

struct Ctr_Vantelor::Impl {
  Impl();
  long hwnd;  // this control's window number, unique in the process
  Variable v;
  SelectionScreen screen{v};  // declared after the state it refers to
};

namespace detail {
struct Access {
  static Ctr_Vantelor::Impl& Of(Ctr_Vantelor& control) { return *control.impl_; }
};
}  // namespace detail

// The control's own window, for renderers and tests.
inline SelectionScreen& Ecran(Ctr_Vantelor& control) { return detail::Access::Of(control).screen; }
inline Variable& Etat(Ctr_Vantelor& control) { return detail::Access::Of(control).v; }

}  // namespace vantelor
