#include "printing/print_control.h"

#include <cstdio>

namespace printing {

void RequireArgumentCount(const std::vector<Variant>& args, std::size_t count, DispId id) {
  if (args.size() == count) return;
  char id_text[16];
  std::snprintf(id_text, sizeof id_text, "0x%08X", static_cast<unsigned>(id));
  throw dba::Error(kBadParamCount, "print control member " + std::string(id_text) + " takes " +
                                       std::to_string(count) + " arguments, not " +
                                       std::to_string(args.size()));
}

EditionArguments UnpackEditionBulletins(std::vector<Variant>& args) {
  RequireArgumentCount(args, 5, kDispEditionBulletins);
  return EditionArguments{args[0].AsArrayRef("key list"), args[1].AsBool("argument 2"),
                          args[2].AsText("user name"), args[3].AsFlagRef("print status flag"),
                          args[4].AsBool("pre-printed flag")};
}

std::vector<std::string> KeysOf(const dba::DynArray& list) {
  std::vector<std::string> keys;
  const int count = list.DCount();
  keys.reserve(count);
  for (int i = 1; i <= count; ++i) keys.push_back(list(i));
  return keys;
}

}  // namespace printing
