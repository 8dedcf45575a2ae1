#pragma once
// Everything a host needs to embed the control; see ctr_vantelor.h.

#include "vantelor/ctr_vantelor.h"
#include "vantelor/dispatch.h"
#include "vantelor/objects.h"
