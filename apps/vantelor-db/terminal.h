#pragma once
// Whether a progress line may be drawn: stderr is a terminal. The one call that differs
// between systems, kept here.

namespace vantelordb {

bool StderrIsTerminal();

}  // namespace vantelordb
