#pragma once
// French names and places for the demo archive.

#include <string>
#include <vector>

namespace dba::demo {

const std::vector<std::string>& LastNames();
const std::vector<std::string>& WomenFirstNames();
const std::vector<std::string>& MenFirstNames();
const std::vector<std::string>& Streets();
// "94200 IVRY-SUR-SEINE"
const std::vector<std::string>& Towns();
const std::vector<std::string>& Qualifications();

}  // namespace dba::demo
