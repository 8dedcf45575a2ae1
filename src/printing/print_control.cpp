#include "printing/print_control.h"

namespace printing {

void RequireArgumentCount(const std::vector<Variant>& args, std::size_t count, DispId id) {
  if (args.size() == count) return;
  throw vantelor::DispatchError::WrongCount(
      "print control member " + vantelor::DispatchError::Hex(id), count, count, args.size());
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

dba::DynArray KeyList(const std::vector<std::string>& keys) {
  // Joined in one pass: setting attribute i walks the text from its start each time.
  std::string text;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (i > 0) text += dba::kAttributeMark;
    text += keys[i];
  }
  return dba::DynArray(std::move(text));
}

}  // namespace printing
