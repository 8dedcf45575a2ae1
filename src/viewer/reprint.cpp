#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {

void Frm_VisualisationBulletin::WireReprint() {}

}  // namespace vantelor
